// The menu's runtime for a folder open in the editor: install.ini is the
// document's bytes, edited or not; pictures and every other file come from
// the folder. The canvas and the live checks read the menu through it.
#pragma once

#include <memory>
#include <string>

#include "config/install_ini.h"
#include "menu/form1.h"
#include "tools/discmenu-tool/folder_runtime.h"

namespace discmenu::editor {

class DocumentRuntime : public tool::FolderRuntime {
 public:
  // `bytes` must outlive the runtime.
  DocumentRuntime(const std::string& folder, const std::string& bytes)
      : FolderRuntime(folder), bytes_(bytes) {}

  Error OpenForInput(const std::string& path, std::unique_ptr<ByteSource>* file) override {
    if (path != AppPath() + kConfigFileName) return FolderRuntime::OpenForInput(path, file);
    *file = std::make_unique<StringSource>(bytes_);
    return Error();
  }

 private:
  const std::string& bytes_;
};

}  // namespace discmenu::editor
