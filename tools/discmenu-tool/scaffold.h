// `discmenu-tool init` and `discmenu-tool autorun`: new files for a menu
// folder. Existing files are never overwritten unless `force` is set.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace discmenu::tool {

// Creates a starter menu in `dir`: install.ini with three entries shown,
// placeholder pictures that fit the window, the files the entries open, and
// the menu's programs from the folder `programs` (medium_programs.h; a
// warning when it is ""). Returns the exit status.
int RunInit(const std::string& dir, bool force, const std::string& programs, std::ostream& out,
            std::ostream& err);

// The text of autorun.inf: ASCII when it can be, otherwise UTF-16 with a
// byte-order mark, which is what Windows reads beyond ASCII.
std::string AutorunInf(const std::optional<std::string>& label);

// The freedesktop autostart script that starts the menu from the medium,
// whether the medium keeps execute permissions or not; the medium carries it
// as `autorun` and as `autorun.sh`.
std::string AutorunScript();

// README.txt at the medium's root: how to start the menu on Windows and
// Linux, and on a Mac, where it does not run, the files its entries open.
// `entries` holds the caption and target of each shown entry.
std::string MediumReadme(const std::optional<std::string>& label,
                         const std::vector<std::pair<std::string, std::string>>& entries);

// Makes the existing menu folder `dir` a medium: autorun.inf, autorun,
// autorun.sh and README.txt, and the menu's programs from the folder `programs` (a warning
// when it is ""). Returns the exit status.
int RunAutorun(const std::string& dir, const std::optional<std::string>& label, bool force,
               const std::string& programs, std::ostream& out, std::ostream& err);

}  // namespace discmenu::tool
