#include "tools/discmenu-tool/preview.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <filesystem>

#include "menu/form1.h"
#include "menu/recording_platform.h"
#include "platform/qt/form1_window.h"
#include "platform/qt/qt_services.h"
#include "tools/discmenu-tool/tool_test_support.h"

namespace discmenu::tool {
namespace {

using testing::MenuFolder;
using testing::RunTool;

// The menu's own window after its load step, with the application
// directory pointed at `folder`: what the preview must show.
QImage MenuOwnRender(const std::string& folder) {
  struct InFolder : qt::QtRuntime {
    std::string dir;
    std::string AppPath() override { return dir; }
  } runtime;
  runtime.dir = folder;
  qt::Form1Window window;
  ::discmenu::testing::Log clicks;
  ::discmenu::testing::RecordingShell shell(&clicks);
  EXPECT_TRUE(Form1(runtime, window, shell).Form_Load().ok());
  return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Preview(const std::string& folder, const std::string& png, const QString& scale) {
  const testing::ToolRun run = RunTool({"preview", QString::fromStdString(folder), "-o",
                                        QString::fromStdString(png), "--scale", scale});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  return QImage(QString::fromStdString(png));
}

TEST(PreviewTest, WritesTheWindowAtEachScale) {
  testing::ScratchFolder out;
  struct Case {
    QString scale;
    QSize size;
  } cases[] = {{"1", {640, 478}}, {"1.25", {800, 598}}, {"1.5", {960, 717}}, {"2", {1280, 956}}};
  for (const Case& c : cases) {
    const std::string png = out / ("demo-" + c.scale.toStdString() + ".png");
    const QImage image = Preview(DISCMENU_DEMO_DIR, png, c.scale);
    EXPECT_EQ(image.size(), c.size) << c.scale.toStdString();
  }
}

TEST(PreviewTest, PixelsAreTheMenusOwn) {
  for (const std::string& folder : {std::string(DISCMENU_DEMO_DIR), std::string()}) {
    // The demo, and a generated menu with other entries shown.
    MenuFolder generated;
    generated.items[3] = "1";
    generated.items[0] = "0";
    generated.Write();
    const std::string dir = folder.empty() ? generated.path() : folder;
    testing::ScratchFolder out;
    const QImage preview =
        Preview(dir, out / "preview.png", "1").convertToFormat(QImage::Format_RGB32);
    const QImage own = MenuOwnRender(dir);
    ASSERT_EQ(preview.size(), own.size()) << dir;
    EXPECT_TRUE(preview == own) << dir;
  }
}

TEST(PreviewTest, HigherScalesShowMorePixelsOfTheSameWindow) {
  // At scale 2 each window pixel is two by two: the label colour sits where
  // the scale-1 picture has it, at twice the coordinates.
  MenuFolder folder;
  folder.Write();
  testing::ScratchFolder out;
  const QImage one = Preview(folder.path(), out / "1.png", "1");
  const QImage two = Preview(folder.path(), out / "2.png", "2");
  const QPoint inside_label1(150, 110);
  ASSERT_EQ(two.size(), one.size() * 2);
  EXPECT_EQ(QColor(one.pixel(inside_label1)), QColor(128, 255, 255));
  EXPECT_EQ(QColor(two.pixel(inside_label1 * 2)), QColor(128, 255, 255));
}

TEST(PreviewTest, RefusedMenusGiveTheMenusErrorLine) {
  MenuFolder folder;
  struct Case {
    const char* name;
    std::function<void()> Break;
    std::string err;
  } cases[] = {
      {"no install.ini", [] {},
       "discmenu: error 53: File not found: " + folder / "install.ini" + "\n"},
      {"flag yes",
       [&] {
         folder.items[1] = "yes";
         folder.Write();
       },
       "discmenu: error 13: Type mismatch: " + folder / "install.ini" +
           ": item 2 (ShowFlag2) is the text \"yes\", which is not a number: write 1 to show "
           "entry 2 or 0 to hide it\n"},
      {"picture missing",
       [&] {
         folder.items[1] = "1";
         folder.Write();
         std::filesystem::remove(folder / "b5.png");
       },
       "discmenu: error 53: File not found: " + folder / "b5.png" + "\n"},
  };
  testing::ScratchFolder out;
  for (const Case& c : cases) {
    c.Break();
    const std::string png = out / "refused.png";
    const testing::ToolRun run = RunTool(
        {"preview", QString::fromStdString(folder.path()), "-o", QString::fromStdString(png)});
    EXPECT_EQ(run.exit_code, 1) << c.name;
    EXPECT_EQ(run.err, c.err) << c.name;
    EXPECT_EQ(run.out, "") << c.name;
    EXPECT_FALSE(std::filesystem::exists(png)) << c.name;
  }
}

TEST(PreviewTest, RenderMenuInProcessMatchesTheDesignSize) {
  MenuFolder folder;
  folder.Write();
  QImage image;
  ASSERT_TRUE(RenderMenu(folder.path(), &image).ok());
  EXPECT_EQ(image.size(), QSize(640, 478));
  QImage nothing;
  EXPECT_EQ(RenderMenu(folder / "missing", &nothing).number(), Error::kFileNotFound);
  EXPECT_TRUE(nothing.isNull());
}

}  // namespace
}  // namespace discmenu::tool
