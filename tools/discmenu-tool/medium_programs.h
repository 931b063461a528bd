// The menu's programs that every medium carries: discmenu.exe for Windows,
// and for Linux the starter discmenu with discmenu-linux/, the menu and
// everything it loads. The tool is installed (or built) with them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/discmenu-tool/new_files.h"

namespace discmenu::tool {

// The folder of the programs for a tool in `tool_dir`: medium-programs/
// beside it (a build) or lib/discmenu/medium-programs/ above it (an
// installation). "" when neither holds them.
std::string FindMediumPrograms(const std::string& tool_dir);

// Adds every file under `folder` to `*files`, with its path relative to
// the folder and its execute permission. False, with an error on `err`,
// when a file cannot be read.
bool AddMediumPrograms(const std::string& folder, std::vector<NewFile>* files, std::ostream& err);

// Adds the programs in `folder` to `*files`; when there are none (`folder`
// is ""), warns on `err` that the author has to copy them into `dir`.
bool AddMediumProgramsOrWarn(const std::string& folder, const std::string& dir,
                             std::vector<NewFile>* files, std::ostream& err);

}  // namespace discmenu::tool
