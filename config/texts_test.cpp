#include "config/texts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>

#include "config/error.h"

namespace discmenu {
namespace {

// Translates into "upper case": what a translation does to a text.
class ShoutingTranslator : public Translator {
 public:
  std::string Translate(Text text) const override {
    if (text == Text::kFileNotFound) return "FILE NOT FOUND";
    if (text == Text::kItemName) return "ITEM %1 <%2>";
    if (text == Text::kSystemSays) return "%2 <- %1";
    return "";
  }
};

TEST(MessageTest, RendersArgumentsAndNestedMessagesInEitherLanguage) {
  const Message item(Text::kItemName, {"3", "ShowFlag3"});
  const Message said(Text::kSystemSays, {"/m/install.ini", item});
  EXPECT_EQ(said.Render(), "/m/install.ini: item 3 (ShowFlag3)");
  const ShoutingTranslator shout;
  EXPECT_EQ(said.Render(&shout), "ITEM 3 <ShowFlag3> <- /m/install.ini");
  // Words are never translated; a lone % or a missing argument stays.
  EXPECT_EQ(Message("50 % of %1").Render(&shout), "50 % of %1");
  EXPECT_EQ(Message(Text::kErrorNumber, {}).Render(), "error %1");
  EXPECT_EQ(Error::FileNotFound("/m/x").ToString(&shout), "error 53: FILE NOT FOUND: /m/x");
}

TEST(LanguageOfTagTest, LocalesAndTagsNameTheirLanguage) {
  const std::pair<const char*, Language> tags[] = {
      {"zh_TW.UTF-8", Language::kTraditionalChinese},
      {"zh_HK", Language::kTraditionalChinese},
      {"zh-Hant", Language::kTraditionalChinese},
      {"zh_CN.UTF-8", Language::kSimplifiedChinese},
      {"zh", Language::kSimplifiedChinese},
      {"ja_JP.eucJP", Language::kJapanese},
      {"ko_KR.UTF-8", Language::kKorean},
      {"de_AT.UTF-8@euro", Language::kGerman},
      {"fr_CA", Language::kFrench},
      {"es-MX", Language::kSpanish},
      {"en_GB.UTF-8", Language::kEnglish},
      {"C.UTF-8", Language::kEnglish},
      {"", Language::kEnglish},
  };
  for (const auto& [tag, language] : tags) EXPECT_EQ(LanguageOfTag(tag), language) << tag;
}

// Every translation file translates every text, keeps its arguments, and
// holds no text that the program no longer has.
TEST(TranslationsTest, EveryLanguageTranslatesEveryText) {
  std::set<std::string> english;
  for (Text text : AllTexts()) english.insert(std::string(EnglishText(text)));
  const std::regex message(
      "<source>([^<]*)</source>\\s*<translation(?: type=\"(\\w+)\")?>([^<]*)</translation>");
  auto unescape = [](std::string s) {
    for (auto [from, to] : std::map<std::string, std::string>{
             {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}})
      for (size_t at; (at = s.find(from)) != std::string::npos;) s.replace(at, from.size(), to);
    return s;
  };
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(DISCMENU_TRANSLATIONS_DIR)) {
    // The menu's texts; the editor's (editor_*.ts) are its own.
    if (!entry.path().filename().string().starts_with("discmenu_")) continue;
    std::ifstream in(entry.path());
    const std::string ts((std::istreambuf_iterator<char>(in)), {});
    std::set<std::string> translated;
    for (std::sregex_iterator m(ts.begin(), ts.end(), message), end; m != end; ++m) {
      const std::string source = unescape((*m)[1]), translation = unescape((*m)[3]);
      EXPECT_TRUE(english.count(source)) << entry.path() << ": no such text: " << source;
      EXPECT_EQ((*m)[2], "") << entry.path() << ": " << source;
      EXPECT_FALSE(translation.empty()) << entry.path() << ": " << source;
      for (char n = '1'; n <= '9'; ++n) {
        const std::string arg = std::string("%") + n;
        EXPECT_EQ(source.find(arg) == std::string::npos, translation.find(arg) == std::string::npos)
            << entry.path() << ": " << arg << " in " << source;
      }
      translated.insert(source);
    }
    EXPECT_EQ(translated, english) << entry.path();
    ++files;
  }
  EXPECT_EQ(files, 7);
}

}  // namespace
}  // namespace discmenu
