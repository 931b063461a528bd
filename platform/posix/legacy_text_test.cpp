#include "platform/posix/legacy_text.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdio>
#include <utility>
#include <vector>

#include "config/ini_document.h"
#include "config/install_ini.h"

namespace discmenu::posix {
namespace {

std::string Encode(const std::string& utf8, const char* charset) {
  iconv_t cd = iconv_open(charset, "UTF-8");
  std::string out(utf8.size() * 4, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t in_left = utf8.size();
  char* o = out.data();
  size_t o_left = out.size();
  EXPECT_NE(iconv(cd, &in, &in_left, &o, &o_left), static_cast<size_t>(-1)) << charset;
  iconv_close(cd);
  out.resize(out.size() - o_left);
  return out;
}

// An install.ini whose captions and title are `captions` (9 texts).
std::string Ini(const std::vector<std::string>& captions) {
  std::string s = "1\r\n1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n";
  for (int n = 0; n < 8; ++n) s += captions[n] + "\r\n";
  for (int n = 1; n <= 8; ++n) s += "\\t" + std::to_string(n) + "\r\n";
  s += captions[8] + "\r\n\\bg.jpg\r\n";
  for (int n = 1; n <= 8; ++n) s += "\\b" + std::to_string(n) + ".jpg\r\n";
  return s;
}

TEST(LegacyTextTest, CodePagesAreDetectedAndConverted) {
  struct Case {
    const char* charset;
    std::vector<std::string> captions;  // UTF-8
  } cases[] = {
      {"BIG5",
       {"安裝應用程式與驅動程式", "閱讀使用手冊與說明文件", "瀏覽光碟上的所有檔案",
        "前往我們的網站取得更新", "", "", "", "", "歡迎使用本公司的安裝光碟"}},
      {"WINDOWS-1252",
       {"Installer le logiciel", "Lire le manuel d'utilisation", "Übersicht der Dateien",
        "Parcourir le disque — « extras »", "", "", "", "", "Bienvenue à bord — été 2026"}},
  };
  DetectingDecoder decoder;
  for (const Case& c : cases) {
    StringSource source(Encode(Ini(c.captions), c.charset));
    ItemsRead read;
    ASSERT_TRUE(ReadItems(source, "install.ini", decoder, ReadScope::kMenu, &read).ok())
        << c.charset;
    EXPECT_EQ(read.encoding, Encoding::kLegacy);
    EXPECT_EQ(read.encoding_name, c.charset);
    const MenuSettings s = ToMenuSettings(read.items);
    for (int n = 0; n < 4; ++n) EXPECT_EQ(s.LabelCaption[n].AsText(), c.captions[n]) << c.charset;
    EXPECT_EQ(s.WindowCaption.AsText(), c.captions[8]) << c.charset;

    // Written back: an editor changes one caption in the file's code page.
    IniDocument doc;
    ASSERT_TRUE(
        IniDocument::Open(Encode(Ini(c.captions), c.charset), "install.ini", decoder, &doc).ok());
    ASSERT_EQ(doc.SetText(9, c.captions[1]), EditOutcome::kDone) << c.charset;
    std::vector<std::string> edited = c.captions;
    edited[0] = c.captions[1];
    EXPECT_EQ(doc.bytes(), Encode(Ini(edited), c.charset)) << c.charset;
  }
  std::string unchanged = "x";
  EXPECT_FALSE(decoder.Encode("中文", "WINDOWS-1252", &unchanged));
  EXPECT_FALSE(decoder.Encode("😀", "BIG5", &unchanged));
  EXPECT_EQ(unchanged, "x");
}

TEST(LegacyTextTest, LatinTextIsReadAsWindows1252) {
  DetectingDecoder decoder;
  // Guesses between Latin code pages are unreliable on short texts.
  const char* texts[] = {"caf\xE9", "Bienvenue \xE0 bord",
                         "Gr\xFC\xDF"
                         "e aus K\xF6ln"};
  for (const char* text : texts) {
    const std::string name = decoder.CodePageOf(text);
    EXPECT_EQ(name, "WINDOWS-1252") << text;
    bool exact = true, also = true;
    EXPECT_EQ(decoder.Convert(text, name, &exact),
              Windows1252Decoder().Convert(text, "windows-1252", &also))
        << text;
  }
}

TEST(LegacyTextTest, DoubleByteCodePageOfTheLocale) {
  const std::pair<const char*, const char*> locales[] = {
      {"zh_TW.UTF-8", "CP950"},
      {"zh_HK.UTF-8", "CP950"},
      {"zh_CN.UTF-8", "CP936"},
      {"zh_SG", "CP936"},
      {"ja_JP.UTF-8", "CP932"},
      {"ko_KR.UTF-8", "CP949"},
      {"de_DE.UTF-8", ""},
      {"C", ""},
      {"", ""},
  };
  for (const auto& [locale, code_page] : locales)
    EXPECT_EQ(DoubleByteCodePage(locale), code_page) << locale;
}

// The common characters of a double-byte code page: every two-byte code in
// `ranges` that iconv maps to one character.
std::vector<std::string> CommonCharacters(const char* code_page,
                                          std::vector<std::pair<int, int>> ranges) {
  std::vector<std::string> found;
  iconv_t cd = iconv_open("UTF-32LE", code_page);
  for (auto [from, to] : ranges)
    for (int code_point = from; code_point <= to; ++code_point) {
      char code[2] = {static_cast<char>(code_point >> 8), static_cast<char>(code_point)};
      char out[8];
      char* in = code;
      char* o = out;
      size_t in_left = 2, o_left = sizeof out;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      if (iconv(cd, &in, &in_left, &o, &o_left) != static_cast<size_t>(-1) && o_left == 4)
        found.emplace_back(code, 2);
    }
  iconv_close(cd);
  return found;
}

// Captions and titles of 1-8 common characters, each written once in its
// code page and once in UTF-8, in a whole install.ini on a system of that
// code page: how many are read in the wrong encoding. The figures are
// printed; the bounds are the goal (no UTF-8 text misread, under 0.1 % of
// the legacy texts).
TEST(LegacyTextTest, ShortCaptionsAreReadInTheirEncoding) {
  const struct {
    const char* locale;
    const char* code_page;
    std::vector<std::pair<int, int>> ranges;
  } sets[] = {
      // Big5's frequent characters.
      {"zh_TW.UTF-8", "CP950", {{0xA440, 0xC67E}}},
      // Shift-JIS: hiragana, katakana and the kanji of JIS X 0208 level 1.
      {"ja_JP.UTF-8", "CP932", {{0x829F, 0x82F1}, {0x8340, 0x8396}, {0x889F, 0x9872}}},
      // GB2312 level 1.
      {"zh_CN.UTF-8", "CP936", {{0xB0A1, 0xD7F9}}},
      // KS X 1001's hangul.
      {"ko_KR.UTF-8", "CP949", {{0xB0A1, 0xC8FE}}},
  };
  constexpr int kTexts = 20000;
  for (const auto& set : sets) {
    const std::vector<std::string> characters = CommonCharacters(set.code_page, set.ranges);
    ASSERT_GT(characters.size(), 1000u) << set.code_page;
    DetectingDecoder decoder(set.locale);
    uint32_t seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245 + 12345) >> 8; };
    int legacy_misread = 0, utf8_misread = 0;
    for (int k = 0; k < kTexts; ++k) {
      std::string legacy;
      const int length = 1 + next() % 8;
      for (int n = 0; n < length; ++n) legacy += characters[next() % characters.size()];
      bool exact = true;
      const std::string utf8 = decoder.Convert(legacy, set.code_page, &exact);
      ASSERT_TRUE(exact);
      for (const auto& [text, want] :
           {std::pair{legacy, Encoding::kLegacy}, std::pair{utf8, Encoding::kUtf8}}) {
        std::vector<std::string> items = {"Entry 1", "", "", "", "", "", "", "", text};
        items[0 + k % 8] = text;  // a caption somewhere, and the title
        StringSource source(Ini(items));
        ItemsRead read;
        ASSERT_TRUE(ReadItems(source, "install.ini", decoder, ReadScope::kMenu, &read).ok());
        const bool right = read.encoding == want && read.items[24].text == utf8;
        if (!right) ++(want == Encoding::kLegacy ? legacy_misread : utf8_misread);
      }
    }
    std::printf(
        "%s: of %d texts, %d (%.3f %%) in the code page and %d (%.3f %%) in UTF-8 are "
        "misread\n",
        set.code_page, kTexts, legacy_misread, 100.0 * legacy_misread / kTexts, utf8_misread,
        100.0 * utf8_misread / kTexts);
    EXPECT_EQ(utf8_misread, 0) << set.code_page;
    EXPECT_LT(legacy_misread, kTexts / 1000) << set.code_page;
  }
}

}  // namespace
}  // namespace discmenu::posix
