#include "tools/discmenu-tool/check_render.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "tools/discmenu-tool/tool_test_support.h"

namespace discmenu::tool {
namespace {

using testing::MenuFolder;

// `line` with {dir} replaced by the menu folder, {ini} by its install.ini and
// {parent} by the folder it is in.
std::string Expand(std::string line, const MenuFolder& folder) {
  for (auto [key, value] : {std::pair<std::string, std::string>{"{ini}", folder / "install.ini"},
                            {"{dir}", folder.path()},
                            {"{parent}", std::filesystem::path(folder.path()).parent_path()}}) {
    for (size_t at; (at = line.find(key)) != std::string::npos;)
      line.replace(at, key.size(), value);
  }
  return line;
}

std::vector<std::string> Lines(const CheckResult& result) {
  std::vector<std::string> lines;
  for (const Finding& f : result.findings) lines.push_back(FormatFinding(result.file, f));
  return lines;
}

struct BrokenFolder {
  const char* name;
  std::function<void(MenuFolder&)> Break;  // changes items or files
  std::vector<std::string> expected;
};

const BrokenFolder kBrokenFolders[] = {
    {"nothing wrong", [](MenuFolder&) {}, {}},
    {"missing picture",
     [](MenuFolder& f) { std::filesystem::remove(f / "b2.png"); },
     {"{ini}:28:1: error: item 28 (ButtonPicture2): the picture cannot be loaded (the menu "
      "stops with error 53: File not found: {dir}/b2.png)"}},
    {"missing picture of a hidden entry",
     [](MenuFolder& f) { std::filesystem::remove(f / "b6.png"); },
     {"{ini}:32:1: error: item 32 (ButtonPicture6): the picture cannot be loaded; pictures are "
      "loaded even for hidden entries like entry 6 (the menu stops with error 53: File not "
      "found: {dir}/b6.png)"}},
    {"picture that is not a picture",
     [](MenuFolder& f) { testing::WriteText(f / "b1.png", "not a picture"); },
     {"{ini}:27:1: error: item 27 (ButtonPicture1): the picture cannot be loaded (the menu "
      "stops with error 481: Invalid picture: {dir}/b1.png: not a picture file that can be "
      "read)"}},
    {"pictures only the Linux menu reads",
     [](MenuFolder& f) {
       testing::WriteText(f / "b1.png", "P3\n1 1\n255\n0 0 0\n");
       testing::WriteText(f / "b2.png",
                          "/* XPM */\nstatic char* x[] = {\"1 1 1 1\", \". c #000\", \".\"};\n");
     },
     {"{ini}:27:1: error: item 27 (ButtonPicture1): {dir}/b1.png is in a format that the Windows "
      "menu cannot read (it stops with error 481): save it as JPEG, PNG, BMP, GIF, ICO or TIFF",
      "{ini}:28:1: error: item 28 (ButtonPicture2): {dir}/b2.png is in a format that the Windows "
      "menu cannot read (it stops with error 481): save it as JPEG, PNG, BMP, GIF, ICO or TIFF"}},
    {"empty picture field",
     [](MenuFolder& f) { f.items[28] = ""; },
     {"{ini}:29:1: error: item 29 (ButtonPicture3) is empty, so it names the menu folder itself "
      "(the menu stops with error 481: Invalid picture: {dir}: is a directory, not a picture "
      "file)"}},
    {"flag yes",
     [](MenuFolder& f) { f.items[2] = "yes"; },
     {"{ini}:3:1: error: item 3 (ShowFlag3) is the text \"yes\", which is not a number: write 1 "
      "to show entry 3 or 0 to hide it (the menu stops with error 13: Type mismatch)"}},
    {"flag -1",
     [](MenuFolder& f) { f.items[4] = "-1"; },
     {"{ini}:5:1: warning: item 5 (ShowFlag5) is -1, which hides entry 5: only a value equal "
      "to 1 shows it, 0 hides it"}},
    {"33 items",
     [](MenuFolder& f) { f.items.pop_back(); },
     {"{ini}:34:1: error: item 34 (ButtonPicture8) is missing: the file ends after 33 of the 34 "
      "items (the menu stops with error 62: Input past end of file)"}},
    {"empty file",
     [](MenuFolder& f) { f.items.clear(); },
     {"{ini}:1:1: error: item 1 (ShowFlag1) is missing: the file holds no items (the menu stops "
      "with error 62: Input past end of file)"}},
    {"35 items",
     [](MenuFolder& f) { f.items.push_back("extra"); },
     {"{ini}:35:1: warning: item 35: 1 item after the 34th is ignored: the menu reads only the "
      "first 34"}},
    {"blank lines after the 34th item",
     [](MenuFolder& f) {
       f.items.insert(f.items.end(), {"", ""});
     },
     {}},
    {"target without backslash",
     [](MenuFolder& f) { f.items[16] = "t1.txt"; },
     {"{ini}:17:1: warning: item 17 (Target1): \"t1.txt\" does not start with a backslash, so it "
      "joins to \"{dir}t1.txt\", which does not exist; write \"\\t1.txt\""}},
    {"picture without backslash",
     [](MenuFolder& f) { f.items[25] = "bg.png"; },
     {"{ini}:26:1: error: item 26 (BackgroundPicture): the picture cannot be loaded (the menu "
      "stops with error 53: File not found: {dir}bg.png)",
      "{ini}:26:1: warning: item 26 (BackgroundPicture): \"bg.png\" does not start with a "
      "backslash, so it joins to \"{dir}bg.png\", which does not exist; write \"\\bg.png\""}},
    {"case-only match",
     [](MenuFolder& f) { f.items[17] = "\\T2.TXT"; },
     {"{ini}:18:1: warning: item 18 (Target2): \"\\T2.TXT\" matches \"\\t2.txt\" only with other "
      "letter case; the menu finds it, but programs on case-sensitive systems do not: write the "
      "name as it is on disk"}},
    {"missing target",
     [](MenuFolder& f) { std::filesystem::remove(f / "t3.txt"); },
     {"{ini}:19:1: warning: item 19 (Target3): \"\\t3.txt\" does not exist, so a click only "
      "reports that it cannot find {dir}/t3.txt"}},
    {"names as Windows reads them",
     [](MenuFolder& f) {
       f.items[16] = "\\sub\\..\\t1.txt.";
       f.items[17] = "\"\\t2.txt \"";
       f.items[18] = std::string("\\t3.txt\0.exe", 12);
       f.items[25] = "\\.\\bg.png. ";
     },
     {}},
    {"names that leave the folder",
     [](MenuFolder& f) {
       std::filesystem::remove(f / "t2.txt");
       std::filesystem::create_directory_symlink("/", f / "t2.txt");
       f.items[16] = "\\..\\t1.txt";
     },
     {"{ini}:17:1: warning: item 17 (Target1): \"\\..\\t1.txt\" leaves the menu folder for "
      "\"{parent}/t1.txt\": a medium made from the folder does not hold it",
      "{ini}:17:1: warning: item 17 (Target1): \"\\..\\t1.txt\" does not exist, so a click only "
      "reports that it cannot find {parent}/t1.txt",
      "{ini}:18:1: warning: item 18 (Target2): \"\\t2.txt\" leads through a symbolic link to "
      "\"/\", outside the menu folder: a medium made from the folder does not hold it"}},
    {"missing target of a hidden entry",
     [](MenuFolder& f) { std::filesystem::remove(f / "t7.txt"); },
     {}},
    {"non-ANSI character",
     [](MenuFolder& f) { f.items[8] = "Snow \u2603 and caf\u00e9"; },
     {"{ini}:9:1: warning: item 9 (LabelCaption1): \"\u2603\" (U+2603) is in no Windows ANSI "
      "code page, so readers that take install.ini as ANSI text cannot show it"}},
    {"large button picture",
     [](MenuFolder& f) {
       testing::WritePicture(f / "b3.png", {100, 80});
     },
     {"{ini}:29:1: warning: item 29 (ButtonPicture3): the picture is 100 x 80 pixels, larger "
      "than the 65 x 63 pixel face of button 3, which shows only 65 x 63 of it"}},
    {"large picture of a hidden button",
     [](MenuFolder& f) {
       testing::WritePicture(f / "b8.png", {100, 80});
     },
     {}},
    {"small background",
     [](MenuFolder& f) {
       testing::WritePicture(f / "bg.png", {320, 200});
     },
     {"{ini}:26:1: warning: item 26 (BackgroundPicture): the picture is 320 x 200 pixels, "
      "smaller than the 637 x 477 pixels the window shows of it: the rest stays plain"}},
    {"twins that the menu passes over",
     [](MenuFolder& f) {
       testing::WritePicture(f / "b1@2x.png", {1, 1});
       testing::WritePicture(f / "bg@2x.png", {1000, 750});
       // Sparse: 300 MB that take no room, as a 20 GB one would.
       testing::WriteText(f / "b3@2x.png", "\x89PNG\r\n\x1a\n");
       std::filesystem::resize_file(f / "b3@2x.png", 300 << 20);
     },
     {"{ini}:26:1: warning: item 26 (BackgroundPicture): the @2x twin \\bg@2x.png is not used; "
      "windows at 150 % and more draw the picture scaled instead: it is 1000 x 750 pixels, not "
      "twice the picture's 640 x 480",
      "{ini}:27:1: warning: item 27 (ButtonPicture1): the @2x twin \\b1@2x.png is not used; "
      "windows at 150 % and more draw the picture scaled instead: it is 1 x 1 pixels, not twice "
      "the picture's 48 x 48",
      "{ini}:29:1: warning: item 29 (ButtonPicture3): the @2x twin \\b3@2x.png is not used; "
      "windows at 150 % and more draw the picture scaled instead: error 481: Invalid picture: "
      "{dir}/b3@2x.png: the file is larger than the 256 MiB a picture file may take"}},
    {"twins within a pixel of twice the size, and of a hidden entry",
     [](MenuFolder& f) {
       testing::WritePicture(f / "b1@2x.png", {97, 95});
       testing::WritePicture(f / "b8@2x.png", {1, 1});
     },
     {}},
    {"long caption",
     [](MenuFolder& f) { f.items[10] = "\"one\ntwo\nthree\nfour\nfive\nsix\""; },
     {"{ini}:11:1: warning: item 11 (LabelCaption3): the caption takes 6 lines, but label 3 "
      "shows 4: the rest is cut off"}},
    {"caption that just fits",
     [](MenuFolder& f) { f.items[10] = "\"one\ntwo\nthree\nfour\""; },
     {}},
    {"unclosed quote before a large file",
     [](MenuFolder& f) {
       f.items[16] = "\"\\t1.txt";
       f.items.push_back(std::string(5 << 20, 'x'));
     },
     {"{ini}:17:1: error: error 7: Out of memory: {dir}/install.ini: item 17 (Target1) does not "
      "end within the first 4 MiB of the file; is a closing double quote missing?"}},
    {"unsigned program as a target, whatever its name",
     [](MenuFolder& f) { testing::WriteText(f / "t3.txt", testing::PeImage(false, false, false)); },
     {"{ini}:19:1: warning: item 19 (Target3): \"\\t3.txt\" is a Windows program without a "
      "signature: Windows 11 Smart App Control blocks unsigned programs and installers; sign it "
      "before publishing"}},
    {"unsigned installer as a target",
     [](MenuFolder& f) { testing::WriteText(f / "t1.txt", testing::CompoundFile(true, false)); },
     {"{ini}:17:1: warning: item 17 (Target1): \"\\t1.txt\" is a Windows installer without a "
      "signature: Windows 11 Smart App Control blocks unsigned programs and installers; sign it "
      "before publishing"}},
    {"signed program and installer",
     [](MenuFolder& f) {
       testing::WriteText(f / "t1.txt", testing::CompoundFile(true, true));
       testing::WriteText(f / "t2.txt", testing::PeImage(true, false, true));
     },
     {}},
    {"unsigned program of a hidden entry",
     [](MenuFolder& f) { testing::WriteText(f / "t7.txt", testing::PeImage(true, false, false)); },
     {}},
    {"unsigned discmenu.exe beside install.ini",
     [](MenuFolder& f) {
       testing::WriteText(f / "discmenu.exe", testing::PeImage(false, false, false));
     },
     {"{ini}:1:1: warning: discmenu.exe beside install.ini is a Windows program without a "
      "signature: Windows 11 Smart App Control blocks unsigned programs and installers; sign it "
      "before publishing (make windows SIGN_CERT=... SIGN_KEY=...)"}},
    {"install.ini beside one in capitals",
     [](MenuFolder& f) { testing::WriteText(f / "INSTALL.INI", "0"); },
     {"{ini}:1:1: warning: 2 files are named install.ini without regard to letter case "
      "(\"INSTALL.INI\", \"install.ini\"): the menu reads \"install.ini\", but Windows sees one "
      "of them only, whichever the medium lists: keep one"}},
    {"missing install.ini",
     [](MenuFolder& f) { f.items.clear(); },  // and no file at all, below
     {"{ini}:1:1: error: error 53: File not found: {dir}/install.ini"}},
};

TEST(CheckTest, EachMistakeGivesItsLine) {
  for (const BrokenFolder& c : kBrokenFolders) {
    MenuFolder folder;
    c.Break(folder);
    if (std::string(c.name) != "missing install.ini") folder.Write();
    const CheckResult result = CheckMenuFolder(folder.path());
    std::vector<std::string> expected;
    for (const std::string& line : c.expected) expected.push_back(Expand(line, folder));
    EXPECT_EQ(Lines(result), expected) << c.name;
    EXPECT_EQ(result.file, folder / "install.ini") << c.name;
  }
}

// A FIFO on the medium is never opened for reading: with no writer, that
// would wait for ever.
TEST(CheckTest, AFifoHoldsNothingUp) {
  const struct {
    const char* fifo;
    const char* command;
    const char* said;  // on the output
  } cases[] = {
      {"t1.txt", "check", "0 errors, 0 warnings"},  // a shown entry's target
      {"b1@2x.png", "check", "b1@2x.png: is not a regular file"},
      {"b1@2x.png", "preview", ""},
  };
  for (const auto& c : cases) {
    MenuFolder folder;
    folder.Write();
    std::filesystem::remove(folder / c.fifo);
    ASSERT_EQ(mkfifo((folder / c.fifo).c_str(), 0644), 0);
    QStringList args = {c.command, QString::fromStdString(folder.path())};
    if (std::string(c.command) == "preview")
      args << "--scale"
           << "2"
           << "-o" << QString::fromStdString(folder / "shot.png");
    const testing::ToolRun run = testing::RunTool(args);
    EXPECT_NE(run.exit_code, -1) << c.fifo << " " << c.command << ": " << run.err;
    EXPECT_NE(run.out.find(c.said), std::string::npos) << c.fifo << ": " << run.out;
  }
}

TEST(CheckTest, InstallIniInCapitalsOnly) {
  MenuFolder folder;
  folder.Write();
  std::filesystem::rename(folder / "install.ini", folder / "INSTALL.INI");
  EXPECT_EQ(Lines(CheckMenuFolder(folder.path())),
            std::vector<std::string>{Expand(
                "{ini}:1:1: warning: install.ini is named \"INSTALL.INI\" on disk: the menu finds "
                "it, but programs on case-sensitive systems do not: name it install.ini",
                folder)});
}

TEST(CheckTest, AllMistakesAreReportedInOneRunInFileOrder) {
  MenuFolder folder;
  folder.items[1] = "yes";
  folder.items[8] = "\U0001F600";
  folder.items[16] = "t1.txt";
  folder.items.push_back("extra");
  std::filesystem::remove(folder / "b4.png");
  folder.Write();
  const CheckResult result = CheckMenuFolder(folder.path());
  std::vector<std::pair<int, Severity>> seen;
  for (const Finding& f : result.findings) seen.emplace_back(f.item, f.severity);
  const std::vector<std::pair<int, Severity>> expected = {{2, Severity::kError},
                                                          {9, Severity::kWarning},
                                                          {17, Severity::kWarning},
                                                          {30, Severity::kError},
                                                          {35, Severity::kWarning}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(result.errors(), 2);
  EXPECT_EQ(result.warnings(), 3);
  EXPECT_EQ(SummaryLine(result), folder / "install.ini" + ": 2 errors, 3 warnings");
}

TEST(CheckTest, PositionsFollowQuotedItemsOverSeveralLines) {
  MenuFolder folder;
  folder.items[8] = "\"first\nsecond\"";  // item 9 takes two lines
  folder.items[16] = "  t1.txt";          // item 17 now starts on line 18, column 3
  folder.Write();
  const CheckResult result = CheckMenuFolder(folder.path());
  ASSERT_EQ(result.findings.size(), 1u);
  EXPECT_EQ(result.findings[0].line, 18);
  EXPECT_EQ(result.findings[0].column, 3);
  EXPECT_EQ(result.findings[0].field, "Target1");
}

TEST(CheckTest, FileIsNamedAsTheUserNamedTheFolder) {
  EXPECT_EQ(CheckMenuFolder("/nonexistent/menu/").file, "/nonexistent/menu/install.ini");
}

TEST(CheckTest, AFolderNamedInAnotherEncodingIsTheMenusOwn) {
  // The demo in a folder whose name is Latin-1, as a stick mounted so gives
  // it: its pictures are pictures, and its name is shown escaped.
  testing::ScratchFolder scratch;
  const std::string dir = scratch / "caf\xE9";
  std::filesystem::copy(DISCMENU_DEMO_DIR, dir, std::filesystem::copy_options::recursive);
  const CheckResult result = CheckMenuFolder(dir);
  EXPECT_EQ(result.file, scratch.path() + "/caf\\xE9/install.ini");
  EXPECT_EQ(TextReport(result), result.file + ": 0 errors, 0 warnings\n");
}

TEST(CheckTest, EachFindingStaysOneLine) {
  // A folder named with a line end; install.ini in UTF-16 without a
  // byte-order mark, so its items hold NULs.
  testing::ScratchFolder scratch;
  const std::string dir = scratch / "a\nb";
  std::filesystem::create_directory(dir);
  testing::WriteText(dir + "/install.ini", std::string("y\0\n\0", 4));
  const CheckResult result = CheckMenuFolder(dir);
  const std::string report = TextReport(result);
  EXPECT_EQ(report.find('\0'), std::string::npos);
  EXPECT_EQ(static_cast<size_t>(std::count(report.begin(), report.end(), '\n')),
            result.findings.size() + 1);
  EXPECT_TRUE(report.starts_with(scratch.path() + "/a\\x0Ab/install.ini:1:1: ")) << report;
}

TEST(CheckTest, ExitStatusAndOutputOfTheTool) {
  MenuFolder good;
  good.Write();
  MenuFolder broken;
  broken.items[0] = "yes";
  broken.Write();
  struct Case {
    QStringList args;
    int exit_code;
    std::string out;  // "" when stdout must be empty
    std::string err_start;
  } cases[] = {
      {{"check", QString::fromStdString(good.path())},
       0,
       good / "install.ini" + ": 0 errors, 0 warnings\n",
       ""},
      {{"check", QString::fromStdString(broken.path())},
       1,
       broken / "install.ini" +
           ":1:1: error: item 1 (ShowFlag1) is the text \"yes\", which is not a number: write 1 "
           "to show entry 1 or 0 to hide it (the menu stops with error 13: Type mismatch)\n" +
           broken / "install.ini" + ": 1 error, 0 warnings\n",
       ""},
      {{"check", "--format", "xml"}, 2, "", "discmenu-tool: --format must be text or json"},
      {{"check", "a", "b"}, 2, "", "discmenu-tool: check takes one folder"},
      {{"frobnicate"}, 2, "", "discmenu-tool: unknown command 'frobnicate'"},
      {{}, 2, "", "discmenu-tool: no command given"},
      {{"--version"}, 0, "discmenu-tool " DISCMENU_TOOL_VERSION "\n", ""},
  };
  for (const Case& c : cases) {
    const testing::ToolRun run = testing::RunTool(c.args);
    const std::string what = c.args.join(' ').toStdString();
    EXPECT_EQ(run.exit_code, c.exit_code) << what << "\n" << run.err;
    EXPECT_EQ(run.out, c.out) << what;
    EXPECT_TRUE(run.err.starts_with(c.err_start)) << what << ": " << run.err;
    if (c.err_start.empty()) {
      EXPECT_EQ(run.err, "") << what;
    }
  }
  // Checking from inside the folder names the file plainly.
  QProcess inside;
  inside.setWorkingDirectory(QString::fromStdString(good.path()));
  inside.start(QString::fromStdString(testing::ToolPath()), {"check"});
  ASSERT_TRUE(inside.waitForFinished(-1));
  EXPECT_EQ(inside.readAllStandardOutput().toStdString(), "install.ini: 0 errors, 0 warnings\n");
}

TEST(CheckTest, JsonHoldsTheSameFindings) {
  MenuFolder folder;
  folder.items[2] = "yes";
  folder.items[16] = "t\"1\".txt";
  folder.items.push_back("extra");
  folder.Write();
  const CheckResult result = CheckMenuFolder(folder.path());
  const testing::ToolRun run =
      testing::RunTool({"check", QString::fromStdString(folder.path()), "--format=json"});
  EXPECT_EQ(run.exit_code, 1);
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  const QJsonObject top = doc.object();
  EXPECT_EQ(top["file"].toString().toStdString(), folder / "install.ini");
  EXPECT_EQ(top["errors"].toInt(), 1);
  EXPECT_EQ(top["warnings"].toInt(), 2);
  const QJsonArray findings = top["findings"].toArray();
  ASSERT_EQ(findings.size(), qsizetype(result.findings.size()));
  for (qsizetype k = 0; k < findings.size(); ++k) {
    const QJsonObject f = findings[k].toObject();
    const Finding& want = result.findings[k];
    EXPECT_EQ(f["line"].toInt(), want.line);
    EXPECT_EQ(f["column"].toInt(), want.column);
    EXPECT_EQ(f["severity"].toString(), want.severity == Severity::kError ? "error" : "warning");
    EXPECT_EQ(f["message"].toString().toStdString(), want.message);
    if (want.field.empty()) {
      EXPECT_TRUE(f["field"].isNull());
    } else {
      EXPECT_EQ(f["field"].toString().toStdString(), want.field);
      EXPECT_EQ(f["item"].toInt(), want.item);
    }
  }
  EXPECT_EQ(findings[1].toObject()["field"].toString(), "Target1");
  EXPECT_TRUE(findings[2].toObject()["field"].isNull());  // the item after the 34th
}

}  // namespace
}  // namespace discmenu::tool
