// Maps menu paths to the POSIX file system: install.ini values are written
// with backslashes, and menus authored on Windows name files without regard
// to letter case.
#pragma once

#include <string>
#include <string_view>

namespace discmenu::posix {

// `path` with every backslash turned into a slash.
std::string SlashPath(std::string_view path);

// `path` as Windows reads a file name, before it asks the file system: slashed,
// cut at its first NUL, `.` dropped and `..` folded into the name before it
// (whether or not that folder exists, never above the root), the trailing
// dots and spaces of the last name dropped, and the dot of any other name that
// ends in a single one. Doubled separators stay (they name the same file).
std::string WindowsPath(std::string_view path);

// The file that `path` names: its WindowsPath() when that exists; otherwise
// the path whose components match, each without regard to letter case (the
// exact name first, then the first match in byte order). Returns the
// WindowsPath() when nothing matches.
std::string ResolvePath(std::string_view path);

// True when `a` and `b` are equal without regard to letter case (ASCII,
// Latin-1, Latin Extended-A, Greek and Cyrillic letters).
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace discmenu::posix
