// Turns the bytes of install.ini into UTF-8 text. A byte-order mark decides;
// otherwise valid UTF-8 is UTF-8; otherwise the bytes are in a legacy 8-bit
// code page, which a LegacyDecoder converts.
#pragma once

#include <string>
#include <string_view>

namespace discmenu {

enum class Encoding { kUtf8, kUtf8Bom, kUtf16Le, kUtf16Be, kLegacy };

// Converts text in a legacy 8-bit code page to UTF-8. Platforms provide the
// system's code page (Windows) or a detector with a conversion library.
class LegacyDecoder {
 public:
  virtual ~LegacyDecoder() = default;
  // Converts `bytes`; bytes the code page cannot map become U+FFFD. Stores
  // the code page's name in `*name`.
  virtual std::string ToUtf8(std::string_view bytes, std::string* name) const = 0;
};

// Windows-1252, the fallback when nothing better is known.
class Windows1252Decoder : public LegacyDecoder {
 public:
  std::string ToUtf8(std::string_view bytes, std::string* name) const override;
};

struct DecodedText {
  std::string utf8;
  Encoding encoding = Encoding::kUtf8;
  std::string encoding_name;  // "UTF-8", "UTF-16LE", or the legacy code page
};

// Decodes `bytes`, the first part of a file. When `at_eof` is false more may
// follow, so a character cut off at the end is left out instead of being
// taken for an invalid one.
DecodedText DecodeText(std::string_view bytes, bool at_eof, const LegacyDecoder& legacy);

// True when `bytes` is valid UTF-8 (a sequence cut off at the very end is
// allowed unless `at_eof`).
bool IsValidUtf8(std::string_view bytes, bool at_eof);

// Appends code point `cp` to `out` as UTF-8.
void AppendUtf8(char32_t cp, std::string* out);

// The code points of `utf8`; each invalid byte becomes U+FFFD.
std::u32string CodePoints(std::string_view utf8);

}  // namespace discmenu
