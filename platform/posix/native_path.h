// Maps menu paths to the POSIX file system: install.ini values are written
// with backslashes, and menus authored on Windows name files without regard
// to letter case.
#pragma once

#include <string>
#include <string_view>

namespace discmenu::posix {

// `path` with every backslash turned into a slash.
std::string SlashPath(std::string_view path);

// The file that `path` names: the slashed path when it exists; otherwise the
// path whose components match, each without regard to letter case (the first
// match in byte order when several do). Returns the slashed path unchanged
// when nothing matches, or when it holds a NUL byte.
std::string ResolvePath(std::string_view path);

// True when `a` and `b` are equal without regard to letter case (ASCII,
// Latin-1, Latin Extended-A, Greek and Cyrillic letters).
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace discmenu::posix
