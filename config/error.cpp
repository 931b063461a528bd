#include "config/error.h"

namespace discmenu {

const char* Error::text() const {
  switch (number_) {
    case kOk:
      return "OK";
    case kOutOfMemory:
      return "Out of memory";
    case kTypeMismatch:
      return "Type mismatch";
    case kFileNotFound:
      return "File not found";
    case kInputPastEndOfFile:
      return "Input past end of file";
    case kPathFileAccess:
      return "Path/File access error";
    case kDllFunctionNotFound:
      return "Specified DLL function not found";
    case kInvalidPicture:
      return "Invalid picture";
  }
  return "Application-defined or object-defined error";
}

std::string Error::ToString() const {
  if (ok()) return "ok";
  std::string s = "error " + std::to_string(number_) + ": " + text();
  if (!detail_.empty()) s += ": " + detail_;
  return s;
}

}  // namespace discmenu
