// The menu's runtime for a folder open in the editor: install.ini is the
// document's bytes, edited or not; pictures and every other file come from
// the folder. The canvas and the live checks read the menu through it.
#pragma once

#include <memory>
#include <string>

#include "config/install_ini.h"
#include "menu/form1.h"
#include "platform/posix/native_path.h"
#include "tools/discmenu-tool/folder_runtime.h"
#include "tools/editor/picture_cache.h"

namespace discmenu::editor {

class DocumentRuntime : public tool::FolderRuntime {
 public:
  // `bytes` and `pictures` must outlive the runtime.
  DocumentRuntime(const std::string& folder, const std::string& bytes, PictureCache& pictures)
      : FolderRuntime(folder), bytes_(bytes), pictures_(pictures) {}

  Error OpenForInput(const std::string& path, std::unique_ptr<ByteSource>* file) override {
    if (path != AppPath() + kConfigFileName) return FolderRuntime::OpenForInput(path, file);
    *file = std::make_unique<StringSource>(bytes_);
    return Error();
  }

  Error LoadPicture(const std::string& path, Area area, bool with_twin,
                    PictureRef* picture) override {
    return pictures_.Load(
        posix::ResolvePath(path), area, with_twin,
        [&](PictureRef* loaded) {
          return FolderRuntime::LoadPicture(path, area, with_twin, loaded);
        },
        picture);
  }

 private:
  const std::string& bytes_;
  PictureCache& pictures_;
};

}  // namespace discmenu::editor
