// Writing a set of new files into a folder, all or none: files that exist
// already are left alone unless overwriting was asked for.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace discmenu::tool {

struct NewFile {
  std::string path;  // relative to the folder, with '/'
  std::string bytes;
  bool executable = false;  // mode 755 instead of 644
};

// Writes `files` under `dir`, creating folders as needed. Without `force`,
// when any of them exists nothing is written and each is named on `err`.
// A symbolic link below `dir` is never written through: one on the way to
// a file (a linked folder) is refused, whatever `force` says, and nothing
// is written; one at a file's name is replaced with `force`.
// Prints "created PATH" on `out` for each file. Returns false on failure.
bool WriteNewFiles(const std::string& dir, const std::vector<NewFile>& files, bool force,
                   std::ostream& out, std::ostream& err);

// Reads the whole file `path` into `*bytes`; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string* bytes);

}  // namespace discmenu::tool
