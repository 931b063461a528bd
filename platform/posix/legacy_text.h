// Legacy install.ini text on POSIX: the locale names the system's code page
// (a double-byte East Asian one is weighed against UTF-8), uchardet guesses
// the code page of text that is not UTF-8, and iconv converts;
// Windows-1252 when nothing is known.
#pragma once

#include <string>

#include "config/text_decoding.h"

namespace discmenu::posix {

class DetectingDecoder : public LegacyDecoder {
 public:
  // `locale` names the user's locale ("zh_TW.UTF-8"); by default
  // CharacterLocale().
  DetectingDecoder();
  explicit DetectingDecoder(std::string locale);

  std::string CodePageOf(std::string_view bytes) const override;
  std::string AmbiguousCodePage() const override { return ambiguous_; }
  std::string Convert(std::string_view bytes, const std::string& code_page,
                      bool* exact) const override;
  bool Encode(std::string_view utf8, const std::string& code_page, std::string* out) const override;

 private:
  std::string ambiguous_;
};

// The double-byte code page of the Windows of the same language as
// `locale` ("CP950" for zh_TW), or "" for a language that has none.
std::string DoubleByteCodePage(const std::string& locale);

}  // namespace discmenu::posix
