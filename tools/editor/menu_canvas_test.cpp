#include "tools/editor/menu_canvas.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <filesystem>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "menu/layout.h"
#include "tools/editor/editor_document.h"

namespace discmenu::editor {
namespace {

QPoint Centre(const layout::Control& c, QPoint offset = {}) {
  const layout::PixelRect r = layout::ToPixels(c, 96);
  return offset + QPoint(r.x + r.width / 2, r.y + r.height / 2);
}

TEST(MenuCanvasTest, AClickSelectsTheControlDrawnUnderItAtEveryZoom) {
  EditorDocument document;
  ASSERT_EQ(document.Open(DISCMENU_DEMO_DIR), "");
  MenuCanvas canvas(&document);
  const layout::PixelRect picture1 = layout::ToPixels(layout::Picture1(), 96);
  const QPoint on_picture1(picture1.x + layout::kStyle.picture_border_px,
                           picture1.y + layout::kStyle.picture_border_px);
  for (double zoom : {1.0, 1.25, 1.5, 2.0}) {
    canvas.SetZoom(zoom);
    EXPECT_EQ(canvas.load_error(), "");
    EXPECT_EQ(canvas.image().size(), QSize(layout::TwipsToPixels(layout::kForm.client_width, 96),
                                           layout::TwipsToPixels(layout::kForm.client_height, 96)) *
                                         zoom);
    struct Case {
      QPoint design;
      Selection selection;
    } cases[] = {{Centre(layout::CommandN(1)), {1, false}},
                 {Centre(layout::CommandN(5)), {5, false}},
                 {Centre(layout::LabelN(2), on_picture1), {2, true}},
                 // Entries 4, 7 and 8 are hidden in the demo: the background is there.
                 {Centre(layout::CommandN(4)), {0, false}},
                 {QPoint(picture1.x + 3, picture1.y + 3), {0, false}}};
    for (const Case& c : cases)
      EXPECT_EQ(canvas.SelectionAt((QPointF(c.design) * zoom).toPoint()), c.selection)
          << zoom << " at " << c.design.x() << "," << c.design.y();
  }
}

TEST(MenuCanvasTest, ShowsTheDocumentAsEditedNotAsSaved) {
  EditorDocument document;
  ASSERT_EQ(document.Open(DISCMENU_DEMO_DIR), "");
  MenuCanvas canvas(&document);
  canvas.SetZoom(1.0);
  const QImage before = canvas.image();
  ASSERT_EQ(document.SetText(kShowFlags.Item(1), "0"), EditOutcome::kDone);
  canvas.Refresh();
  EXPECT_EQ(canvas.SelectionAt(Centre(layout::CommandN(1))), Selection{});
  EXPECT_NE(canvas.image(), before);
  document.undo_stack()->undo();
  canvas.Refresh();
  EXPECT_EQ(canvas.SelectionAt(Centre(layout::CommandN(1))), (Selection{1, false}));
  EXPECT_EQ(canvas.image(), before);
}

TEST(MenuCanvasTest, KeysWalkTheEntriesAndTypeIntoTheSelectedCaption) {
  EditorDocument document;
  ASSERT_EQ(document.Open(DISCMENU_DEMO_DIR), "");
  MenuCanvas canvas(&document);
  canvas.SetZoom(1.0);
  std::vector<std::pair<int, QString>> typed;
  QObject::connect(&canvas, &MenuCanvas::textTyped,
                   [&](int item, const QString& text) { typed.emplace_back(item, text); });
  struct Case {
    int key;
    QString text;
    int entry_after;
  } cases[] = {{Qt::Key_Down, "", 1},  {Qt::Key_Up, "", 0},       {Qt::Key_Up, "", 8},
               {Qt::Key_Right, "", 0}, {Qt::Key_A, "a", 0},       {Qt::Key_Right, "", 1},
               {Qt::Key_A, "a", 1},    {Qt::Key_Backspace, "", 1}};
  for (const Case& c : cases) {
    QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier, c.text);
    QApplication::sendEvent(&canvas, &press);
    EXPECT_EQ(canvas.selection().entry, c.entry_after) << c.key;
  }
  // Typing on the window changes nothing; on entry 1, its caption.
  const std::vector<std::pair<int, QString>> expected = {
      {kCaptions.Item(1), "Install Aurora Studioa"}, {kCaptions.Item(1), "Install Aurora Studi"}};
  EXPECT_EQ(typed, expected);
}

TEST(MenuCanvasTest, AScreenReaderFindsEachControlWhereItIsDrawnAndAsSelected) {
  EditorDocument document;
  ASSERT_EQ(document.Open(DISCMENU_DEMO_DIR), "");
  ASSERT_EQ(document.SetText(kCaptions.Item(2), ""), EditOutcome::kDone);
  MenuCanvas canvas(&document);
  QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&canvas);
  ASSERT_NE(shown, nullptr);
  for (double zoom : {1.0, 2.0}) {
    canvas.SetZoom(zoom);
    canvas.resize(canvas.sizeHint());
    canvas.Select({4, true});
    ASSERT_EQ(shown->childCount(), 17);
    struct Case {
      int child;
      QAccessible::Role role;
      QString name;
      const layout::Control& control;
      bool hidden;
    } cases[] = {{0, QAccessible::Graphic, "Aurora Studio 5 Setup", layout::Picture1(), false},
                 {1, QAccessible::Button, "Install Aurora Studio", layout::CommandN(1), false},
                 {2, QAccessible::StaticText, "Install Aurora Studio", layout::LabelN(1), false},
                 {3, QAccessible::Button, "Button 2", layout::CommandN(2), false},
                 {4, QAccessible::StaticText, "Label 2", layout::LabelN(2), false},
                 {8, QAccessible::StaticText, "Visit the website", layout::LabelN(4), true},
                 {16, QAccessible::StaticText, "Advanced options", layout::LabelN(8), true}};
    for (const Case& c : cases) {
      QAccessibleInterface* child = shown->child(c.child);
      ASSERT_NE(child, nullptr) << c.child;
      EXPECT_EQ(shown->indexOfChild(child), c.child);
      EXPECT_EQ(child->role(), c.role) << c.child;
      EXPECT_EQ(child->text(QAccessible::Name), c.name) << c.child;
      const layout::PixelRect r = layout::ToPixels(c.control, 96);
      EXPECT_EQ(child->rect().size(), QSize(r.width, r.height) * zoom) << c.child << " " << zoom;
      EXPECT_EQ(child->state().invisible, c.hidden) << c.child;
      EXPECT_EQ(child->text(QAccessible::Description).isEmpty(), !c.hidden && c.child);
      EXPECT_EQ(child->state().selected, c.child == 8) << c.child;
      const QPoint centre = child->rect().center();
      if (!c.hidden) {
        EXPECT_EQ(shown->childAt(centre.x(), centre.y()), child) << c.child;
      }
    }
  }
  ASSERT_EQ(document.SetText(kWindowCaption.first_item, ""), EditOutcome::kDone);
  canvas.Refresh();
  EXPECT_EQ(shown->child(0)->text(QAccessible::Name), "Background picture");
}

TEST(MenuCanvasTest, TwinsShowFrom150PercentAsOnSuchAScreen) {
  QTemporaryDir plain;
  std::filesystem::copy(DISCMENU_DEMO_DIR, plain.path().toStdString(),
                        std::filesystem::copy_options::recursive);
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(plain.path().toStdString()))
    if (entry.path().filename().string().find("@2x") != std::string::npos)
      std::filesystem::remove(entry.path());
  struct Case {
    double zoom;
    bool differs;
  } cases[] = {{1.25, false}, {1.5, true}, {2.0, true}};
  for (const Case& c : cases) {
    QImage images[2];
    int k = 0;
    for (const std::string& folder : {std::string(DISCMENU_DEMO_DIR), plain.path().toStdString()}) {
      EditorDocument document;
      ASSERT_EQ(document.Open(folder), "");
      MenuCanvas canvas(&document);
      canvas.SetZoom(c.zoom);
      images[k++] = canvas.image();
    }
    EXPECT_EQ(images[0] != images[1], c.differs) << c.zoom;
  }
}

}  // namespace
}  // namespace discmenu::editor
