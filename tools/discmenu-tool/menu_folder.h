// Menu folders as the user names them on the tool's command line.
#pragma once

#include <string>

#include "config/menu_settings.h"

namespace discmenu::tool {

// `dir` as the menu would see its own directory: absolute, symbolic links
// resolved as far as the path exists, no trailing slash (unless "/").
std::string MenuFolderPath(const std::string& dir);

// How install.ini of `dir` is named in findings: "install.ini" for the
// current directory, otherwise "DIR/install.ini" as the user wrote DIR.
std::string ShownConfigName(const std::string& dir);

// Reads install.ini of `dir` as the menu reads it into `*settings`; false,
// with the menu's error in `*why`, when the menu could not read it.
bool ReadMenuFolderSettings(const std::string& dir, MenuSettings* settings, std::string* why);

// True when something (a file, a folder, ...) exists at `path`.
bool PathExists(const std::string& path);

}  // namespace discmenu::tool
