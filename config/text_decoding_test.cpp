#include "config/text_decoding.h"

#include <gtest/gtest.h>

namespace discmenu {
namespace {

// Stands in for the platform's detector: names what it was asked to decode.
class FakeLegacy : public LegacyDecoder {
 public:
  std::string ToUtf8(std::string_view bytes, std::string* name) const override {
    *name = "fake";
    return "legacy:" + std::string(bytes);
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
       "legacy:\xDC"
       "ber"},
      {"\xC0\x80", Encoding::kLegacy, "legacy:\xC0\x80"},          // overlong
      {"\xED\xA0\x80", Encoding::kLegacy, "legacy:\xED\xA0\x80"},  // surrogate
  };
  FakeLegacy legacy;
  for (const Case& c : cases) {
    DecodedText d = DecodeText(c.bytes, /*at_eof=*/true, legacy);
    EXPECT_EQ(d.encoding, c.encoding) << c.utf8;
    EXPECT_EQ(d.utf8, c.utf8);
  }
}

TEST(TextDecodingTest, CharacterCutOffAtTheEndWaitsForMore) {
  FakeLegacy legacy;
  // "Ü" cut after its first byte: valid so far, the byte is left for later.
  DecodedText d = DecodeText("a\xC3", /*at_eof=*/false, legacy);
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
  std::string name;
  EXPECT_EQ(decoder.ToUtf8("\x80 \x93x\x94 \xE9 \x81", &name),
            "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D \xC3\xA9 \xEF\xBF\xBD");
  EXPECT_EQ(name, "windows-1252");
}

TEST(CodePointsTest, DecodesUtf8AndReplacesBadBytes) {
  EXPECT_EQ(CodePoints("a\xC3\xA9\xE6\x96\x87\xF0\x9F\x98\x80"), U"a\u00E9\u6587\U0001F600");
  EXPECT_EQ(CodePoints("\xE9t\xE6\x96"), U"\uFFFDt\uFFFD\uFFFD");
}

}  // namespace
}  // namespace discmenu
