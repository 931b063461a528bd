#include "tools/discmenu-tool/scaffold.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <QProcess>
#include <filesystem>
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

TEST(InitTest, NewMenuPassesCheckAtOnce) {
  ScratchFolder scratch;
  const std::string dir = scratch / "menu";
  const testing::ToolRun init = RunTool({"init", QString::fromStdString(dir)});
  EXPECT_EQ(init.exit_code, 0) << init.err;
  EXPECT_EQ(init.err, "");
  EXPECT_NE(init.out.find("created " + dir + "/install.ini\n"), std::string::npos) << init.out;

  const testing::ToolRun check = RunTool({"check", QString::fromStdString(dir)});
  EXPECT_EQ(check.exit_code, 0);
  EXPECT_EQ(check.out, dir + "/install.ini: 0 errors, 0 warnings\n");

  // The menu executable came along, runnable, byte for byte.
  const std::string menu = std::filesystem::path(testing::ToolPath()).parent_path() / "discmenu";
  EXPECT_EQ(Mode(dir + "/discmenu"), 0755);
  EXPECT_TRUE(ReadText(dir + "/discmenu") == ReadText(menu));
  // Three entries shown, the rest hidden, all 34 items there.
  const CheckResult result = CheckMenuFolder(dir);
  EXPECT_TRUE(result.findings.empty());
  const std::string ini = ReadText(dir + "/install.ini");
  EXPECT_TRUE(ini.starts_with("1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n")) << ini;
}

TEST(InitTest, PicturesFitTheWindow) {
  ScratchFolder scratch;
  std::ostringstream out, err;
  ASSERT_EQ(RunInit(scratch.path(), false, scratch / "no-such-menu", out, err), 0);
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

TEST(InitTest, MissingMenuExecutableIsAWarning) {
  ScratchFolder scratch;
  std::ostringstream out, err;
  EXPECT_EQ(RunInit(scratch.path(), false, scratch / "no-such-menu", out, err), 0);
  EXPECT_EQ(err.str(), "discmenu-tool: warning: the menu executable " + scratch / "no-such-menu" +
                           " was not found; copy discmenu into " + scratch.path() + " yourself\n");
  EXPECT_FALSE(std::filesystem::exists(scratch / "discmenu"));
  EXPECT_TRUE(std::filesystem::exists(scratch / "install.ini"));
}

TEST(InitTest, ExistingFilesAreKeptUnlessForced) {
  ScratchFolder scratch;
  const QString dir = QString::fromStdString(scratch.path());
  testing::WriteText(scratch / "install.ini", "mine\n");
  const testing::ToolRun refused = RunTool({"init", dir});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.err, "discmenu-tool: error: " + scratch / "install.ini" +
                             " exists already; use --force to overwrite it\n");
  EXPECT_EQ(ReadText(scratch / "install.ini"), "mine\n");
  // Nothing at all was written.
  EXPECT_FALSE(std::filesystem::exists(scratch / "menu"));

  const testing::ToolRun forced = RunTool({"init", dir, "--force"});
  EXPECT_EQ(forced.exit_code, 0) << forced.err;
  EXPECT_NE(ReadText(scratch / "install.ini"), "mine\n");
}

TEST(AutorunTest, WritesBothFiles) {
  ScratchFolder scratch;
  const testing::ToolRun run =
      RunTool({"autorun", QString::fromStdString(scratch.path()), "--label", "Aurora 5"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(ReadText(scratch / "autorun.inf"),
            "[autorun]\r\nopen=discmenu.exe\r\nicon=discmenu.exe,0\r\nlabel=Aurora 5\r\n");
  EXPECT_EQ(ReadText(scratch / "autorun"),
            "#!/bin/sh\n# Started by the desktop when this medium is inserted, after it asks the "
            "user.\ncd \"$(dirname \"$0\")\" && exec ./discmenu\n");
  EXPECT_EQ(Mode(scratch / "autorun"), 0755);
  EXPECT_EQ(Mode(scratch / "autorun.inf"), 0644);
  EXPECT_NE(run.out.find("only on CDs and DVDs"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("ask the user"), std::string::npos) << run.out;
  // Neither executable is there yet.
  EXPECT_NE(run.err.find(scratch / "discmenu.exe" + " does not exist"), std::string::npos);
}

TEST(AutorunTest, RefusesToOverwriteWithoutForce) {
  ScratchFolder scratch;
  const QString dir = QString::fromStdString(scratch.path());
  for (const char* existing : {"autorun.inf", "autorun"}) {
    std::filesystem::remove(scratch / "autorun.inf");
    std::filesystem::remove(scratch / "autorun");
    testing::WriteText(scratch / existing, "keep me\n");
    const testing::ToolRun refused = RunTool({"autorun", dir});
    EXPECT_EQ(refused.exit_code, 1) << existing;
    EXPECT_EQ(refused.err, "discmenu-tool: error: " + scratch / existing +
                               " exists already; use --force to overwrite it\n");
    EXPECT_EQ(ReadText(scratch / existing), "keep me\n");
    EXPECT_EQ(std::filesystem::exists(scratch / "autorun.inf") +
                  std::filesystem::exists(scratch / "autorun"),
              1)
        << "the other file must not be written either";
    const testing::ToolRun forced = RunTool({"autorun", dir, "--force"});
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
  ASSERT_EQ(RunAutorun(medium.path(), std::nullopt, false, out, err), 0);
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

TEST(AutorunTest, FolderMustExist) {
  ScratchFolder scratch;
  std::ostringstream out, err;
  EXPECT_EQ(RunAutorun(scratch / "absent", std::nullopt, false, out, err), 1);
  EXPECT_EQ(err.str(), "discmenu-tool: error: " + scratch / "absent" + " is not a folder\n");
  EXPECT_FALSE(std::filesystem::exists(scratch / "absent"));
}

}  // namespace
}  // namespace discmenu::tool
