#include "tools/editor/main_window.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <fstream>

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

// Answers the next message box with `button`, as the author would.
void AnswerNextBox(QMessageBox::StandardButton button) {
  QTimer::singleShot(100, [button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    box->button(button)->click();
  });
}

TEST(MainWindowTest, TextTheEncodingCannotHoldIsConvertedOnlyWhenTheAuthorAgrees) {
  QTemporaryDir dir;
  std::filesystem::copy(DISCMENU_DEMO_DIR, dir.path().toStdString(),
                        std::filesystem::copy_options::recursive);
  const std::string file = dir.path().toStdString() + "/install.ini";
  std::string ini;
  ASSERT_TRUE(ReadWholeFile(file, &ini));
  ini.replace(ini.find("Install Aurora Studio"), 21, "Caf\xe9");  // Windows-1252
  std::ofstream(file, std::ios::binary) << ini;
  MainWindow window;
  ASSERT_TRUE(window.OpenFolder(dir.path()));
  const QString text = QString::fromUtf8("Caf\u00e9\u4e2d");

  AnswerNextBox(QMessageBox::No);
  EXPECT_FALSE(window.ApplyText(kCaptions.Item(1), text));
  EXPECT_EQ(window.document()->bytes(), ini);
  EXPECT_FALSE(window.isWindowModified());

  AnswerNextBox(QMessageBox::Yes);
  EXPECT_TRUE(window.ApplyText(kCaptions.Item(1), text));
  std::string utf8 = ini;
  utf8.replace(utf8.find("Caf\xe9"), 4, text.toStdString());
  EXPECT_EQ(window.document()->bytes(), "\xef\xbb\xbf" + utf8);
  // Converting and the edit are one step.
  window.document()->undo_stack()->undo();
  EXPECT_EQ(window.document()->bytes(), ini);
}

}  // namespace
}  // namespace discmenu::editor
