// A menu folder as the tool addresses it: the menu's own runtime, with the
// application directory pointed at the folder instead of the executable's.
#pragma once

#include <string>

#include "platform/qt/qt_services.h"

namespace discmenu::tool {

class FolderRuntime : public qt::QtRuntime {
 public:
  explicit FolderRuntime(std::string folder) : folder_(std::move(folder)) {}
  std::string AppPath() override { return folder_; }

 private:
  std::string folder_;
};

// `dir` as the menu would see its own directory: absolute, symbolic links
// resolved as far as the path exists, no trailing slash (unless "/").
std::string MenuFolderPath(const std::string& dir);

// How install.ini of `dir` is named in findings: "install.ini" for the
// current directory, otherwise "DIR/install.ini" as the user wrote DIR.
std::string ShownConfigName(const std::string& dir);

// True when something (a file, a folder, ...) exists at `path`.
bool PathExists(const std::string& path);

}  // namespace discmenu::tool
