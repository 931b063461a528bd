// Writing files below a folder that may hold symbolic links planted by
// someone else (a folder unpacked from an archive, a medium): no link below
// the folder is ever followed, and a file appears whole or not at all.
#pragma once

#include <string>

namespace discmenu::posix {

// What is at `relative` ('/'-separated) below the folder `dir`, looked at
// without following any symbolic link below `dir` (`dir` itself may be one).
struct PlaceBelow {
  bool exists = false;  // something, a link included, is at the name
  // Why no file can be written there: a folder on the way is a symbolic
  // link or not a folder (naming it), or the name is not a plain relative
  // path. "" when one can.
  std::string problem;
};
PlaceBelow LookBelow(const std::string& dir, const std::string& relative);

// Writes `bytes` as `relative` below `dir`, creating the folders on the way
// (mode 755). The bytes go to a temporary file in the final folder, which
// gets `mode` on the open descriptor and is then renamed over the name: a
// symbolic link there is replaced, never written through. A folder on the
// way that is a link is refused, as is an existing name unless `replace`.
// Returns "" on success, otherwise what went wrong, naming the path.
std::string WriteBelow(const std::string& dir, const std::string& relative,
                       const std::string& bytes, unsigned mode, bool replace);

}  // namespace discmenu::posix
