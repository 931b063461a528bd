#include "tools/editor/test_run.h"

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "tools/editor/editor_document.h"

namespace discmenu::editor {
namespace {

namespace fs = std::filesystem;

TEST(TestRunTest, TheRunHoldsTheEditedFileTheMenuAndLinksToTheRest) {
  QTemporaryDir folder, run;
  const std::string dir = folder.path().toStdString(), run_dir = run.path().toStdString();
  fs::create_directories(dir + "/docs");
  std::ofstream(dir + "/INSTALL.INI") << "saved";
  std::ofstream(dir + "/discmenu") << "an older menu";
  std::ofstream(dir + "/docs/a.txt") << "a";
  ASSERT_EQ(LayOutTestRun(dir, "edited", DISCMENU_MENU, run_dir), "");
  std::string bytes;
  struct Case {
    std::string path;
    bool exists;
    std::string content;  // "" : not compared
  } cases[] = {
      {"/install.ini", true, "edited"}, {"/INSTALL.INI", false, ""}, {"/docs/a.txt", true, "a"}};
  for (const Case& c : cases) {
    EXPECT_EQ(fs::exists(run_dir + c.path), c.exists) << c.path;
    if (!c.content.empty()) {
      ASSERT_TRUE(ReadWholeFile(run_dir + c.path, &bytes));
      EXPECT_EQ(bytes, c.content);
    }
  }
  EXPECT_EQ(fs::file_size(run_dir + "/discmenu"), fs::file_size(DISCMENU_MENU));
}

TEST(TestRunTest, TheRealMenuStartsWithoutAShellAndIsReaped) {
  QTemporaryDir folder;
  // Without a display the menu says so and ends at once.
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  unsetenv("QT_QPA_PLATFORM");  // the test's own, read once at its start
  int status = -2;
  TestRun run(DISCMENU_DEMO_DIR, "1\n", DISCMENU_MENU, "", nullptr);
  ASSERT_EQ(run.problem(), "");
  QEventLoop loop;
  QObject::connect(&run, &TestRun::finished, [&](int s) {
    status = s;
    loop.quit();
  });
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_EQ(status, 1);
}

}  // namespace
}  // namespace discmenu::editor
