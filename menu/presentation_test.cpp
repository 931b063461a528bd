#include "menu/presentation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace discmenu::presentation {
namespace {

TEST(TwinPath, PutsTheMarkBeforeTheExtension) {
  const std::vector<std::pair<std::string, std::string>> twins = {
      {"D:\\menu\\back.jpg", "D:\\menu\\back@2x.jpg"},
      {"D:\\menu\\back.tar.png", "D:\\menu\\back.tar@2x.png"},
      {"D:\\menu.d\\back", "D:\\menu.d\\back@2x"},
      {"/media/disc/back", "/media/disc/back@2x"},
      {"back.gif", "back@2x.gif"},
  };
  for (const auto& [path, twin] : twins) EXPECT_EQ(TwinPath(path), twin) << path;
}

TEST(ErrorTexts, NameNumberTextAndDetail) {
  Error e = Error::FileNotFound("D:\\install.ini");
  EXPECT_EQ(ErrorBoxText(e), "Run-time error 53:\n\nFile not found\n\nD:\\install.ini");
  EXPECT_EQ(ErrorLine(e), "discmenu: error 53: File not found: D:\\install.ini");
  EXPECT_EQ(ErrorBoxText(Error::InvalidPicture("x.jpg: the file is empty")),
            "Run-time error 481:\n\nInvalid picture\n\nx.jpg: the file is empty");
  // A folder named with a line end, a value with a NUL: still one line.
  EXPECT_EQ(ErrorLine(Error::FileNotFound(std::string("/m\nx/1\0\r", 8))),
            "discmenu: error 53: File not found: /m\\x0Ax/1\\x00\\x0D");
}

TEST(PictureOnButton, CentresAndMovesWhenPressed) {
  constexpr layout::PixelRect button = layout::ToPixels(layout::CommandN(1), 96);
  static_assert(button.width == 67 && button.height == 65);
  const struct {
    int bw, bh, w, h;
    bool pressed;
    Box want;
  } cases[] = {
      {67, 65, 64, 64, false, {2, 1, 64, 64}},         {67, 65, 64, 64, true, {3, 2, 64, 64}},
      {134, 130, 128, 128, false, {3, 1, 128, 128}},   {100, 98, 96, 96, false, {2, 1, 96, 96}},
      {67, 65, 200, 100, false, {-67, -18, 200, 100}}, {67, 65, 16, 16, false, {26, 25, 16, 16}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PictureOnButton(c.bw, c.bh, c.w, c.h, c.pressed), c.want)
        << c.w << "x" << c.h << " on " << c.bw << "x" << c.bh;
}

TEST(ChooseIconImage, PrefersTheSmallestFrom32OnAndTheLaterOfEqualSizes) {
  const struct {
    std::vector<int> widths;
    int want;
  } cases[] = {
      {{32, 32, 16, 16, 32, 48, 256}, 4},
      {{256, 48, 32, 16}, 2},
      {{16, 24}, 1},
      {{16, 16}, 1},
      {{64, 256}, 0},
      {{}, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseIconImage(c.widths), c.want);
}

TEST(Controls, StackFromTheBackAndTakeTheFocusInTabOrder) {
  std::string stacking;
  for (const layout::Control* c : BackToFront()) stacking += std::string(c->name) + " ";
  EXPECT_EQ(stacking,
            "Picture1 Command1 Command2 Command3 Command4 Command5 Command6 Command7 Command8 "
            "Label1 Label2 Label3 Label4 Label5 Label6 Label7 Label8 ");
  std::string tabs;
  for (const layout::Control* c : TabOrder()) tabs += std::string(c->name) + " ";
  EXPECT_EQ(tabs,
            "Command1 Command2 Command3 Command4 Command5 Command6 Command7 Command8 Picture1 ");
  auto all_but = [](std::vector<int> hidden) {
    return [hidden](const layout::Control& c) {
      return std::find(hidden.begin(), hidden.end(), c.entry) == hidden.end() ||
             c.kind == layout::Kind::kPictureBox;
    };
  };
  EXPECT_EQ(FirstFocus(all_but({})).name, "Command1");
  EXPECT_EQ(FirstFocus(all_but({1, 2})).name, "Command3");
  EXPECT_EQ(FirstFocus(all_but({1, 2, 3, 4, 5, 6, 7, 8})).name, "Picture1");
  EXPECT_EQ(FirstFocus([](const layout::Control&) { return false; }).name, "Picture1");
}

TEST(DecodeOleColor, FixedAndSystemColours) {
  const Color cyan = DecodeOleColor(layout::kLightCyan);
  EXPECT_FALSE(cyan.system);
  EXPECT_EQ((std::vector<int>{cyan.red, cyan.green, cyan.blue}), (std::vector<int>{128, 255, 255}));
  EXPECT_TRUE(DecodeOleColor(layout::kSystemButtonFace).system);
  EXPECT_EQ(DecodeOleColor(layout::kSystemButtonFace).which, SystemColor::kButtonFace);
  EXPECT_EQ(DecodeOleColor(layout::kSystemButtonText).which, SystemColor::kButtonText);
}

}  // namespace
}  // namespace discmenu::presentation
