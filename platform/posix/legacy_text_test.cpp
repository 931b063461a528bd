#include "platform/posix/legacy_text.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <vector>

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
  }
}

TEST(LegacyTextTest, LatinTextIsReadAsWindows1252) {
  DetectingDecoder decoder;
  // Guesses between Latin code pages are unreliable on short texts.
  const char* texts[] = {"caf\xE9", "Bienvenue \xE0 bord",
                         "Gr\xFC\xDF"
                         "e aus K\xF6ln"};
  for (const char* text : texts) {
    std::string name;
    std::string utf8 = decoder.ToUtf8(text, &name);
    EXPECT_EQ(name, "WINDOWS-1252") << text;
    EXPECT_EQ(utf8, Windows1252Decoder().ToUtf8(text, &name)) << text;
  }
}

}  // namespace
}  // namespace discmenu::posix
