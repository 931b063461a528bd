#include "config/text_decoding.h"

#include <gtest/gtest.h>

namespace discmenu {
namespace {

// ChooseEncoding, then DecodeAs, as the reader does.
struct Decoded {
  Encoding encoding;
  std::string utf8;
};
Decoded DecodeText(std::string_view bytes, bool at_eof, const LegacyDecoder& legacy) {
  const TextEncoding encoding = ChooseEncoding(bytes, at_eof, legacy);
  return {encoding.kind, DecodeAs(bytes, encoding, at_eof, legacy)};
}

// Stands in for the platform's code pages: names what it was asked to
// decode.
class FakeLegacy : public LegacyDecoder {
 public:
  std::string ambiguous;  // the system's code page, when an ambiguous one
  bool exact = true;      // whether it reads every byte

  std::string CodePageOf(std::string_view) const override { return "fake"; }
  std::string AmbiguousCodePage() const override { return ambiguous; }
  std::string Convert(std::string_view bytes, const std::string& code_page,
                      bool* all) const override {
    *all = exact;
    return code_page + ":" + std::string(bytes);
  }
};

TEST(TextDecodingTest, MarkOrValidityDecidesTheEncoding) {
  struct Case {
    std::string bytes;
    Encoding encoding;
    std::string utf8;
  } cases[] = {
      {"plain ascii", Encoding::kUtf8, "plain ascii"},
      {"\xC3\x9C"
       "ber",
       Encoding::kUtf8,
       "\xC3\x9C"
       "ber"},
      {"\xEF\xBB\xBF"
       "a,b",
       Encoding::kUtf8Bom, "a,b"},
      {"\xEF\xBB\xBF"
       "a\xFF",
       Encoding::kUtf8Bom, "a\xEF\xBF\xBD"},
      {std::string("\xFF\xFE"
                   "a\0,\0\xAC\x20",
                   8),
       Encoding::kUtf16Le, "a,\xE2\x82\xAC"},
      {std::string("\xFE\xFF\0a\0,\x20\xAC", 8), Encoding::kUtf16Be, "a,\xE2\x82\xAC"},
      // A surrogate pair, and a lone surrogate.
      {std::string("\xFF\xFE\x3D\xD8\x00\xDE\x00\xD8"
                   "a\0",
                   10),
       Encoding::kUtf16Le,
       "\xF0\x9F\x98\x80\xEF\xBF\xBD"
       "a"},
      {"\xDC"
       "ber",
       Encoding::kLegacy,
       "fake:\xDC"
       "ber"},
      {"\xC0\x80", Encoding::kLegacy, "fake:\xC0\x80"},          // overlong
      {"\xED\xA0\x80", Encoding::kLegacy, "fake:\xED\xA0\x80"},  // surrogate
  };
  FakeLegacy legacy;
  for (const Case& c : cases) {
    Decoded d = DecodeText(c.bytes, /*at_eof=*/true, legacy);
    EXPECT_EQ(d.encoding, c.encoding) << c.utf8;
    EXPECT_EQ(d.utf8, c.utf8);
  }
}

TEST(TextDecodingTest, CharacterCutOffAtTheEndWaitsForMore) {
  FakeLegacy legacy;
  // "Ü" cut after its first byte: valid so far, the byte is left for later.
  Decoded d = DecodeText("a\xC3", /*at_eof=*/false, legacy);
  EXPECT_EQ(d.encoding, Encoding::kUtf8);
  EXPECT_EQ(d.utf8, "a");
  // At the end of the file the same bytes are not UTF-8.
  EXPECT_EQ(DecodeText("a\xC3", /*at_eof=*/true, legacy).encoding, Encoding::kLegacy);
  // An odd UTF-16 byte waits too.
  EXPECT_EQ(DecodeText(std::string("\xFF\xFE"
                                   "a\0b",
                                   5),
                       false, legacy)
                .utf8,
            "a");
}

TEST(TextDecodingTest, Windows1252Fallback) {
  Windows1252Decoder decoder;
  bool exact = true;
  EXPECT_EQ(decoder.Convert("\x80 \x93x\x94 \xE9 \x81", "windows-1252", &exact),
            "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D \xC3\xA9 \xEF\xBF\xBD");
  EXPECT_FALSE(exact);  // 0x81 has no character
  EXPECT_EQ(decoder.CodePageOf("\xE9"), "windows-1252");
}

TEST(TextDecodingTest, EvidenceDecidesBetweenUtf8AndAnAmbiguousCodePage) {
  const struct {
    const char* name;
    std::string bytes;
    bool exact;             // the code page reads every byte
    const char* ambiguous;  // the system's code page
    Encoding encoding;
  } cases[] = {
      // 翻譯 in Big5 is C2 BD C4 B6, which UTF-8 reads as "½Ķ".
      {"Big5 that passes for UTF-8", "\xC2\xBD\xC4\xB6", true, "big5", Encoding::kLegacy},
      {"the same on a system of no double-byte code page", "\xC2\xBD\xC4\xB6", true, "",
       Encoding::kUtf8},
      {"a letter beside an ASCII letter",
       "Men\xC3\xBC \xC3\x9C"
       "bersicht",
       true, "big5", Encoding::kUtf8},
      {"a word of three Cyrillic letters", "\xD0\x9F\xD1\x80\xD0\xB8", true, "gbk",
       Encoding::kUtf8},
      {"two letters alone", "\xD0\x9F\xD1\x80", true, "gbk", Encoding::kLegacy},
      {"ASCII words with a Latin-1 sign", "\xC2\xA9 Aurora 2026", true, "big5", Encoding::kUtf8},
      {"three-byte sequences are UTF-8's", "\xE4\xB8\xAD\xE6\x96\x87", true, "big5",
       Encoding::kUtf8},
      {"what the code page cannot read", "\xC2\xBD\xC4\xB6", false, "big5", Encoding::kUtf8},
      {"plain ASCII", "Setup", true, "big5", Encoding::kUtf8},
      {"text that is not UTF-8", "\xA6\x77\xB8\xCB", true, "big5", Encoding::kLegacy},
  };
  for (const auto& c : cases) {
    FakeLegacy legacy;
    legacy.ambiguous = c.ambiguous;
    legacy.exact = c.exact;
    EXPECT_EQ(ChooseEncoding(c.bytes, true, legacy).kind, c.encoding) << c.name;
  }
}

TEST(OneLineTest, ControlCharactersAreWrittenOut) {
  using namespace std::string_literals;
  EXPECT_EQ(OneLine("/m/a\nb\0c\td\x7F\xE9\xC2\x85 \xC2\xA0\xE2\x80\xA8"s),
            "/m/a\\x0Ab\\x00c\\x09d\\x7F\\xE9\\u0085 \xC2\xA0\xE2\x80\xA8");
}

TEST(EscapeInvalidUtf8Test, EscapesOnlyWhatIsNotUtf8) {
  EXPECT_EQ(EscapeInvalidUtf8("/media/caf\xE9/b\xC3\xBCro"), "/media/caf\\xE9/b\xC3\xBCro");
  EXPECT_EQ(EscapeInvalidUtf8("\xC3"), "\\xC3");  // a sequence cut off
  EXPECT_EQ(EscapeInvalidUtf8("plain"), "plain");
}

TEST(CodePointsTest, DecodesUtf8AndReplacesBadBytes) {
  EXPECT_EQ(CodePoints("a\xC3\xA9\xE6\x96\x87\xF0\x9F\x98\x80"), U"a\u00E9\u6587\U0001F600");
  EXPECT_EQ(CodePoints("\xE9t\xE6\x96"), U"\uFFFDt\uFFFD\uFFFD");
}

}  // namespace
}  // namespace discmenu
