#include "platform/qt/form1_window.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <fstream>
#include <functional>

#include "menu/form1.h"
#include "menu/layout.h"
#include "menu/recording_platform.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_translator.h"

namespace discmenu::qt {
namespace {

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kGreen(0, 255, 0), kYellow(255, 255, 0),
    kMagenta(255, 0, 255), kCyan(128, 255, 255);

// A menu folder in /tmp, read through the real services.
class MenuFolder {
 public:
  MenuFolder() {
    char tmpl[] = "/tmp/discmenu-window-XXXXXX";
    dir_ = mkdtemp(tmpl);
  }
  ~MenuFolder() { std::system(("rm -rf '" + dir_ + "'").c_str()); }

  void Picture(const std::string& name, QSize size, const std::function<void(QPainter&)>& draw) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    draw(p);
    p.end();
    image.save(QString::fromStdString(dir_ + "/" + name));  // the format of the suffix
  }
  void Solid(const std::string& name, QSize size, QColor color) {
    Picture(name, size, [&](QPainter& p) { p.fillRect(QRect(QPoint(), size), color); });
  }
  // An install.ini with `flags` (eight characters of 0/1) and the pictures
  // bg.png and b1.png .. b8.png.
  void Ini(const std::string& flags) {
    std::ofstream ini(dir_ + "/install.ini");
    for (char f : flags) ini << f << "\n";
    for (int n = 1; n <= 8; ++n) ini << "Entry " << n << "\n";
    for (int n = 1; n <= 8; ++n) ini << "\\t" << n << "\n";
    ini << "Probe\n\\bg.png\n";
    for (int n = 1; n <= 8; ++n) ini << "\\b" << n << ".png\n";
  }
  const std::string& dir() const { return dir_; }

 private:
  std::string dir_;
};

class FolderRuntime : public QtRuntime {
 public:
  explicit FolderRuntime(std::string dir) : dir_(std::move(dir)) {}
  std::string AppPath() override { return dir_; }

