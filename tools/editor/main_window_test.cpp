#include "tools/editor/main_window.h"

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>

#include <gtest/gtest.h>

#include "tools/editor/editor_document.h"
#include "tools/editor/findings_dock.h"
#include "tools/editor/menu_canvas.h"

namespace discmenu::editor {
namespace {

void Wait(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

TEST(MainWindowTest, FindingsFollowTheEditsAndChoosingOneSelectsItsEntry) {
  QTemporaryDir dir;
  std::filesystem::copy(DISCMENU_DEMO_DIR, dir.path().toStdString(),
                        std::filesystem::copy_options::recursive);
  MainWindow window;
  ASSERT_TRUE(window.OpenFolder(dir.path()));
  Wait(400);
  EXPECT_EQ(window.findings()->count(), 0);
  // Entry 2's target goes missing: check says so, before anything is saved.
  ASSERT_TRUE(window.ApplyText(kTargets.Item(2), "\\nowhere.txt"));
  EXPECT_TRUE(window.isWindowModified());
  Wait(400);
  EXPECT_EQ(window.findings()->count(), 1);
  emit window.findings()->chosen(kTargets.Item(2));
  EXPECT_EQ(window.canvas()->selection(), (Selection{2, false}));
  window.document()->undo_stack()->undo();
  EXPECT_FALSE(window.isWindowModified());
}

}  // namespace
}  // namespace discmenu::editor
