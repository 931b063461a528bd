// `discmenu-tool init` and `discmenu-tool autorun`: new files for a menu
// folder. Existing files are never overwritten unless `force` is set.
#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace discmenu::tool {

// Creates a starter menu in `dir`: install.ini with three entries shown,
// placeholder pictures that fit the window, the files the entries open, and
// a copy of `menu_executable` (a warning when it is missing). Needs the
// application object. Returns the exit status.
int RunInit(const std::string& dir, bool force, const std::string& menu_executable,
            std::ostream& out, std::ostream& err);

// The text of autorun.inf: ASCII when it can be, otherwise UTF-16 with a
// byte-order mark, which is what Windows reads beyond ASCII.
std::string AutorunInf(const std::optional<std::string>& label);

// The freedesktop autostart script that starts the menu from the medium.
std::string AutorunScript();

// Writes autorun.inf and autorun into the existing folder `dir`. Returns
// the exit status.
int RunAutorun(const std::string& dir, const std::optional<std::string>& label, bool force,
               std::ostream& out, std::ostream& err);

}  // namespace discmenu::tool