 private:
  std::string dir_;
};

struct Menu {
  explicit Menu(const MenuFolder& folder) : runtime(folder.dir()), form(runtime, window, shell) {}
  FolderRuntime runtime;
  testing::Log log;
  testing::RecordingShell shell{&log};
  Form1Window window;
  Form1 form;
  QImage Render() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

QColor At(const QImage& image, int x, int y) {
  return QColor(image.pixel(x, y));
}

TEST(Form1WindowTest, GeometryFollowsTheDesignTable) {
  Form1Window window;
  EXPECT_EQ(window.size(), QSize(640, 478));
  EXPECT_EQ(window.objectName(), "Form1");
  EXPECT_EQ(window.windowTitle(), "Form1");
  struct Row {
    const char* name;
    QRect rect;  // within the parent, in pixels at 96 dpi
    const char* parent;
  } rows[] = {
      {"Command1", {24, 64, 67, 65}, "Form1"},     {"Command4", {24, 304, 67, 65}, "Form1"},
      {"Command5", {320, 64, 67, 65}, "Form1"},    {"Command8", {320, 304, 67, 65}, "Form1"},
      {"Picture1", {0, 0, 641, 481}, "Form1"},     {"Label1", {98, 66, 213, 65}, "Picture1"},
      {"Label4", {98, 306, 213, 65}, "Picture1"},  {"Label5", {394, 66, 213, 65}, "Picture1"},
      {"Label8", {394, 306, 213, 65}, "Picture1"},
  };
  for (const Row& r : rows) {
    QWidget* w = window.findChild<QWidget*>(r.name);
    ASSERT_TRUE(w) << r.name;
    EXPECT_EQ(w->geometry(), r.rect) << r.name;
    EXPECT_EQ(w->parentWidget()->objectName(), r.parent) << r.name;
  }
  // Front to back: Command8 .. Command1, then Picture1.
  QStringList stacking;
  for (QObject* child : window.children())
    if (auto* w = qobject_cast<QWidget*>(child)) stacking.prepend(w->objectName());
  EXPECT_EQ(stacking.join(","),
            "Command8,Command7,Command6,Command5,Command4,Command3,Command2,"
            "Command1,Picture1");
  EXPECT_EQ(window.label(3)->text(), "Label3");
  EXPECT_EQ(window.label(3)->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(window.label(3)->font().pixelSize(), 12);
  EXPECT_TRUE(window.label(3)->font().bold());
}

TEST(Form1WindowTest, ResizingMovesNothing) {
  Form1Window window;
  window.resize(1000, 800);
  EXPECT_EQ(window.command(8)->geometry(), QRect(320, 304, 67, 65));
  EXPECT_EQ(window.picture1()->geometry(), QRect(0, 0, 641, 481));
  QImage image = window.grab().toImage();
  EXPECT_EQ(At(image, 900, 700), window.palette().color(QPalette::Button));
}

TEST(Form1WindowTest, RendersVisibleEntriesAndHidesTheOthers) {
  MenuFolder folder;
  folder.Solid("bg.png", {640, 480}, kRed);
  for (int n = 1; n <= 8; ++n) folder.Solid("b" + std::to_string(n) + ".png", {64, 64}, kBlue);
  folder.Ini("10111101");  // entries 2 and 7 hidden
  Menu menu(folder);
  ASSERT_TRUE(menu.form.Form_Load().ok());
  QImage image = menu.Render();
  EXPECT_EQ(menu.window.windowTitle(), "Probe");
  for (int n = 1; n <= 8; ++n) {
    bool shown = n != 2 && n != 7;
    layout::PixelRect b = layout::ToPixels(layout::CommandN(n), 96);
    layout::PixelRect l = layout::ToPixels(layout::LabelN(n), 96);
    // The button's centre shows its picture, or the background when hidden.
    EXPECT_EQ(At(image, b.x + b.width / 2, b.y + b.height / 2), shown ? kBlue : kRed) << n;
    // The label's bottom-right corner is filled light cyan (no text there).
    EXPECT_EQ(At(image, 2 + l.x + l.width - 3, 2 + l.y + l.height - 3), shown ? kCyan : kRed) << n;
  }
  // Between the columns and below the grid, the background.
  EXPECT_EQ(At(image, 315, 100), kRed);
  EXPECT_EQ(At(image, 300, 420), kRed);
  // The sunken border is not the picture.
  EXPECT_NE(At(image, 0, 0), kRed);
  EXPECT_EQ(At(image, 2, 2), kRed);
}

TEST(Form1WindowTest, LargePicturesAreCutOffAndSmallOnesCentred) {
  MenuFolder folder;
  // A background larger than the window: yellow where it can be seen, green
  // beyond, so scaling it down would show green.
  folder.Picture("bg.png", {900, 700}, [](QPainter& p) {
    p.fillRect(0, 0, 900, 700, kGreen);
    p.fillRect(0, 0, 660, 500, kYellow);
  });
  // Button 1: larger than the face, magenta centre in a blue frame.
  folder.Picture("b1.png", {200, 200}, [](QPainter& p) {
    p.fillRect(0, 0, 200, 200, kBlue);
    p.fillRect(60, 60, 80, 80, kMagenta);
  });
  // Button 2: smaller than the face.
  folder.Solid("b2.png", {16, 16}, kGreen);
  for (int n = 3; n <= 8; ++n) folder.Solid("b" + std::to_string(n) + ".png", {64, 64}, kBlue);
  folder.Ini("11000000");
  Menu menu(folder);
  ASSERT_TRUE(menu.form.Form_Load().ok());
  QImage image = menu.Render();
  EXPECT_EQ(At(image, 2, 2), kYellow);
  EXPECT_EQ(At(image, 630, 470), kYellow);  // unscaled: the green part lies outside

  layout::PixelRect b1 = layout::ToPixels(layout::CommandN(1), 96);
  QPoint c1(b1.x + b1.width / 2, b1.y + b1.height / 2);
  EXPECT_EQ(At(image, c1.x(), c1.y()), kMagenta);
  EXPECT_EQ(At(image, c1.x() - 30, c1.y()), kMagenta);  // 80 px of magenta fill the face
  EXPECT_EQ(At(image, b1.x - 2, c1.y()), kYellow);      // nothing spills out of the button

  layout::PixelRect b2 = layout::ToPixels(layout::CommandN(2), 96);
  QPoint c2(b2.x + b2.width / 2, b2.y + b2.height / 2);
  EXPECT_EQ(At(image, c2.x(), c2.y()), kGreen);
  EXPECT_EQ(At(image, c2.x() - 7, c2.y() - 7), kGreen);
  EXPECT_NE(At(image, c2.x() - 12, c2.y()), kGreen);
  EXPECT_NE(At(image, c2.x() + 12, c2.y()), kGreen);
}

TEST(Form1WindowTest, PicturesNeedNoFileAfterLoading) {
  // A large JPEG on a button shows its middle; with the medium gone after
  // the load step the window still shows the same pixels.
  MenuFolder folder;
  folder.Solid("bg.png", {640, 480}, kRed);
  folder.Picture("b1.jpg", {3000, 2000}, [](QPainter& p) {
    p.fillRect(0, 0, 3000, 2000, kBlue);
    p.fillRect(1400, 900, 200, 200, kYellow);
  });
  for (int n = 1; n <= 8; ++n) folder.Solid("b" + std::to_string(n) + ".png", {64, 64}, kBlue);
  folder.Ini("10000000");
  // The content decides the format, not the name.
  std::rename((folder.dir() + "/b1.jpg").c_str(), (folder.dir() + "/b1.png").c_str());
  Menu menu(folder);
  ASSERT_TRUE(menu.form.Form_Load().ok());
  const QImage before = menu.Render();
  std::system(("rm -rf '" + folder.dir() + "'/*").c_str());
  const QImage after = menu.Render();
  layout::PixelRect b1 = layout::ToPixels(layout::CommandN(1), 96);
  const QColor centre = At(after, b1.x + b1.width / 2, b1.y + b1.height / 2);
  EXPECT_LT(std::abs(centre.red() - 255) + std::abs(centre.green() - 255) + centre.blue(), 40);
  EXPECT_EQ(before, after);
}

TEST(Form1WindowTest, FocusStartsOnTheFirstVisibleControlAndTabsInOrder) {
  struct Case {
    std::string flags;
    std::vector<std::string> order;  // focus after start, then after each Tab
  } cases[] = {
      {"11111111",
       {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7",
        "Command8", "Picture1", "Command1"}},
      {"01101001", {"Command2", "Command3", "Command5", "Command8", "Picture1", "Command2"}},
      {"00000000", {"Picture1", "Picture1"}},
  };
  for (const Case& c : cases) {
    MenuFolder folder;
    folder.Solid("bg.png", {640, 480}, kRed);
    for (int n = 1; n <= 8; ++n) folder.Solid("b" + std::to_string(n) + ".png", {64, 64}, kBlue);
    folder.Ini(c.flags);
    Menu menu(folder);
    ASSERT_TRUE(menu.form.Form_Load().ok());
    menu.window.show();
    QApplication::setActiveWindow(&menu.window);
    menu.window.FocusFirst();
    for (size_t i = 0; i < c.order.size(); ++i) {
      if (i > 0) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(menu.window.focusWidget(), &tab);
      }
      ASSERT_TRUE(menu.window.focusWidget()) << c.flags;
      EXPECT_EQ(menu.window.focusWidget()->objectName().toStdString(), c.order[i])
          << c.flags << " step " << i;
    }
  }
}

TEST(Form1WindowTest, ButtonsAreNamedByTheirLabels) {
  Form1Window window;
  window.SetLabelCaption(4, "Install the software");
  EXPECT_EQ(window.command(4)->accessibleName(), "Install the software");
  EXPECT_TRUE(window.command(4)->text().isEmpty());
}

TEST(Form1WindowTest, CaptionsArePlainText) {
  Form1Window window;
  window.SetLabelCaption(1, "<b>Tom & Jerry</b>");
  EXPECT_EQ(window.label(1)->textFormat(), Qt::PlainText);
  EXPECT_EQ(window.label(1)->text(), "<b>Tom & Jerry</b>");
}

TEST(Form1WindowTest, KeyboardAndMouseClicksReachTheHandler) {
  Form1Window window;
  std::vector<int> clicked;
  window.OnCommandClick([&](int n) { clicked.push_back(n); });
  window.command(3)->click();
  window.command(8)->click();
  EXPECT_EQ(clicked, (std::vector<int>{3, 8}));
}

}  // namespace
}  // namespace discmenu::qt

