#include "tools/editor/main_window.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "menu/layout.h"
#include "tools/editor/editor_document.h"
#include "tools/editor/editor_translator.h"
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

// Answers the next message box with its button of `role`, as the author
// would; Escape for RejectRole. `texts` gets the words on its buttons.
void AnswerNextBox(QMessageBox::ButtonRole role, QStringList* texts = nullptr) {
  QTimer::singleShot(100, [role, texts] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    for (QAbstractButton* button : box->buttons())
      if (texts) *texts << button->text();
    if (role == QMessageBox::RejectRole) {
      QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(box, &escape);
      return;
    }
    for (QAbstractButton* button : box->buttons())
      if (box->buttonRole(button) == role) return button->click();
    ADD_FAILURE() << "no button of role " << role;
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

  AnswerNextBox(QMessageBox::RejectRole);
  EXPECT_FALSE(window.ApplyText(kCaptions.Item(1), text));
  EXPECT_EQ(window.document()->bytes(), ini);
  EXPECT_FALSE(window.isWindowModified());

  AnswerNextBox(QMessageBox::AcceptRole);
  EXPECT_TRUE(window.ApplyText(kCaptions.Item(1), text));
  std::string utf8 = ini;
  utf8.replace(utf8.find("Caf\xe9"), 4, text.toStdString());
  EXPECT_EQ(window.document()->bytes(), "\xef\xbb\xbf" + utf8);
  // Converting and the edit are one step.
  window.document()->undo_stack()->undo();
  EXPECT_EQ(window.document()->bytes(), ini);
}

// Drops `paths` on the canvas at `at` through Qt's own event path.
void Drop(MenuCanvas* canvas, QPoint at, const QStringList& paths) {
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
  data.setUrls(urls);
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(canvas, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(canvas, &drop);
}

TEST(MainWindowTest, DroppedFilesSetTargetAndPictureInOneStepCopiedInOnlyWhenTheAuthorAgrees) {
  QTemporaryDir dir, away;
  const std::string root = dir.path().toStdString();
  std::filesystem::copy(DISCMENU_DEMO_DIR, root, std::filesystem::copy_options::recursive);
  const QString outside_picture = away.path() + "/face.png", outside_file = away.path() + "/go.exe";
  std::ofstream(outside_picture.toStdString()) << "png";
  std::ofstream(outside_file.toStdString()) << "exe";
  MainWindow window;
  ASSERT_TRUE(window.OpenFolder(dir.path()));
  const layout::PixelRect button2 = layout::ToPixels(layout::CommandN(2), 96);
  const QPoint on_button2(button2.x + 4, button2.y + 4), on_background(3, 3);
  const std::string ini = window.document()->bytes();
  struct Case {
    QPoint at;
    QStringList paths;
    QMessageBox::ButtonRole answer;                  // InvalidRole: no question is asked
    std::vector<std::pair<int, std::string>> items;  // what they read after
  } cases[] = {
      {on_button2,
       {dir.path() + "/extras/theme.txt"},
       QMessageBox::InvalidRole,
       {{kTargets.Item(2), "\\extras\\theme.txt"}}},
      {on_background,
       {outside_picture},
       QMessageBox::RejectRole,
       {{kBackground.first_item, "\\menu\\background.jpg"}}},
      {on_background,
       {dir.path() + "/docs/manual.html"},
       QMessageBox::InvalidRole,
       {{kBackground.first_item, "\\menu\\background.jpg"}}},
      {on_background, {away.path()}, QMessageBox::InvalidRole, {}},
      {on_button2,
       {outside_picture, outside_file},
       QMessageBox::AcceptRole,
       {{kButtonPictures.Item(2), "\\menu\\face.png"}, {kTargets.Item(2), "\\files\\go.exe"}}},
  };
  for (const Case& c : cases) {
    if (c.answer != QMessageBox::InvalidRole) AnswerNextBox(c.answer);
    Drop(window.canvas(), c.at, c.paths);
    for (const auto& [item, text] : c.items)
      EXPECT_EQ(window.document()->Text(item), text) << c.paths.join(",").toStdString();
  }
  EXPECT_FALSE(std::filesystem::exists(root + "/menu/background-2.png"));
  EXPECT_TRUE(std::filesystem::exists(root + "/files/go.exe"));
  EXPECT_EQ(window.canvas()->selection(), (Selection{2, false}));
  // The picture and the target together undo as one step; then the first drop.
  window.document()->undo_stack()->undo();
  EXPECT_EQ(window.document()->Text(kButtonPictures.Item(2)), "\\menu\\button2.png");
  EXPECT_EQ(window.document()->Text(kTargets.Item(2)), "\\extras\\theme.txt");
  window.document()->undo_stack()->undo();
  EXPECT_EQ(window.document()->bytes(), ini);
}

TEST(MainWindowTest, QuestionsAskInTheEditorsLanguageAndEscapeCancels) {
  QTemporaryDir dir;
  std::filesystem::copy(DISCMENU_DEMO_DIR, dir.path().toStdString(),
                        std::filesystem::copy_options::recursive);
  EditorTranslator german(Language::kGerman);
  QApplication::installTranslator(&german);
  MainWindow window;
  ASSERT_TRUE(window.OpenFolder(dir.path()));
  ASSERT_TRUE(window.ApplyText(kCaptions.Item(1), "Unsaved"));
  QStringList buttons;
  AnswerNextBox(QMessageBox::RejectRole, &buttons);
  EXPECT_FALSE(window.close());
  QApplication::removeTranslator(&german);
  buttons.sort();
  EXPECT_EQ(buttons.join(" | ").toStdString(), "&Nicht speichern | &Speichern | Abbrechen");
  EXPECT_TRUE(window.isWindowModified());
}

TEST(MainWindowTest, AShortFileOpensWithTheMissingItemsAddedAndUnsaved) {
  QTemporaryDir dir;
  std::ofstream(dir.path().toStdString() + "/install.ini") << "1\n";
  MainWindow window;
  AnswerNextBox(QMessageBox::AcceptRole);
  ASSERT_TRUE(window.OpenFolder(dir.path()));
  EXPECT_TRUE(window.isWindowModified());
  EXPECT_EQ(window.document()->ini().held(), kItemCount);
}

TEST(MainWindowTest, BuildWritesBothImagesOfTheSavedFolderOnly) {
  QTemporaryDir dir, out;
  std::filesystem::copy(DISCMENU_DEMO_DIR, dir.path().toStdString(),
                        std::filesystem::copy_options::recursive);
  MainWindow window;
  ASSERT_TRUE(window.OpenFolder(dir.path()));
  ASSERT_TRUE(window.ApplyText(kCaptions.Item(1), "Unsaved"));
  EXPECT_NE(window.BuildImages(out.path()), "");
  EXPECT_TRUE(QDir(out.path()).isEmpty());
  window.document()->undo_stack()->undo();
  EXPECT_EQ(window.BuildImages(out.path()), "");
  const QString name = QFileInfo(dir.path()).fileName();
  for (const QString& image : {name + ".iso", name + ".img"})
    EXPECT_GT(QFileInfo(out.path() + "/" + image).size(), 0) << image.toStdString();
}

}  // namespace
}  // namespace discmenu::editor
