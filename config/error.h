// Runtime errors as values: a number, a fixed text and a detail that names
// what the error concerns (a full path, an item). An error ends the program
// through the platform's error report; nothing catches it on the way.
#pragma once

#include <string>

namespace discmenu {

class [[nodiscard]] Error {
 public:
  // Numbers of the runtime errors that the menu can raise.
  enum Number : int {
    kOk = 0,
    kOutOfMemory = 7,
    kTypeMismatch = 13,
    kFileNotFound = 53,
    kInputPastEndOfFile = 62,
    kPathFileAccess = 75,
    kDllFunctionNotFound = 453,
    kInvalidPicture = 481,
  };

  Error() = default;  // success
  static Error OutOfMemory(std::string detail) { return Error(kOutOfMemory, detail); }
  static Error TypeMismatch(std::string detail) { return Error(kTypeMismatch, detail); }
  static Error FileNotFound(std::string detail) { return Error(kFileNotFound, detail); }
  static Error InputPastEndOfFile(std::string detail) { return Error(kInputPastEndOfFile, detail); }
  static Error PathFileAccess(std::string detail) { return Error(kPathFileAccess, detail); }
  static Error DllFunctionNotFound(std::string detail) {
    return Error(kDllFunctionNotFound, detail);
  }
  static Error InvalidPicture(std::string detail) { return Error(kInvalidPicture, detail); }

  bool ok() const { return number_ == kOk; }
  int number() const { return number_; }
  // The fixed text of the number, such as "File not found".
  const char* text() const;
  const std::string& detail() const { return detail_; }

  // "error 53: File not found: /media/disc/install.ini"; "ok" for success.
  std::string ToString() const;

  bool operator==(const Error&) const = default;

 private:
  Error(int number, std::string detail) : number_(number), detail_(std::move(detail)) {}

  int number_ = kOk;
  std::string detail_;
};

}  // namespace discmenu