namespace discmenu::qt {
namespace {

// Run at 100 % and again by ctest with QT_SCALE_FACTOR 1.25 and 2: every
// figure grows with the scale.
TEST(Form1WindowScaleTest, EverythingGrowsWithTheScale) {
  Form1Window window;
  const qreal dpr = window.devicePixelRatioF();
  if (const char* scale = getenv("QT_SCALE_FACTOR")) {
    EXPECT_DOUBLE_EQ(dpr, atof(scale));
  }
  const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_NEAR(image.width(), 640 * dpr, 1.0);
  EXPECT_NEAR(image.height(), 478 * dpr, 1.0);
  // All 17 controls, in device pixels, against the design converted at the
  // screen's dpi (96 per inch times the scale), within a pixel of rounding.
  const int dpi = qRound(96 * dpr);
  for (const layout::Control& c : layout::kControls) {
    QWidget* w = window.findChild<QWidget*>(QString::fromLatin1(c.name));
    ASSERT_TRUE(w);
    QRect logical(w->mapTo(&window, QPoint(0, 0)), w->size());
    if (c.container == layout::Container::kPicture1) logical.translate(-2, -2);
    const layout::PixelRect expected = layout::ToPixels(c, dpi);
    EXPECT_NEAR(logical.x() * dpr, expected.x, 1.0) << c.name;
    EXPECT_NEAR(logical.y() * dpr, expected.y, 1.0) << c.name;
    EXPECT_NEAR(logical.width() * dpr, expected.width, 1.5) << c.name;
    EXPECT_NEAR(logical.height() * dpr, expected.height, 1.5) << c.name;
  }
  auto at = [&](qreal x, qreal y) { return QColor(image.pixel(qRound(x * dpr), qRound(y * dpr))); };
  // Label1 covers 98..311 x 66..131 (inside Picture1's border); its lower
  // right is cyan, just beyond it the placeholder background shows.
  EXPECT_EQ(at(98 + 205, 66 + 60), QColor(128, 255, 255));
  EXPECT_EQ(at(98 + 2, 66 + 60), QColor(128, 255, 255));
  EXPECT_NE(at(98 + 213 + 3, 66 + 60), QColor(128, 255, 255));
  EXPECT_NE(at(98 - 3, 66 + 60), QColor(128, 255, 255));
}

}  // namespace
}  // namespace discmenu::qt

