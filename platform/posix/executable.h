// Where the running program lies.
#pragma once

#include <string>

namespace discmenu::posix {

// The program the user started and the file the running code came from,
// absolute, as the file system's bytes (not necessarily UTF-8); "" when the
// system cannot tell. They are one file, except when a starter ran the
// menu through a loader of its own (the Linux medium's runtime): then the
// started program is that starter, which names itself in argv[0].
struct ProgramFiles {
  std::string started;
  std::string image;
};
ProgramFiles RunningProgram();

// The directory that holds the program the user started, with no trailing
// slash unless it is "/"; "" when the system cannot tell.
std::string ExecutableDirectory();

// The directory part of `path`: "/a/b" for "/a/b/c", "/" for "/c".
std::string DirectoryOf(const std::string& path);

}  // namespace discmenu::posix
