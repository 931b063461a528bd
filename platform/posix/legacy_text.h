// Legacy 8-bit install.ini text on POSIX: the code page is guessed by
// uchardet and converted by iconv; Windows-1252 when nothing is known.
#pragma once

#include "config/text_decoding.h"

namespace discmenu::posix {

class DetectingDecoder : public LegacyDecoder {
 public:
  std::string ToUtf8(std::string_view bytes, std::string* name) const override;
};

}  // namespace discmenu::posix
