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

}  // namespace discmenu::tool
