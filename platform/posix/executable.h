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

// A name of the directory `dir` that is byte-exact and holds nothing a path
// list splits or a loader expands: /proc/self/fd/N of a descriptor that
// stays open (closed in the programs the menu starts); `dir` itself where
// the system shows no /proc. A /proc/self/fd/N passed in is kept as it is,
// closed in the programs the menu starts too.
std::string DirectoryHandle(const std::string& dir);

// While it lives, the working directory is `dir` ("/" where `dir` cannot be
// entered); then the one before again.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::string& dir);
  ~WorkingDirectory();
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;

 private:
  int before_;
};

// The directory part of `path`: "/a/b" for "/a/b/c", "/" for "/c".
std::string DirectoryOf(const std::string& path);

}  // namespace discmenu::posix
