#include "config/install_ini.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace discmenu {
namespace {

// Serves nothing on its first read and at most a few bytes on each later
// one, as a source may; records what it was asked for.
class TricklingSource : public ByteSource {
 public:
  explicit TricklingSource(std::string bytes) : bytes_(std::move(bytes)) {}
  Error Read(size_t max, std::string* out, bool* eof) override {
    requests_.push_back(max);
    // A request for nothing could be repeated forever: fail it at once.
    if (max == 0) return Error::PathFileAccess("asked for nothing");
    size_t n = requests_.size() == 1 ? 0 : std::min({max, size_t{5}, bytes_.size() - pos_});
    out->append(bytes_, pos_, n);
    pos_ += n;
    *eof = pos_ == bytes_.size();
    return Error();
  }
  const std::vector<size_t>& requests() const { return requests_; }

 private:
  std::string bytes_;
  size_t pos_ = 0;
  std::vector<size_t> requests_;
};

// Bytes in memory that counts what the reader took of them.
class CountingSource : public StringSource {
 public:
  using StringSource::StringSource;
  Error Read(size_t max, std::string* out, bool* eof) override {
    const size_t before = out->size();
    Error e = StringSource::Read(max, out, eof);
    consumed_ += out->size() - before;
    return e;
  }
  size_t consumed() const { return consumed_; }

