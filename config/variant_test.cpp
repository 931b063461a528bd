#include "config/variant.h"

#include <gtest/gtest.h>

namespace discmenu {
namespace {

TEST(VariantTest, UnquotedItemsBecomeNumbersOnlyWhenTheyReadAsDecimals) {
  struct Case {
    const char* item;
    Variant::Kind kind;
    const char* text;  // the text form used in captions and paths
  } cases[] = {
      {"", Variant::Kind::kEmpty, ""},
      {"1", Variant::Kind::kNumber, "1"},
      {"1.0", Variant::Kind::kNumber, "1"},
      {"01", Variant::Kind::kNumber, "1"},
      {"-1", Variant::Kind::kNumber, "-1"},
      {"+7", Variant::Kind::kNumber, "7"},
      {"-0", Variant::Kind::kNumber, "0"},
      {"2.50", Variant::Kind::kNumber, "2.5"},
      {".5", Variant::Kind::kNumber, "0.5"},
      {"5.", Variant::Kind::kNumber, "5"},
      {"1e3", Variant::Kind::kNumber, "1000"},
      {"2024", Variant::Kind::kNumber, "2024"},
      // Whole numbers keep their digits however long they are.
      {"12345678901234567890", Variant::Kind::kNumber, "12345678901234567890"},
      {"yes", Variant::Kind::kText, "yes"},
      {"1x", Variant::Kind::kText, "1x"},
      {"0x10", Variant::Kind::kText, "0x10"},
      {"1e", Variant::Kind::kText, "1e"},
      {".", Variant::Kind::kText, "."},
      {"-", Variant::Kind::kText, "-"},
      {"1e999", Variant::Kind::kText, "1e999"},
      {"inf", Variant::Kind::kText, "inf"},
      {"nan", Variant::Kind::kText, "nan"},
      {"\\setup.exe", Variant::Kind::kText, "\\setup.exe"},
  };
  for (const Case& c : cases) {
    Variant v = VariantFromUnquoted(c.item);
    EXPECT_EQ(v.kind(), c.kind) << c.item;
    EXPECT_EQ(v.AsText(), c.text) << c.item;
  }
}

TEST(VariantTest, ShowFlagComparesWithOne) {
  struct Case {
    Variant value;
    std::optional<bool> shown;  // nothing: a type mismatch
  } cases[] = {
      {VariantFromUnquoted("1"), true},
      {VariantFromUnquoted("1.0"), true},
      {VariantFromUnquoted("01"), true},
      {VariantFromUnquoted("1e0"), true},
      {VariantFromUnquoted("0"), false},
      {VariantFromUnquoted("2"), false},
      {VariantFromUnquoted("-1"), false},
      {VariantFromUnquoted("0.999"), false},
      {Variant(), false},
      {Variant::Text("1"), true},
      {Variant::Text(" 1 "), true},
      {Variant::Text("1.00"), true},
      {Variant::Text("0"), false},
      {Variant::Text("yes"), std::nullopt},
      {Variant::Text(""), std::nullopt},
      {Variant::Text("1 1"), std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EqualsOne(c.value), c.shown) << "'" << c.value.AsText() << "'";
  }
}

TEST(VariantTest, NumberTextIsShortest) {
  EXPECT_EQ(NumberText(0.1), "0.1");
  EXPECT_EQ(NumberText(-2.25), "-2.25");
  EXPECT_EQ(NumberText(1e20), "1e+20");
  EXPECT_EQ(NumberText(123456789012345.0), "123456789012345");
}

}  // namespace
}  // namespace discmenu
