#include "menu/form1.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "menu/frame.h"
#include "menu/recording_platform.h"

namespace discmenu {
namespace {

using testing::FakeRuntime;
using testing::Log;
using testing::RecordingShell;
using testing::RecordingWindow;

const std::string kIni = "D:\\Menu\\install.ini";

std::vector<std::string> Items() {
  std::vector<std::string> v = {"1", "0", "1", "1", "1", "1", "1", "1"};
  for (int n = 1; n <= 8; ++n) v.push_back("L" + std::to_string(n));
  for (int n = 1; n <= 8; ++n) v.push_back("\\t" + std::to_string(n));
  v.push_back("Title");
  v.push_back("\\bg.jpg");
  for (int n = 1; n <= 8; ++n) v.push_back("\\b" + std::to_string(n) + ".jpg");
  return v;
}

// The last thing the load did, leaving out reads of the application directory.
std::string LastAction(const Log& log) {
  for (auto it = log.rbegin(); it != log.rend(); ++it)
    if (*it != "AppPath") return *it;
  return "";
}

struct Fixture {
  Log log;
  FakeRuntime runtime{&log};
  RecordingWindow window{&log};
  RecordingShell shell{&log};
  Form1 form{runtime, window, shell};

  explicit Fixture(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += item + "\r\n";
    runtime.files[kIni] = text;
    runtime.files["D:\\Menu\\bg.jpg"] = "";
    for (int n = 1; n <= 8; ++n) runtime.files["D:\\Menu\\b" + std::to_string(n) + ".jpg"] = "";
  }
  // The log from the first line that starts with `prefix` on.
  Log From(const std::string& prefix) const {
    auto it = std::find_if(log.begin(), log.end(),
                           [&](const std::string& l) { return l.starts_with(prefix); });
    return Log(it, log.end());
  }
};

TEST(Form1Test, LoadSetsEverythingInOrder) {
  Fixture f(Items());
  ASSERT_TRUE(f.form.Form_Load().ok());
  Log expected = {"AppPath", "Open " + kIni, "Close"};
  for (int n = 1; n <= 8; ++n) {
    std::string v = n == 2 ? " false" : " true";
    expected.push_back("Visible Command" + std::to_string(n) + v);
    expected.push_back("Visible Label" + std::to_string(n) + v);
  }
  for (int n = 1; n <= 8; ++n)
    expected.push_back("Caption Label" + std::to_string(n) + " 'L" + std::to_string(n) + "'");
  expected.push_back("Caption Form1 'Title'");
  expected.push_back("AppPath");
  expected.push_back("LoadPicture D:\\Menu\\bg.jpg");
  expected.push_back("Picture Picture1 D:\\Menu\\bg.jpg");
  for (int n = 1; n <= 8; ++n) {
    // Hidden entry 2 gets its picture too.
    std::string path = "D:\\Menu\\b" + std::to_string(n) + ".jpg";
    expected.push_back("AppPath");
    expected.push_back("LoadPicture " + path + " (button)");
    expected.push_back("Picture Command" + std::to_string(n) + " " + path);
  }
  EXPECT_EQ(f.log, expected);
}

TEST(Form1Test, TwinsAreLoadedWithThePicturesWhereTheWindowShowsThem) {
  for (const auto& [scale, twins] : {std::pair{1.0, 0}, {1.25, 0}, {1.5, 9}, {2.0, 9}}) {
    Fixture f(Items());
    f.window.scale_factor = scale;
    ASSERT_TRUE(f.form.Form_Load().ok());
    EXPECT_EQ(std::count_if(f.log.begin(), f.log.end(),
                            [](const std::string& l) { return l.ends_with(" and twin"); }),
              twins)
        << scale;
  }
}

TEST(Form1Test, ShowFlags) {
  struct Case {
    std::string flag;
    const char* visible;  // nullptr: a type mismatch ends the load
  } cases[] = {
      {"1", "true"},         {"1.0", "true"},    {"01", "true"},   {"\"1\"", "true"},
      {"\" 1.0 \"", "true"}, {"2", "false"},     {"0", "false"},   {"-1", "false"},
      {"", "false"},         {"\"0\"", "false"}, {"yes", nullptr}, {"\"yes\"", nullptr},
      {"\"\"", nullptr},
  };
  for (const Case& c : cases) {
    std::vector<std::string> items = Items();
    items[2] = c.flag;  // entry 3
    Fixture f(items);
    Error e = f.form.Form_Load();
    if (!c.visible) {
      EXPECT_EQ(e.number(), Error::kTypeMismatch) << c.flag;
      EXPECT_EQ(LastAction(f.log), "Visible Label2 false") << c.flag;
      continue;
    }
    ASSERT_TRUE(e.ok()) << c.flag;
    Log visibility = f.From("Visible Command3");
    EXPECT_EQ(visibility[0], std::string("Visible Command3 ") + c.visible) << c.flag;
    EXPECT_EQ(visibility[1], std::string("Visible Label3 ") + c.visible) << c.flag;
  }
}

TEST(Form1Test, TypeMismatchNamesTheFileAndTheItem) {
  std::vector<std::string> items = Items();
  items[4] = "yes";
  Fixture f(items);
  EXPECT_EQ(f.form.Form_Load().ToString(),
            "error 13: Type mismatch: D:\\Menu\\install.ini: item 5 (ShowFlag5) is the text "
            "\"yes\", which is not a number: write 1 to show entry 5 or 0 to hide it");
}

std::vector<std::string> With(size_t index, std::string item) {
  std::vector<std::string> items = Items();
  if (index < items.size()) items[index] = std::move(item);
  return items;
}

// Each failure leaves set exactly what was set before the failing step.
TEST(Form1Test, FailuresStopWhereTheyHappen) {
  std::vector<std::string> short_items = Items();
  short_items.pop_back();
  struct Case {
    const char* name;
    std::vector<std::string> items;
    void (*arrange)(Fixture&);
    int error;
    std::string last;      // the last line logged
    size_t property_sets;  // Visible, Caption and Picture lines
  } cases[] = {
      {"no install.ini", Items(), [](Fixture& f) { f.runtime.files.erase(kIni); },
       Error::kFileNotFound, "Open " + kIni, 0},
      {"33 items", short_items, [](Fixture&) {}, Error::kInputPastEndOfFile, "Close", 0},
      {"flag of entry 6 is text", With(5, "on"), [](Fixture&) {}, Error::kTypeMismatch,
       "Visible Label5 true", 10},
      {"background missing", Items(), [](Fixture& f) { f.runtime.files.erase("D:\\Menu\\bg.jpg"); },
       Error::kFileNotFound, "LoadPicture D:\\Menu\\bg.jpg", 16 + 8 + 1},
      {"button 4 picture invalid", Items(),
       [](Fixture& f) { f.runtime.bad_pictures.insert("D:\\Menu\\b4.jpg"); },
       Error::kInvalidPicture, "LoadPicture D:\\Menu\\b4.jpg (button)", 16 + 8 + 1 + 1 + 3},
  };
  for (const Case& c : cases) {
    Fixture f(c.items);
    c.arrange(f);
    EXPECT_EQ(f.form.Form_Load().number(), c.error) << c.name;
    EXPECT_EQ(LastAction(f.log), c.last) << c.name;
    size_t sets = std::count_if(f.log.begin(), f.log.end(), [](const std::string& l) {
      return l.starts_with("Visible") || l.starts_with("Caption") || l.starts_with("Picture");
    });
    EXPECT_EQ(sets, c.property_sets) << c.name;
  }
}

TEST(Form1Test, ShortFileIsClosedBeforeTheErrorLeaves) {
  std::vector<std::string> items = Items();
  items.pop_back();
  Fixture f(items);
  EXPECT_EQ(f.form.Form_Load().number(), Error::kInputPastEndOfFile);
  EXPECT_EQ(f.log, (Log{"AppPath", "Open " + kIni, "Close"}));
}

TEST(Form1Test, EmptyPictureFieldNamesTheApplicationDirectory) {
  std::vector<std::string> items = Items();
  items[33] = "";
  Fixture f(items);
  EXPECT_EQ(f.form.Form_Load().ToString(), "error 53: File not found: D:\\Menu");
}

TEST(Form1Test, ClickOpensItsOwnTarget) {
  std::vector<std::string> items = Items();
  items[17] = "";                // Target2 empty: the directory itself
  items[18] = "42";              // Target3 a number
  items[19] = "setup.exe";       // Target4 without its backslash
  items[20] = "\\setup.exe /S";  // Target5: one file name, no arguments
  items[21] = "\\\xE8\xB3\x87\xE6\x96\x99\\\xE8\xAA\xAA\xE6\x98\x8E.pdf";  // Unicode stays
  items[22] = std::string("\\t7\0.exe", 8);                                // up to the NUL
  Fixture f(items);
  ASSERT_TRUE(f.form.Form_Load().ok());
  const std::string expected_files[] = {
      "D:\\Menu\\t1",
      "D:\\Menu",
      "D:\\Menu42",
      "D:\\Menusetup.exe",
      "D:\\Menu\\setup.exe /S",
      "D:\\Menu\\\xE8\xB3\x87\xE6\x96\x99\\\xE8\xAA\xAA\xE6\x98\x8E.pdf",
      "D:\\Menu\\t7",
      "D:\\Menu\\t8",
  };
  for (int n = 1; n <= 8; ++n) {
    f.log.clear();
    // A refused launch changes nothing.
    f.shell.outcome.result = n % 2 ? ShellResult::kStarted : ShellResult::kNotFound;
    EXPECT_TRUE(f.form.CommandClick(n).ok());
    EXPECT_EQ(f.log, (Log{"hWnd", "AppPath", "Open 4660 '" + expected_files[n - 1] + "'"}))
        << "Command" << n;
  }
}

TEST(Form1Test, ClickReadsTheApplicationDirectoryAnew) {
  Fixture f(Items());
  ASSERT_TRUE(f.form.Form_Load().ok());
  f.runtime.app_path = "E:\\";  // a drive's root keeps its separator
  f.log.clear();
  EXPECT_TRUE(f.form.CommandClick(1).ok());
  EXPECT_TRUE(f.form.CommandClick(1).ok());  // two quick clicks launch twice
  EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "Open 4660 'E:\\\\t1'"), 2);
}

}  // namespace
}  // namespace discmenu

