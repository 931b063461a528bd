#include "menu/layout.h"

#include <gtest/gtest.h>

namespace discmenu::layout {
namespace {

TEST(LayoutTest, ControlsMatchTheDesignInTwips) {
  struct Row {
    std::string_view name;
    int left, top, width, height, tab;
  } rows[] = {
      {"Command1", 360, 960, 1000, 970, 0},   {"Command2", 360, 2160, 1000, 970, 1},
      {"Command3", 360, 3360, 1000, 970, 2},  {"Command4", 360, 4560, 1000, 970, 3},
      {"Command5", 4800, 960, 1000, 970, 4},  {"Command6", 4800, 2160, 1000, 970, 5},
      {"Command7", 4800, 3360, 1000, 970, 6}, {"Command8", 4800, 4560, 1000, 970, 7},
      {"Picture1", 0, 0, 9615, 7215, 8},      {"Label1", 1440, 960, 3200, 975, 9},
      {"Label2", 1440, 2160, 3200, 975, 10},  {"Label3", 1440, 3360, 3200, 975, 11},
      {"Label4", 1440, 4560, 3200, 975, 12},  {"Label5", 5880, 960, 3200, 975, 13},
      {"Label6", 5880, 2160, 3200, 975, 14},  {"Label7", 5880, 3360, 3200, 975, 15},
      {"Label8", 5880, 4560, 3200, 975, 16},
  };
  ASSERT_EQ(std::size(rows), kControls.size());
  for (size_t i = 0; i < kControls.size(); ++i) {
    const Control& c = kControls[i];
    const Row& r = rows[i];
    EXPECT_EQ(c.name, r.name);
    EXPECT_EQ(c.left, r.left) << r.name;
    EXPECT_EQ(c.top, r.top) << r.name;
    EXPECT_EQ(c.width, r.width) << r.name;
    EXPECT_EQ(c.height, r.height) << r.name;
    EXPECT_EQ(c.tab_index, r.tab) << r.name;
  }
  EXPECT_EQ(Picture1().container, Container::kForm1);
  EXPECT_EQ(LabelN(3).container, Container::kPicture1);
  // Command8 is frontmost among the buttons, Picture1 behind them all.
  EXPECT_EQ(CommandN(8).front_to_back, 0);
  EXPECT_EQ(CommandN(1).front_to_back, 7);
  EXPECT_EQ(Picture1().front_to_back, 8);
}

TEST(LayoutTest, PixelsAtCommonScales) {
  struct Case {
    int dpi;
    std::string_view name;
    PixelRect expected;
  } cases[] = {
      {96, "Command1", {24, 64, 67, 65}},  {96, "Command8", {320, 304, 67, 65}},
      {96, "Picture1", {0, 0, 641, 481}},  {96, "Label1", {96, 64, 213, 65}},
      {96, "Label8", {392, 304, 213, 65}}, {120, "Command1", {30, 80, 83, 81}},
      {120, "Label5", {490, 80, 267, 81}}, {192, "Command6", {640, 288, 133, 129}},
  };
  for (const Case& c : cases) {
    for (const Control& control : kControls) {
      if (control.name == c.name) {
        EXPECT_EQ(ToPixels(control, c.dpi), c.expected) << c.name;
      }
    }
  }
  EXPECT_EQ(TwipsToPixels(kForm.client_width, 96), 640);
  EXPECT_EQ(TwipsToPixels(kForm.client_height, 96), 478);
  EXPECT_EQ(TwipsToPixels(kForm.client_width, 120), 800);
  EXPECT_EQ(PointsToPixels(9, 96), 12);
  EXPECT_EQ(PointsToPixels(9, 120), 15);
}

TEST(LayoutTest, ButtonsAndLabelsNeverOverlap) {
  for (int a = 1; a <= 8; ++a) {
    for (int b = 1; b <= 8; ++b) {
      // A label's twips are inside Picture1's 2-pixel (30-twip) border.
      const Control& cmd = CommandN(a);
      const Control& lbl = LabelN(b);
      int lbl_left = lbl.left + 30, lbl_top = lbl.top + 30;
      bool overlap = cmd.left < lbl_left + lbl.width && lbl_left < cmd.left + cmd.width &&
                     cmd.top < lbl_top + lbl.height && lbl_top < cmd.top + cmd.height;
      EXPECT_FALSE(overlap) << "Command" << a << " Label" << b;
    }
  }
}

}  // namespace
}  // namespace discmenu::layout
