// Menu folders as the user names them on the tool's command line.
#pragma once

#include <string>

namespace discmenu::tool {

// `dir` as the menu would see its own directory: absolute, symbolic links
// resolved as far as the path exists, no trailing slash (unless "/").
std::string MenuFolderPath(const std::string& dir);

// How install.ini of `dir` is named in findings: "install.ini" for the
// current directory, otherwise "DIR/install.ini" as the user wrote DIR.
std::string ShownConfigName(const std::string& dir);

// True when something (a file, a folder, ...) exists at `path`.
bool PathExists(const std::string& path);

}  // namespace discmenu::tool
