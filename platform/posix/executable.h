// Where the running program lies.
#pragma once

#include <string>

namespace discmenu::posix {

// The directory that holds the running executable, as the file system's
// bytes (not necessarily UTF-8), with no trailing slash unless it is "/".
// "" when the system cannot tell.
std::string ExecutableDirectory();

// The directory part of `path`: "/a/b" for "/a/b/c", "/" for "/c".
std::string DirectoryOf(const std::string& path);

}  // namespace discmenu::posix