namespace discmenu {
namespace {

class RecordingReport : public ErrorReport {
 public:
  void Report(const Error& error) override { reported.push_back(error.ToString()); }
  std::vector<std::string> reported;
};

TEST(FrameTest, ErrorsGoToTheReportAndEndTheProgram) {
  Fixture ok(Items());
  RecordingReport report;
  EXPECT_TRUE(LoadOrReport(ok.form, report));
  int ended = 0;
  ClickOrReport(ok.form, 3, report, [&] { ++ended; });
  EXPECT_EQ(ended, 0);
  EXPECT_TRUE(report.reported.empty());

  // A shell that cannot be reached at all is a runtime error of the click.
  ok.shell.outcome.error = Error::PathFileAccess("shell");
  ClickOrReport(ok.form, 3, report, [&] { ++ended; });
  EXPECT_EQ(ended, 1);

  Fixture broken(Items());
  broken.runtime.files.erase(kIni);
  EXPECT_FALSE(LoadOrReport(broken.form, report));
  EXPECT_EQ(report.reported,
            (std::vector<std::string>{"error 75: Path/File access error: shell",
                                      "error 53: File not found: D:\\Menu\\install.ini"}));
}

TEST(Form1Test, PicturesToLoadAreFormLoadsInItsOrder) {
  Fixture f(With(25, std::string("\\bg.jpg\0junk", 12)));
  std::vector<PictureToLoad> want = {{"D:\\Menu\\bg.jpg", Area::kPicture1}};
  for (int n = 1; n <= 8; ++n)
    want.push_back({"D:\\Menu\\b" + std::to_string(n) + ".jpg", Area::kButton});
  EXPECT_EQ(PicturesToLoad(f.runtime), want);
  ASSERT_TRUE(f.form.Form_Load().ok());
  std::vector<std::string> loaded;
  for (const std::string& line : f.log)
    if (line.starts_with("LoadPicture ")) loaded.push_back(line);
  ASSERT_EQ(loaded.size(), want.size());
  for (size_t k = 0; k < want.size(); ++k)
    EXPECT_TRUE(loaded[k].starts_with("LoadPicture " + want[k].path)) << loaded[k];
  // Without install.ini there is nothing to load early.
  f.runtime.files.erase(kIni);
  EXPECT_TRUE(PicturesToLoad(f.runtime).empty());
}

}  // namespace
}  // namespace discmenu
