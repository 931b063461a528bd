#include "tools/discmenu-tool/ansi_code_pages.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace discmenu::tool {
namespace {

TEST(AnsiCodePagesTest, EachCodePageIsAvailable) {
  // Every code page in the list must convert the letters of its script; a
  // converter that failed to open would silently narrow the check.
  AnsiCodePages pages;
  struct Case {
    const char* code_page;
    char32_t cp;
  } cases[] = {
      {"CP1250", U'\u0150'}, {"CP1251", U'\u0416'}, {"CP1252", U'\u00E9'}, {"CP1253", U'\u03AC'},
      {"CP1254", U'\u011F'}, {"CP1255", U'\u05D0'}, {"CP1256", U'\u0639'}, {"CP1257", U'\u0101'},
      {"CP1258", U'\u01B0'}, {"CP874", U'\u0E01'},  {"CP932", U'\u3042'},  {"CP936", U'\u4E2D'},
      {"CP949", U'\uD55C'},  {"CP950", U'\u7E41'},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> holding = pages.CodePagesHolding(c.cp);
    EXPECT_NE(std::find(holding.begin(), holding.end(), c.code_page), holding.end())
        << c.code_page << " lacks " << CodePointName(c.cp);
    EXPECT_TRUE(pages.Holds(c.cp)) << CodePointName(c.cp);
  }
  // A letter of one script only: just its code page holds it.
  EXPECT_EQ(pages.CodePagesHolding(U'\u0E01'), std::vector<std::string>{"CP874"});
  EXPECT_TRUE(pages.Holds(U'A'));
}

TEST(AnsiCodePagesTest, CharactersOutsideEveryCodePage) {
  AnsiCodePages pages;
  for (char32_t cp : {U'\u2603', U'\U0001F600', U'\uFFFD', U'\u0D15', U'\u10D0'})
    EXPECT_FALSE(pages.Holds(cp)) << CodePointName(cp);
}

TEST(AnsiCodePagesTest, UnrepresentableListsEachCharacterOnceInOrder) {
  AnsiCodePages pages;
  struct Case {
    const char* utf8;
    std::vector<char32_t> missing;
  } cases[] = {
      {"plain ASCII", {}},
      {"caf\u00e9 \u0416 \u4e2d", {}},  // mixed scripts: each from some code page
      {"a\u2603b\u2603\U0001F600", {U'\u2603', U'\U0001F600'}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(pages.Unrepresentable(c.utf8), c.missing) << c.utf8;
}

TEST(AnsiCodePagesTest, CodePointNames) {
  EXPECT_EQ(CodePointName(U'\u00E9'), "U+00E9");
  EXPECT_EQ(CodePointName(U'\U0001F600'), "U+1F600");
}

}  // namespace
}  // namespace discmenu::tool
