#include "config/error.h"

namespace discmenu {

Text Error::text_id() const {
  switch (number_) {
    case kOk:
      return Text::kOk;
    case kOutOfMemory:
      return Text::kOutOfMemory;
    case kTypeMismatch:
      return Text::kTypeMismatch;
    case kFileNotFound:
      return Text::kFileNotFound;
    case kInputPastEndOfFile:
      return Text::kInputPastEndOfFile;
    case kPathFileAccess:
      return Text::kPathFileAccess;
    case kDllFunctionNotFound:
      return Text::kDllFunctionNotFound;
    case kInvalidPicture:
      return Text::kInvalidPicture;
  }
  return Text::kUnknownError;
}

const char* Error::text() const {
  return EnglishText(text_id()).data();
}

std::string Error::ToString(const Translator* translator) const {
  if (ok()) return "ok";
  std::string s = Message(Text::kErrorNumber, {std::to_string(number_)}).Render(translator) + ": " +
                  Message(text_id(), {}).Render(translator);
  if (!detail_.empty()) s += ": " + detail_.Render(translator);
  return s;
}

}  // namespace discmenu
