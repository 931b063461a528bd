#include "tools/discmenu-tool/scaffold.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <QProcess>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include "tools/discmenu-tool/check_render.h"
#include "tools/discmenu-tool/tool_test_support.h"

namespace discmenu::tool {
namespace {

using testing::ReadText;
using testing::RunTool;
using testing::ScratchFolder;

int Mode(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

// A folder of the menu's programs as `make medium-programs` lays it out,
// with stand-in contents.
struct Programs {
  ScratchFolder folder;
  Programs() {
    for (const char* program : {"discmenu", "discmenu.exe", "discmenu-linux/discmenu"}) {
      std::filesystem::create_directories(std::filesystem::path(folder / program).parent_path());
      testing::WriteText(folder / program, std::string("program ") + program);
      std::filesystem::permissions(folder / program, std::filesystem::perms(0755));
    }
    std::filesystem::create_directories(folder / "discmenu-linux/lib");
    testing::WriteText(folder / "discmenu-linux/lib/libtoolkit.so.6", "library");
  }
  QString path() const { return QString::fromStdString(folder.path()); }
};

// Every program arrived byte for byte, runnable where it was.
void ExpectPrograms(const Programs& programs, const std::string& dir) {
  for (const char* program : {"discmenu", "discmenu.exe", "discmenu-linux/discmenu"}) {
    EXPECT_EQ(ReadText(dir + "/" + program), std::string("program ") + program);
    EXPECT_EQ(Mode(dir + "/" + program), 0755) << program;
  }
  EXPECT_EQ(ReadText(dir + "/discmenu-linux/lib/libtoolkit.so.6"), "library");
  EXPECT_EQ(Mode(dir + "/discmenu-linux/lib/libtoolkit.so.6"), 0644);
  (void)programs;
}

TEST(InitTest, NewMenuPassesCheckAtOnce) {
  ScratchFolder scratch;
  Programs programs;
  const std::string dir = scratch / "menu";
  const testing::ToolRun init =
      RunTool({"init", QString::fromStdString(dir), "--programs", programs.path()});
  EXPECT_EQ(init.exit_code, 0) << init.err;
  EXPECT_EQ(init.err, "");
  EXPECT_NE(init.out.find("created " + dir + "/install.ini\n"), std::string::npos) << init.out;

  const testing::ToolRun check = RunTool({"check", QString::fromStdString(dir)});
  EXPECT_EQ(check.exit_code, 0);
  EXPECT_EQ(check.out, dir + "/install.ini: 0 errors, 0 warnings\n");

  ExpectPrograms(programs, dir);
  // Three entries shown, the rest hidden, all 34 items there.
  const CheckResult result = CheckMenuFolder(dir);
  EXPECT_TRUE(result.findings.empty());
  const std::string ini = ReadText(dir + "/install.ini");
  EXPECT_TRUE(ini.starts_with("1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n")) << ini;
}

TEST(InitTest, AFolderWithoutTheProgramsIsRefused) {
  for (const char* missing : {"discmenu", "discmenu.exe", "discmenu-linux/discmenu"}) {
    Programs programs;
    std::filesystem::remove(programs.folder / missing);
    ScratchFolder scratch;
    const testing::ToolRun init =
        RunTool({"init", QString::fromStdString(scratch.path()), "--programs", programs.path()});
    EXPECT_EQ(init.exit_code, 1) << missing;
    EXPECT_EQ(init.err, "discmenu-tool: error: " + programs.folder.path() + " holds no " + missing +
                            ": not a folder of the menu's programs\n");
    EXPECT_FALSE(std::filesystem::exists(scratch / "install.ini")) << missing;
  }
}

TEST(InitTest, PicturesFitTheWindow) {
  ScratchFolder scratch;
  std::ostringstream out, err;
  ASSERT_EQ(RunInit(scratch.path(), false, "", out, err), 0);
  const QImage background(QString::fromStdString(scratch / "menu/background.png"));
  EXPECT_EQ(background.size(), QSize(640, 480));
  QColor first;
  for (int n = 1; n <= 8; ++n) {
    const QImage button(
        QString::fromStdString(scratch / ("menu/button" + std::to_string(n) + ".png")));
    ASSERT_FALSE(button.isNull()) << n;
    EXPECT_LE(button.width(), 65) << n;
    EXPECT_LE(button.height(), 63) << n;
    EXPECT_GE(button.width(), 56) << n;
    const QColor centre_left = button.pixelColor(8, button.height() / 2);
    if (n == 1) {
      first = centre_left;
    } else {
      EXPECT_NE(centre_left, first) << "button " << n << " has the colour of button 1";
    }
  }
}

TEST(InitTest, MissingProgramsAreAWarning) {
  ScratchFolder scratch;
  std::ostringstream out, err;
  EXPECT_EQ(RunInit(scratch.path(), false, "", out, err), 0);
  EXPECT_EQ(err.str(),
            "discmenu-tool: warning: the menu's programs (discmenu, discmenu.exe, "
            "discmenu-linux/) are not installed with this tool; copy them into " +
                scratch.path() + " yourself\n");
  EXPECT_FALSE(std::filesystem::exists(scratch / "discmenu"));
  EXPECT_TRUE(std::filesystem::exists(scratch / "install.ini"));
}

TEST(InitTest, ExistingFilesAreKeptUnlessForced) {
  ScratchFolder scratch;
  Programs programs;
  const QString dir = QString::fromStdString(scratch.path());
  testing::WriteText(scratch / "install.ini", "mine\n");
  const testing::ToolRun refused = RunTool({"init", dir, "--programs", programs.path()});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.err, "discmenu-tool: error: " + scratch / "install.ini" +
                             " exists already; use --force to overwrite it\n");
  EXPECT_EQ(ReadText(scratch / "install.ini"), "mine\n");
  // Nothing at all was written.
  EXPECT_FALSE(std::filesystem::exists(scratch / "menu"));

  const testing::ToolRun forced = RunTool({"init", dir, "--programs", programs.path(), "--force"});
  EXPECT_EQ(forced.exit_code, 0) << forced.err;
  EXPECT_NE(ReadText(scratch / "install.ini"), "mine\n");
}

TEST(AutorunTest, MakesTheFolderAMedium) {
  ScratchFolder scratch;
  Programs programs;
  ASSERT_EQ(RunTool({"init", QString::fromStdString(scratch.path())}).exit_code, 0);
  std::filesystem::remove(scratch / "README.txt");
  const testing::ToolRun run =
      RunTool({"autorun", QString::fromStdString(scratch.path()), "--label", "Aurora 5",
               "--programs", programs.path(), "--force"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadText(scratch / "autorun.inf"),
            "[autorun]\r\nopen=discmenu.exe\r\nicon=discmenu.exe,0\r\nlabel=Aurora 5\r\n");
  EXPECT_EQ(ReadText(scratch / "autorun"), AutorunScript());
  EXPECT_EQ(Mode(scratch / "autorun"), 0755);
  EXPECT_EQ(ReadText(scratch / "autorun.sh"), AutorunScript());
  EXPECT_EQ(Mode(scratch / "autorun.inf"), 0644);
  // The README names the shown entries of the starter menu for Mac users.
  const std::string readme = ReadText(scratch / "README.txt");
  EXPECT_TRUE(readme.starts_with("Aurora 5: starting the menu on this medium\r\n")) << readme;
  EXPECT_NE(readme.find("    Read the manual: docs/manual.html\r\n"), std::string::npos) << readme;
  EXPECT_EQ(readme.find("Entry 4"), std::string::npos) << "a hidden entry is listed";
  ExpectPrograms(programs, scratch.path());
  EXPECT_NE(run.out.find("only on CDs and DVDs"), std::string::npos) << run.out;
}

TEST(AutorunTest, ReadmeIsForNotepadToo) {
  const std::string ascii = MediumReadme(std::nullopt, {});
  EXPECT_TRUE(ascii.starts_with("Starting the menu on this medium\r\n")) << ascii;
  EXPECT_TRUE(ascii.ends_with("open the files it offers yourself.\r\n")) << ascii;
  auto count = [&ascii](const std::string& what) {
    size_t n = 0;
    for (size_t at = ascii.find(what); at != std::string::npos; at = ascii.find(what, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("\n"), count("\r\n")) << "every line ends in CR LF";
  const std::string utf8 = MediumReadme(std::string("Caf\u00e9"), {{"\u8aaa\u660e", "docs/a.pdf"}});
  EXPECT_TRUE(
      utf8.starts_with("\xEF\xBB\xBF"
                       "Caf\u00e9: starting"))
      << utf8;
  EXPECT_TRUE(utf8.ends_with("yourself:\r\n    \u8aaa\u660e: docs/a.pdf\r\n")) << utf8;
}

TEST(AutorunTest, UnreadableInstallIniLeavesTheReadmeWithoutFiles) {
  ScratchFolder scratch;
  Programs programs;
  const testing::ToolRun run =
      RunTool({"autorun", QString::fromStdString(scratch.path()), "--programs", programs.path()});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.err,
            "discmenu-tool: warning: README.txt names no files for Mac users: error 53: "
            "File not found: " +
                scratch / "install.ini\n");
  EXPECT_TRUE(ReadText(scratch / "README.txt").ends_with("yourself.\r\n"));
}

TEST(AutorunTest, RefusesToOverwriteWithoutForce) {
  ScratchFolder scratch;
  const QString dir = QString::fromStdString(scratch.path());
  Programs programs;
  for (const char* existing : {"autorun.inf", "autorun"}) {
    std::filesystem::remove(scratch / "autorun.inf");
    std::filesystem::remove(scratch / "autorun");
    testing::WriteText(scratch / existing, "keep me\n");
    const testing::ToolRun refused = RunTool({"autorun", dir, "--programs", programs.path()});
    EXPECT_EQ(refused.exit_code, 1) << existing;
    EXPECT_NE(refused.err.find("discmenu-tool: error: " + scratch / existing +
                               " exists already; use --force to overwrite it\n"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(ReadText(scratch / existing), "keep me\n");
    EXPECT_EQ(std::filesystem::exists(scratch / "autorun.inf") +
                  std::filesystem::exists(scratch / "autorun"),
              1)
        << "the other file must not be written either";
    const testing::ToolRun forced =
        RunTool({"autorun", dir, "--programs", programs.path(), "--force"});
    EXPECT_EQ(forced.exit_code, 0) << existing;
    EXPECT_NE(ReadText(scratch / existing), "keep me\n");
  }
}

TEST(AutorunTest, NonAsciiLabelIsWrittenAsUtf16) {
  const std::string inf = AutorunInf(std::string("Caf\u00e9 \u2603"));
  ASSERT_TRUE(inf.starts_with("\xFF\xFE"));
  const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(inf.data() + 2),
                                          qsizetype(inf.size() - 2) / 2);
  EXPECT_EQ(text, QString::fromUtf8("[autorun]\r\nopen=discmenu.exe\r\nicon=discmenu.exe,0\r\n"
                                    "label=Caf\u00e9 \u2603\r\n"));
  EXPECT_EQ(AutorunInf(std::nullopt), "[autorun]\r\nopen=discmenu.exe\r\nicon=discmenu.exe,0\r\n");
}

TEST(AutorunTest, ScriptStartsTheMenuFromItsOwnFolder) {
  ScratchFolder medium, elsewhere;
  std::ostringstream out, err;
  ASSERT_EQ(RunAutorun(medium.path(), std::nullopt, false, "", out, err), 0);
  // A stand-in menu that records where it was started.
  testing::WriteText(medium / "discmenu", "#!/bin/sh\npwd > started-in.txt\n");
  std::filesystem::permissions(medium / "discmenu", std::filesystem::perms(0755));
  QProcess desktop;
  desktop.setWorkingDirectory(QString::fromStdString(elsewhere.path()));
  desktop.start(QString::fromStdString(medium / "autorun"), {});
  ASSERT_TRUE(desktop.waitForFinished(-1));
  EXPECT_EQ(desktop.exitCode(), 0);
  EXPECT_EQ(ReadText(medium / "started-in.txt"), medium.path() + "\n");
}

// Every file below `folder` with its mode and a hash of its bytes, links
// as their target.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string path = entry.path();
    files[path] = entry.is_symlink() ? "-> " + std::filesystem::read_symlink(path).string()
                  : entry.is_regular_file()
                      ? std::to_string(Mode(path)) + " " +
                            std::to_string(std::hash<std::string>()(ReadText(path)))
                      : "folder";
  }
  return files;
}

// A folder unpacked from someone's archive: its links point out of it.
TEST(ScaffoldTest, NothingIsWrittenThroughALink) {
  const std::vector<const char*> all = {"autorun", "menu", "discmenu-linux"};
  struct Case {
    const char* command;
    std::vector<const char*> links;  // names in the folder linked to outside
    bool force;
    int exit_code;
    const char* said;  // in the error output
  } cases[] = {
      {"init", all, false, 1, "/menu is a symbolic link"},
      {"init", all, true, 1, "/discmenu-linux is a symbolic link"},
      {"autorun", all, true, 1, "/discmenu-linux is a symbolic link"},
      {"autorun", {"autorun"}, false, 1, "/autorun exists already"},
      // Forced, the link itself is replaced by the file.
      {"autorun", {"autorun"}, true, 0, ""},
      {"init", {"menu"}, true, 1, "/menu is a symbolic link"},
  };
  Programs programs;
  for (const Case& c : cases) {
    ScratchFolder dir, outside;
    testing::WriteText(outside / "autorun", "someone's file\n");
    std::filesystem::permissions(outside / "autorun", std::filesystem::perms(0600));
    std::filesystem::create_directories(outside / "menu");
    std::filesystem::create_directories(outside / "discmenu-linux");
    for (const char* link : c.links) std::filesystem::create_symlink(outside / link, dir / link);
    const auto before = Snapshot(outside.path());
    QStringList args = {c.command, QString::fromStdString(dir.path()), "--programs",
                        programs.path()};
    if (c.force) args << "--force";
    const testing::ToolRun run = RunTool(args);
    const std::string name = std::string(c.command) + (c.force ? " --force " : " ") + c.links[0];
    EXPECT_EQ(run.exit_code, c.exit_code) << name << ": " << run.err;
    EXPECT_NE(run.err.find(c.said), std::string::npos) << name << ": " << run.err;
    EXPECT_EQ(Snapshot(outside.path()), before) << name;
    if (c.exit_code == 0) {
      EXPECT_FALSE(std::filesystem::is_symlink(dir / "autorun")) << name;
      EXPECT_EQ(ReadText(dir / "autorun"), AutorunScript()) << name;
      EXPECT_EQ(Mode(dir / "autorun"), 0755) << name;
    } else {
      EXPECT_FALSE(std::filesystem::exists(dir / "install.ini")) << name << ": written in part";
    }
  }
}

// The script starts the menu beside it, however it is started and whatever
// its folder is called; "m\n" has a sibling "m" whose menu must not run.
TEST(AutorunTest, ScriptStartsTheMenuOfItsOwnFolderWhateverItsName) {
  struct Case {
    std::string folder;
    QString program;
    std::function<QStringList(const std::string&)> args;  // from the medium's path
    bool in_medium;                                       // started in the medium's folder
  };
  const auto whole = [](const char* script) {
    return
        [script](const std::string& m) { return QStringList{QString::fromStdString(m + script)}; };
  };
  const Case cases[] = {
      {"m\n", "/bin/sh", whole("/autorun"), false},
      {"m\n", "/bin/sh", whole("/autorun.sh"), false},
      {"m\n\n", "/bin/sh", whole("/autorun"), false},
      {"m\n", "/bin/sh", [](const std::string&) { return QStringList{"autorun"}; }, true},
      {"-m", "/bin/sh", whole("/autorun"), false},
  };
  for (const Case& c : cases) {
    ScratchFolder scratch;
    const std::string medium = scratch / c.folder;
    for (const std::string& folder : {scratch / "m", medium}) {
      std::filesystem::create_directories(folder);
      // A stand-in menu that records which folder's menu it is.
      testing::WriteText(folder + "/discmenu",
                         "#!/bin/sh\necho " + std::string(folder == medium ? "own" : "sibling") +
                             " > " + scratch / "started.txt\n");
      std::filesystem::permissions(folder + "/discmenu", std::filesystem::perms(0755));
    }
    std::ostringstream out, err;
    ASSERT_EQ(RunAutorun(medium, std::nullopt, false, "", out, err), 0) << err.str();
    QProcess desktop;
    desktop.setWorkingDirectory(QString::fromStdString(c.in_medium ? medium : scratch.path()));
    desktop.start(c.program, c.args(medium));
    ASSERT_TRUE(desktop.waitForFinished(-1));
    EXPECT_EQ(ReadText(scratch / "started.txt"), "own\n")
        << c.folder << " " << c.args(medium).join(' ').toStdString() << ": "
        << desktop.readAllStandardError().toStdString();
  }
}

TEST(AutorunTest, FolderMustExist) {
  ScratchFolder scratch;
  std::ostringstream out, err;
  EXPECT_EQ(RunAutorun(scratch / "absent", std::nullopt, false, "", out, err), 1);
  EXPECT_EQ(err.str(), "discmenu-tool: error: " + scratch / "absent" + " is not a folder\n");
  EXPECT_FALSE(std::filesystem::exists(scratch / "absent"));
}

}  // namespace
}  // namespace discmenu::tool