 private:
  size_t consumed_ = 0;
};

const std::string kPath = "/media/disc/install.ini";

Error Read(const std::string& bytes, MenuSettings* s) {
  StringSource source(bytes);
  return ReadMenuSettings(source, kPath, Windows1252Decoder(), s);
}

ItemsRead ReadAll(const std::string& bytes, ReadScope scope = ReadScope::kMenu) {
  StringSource source(bytes);
  ItemsRead read;
  Error e = ReadItems(source, kPath, Windows1252Decoder(), scope, &read);
  EXPECT_TRUE(e.ok()) << e.ToString();
  return read;
}

// 34 items; `items[i]` replaces item i+1 of a plain example.
std::vector<std::string> Items() {
  std::vector<std::string> v = {"1", "1", "1", "0", "0", "0", "0", "0"};
  for (int n = 1; n <= 8; ++n) v.push_back("Caption " + std::to_string(n));
  for (int n = 1; n <= 8; ++n) v.push_back("\\t" + std::to_string(n) + ".exe");
  v.push_back("Welcome");
  v.push_back("\\menu\\back.jpg");
  for (int n = 1; n <= 8; ++n) v.push_back("\\menu\\button" + std::to_string(n) + ".jpg");
  return v;
}

std::string Join(const std::vector<std::string>& items, const std::string& sep) {
  std::string s;
  for (size_t i = 0; i < items.size(); ++i) s += (i ? sep : "") + items[i];
  return s;
}

TEST(InstallIniTest, LayoutsGiveTheSameRecord) {
  MenuSettings expected;
  ASSERT_TRUE(Read(Join(Items(), "\n") + "\n", &expected).ok());
  EXPECT_EQ(expected.ShowFlag[0], VariantFromUnquoted("1"));
  EXPECT_EQ(expected.LabelCaption[1].AsText(), "Caption 2");
  EXPECT_EQ(expected.Target[7].AsText(), "\\t8.exe");
  EXPECT_EQ(expected.WindowCaption.AsText(), "Welcome");
  EXPECT_EQ(expected.ButtonPicture8, "\\menu\\button8.jpg");

  const std::string variants[] = {
      Join(Items(), ","),                       // all on one line, no final line end
      Join(Items(), ",") + "\r\n",              // one line, CRLF
      Join(Items(), "\r\n"),                    // CRLF lines
      Join(Items(), "\r"),                      // old Mac lines
      Join(Items(), ",\n"),                     // comma before every line end
      Join(Items(), " ,  \r\n  "),              // blanks around separators
      Join(Items(), "\n") + "\nextra,items\n",  // more than 34 items
  };
  for (const std::string& text : variants) {
    MenuSettings s;
    Error e = Read(text, &s);
    ASSERT_TRUE(e.ok()) << e.ToString() << "\n" << text;
    EXPECT_EQ(s, expected) << text;
  }
}

TEST(InstallIniTest, EachItemFillsTheFieldItNames) {
  std::vector<std::string> items;
  for (int item = 1; item <= kItemCount; ++item) items.push_back(FieldName(item));
  MenuSettings s;
  ASSERT_TRUE(Read(Join(items, "\n"), &s).ok());
  for (int n = 1; n <= kEntryCount; ++n) {
    const std::string entry = std::to_string(n);
    EXPECT_EQ(s.ShowFlag[n - 1].AsText(), "ShowFlag" + entry);
    EXPECT_EQ(s.LabelCaption[n - 1].AsText(), "LabelCaption" + entry);
    EXPECT_EQ(s.Target[n - 1].AsText(), "Target" + entry);
    EXPECT_EQ(s.ButtonPictureText(n), "ButtonPicture" + entry);
  }
  EXPECT_EQ(s.WindowCaption.AsText(), "WindowCaption");
  EXPECT_EQ(s.BackgroundPicture.AsText(), "BackgroundPicture");
}

TEST(InstallIniTest, ItemSyntax) {
  struct Case {
    std::string written;  // item 9, LabelCaption1, as written
    Variant::Kind kind;
    std::string text;
  } cases[] = {
      {"\"a, b\"", Variant::Kind::kText, "a, b"},
      {"\"  spaced  \"", Variant::Kind::kText, "  spaced  "},
      {"\"1\"", Variant::Kind::kText, "1"},
      {"\"\"", Variant::Kind::kText, ""},
      {"", Variant::Kind::kEmpty, ""},
      {"   ", Variant::Kind::kEmpty, ""},
      {"  leading", Variant::Kind::kText, "leading"},
      {"trailing \t", Variant::Kind::kText, "trailing"},
      {"\tinner  space ", Variant::Kind::kText, "inner  space"},
      {"\"quoted\" ignored", Variant::Kind::kText, "quoted"},
      {"2024", Variant::Kind::kNumber, "2024"},
      {"un\"quoted", Variant::Kind::kText, "un\"quoted"},
      {"\xC3\x9C"
       "bersicht",
       Variant::Kind::kText,
       "\xC3\x9C"
       "bersicht"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> items = Items();
    items[8] = c.written;
    MenuSettings s;
    Error e = Read(Join(items, "\n"), &s);
    ASSERT_TRUE(e.ok()) << e.ToString() << " for " << c.written;
    EXPECT_EQ(s.LabelCaption[0].kind(), c.kind) << c.written;
    EXPECT_EQ(s.LabelCaption[0].AsText(), c.text) << c.written;
    // The neighbours are not disturbed.
    EXPECT_EQ(s.LabelCaption[1].AsText(), "Caption 2") << c.written;
  }
}

TEST(InstallIniTest, FlagsKeepTheirKind) {
  std::vector<std::string> items = Items();
  items[0] = "1.0";
  items[1] = "01";
  items[2] = "\"1\"";
  items[3] = "";
  items[4] = "yes";
  MenuSettings s;
  ASSERT_TRUE(Read(Join(items, "\n"), &s).ok());
  EXPECT_EQ(s.ShowFlag[0].kind(), Variant::Kind::kNumber);
  EXPECT_EQ(s.ShowFlag[1].kind(), Variant::Kind::kNumber);
  EXPECT_EQ(s.ShowFlag[2], Variant::Text("1"));
  EXPECT_TRUE(s.ShowFlag[3].IsEmpty());
  EXPECT_EQ(s.ShowFlag[4], Variant::Text("yes"));  // refused later, where it is used
}

TEST(InstallIniTest, FieldThirtyFourIsAlwaysText) {
  std::vector<std::string> items = Items();
  items[32] = "123";  // ButtonPicture7, a variant
  items[33] = "0123";
  MenuSettings s;
  ASSERT_TRUE(Read(Join(items, "\n"), &s).ok());
  EXPECT_TRUE(s.ButtonPicture1To7[6].IsNumber());
  EXPECT_EQ(s.ButtonPicture8, "0123");
}

TEST(InstallIniTest, EmptyLinesAreEmptyItems) {
  std::vector<std::string> items = Items();
  for (int i = 11; i < 16; ++i) items[i] = "";
  items[33] = "";
  MenuSettings s;
  // The last item is an empty line: it needs its line end to exist.
  ASSERT_TRUE(Read(Join(items, "\n") + "\n", &s).ok());
  EXPECT_TRUE(s.LabelCaption[4].IsEmpty());
  EXPECT_EQ(s.ButtonPicture8, "");
  EXPECT_EQ(s.LabelCaption[2].AsText(), "Caption 3");
}

TEST(InstallIniTest, TooFewItemsIsAnErrorNamingTheMissingItem) {
  std::vector<std::string> items = Items();
  items.pop_back();
  struct Case {
    std::string text;
    std::string detail;
  } cases[] = {
      {"", "/media/disc/install.ini: item 1 (ShowFlag1) is missing: the file holds no items"},
      {Join(items, "\n") + "\n",
       "/media/disc/install.ini: item 34 (ButtonPicture8) is missing: the file ends after 33 of "
       "the 34 items"},
      {"1,1,1\n",
       "/media/disc/install.ini: item 4 (ShowFlag4) is missing: the file ends after 3 of the 34 "
       "items"},
  };
  for (const Case& c : cases) {
    MenuSettings s;
    s.WindowCaption = Variant::Text("untouched");
    Error e = Read(c.text, &s);
    EXPECT_EQ(e.number(), Error::kInputPastEndOfFile);
    EXPECT_EQ(e.detail(), c.detail);
    EXPECT_EQ(s.WindowCaption.AsText(), "untouched");
  }
}

TEST(InstallIniTest, NothingIsReadPastTheItemsNeeded) {
  std::string text = Join(Items(), "\n") + "\n" + std::string(50 << 20, 'x');
  CountingSource source(text);
  MenuSettings s;
  ASSERT_TRUE(ReadMenuSettings(source, kPath, Windows1252Decoder(), &s).ok());
  EXPECT_LE(source.consumed(), 64u * 1024);
}

TEST(InstallIniTest, ShortReadsGiveTheSameRecord) {
  // Found by fuzz_install_ini: after a first read that returned nothing the
  // reader asked for zero bytes, again and again.
  const std::string text = Join(Items(), "\r\n") + "\r\n";
  MenuSettings expected, s;
  ASSERT_TRUE(Read(text, &expected).ok());
  TricklingSource source(text);
  Error e = ReadMenuSettings(source, kPath, Windows1252Decoder(), &s);
  ASSERT_TRUE(e.ok()) << e.ToString();
  EXPECT_EQ(s, expected);
  for (size_t max : source.requests()) EXPECT_GT(max, 0u);
}

TEST(InstallIniTest, UnclosedQuoteBeforeHugeFileIsBounded) {
  std::vector<std::string> items = Items();
  items[8] = "\"never closed";
  std::string text = Join(items, "\n") + std::string(20 << 20, 'x');
  CountingSource source(text);
  MenuSettings s;
  Error e = ReadMenuSettings(source, kPath, Windows1252Decoder(), &s);
  EXPECT_EQ(e.number(), Error::kOutOfMemory);
  EXPECT_EQ(e.detail(),
            "/media/disc/install.ini: item 9 (LabelCaption1) does not end within the first 4 "
            "MiB of the file; is a closing double quote missing?");
  EXPECT_LE(source.consumed(), kMaxConfigBytes);
}

TEST(InstallIniTest, UnclosedQuoteAtEndOfFileRunsToTheEnd) {
  std::vector<std::string> items = Items();
  items[33] = "\"\\menu\\b8.jpg";
  MenuSettings s;
  ASSERT_TRUE(Read(Join(items, "\n"), &s).ok());
  EXPECT_EQ(s.ButtonPicture8, "\\menu\\b8.jpg");
}

TEST(InstallIniTest, ReportsPositionsAndEncoding) {
  std::vector<std::string> items = Items();
  items[8] = "  \"x, y\"";
  ItemsRead read = ReadAll("\xEF\xBB\xBF" + Join(items, "\n"));
  EXPECT_EQ(read.encoding, Encoding::kUtf8Bom);
  ASSERT_EQ(read.items.size(), 34u);
  EXPECT_EQ(read.items[8].line, 9);
  EXPECT_EQ(read.items[8].column, 3);
  EXPECT_TRUE(read.items[8].quoted);
  EXPECT_EQ(read.items[33].line, 34);
}

TEST(InstallIniTest, ColumnsCountCharacters) {
  std::vector<std::string> items = Items();
  items[8] = "\xC3\xA4\xC3\xB6";  // two characters, four bytes
  ItemsRead read = ReadAll(Join(items, ","));
  EXPECT_EQ(read.items[9].line, 1);
  EXPECT_EQ(read.items[9].column, read.items[8].column + 3);
}

TEST(InstallIniTest, WholeFileScopeReportsWhatFollowsTheItems) {
  // Blank items after the 34th are harmless and not reported; a menu read
  // reports nothing after the 34th.
  const std::string text = Join(Items(), "\n") + "\n\nextra,\"\"\nmore\n";
  ItemsRead menu = ReadAll(text);
  EXPECT_EQ(menu.after_count, 0);
  ItemsRead whole = ReadAll(text, ReadScope::kWholeFile);
  EXPECT_EQ(whole.after_count, 3);
  ASSERT_EQ(whole.after.size(), 3u);
  EXPECT_EQ(whole.after[0].text, "extra");
  EXPECT_EQ(whole.after[0].line, 36);
  EXPECT_EQ(whole.after[0].number, 36);  // item 35 is the blank line before it
  EXPECT_EQ(whole.items[33].number, 34);
  EXPECT_EQ(whole.stopped_at, (Position{38, 1}));
  EXPECT_TRUE(whole.complete);
}

TEST(InstallIniTest, AnItemThatDoesNotEndIsLocated) {
  std::vector<std::string> items = Items();
  items[8] = "\"never closed";
  StringSource source(Join(items, "\n") + std::string(5 << 20, 'x'));
  ItemsRead read;
  EXPECT_EQ(ReadItems(source, kPath, Windows1252Decoder(), ReadScope::kWholeFile, &read).number(),
            Error::kOutOfMemory);
  EXPECT_EQ(read.items.size(), 8u);
  EXPECT_EQ(read.stopped_at, (Position{9, 1}));
}

TEST(InstallIniTest, EncodingsDecodeBeforeSplitting) {
  // UTF-16LE with a mark: the comma and line end bytes are two bytes wide.
  std::string utf8 = Join(Items(), "\r\n");
  std::string utf16 = "\xFF\xFE";
  for (char c : utf8) {
    utf16 += c;
    utf16 += '\0';
  }
  MenuSettings a, b;
  ASSERT_TRUE(Read(utf8, &a).ok());
  ASSERT_TRUE(Read(utf16, &b).ok());
  EXPECT_EQ(a, b);

  // Windows-1252: "Übersicht" in one byte per letter.
  std::vector<std::string> items = Items();
  items[8] =
      "\xDC"
      "bersicht";
  ItemsRead read = ReadAll(Join(items, "\n"));
  EXPECT_EQ(ToMenuSettings(read.items).LabelCaption[0].AsText(),
            "\xC3\x9C"
            "bersicht");
  EXPECT_EQ(read.encoding, Encoding::kLegacy);
}

TEST(InstallIniTest, BytesAfterTheItemsDoNotDecideTheEncoding) {
  // A UTF-8 file with a Latin-1 line after its 34 items: the items alone
  // decide, wherever the line falls, for the menu and for diagnostics.
  std::vector<std::string> items = Items();
  items[24] =
      "Men\xC3\xBC \xC3\x9C"
      "bersicht";
  const std::string extra = "Notizen: caf\xE9\n";
  for (const std::string& padding : {std::string(), std::string(20000, '\n')}) {
    const std::string text = Join(items, "\n") + "\n" + padding + extra;
    for (ReadScope scope : {ReadScope::kMenu, ReadScope::kWholeFile}) {
      ItemsRead read = ReadAll(text, scope);
      EXPECT_EQ(read.encoding, Encoding::kUtf8) << padding.size();
      EXPECT_EQ(read.items[24].text, items[24]) << padding.size();
      if (scope == ReadScope::kWholeFile) {
        ASSERT_EQ(read.after.size(), 1u);
        EXPECT_EQ(read.after[0].text, "Notizen: caf\xEF\xBF\xBD");
      }
    }
  }
}

}  // namespace
}  // namespace discmenu
