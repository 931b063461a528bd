#include "config/ini_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace discmenu {
namespace {

const Windows1252Decoder kLegacy;

IniDocument Open(const std::string& bytes) {
  IniDocument doc;
  Error e = IniDocument::Open(bytes, "install.ini", kLegacy, &doc);
  EXPECT_TRUE(e.ok()) << e.ToString();
  return doc;
}

// The 34 items of a small menu, each written as `line[i]`, joined by `end`.
std::string Menu(const std::string& end, const std::string& caption1 = "Install") {
  std::string s;
  const std::string items[] = {"1", "\"1\"", "0", "0", "0", "0", "0", "0"};
  for (const std::string& flag : items) s += flag + end;
  s += caption1 + end + "\"Read, then run\"" + end;
  for (int n = 3; n <= 8; ++n) s += end;
  for (int n = 1; n <= 8; ++n) s += "\\t" + std::to_string(n) + ".exe" + end;
  s += "  Welcome ©  ,\\back.jpg" + end;
  for (int n = 1; n <= 8; ++n) s += "\\b" + std::to_string(n) + ".png" + end;
  return s + "after the items, \"kept\"" + end;
}

std::string Utf16(const std::string& utf8, Encoding kind) {
  std::string out = kind == Encoding::kUtf16Le ? "\xFF\xFE" : "\xFE\xFF";
  EXPECT_TRUE(EncodeAs(utf8, {kind, ""}, kLegacy, &out));
  return out;
}

// Editing one item changes its bytes only, in the file's encoding and with
// the item's own quoting, whatever the line ends.
TEST(IniDocumentTest, AnEditChangesThatItemsBytesOnly) {
  struct Case {
    const char* name;
    std::function<std::string(const std::string&)> encode;
  };
  const Case encodings[] = {
      {"UTF-8", [](const std::string& s) { return s; }},
      {"UTF-8 BOM", [](const std::string& s) { return "\xEF\xBB\xBF" + s; }},
      {"UTF-16LE", [](const std::string& s) { return Utf16(s, Encoding::kUtf16Le); }},
      {"UTF-16BE", [](const std::string& s) { return Utf16(s, Encoding::kUtf16Be); }},
      {"windows-1252",
       [](const std::string& s) {
         std::string out;
         EXPECT_TRUE(kLegacy.Encode(s, "windows-1252", &out));
         return out;  // "©" is not UTF-8 here: read as the legacy code page
       }},
  };
  struct Edit {
    int item;
    std::string text, old_written, new_written;
  };
  const Edit edits[] = {
      {9, "Setup, v2", "Install", "\"Setup, v2\""},              // a comma needs quotes
      {10, "Lisez-moi", "\"Read, then run\"", "\"Lisez-moi\""},  // quoted stays quoted
      {9, "Menü", "Install", "Menü"},
      {9, "1.0", "Install", "\"1.0\""},  // unquoted it would read as 1
      {9, "", "Install", ""},
      {25, "Hello", "Welcome ©", "Hello"},  // the blanks around it stay
  };
  for (const Case& c : encodings) {
    for (const char* end : {"\r\n", "\n", "\r"}) {
      for (const Edit& e : edits) {
        const std::string before = Menu(end);
        std::string after = before;
        after.replace(after.find(e.old_written), e.old_written.size(), e.new_written);
        IniDocument doc = Open(c.encode(before));
        const std::string what = std::string(c.name) + " item " + std::to_string(e.item) + " " +
                                 e.text + " ends " + (end[0] == '\r' ? "CR" : "LF");
        ASSERT_EQ(doc.SetText(e.item, e.text), EditOutcome::kDone) << what;
        EXPECT_EQ(doc.bytes(), c.encode(after)) << what;
        EXPECT_EQ(doc.Value(e.item).AsText(), e.text) << what;
      }
    }
  }
}

TEST(IniDocumentTest, TextsTheFileCannotHoldLeaveItAsItWas) {
  std::string cp1252;
  ASSERT_TRUE(kLegacy.Encode(Menu("\r\n", "Menü"), "windows-1252", &cp1252));
  IniDocument doc = Open(cp1252);
  ASSERT_EQ(doc.encoding().kind, Encoding::kLegacy);
  EXPECT_EQ(doc.SetText(9, "中文"), EditOutcome::kNotEncodable);
  EXPECT_EQ(doc.SetText(9, "say \"hi\", then go"), EditOutcome::kNotWritable);
  EXPECT_EQ(doc.bytes(), cp1252);

  // Converted, it holds anything, and keeps line ends and the rest.
  ASSERT_EQ(doc.ConvertToUtf8(), EditOutcome::kDone);
  EXPECT_EQ(doc.bytes(), "\xEF\xBB\xBF" + Menu("\r\n", "Menü"));
  ASSERT_EQ(doc.SetText(9, "中文"), EditOutcome::kDone);
  EXPECT_EQ(doc.bytes(), "\xEF\xBB\xBF" + Menu("\r\n", "中文"));
  EXPECT_EQ(doc.ConvertToUtf8(), EditOutcome::kUnchanged);
}

TEST(IniDocumentTest, AnEditThatWouldChangeTheEncodingIsRefused) {
  // Plain ASCII reads as UTF-8; a Windows-1252 byte in it would make the
  // menu read it as the legacy code page, but an "é" written as UTF-8 keeps
  // it UTF-8, so the edit is done in UTF-8.
  IniDocument doc = Open(Menu("\n"));
  ASSERT_EQ(doc.encoding().kind, Encoding::kUtf8);
  ASSERT_EQ(doc.SetText(9, "Café"), EditOutcome::kDone);
  EXPECT_EQ(doc.bytes(), Menu("\n", "Café"));
}

// Items `first` to `last` as a short file gets them: show flags 0, the rest
// `text`, one a line.
std::string Added(int first, int last, const std::string& end, const std::string& text = "") {
  std::string s;
  for (int n = first; n <= last; ++n) s += (kShowFlags.Holds(n) ? "0" : text) + end;
  return s;
}

// A file that ends early gets the missing items after its end, in its own
// encoding and line ends; its bytes before stay as they were.
TEST(IniDocumentTest, AShortFileIsCompletedAfterItsEndOnly) {
  std::string thirty;
  for (const char* item :
       {"1",     "1",          "1",        "1",        "1",        "1",
        "1",     "1",          "A",        "B",        "C",        "D",
        "E",     "F",          "G",        "H",        "\\t",      "\\t",
        "\\t",   "\\t",        "\\t",      "\\t",      "\\t",      "\\t",
        "Title", "\\back.jpg", "\\b1.png", "\\b2.png", "\\b3.png", "\"\\b 4.png\""})
    thirty += std::string(item) + "\r\n";
  struct Case {
    const char* name;
    std::string bytes;
    int held;
    EditOutcome outcome;
    std::string added;
  } cases[] = {
      {"empty", "", 0, EditOutcome::kDone, Added(1, 34, "\r\n")},
      {"a mark only", "\xEF\xBB\xBF", 0, EditOutcome::kDone, Added(1, 34, "\r\n")},
      {"LF, no end", "1\n1", 2, EditOutcome::kDone, "\n" + Added(3, 34, "\n")},
      {"CR LF, pictures", thirty, 30, EditOutcome::kDone, Added(31, 34, "\r\n", "\\b 4.png")},
      {"windows-1252, CR", "1\r0\r0\r0\r0\r0\r0\r0\rMen\xFC", 9, EditOutcome::kDone,
       "\r" + Added(10, 34, "\r")},
      {"UTF-16LE", Utf16("1\r\nÜber\r\n", Encoding::kUtf16Le), 2, EditOutcome::kDone,
       Utf16(Added(3, 34, "\r\n"), Encoding::kUtf16Le).substr(2)},
      {"open quote", "1\n\"Open", 2, EditOutcome::kNotWritable, ""},
      {"whole", Menu("\n"), 34, EditOutcome::kUnchanged, ""},
  };
  for (const Case& c : cases) {
    IniDocument doc;
    ASSERT_TRUE(IniDocument::Open(c.bytes, "install.ini", kLegacy, &doc, true).ok()) << c.name;
    EXPECT_EQ(doc.held(), c.held) << c.name;
    const Encoding encoding = doc.encoding().kind;
    const std::string last = doc.item(34).text;
    EXPECT_EQ(doc.SetText(34, last) == EditOutcome::kMissing, c.held < kItemCount) << c.name;
    EXPECT_EQ(doc.Complete(), c.outcome) << c.name;
    EXPECT_EQ(doc.bytes(), c.bytes + c.added) << c.name;
    EXPECT_EQ(doc.encoding().kind, encoding) << c.name;
    if (c.outcome == EditOutcome::kNotWritable) continue;
    IniDocument strict;
    EXPECT_TRUE(IniDocument::Open(doc.bytes(), "install.ini", kLegacy, &strict).ok()) << c.name;
    EXPECT_EQ(doc.held(), kItemCount) << c.name;
  }
}

// Every file of the reader's corpora: each item set to another text and back
// gives the file's own bytes again, and the other items never move.
TEST(IniDocumentTest, CorporaRoundTripItemByItem) {
  const std::filesystem::path corpus =
      std::filesystem::path(DISCMENU_SOURCE_DIR) / "fuzz" / "corpus" / "install_ini";
  std::vector<std::filesystem::path> files = {std::filesystem::path(DISCMENU_SOURCE_DIR) /
                                              "examples" / "demo" / "install.ini"};
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) files.push_back(entry);
  int opened = 0;
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string was = bytes.str();
    IniDocument doc;
    if (!IniDocument::Open(was, file.string(), kLegacy, &doc).ok()) continue;
    ++opened;
    for (int n = 1; n <= kItemCount; ++n) {
      // Items whose value shows other digits than written ("01") cannot be
      // asked for by their value; the rest can.
      const std::string original = doc.item(n).text;
      if (doc.Value(n).AsText() != original) continue;
      if (doc.SetText(n, "x") != EditOutcome::kDone) continue;  // bytes that do not map back
      // Only the bytes of item n differ.
      const std::string& now = doc.bytes();
      const size_t prefix =
          std::mismatch(now.begin(), now.end(), was.begin(), was.end()).first - now.begin();
      const size_t suffix =
          std::mismatch(now.rbegin(), now.rend(), was.rbegin(), was.rend()).first - now.rbegin();
      EXPECT_LE(now.size() - std::min(now.size(), prefix + suffix), 6u) << file << " item " << n;
      ASSERT_EQ(doc.SetText(n, original), EditOutcome::kDone) << file << " item " << n;
      EXPECT_EQ(doc.bytes(), was) << file << " item " << n;
    }
  }
  EXPECT_GE(opened, 10);
}

}  // namespace
}  // namespace discmenu
