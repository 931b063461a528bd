// Turns the bytes of install.ini into UTF-8 text: which encoding they are in,
// decided by a byte-order mark or by the evidence in the text, and the
// decoding. The platform converts legacy code pages (LegacyDecoder).
#pragma once

#include <string>
#include <string_view>

namespace discmenu {

enum class Encoding { kUtf8, kUtf8Bom, kUtf16Le, kUtf16Be, kLegacy };

// Text in legacy 8-bit and double-byte code pages, as the platform knows
// them: the system's ANSI code page on Windows; on POSIX the locale's, and a
// detector for text in another.
class LegacyDecoder {
 public:
  virtual ~LegacyDecoder() = default;
  // The code page of `bytes`, text that is not UTF-8.
  virtual std::string CodePageOf(std::string_view bytes) const = 0;
  // The system's code page when text in it can pass for UTF-8 (a double-byte
  // East Asian one, whose two-byte characters often form valid UTF-8
  // sequences); "" for any other.
  virtual std::string AmbiguousCodePage() const { return ""; }
  // `bytes` in `code_page`, as UTF-8. Bytes the code page cannot map become
  // U+FFFD and set `*exact` to false.
  virtual std::string Convert(std::string_view bytes, const std::string& code_page,
                              bool* exact) const = 0;
  // `utf8` written in `code_page`, appended to `*out`; false, with nothing
  // substituted, when it holds a character the code page has no place for
  // or the platform cannot write that code page.
  virtual bool Encode(std::string_view utf8, const std::string& code_page, std::string* out) const {
    (void)utf8, (void)code_page, (void)out;
    return false;
  }
};

// Windows-1252, the fallback when nothing better is known.
class Windows1252Decoder : public LegacyDecoder {
 public:
  std::string CodePageOf(std::string_view) const override { return "windows-1252"; }
  std::string Convert(std::string_view bytes, const std::string& code_page,
                      bool* exact) const override;
  bool Encode(std::string_view utf8, const std::string& code_page, std::string* out) const override;
};

// How a file's text is encoded; `name` is "UTF-8", "UTF-16LE", or the code
// page.
struct TextEncoding {
  Encoding kind = Encoding::kUtf8;
  std::string name = "UTF-8";
};

// Decides how `bytes`, the start of a file, are encoded. A byte-order mark
// decides. Text that is not valid UTF-8 is in a legacy code page. Valid
// UTF-8 is UTF-8 unless the system's code page is an ambiguous one that
// reads it as more plausible text (PreferLegacy). When `at_eof` is false
// more may follow, so a character cut off at the end counts as valid.
TextEncoding ChooseEncoding(std::string_view bytes, bool at_eof, const LegacyDecoder& legacy);

// Decodes `bytes`, the start of a file, as `encoding` (skipping a
// byte-order mark). When `at_eof` is false a character cut off at the end is
// left out instead of being taken for an invalid one.
std::string DecodeAs(std::string_view bytes, const TextEncoding& encoding, bool at_eof,
                     const LegacyDecoder& legacy);

// `utf8` written as `encoding` (no byte-order mark), appended to `*out`: the
// inverse of DecodeAs (in UTF-16, bytes that are not UTF-8 become U+FFFD).
// False when a character has no place in a legacy code page.
bool EncodeAs(std::string_view utf8, const TextEncoding& encoding, const LegacyDecoder& legacy,
              std::string* out);

// How many bytes the byte-order mark of `encoding` takes at the start of
// `bytes` (0 when there is none).
size_t ByteOrderMarkSize(std::string_view bytes, const TextEncoding& encoding);

// The evidence that decides between UTF-8 and an ambiguous code page for
// `bytes`, which are valid UTF-8 with non-ASCII characters of two bytes
// only, and which the code page reads without a fault. UTF-8 wins when an
// item reads as words: a non-ASCII letter in an ASCII word ("Menü"), three
// non-ASCII letters of one script in a row ("Привет"), or ASCII words with
// Latin-1 signs and letters ("© Aurora"). Anything else ("½Ķ", which is 翻譯
// in Big5) is the code page's.
bool PreferLegacy(std::string_view bytes);

// ChooseEncoding, then DecodeAs.
struct DecodedText {
  std::string utf8;
  Encoding encoding = Encoding::kUtf8;
  std::string encoding_name;
};
DecodedText DecodeText(std::string_view bytes, bool at_eof, const LegacyDecoder& legacy);

// True when `bytes` is valid UTF-8 (a sequence cut off at the very end is
// allowed unless `at_eof`).
bool IsValidUtf8(std::string_view bytes, bool at_eof);

// Appends code point `cp` to `out` as UTF-8.
void AppendUtf8(char32_t cp, std::string* out);

// `bytes` with every byte that is not part of valid UTF-8 written as
// "\xE9": a file name in another encoding, shown.
std::string EscapeInvalidUtf8(std::string_view bytes);

// `text` as one line of output: EscapeInvalidUtf8(), and every control
// character written out too ("\x0A" for a line end, "\x00" for a NUL,
// "\u0085"), so that no name or value can end or break the line.
std::string OneLine(std::string_view text);

// The code points of `utf8`; each invalid byte becomes U+FFFD.
std::u32string CodePoints(std::string_view utf8);

}  // namespace discmenu
