// Runtime errors as values: a number, a fixed text and a detail that names
// what the error concerns (a full path, an item). An error ends the program
// through the platform's error report; nothing catches it on the way.
#pragma once

#include <string>

#include "config/texts.h"

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
  static Error OutOfMemory(Message detail) { return Error(kOutOfMemory, std::move(detail)); }
  static Error TypeMismatch(Message detail) { return Error(kTypeMismatch, std::move(detail)); }
  static Error FileNotFound(Message detail) { return Error(kFileNotFound, std::move(detail)); }
  static Error InputPastEndOfFile(Message detail) {
    return Error(kInputPastEndOfFile, std::move(detail));
  }
  static Error PathFileAccess(Message detail) { return Error(kPathFileAccess, std::move(detail)); }
  static Error DllFunctionNotFound(Message detail) {
    return Error(kDllFunctionNotFound, std::move(detail));
  }
  static Error InvalidPicture(Message detail) { return Error(kInvalidPicture, std::move(detail)); }

  bool ok() const { return number_ == kOk; }
  int number() const { return number_; }
  // The fixed text of the number, such as "File not found", and its text.
  const char* text() const;
  Text text_id() const;
  // The detail in English, and as a message to translate.
  std::string detail() const { return detail_.Render(); }
  const Message& detail_message() const { return detail_; }

  // "error 53: File not found: /media/disc/install.ini"; "ok" for success.
  // Through `translator`, in the user's language.
  std::string ToString(const Translator* translator = nullptr) const;

  bool operator==(const Error&) const = default;

 private:
  Error(int number, Message detail) : number_(number), detail_(std::move(detail)) {}

  int number_ = kOk;
  Message detail_;
};

}  // namespace discmenu
