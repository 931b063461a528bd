#include "platform/win32/win32_logic.h"

#include <gtest/gtest.h>

namespace discmenu::win32 {
namespace {

struct PathCase {
  const char* in;
  const char* out;
};

TEST(AppDirectoryOf, KeepsOnlyADriveRootsBackslash) {
  const PathCase cases[] = {
      {"C:\\Program Files\\Menu\\discmenu.exe", "C:\\Program Files\\Menu"},
      {"D:\\discmenu.exe", "D:\\"},
      {"D:\\menu\\discmenu.exe", "D:\\menu"},
      {"\\\\server\\share\\discmenu.exe", "\\\\server\\share"},
      {"\\\\?\\D:\\discmenu.exe", "\\\\?\\D:\\"},
      {"\\\\?\\D:\\deep\\discmenu.exe", "\\\\?\\D:\\deep"},
      {"E:\\\xE4\xB8\xAD\xE6\x96\x87\\discmenu.exe", "E:\\\xE4\xB8\xAD\xE6\x96\x87"},
      {"discmenu.exe", "discmenu.exe"},
  };
  for (const PathCase& c : cases) EXPECT_EQ(AppDirectoryOf(c.in), c.out) << c.in;
}

TEST(TidyVerbatimPath, MakesSeparatorsSingleOnlyInVerbatimPaths) {
  const PathCase cases[] = {
      {"\\\\?\\D:\\\\install.ini", "\\\\?\\D:\\install.ini"},
      {"\\\\?\\D:\\menu\\/back.jpg", "\\\\?\\D:\\menu\\back.jpg"},
      {"D:\\\\install.ini", "D:\\\\install.ini"},
      {"\\\\server\\share\\install.ini", "\\\\server\\share\\install.ini"},
  };
  for (const PathCase& c : cases) EXPECT_EQ(TidyVerbatimPath(c.in), c.out) << c.in;
}

TEST(ButtonText, DoublesEveryAmpersand) {
  const PathCase cases[] = {
      {"Install", "Install"},
      {"Tom & Jerry", "Tom && Jerry"},
      {"&Setup&&", "&&Setup&&&&"},
      {"", ""},
  };
  for (const PathCase& c : cases) EXPECT_EQ(ButtonText(c.in), c.out) << c.in;
}

TEST(CodePageName, NamesCommonCodePages) {
  const struct {
    unsigned cp;
    const char* name;
  } cases[] = {{1252, "windows-1252"}, {1250, "windows-1250"}, {874, "windows-874"},
               {932, "shift_jis"},     {936, "gbk"},           {950, "big5"},
               {65001, "utf-8"},       {437, "cp437"},         {1259, "cp1259"}};
  for (const auto& c : cases) {
    EXPECT_EQ(CodePageName(c.cp), c.name) << c.cp;
    EXPECT_EQ(CodePageNumber(c.name), c.cp) << c.name;  // and back
  }
  EXPECT_EQ(CodePageNumber("nonsense"), 0u);
}

TEST(ScaledLength, FollowsTheDpiAndTheTwinRatio) {
  const struct {
    int px, ratio, dpi, want;
  } cases[] = {{64, 1, 96, 64},  {64, 1, 144, 96},   {64, 1, 120, 80},
               {65, 1, 144, 98}, {128, 2, 192, 128}, {128, 2, 144, 96},
               {128, 2, 96, 64}, {1, 1, 96, 1},      {640, 1, 192, 1280}};
  for (const auto& c : cases)
    EXPECT_EQ(ScaledLength(c.px, c.ratio, c.dpi), c.want)
        << c.px << " ratio " << c.ratio << " at " << c.dpi;
}

TEST(LanguageOfLangId, ChoosesTheTranslationsAndTheirStringTables) {
  const struct {
    unsigned langid;
    Language language;
    unsigned table;
  } cases[] = {
      {0x0404, Language::kTraditionalChinese, 0x0404},  // Taiwan
      {0x0C04, Language::kTraditionalChinese, 0x0404},  // Hong Kong
      {0x0804, Language::kSimplifiedChinese, 0x0804},   // China
      {0x1004, Language::kSimplifiedChinese, 0x0804},   // Singapore
      {0x0411, Language::kJapanese, 0x0411},
      {0x0412, Language::kKorean, 0x0412},
      {0x0807, Language::kGerman, 0x0407},   // Switzerland
      {0x0C0C, Language::kFrench, 0x040C},   // Canada
      {0x080A, Language::kSpanish, 0x0C0A},  // Mexico
      {0x0409, Language::kEnglish, 0},
      {0x0419, Language::kEnglish, 0},  // Russian: none
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LanguageOfLangId(c.langid), c.language) << std::hex << c.langid;
    EXPECT_EQ(LangIdOf(LanguageOfLangId(c.langid)), c.table) << std::hex << c.langid;
  }
}

}  // namespace
}  // namespace discmenu::win32