namespace discmenu::qt {
namespace {

// A click that cannot open its target says why: the file is not there, or
// nothing on the system opens it.
TEST(QtShellTest, TheMessageNamesWhatIsMissing) {
  MenuFolder folder;
  std::ofstream(folder.dir() + "/readme.txt") << "x";
  const std::string path = getenv("PATH");
  setenv("PATH", "/nonexistent", 1);  // no xdg-open anywhere
  const struct {
    const char* name;
    const char* verb;
    const char* why;
  } cases[] = {{"readme.txt", "open", "\": no program is available to open it"},
               {"absent.txt", "find", "\". Make sure the name is right, then try again."}};
  for (const auto& c : cases) {
    QtShell shell;
    const std::string file = folder.dir() + "/" + c.name;
    ASSERT_TRUE(shell.Open(0, file).error.ok());
    QMessageBox* box = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "ShellMessage") box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr) << c.name;
    EXPECT_EQ(box->text().toStdString(), std::string("cannot ") + c.verb + " \"" + file + c.why)
        << c.name;
    delete box;
  }
  setenv("PATH", path.c_str(), 1);
}

// The translations compiled into the program: every language has every
// text, and Traditional Chinese reads as it should.
TEST(QtTextTranslatorTest, EveryLanguageIsInTheProgram) {
  for (Language language :
       {Language::kTraditionalChinese, Language::kSimplifiedChinese, Language::kJapanese,
        Language::kKorean, Language::kGerman, Language::kFrench, Language::kSpanish}) {
    const QtTextTranslator translator(language);
    for (Text text : AllTexts())
      EXPECT_FALSE(translator.Translate(text).empty()) << LanguageCode(language);
  }
  const QtTextTranslator chinese(Language::kTraditionalChinese);
  EXPECT_EQ(presentation::ErrorBoxText(Error::FileNotFound("/m/install.ini"), &chinese),
            "\u57f7\u884c\u968e\u6bb5\u932f\u8aa4 53:\n\n\u627e\u4e0d\u5230\u6a94\u6848\n\n"
            "/m/install.ini");
  EXPECT_TRUE(QtTextTranslator(Language::kEnglish).Translate(Text::kFileNotFound).empty());
}

}  // namespace
}  // namespace discmenu::qt
