#include "platform/win32/win32_logic.h"

#include <gtest/gtest.h>

#include "menu/layout.h"

namespace discmenu::win32 {
namespace {

struct PathCase {
  const char* in;
  const char* out;
};

TEST(AppDirectoryOf, KeepsOnlyADriveRootsBackslash) {
  const PathCase cases[] = {
      {"C:\\Program Files\\Menu\\discmenu.exe", "C:\\Program Files\\Menu"},
      {"D:\\discmenu.exe", "D:\\"},
      {"D:\\menu\\discmenu.exe", "D:\\menu"},
      {"\\\\server\\share\\discmenu.exe", "\\\\server\\share"},
      {"\\\\?\\D:\\discmenu.exe", "\\\\?\\D:\\"},
      {"\\\\?\\D:\\deep\\discmenu.exe", "\\\\?\\D:\\deep"},
      {"E:\\\xE4\xB8\xAD\xE6\x96\x87\\discmenu.exe", "E:\\\xE4\xB8\xAD\xE6\x96\x87"},
      {"discmenu.exe", "discmenu.exe"},
  };
  for (const PathCase& c : cases) EXPECT_EQ(AppDirectoryOf(c.in), c.out) << c.in;
}

TEST(TidyVerbatimPath, MakesSeparatorsSingleOnlyInVerbatimPaths) {
  const PathCase cases[] = {
      {"\\\\?\\D:\\\\install.ini", "\\\\?\\D:\\install.ini"},
      {"\\\\?\\D:\\menu\\/back.jpg", "\\\\?\\D:\\menu\\back.jpg"},
      {"D:\\\\install.ini", "D:\\\\install.ini"},
      {"\\\\server\\share\\install.ini", "\\\\server\\share\\install.ini"},
  };
  for (const PathCase& c : cases) EXPECT_EQ(TidyVerbatimPath(c.in), c.out) << c.in;
}

TEST(TwinPath, PutsTheMarkBeforeTheExtension) {
  const PathCase cases[] = {
      {"D:\\menu\\back.jpg", "D:\\menu\\back@2x.jpg"},
      {"D:\\menu\\back.tar.png", "D:\\menu\\back.tar@2x.png"},
      {"D:\\menu.d\\back", "D:\\menu.d\\back@2x"},
      {"D:/menu/back", "D:/menu/back@2x"},
      {"back.gif", "back@2x.gif"},
  };
  for (const PathCase& c : cases) EXPECT_EQ(TwinPath(c.in), c.out) << c.in;
}

TEST(ButtonText, DoublesEveryAmpersand) {
  const PathCase cases[] = {
      {"Install", "Install"},
      {"Tom & Jerry", "Tom && Jerry"},
      {"&Setup&&", "&&Setup&&&&"},
      {"", ""},
  };
  for (const PathCase& c : cases) EXPECT_EQ(ButtonText(c.in), c.out) << c.in;
}

TEST(ErrorTexts, NameNumberTextAndDetail) {
  Error e = Error::FileNotFound("D:\\install.ini");
  EXPECT_EQ(ErrorMessageText(e), "Run-time error 53:\n\nFile not found\n\nD:\\install.ini");
  EXPECT_EQ(ErrorLine(e), "discmenu: error 53: File not found: D:\\install.ini");
  EXPECT_EQ(ErrorMessageText(Error::InvalidPicture("x.jpg: the file is empty")),
            "Run-time error 481:\n\nInvalid picture\n\nx.jpg: the file is empty");
}

TEST(CodePageName, NamesCommonCodePages) {
  const struct {
    unsigned cp;
    const char* name;
  } cases[] = {{1252, "windows-1252"}, {1250, "windows-1250"}, {874, "windows-874"},
               {932, "shift_jis"},     {936, "gbk"},           {950, "big5"},
               {65001, "utf-8"},       {437, "cp437"},         {1259, "cp1259"}};
  for (const auto& c : cases) EXPECT_EQ(CodePageName(c.cp), c.name) << c.cp;
}

TEST(Intersect, GivesTheCommonPartOrAnEmptyBox) {
  EXPECT_EQ(Intersect({0, 0, 10, 10}, {5, 5, 10, 10}), (Box{5, 5, 5, 5}));
  EXPECT_TRUE(Intersect({0, 0, 10, 10}, {10, 0, 5, 5}).empty());
  EXPECT_EQ(Intersect({2, 3, 4, 5}, {0, 0, 100, 100}), (Box{2, 3, 4, 5}));
}

TEST(PartsToDecode, OnePartForPicturesThatFitPicture1) {
  const struct {
    int w, h, ratio;
  } cases[] = {{64, 64, 1}, {640, 480, 1}, {1280, 960, 2}, {128, 128, 2}, {1, 1, 1}};
  for (const auto& c : cases) {
    std::vector<Box> parts = PartsToDecode(c.w, c.h, c.ratio);
    ASSERT_EQ(parts.size(), 1u) << c.w << "x" << c.h;
    EXPECT_EQ(parts[0], (Box{0, 0, c.w, c.h}));
  }
}

TEST(PartsToDecode, LargePicturesDecodeTheVisibleTopLeftAndTheMiddle) {
  const struct {
    int w, h, ratio;
  } cases[] = {{8000, 6000, 1}, {8000, 300, 1}, {300, 8000, 1}, {16000, 4000, 2}};
  constexpr layout::PixelRect picture1 = layout::ToPixels(layout::Picture1(), 96);
  constexpr layout::PixelRect button = layout::ToPixels(layout::CommandN(1), 96);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    std::vector<Box> parts = PartsToDecode(c.w, c.h, c.ratio);
    ASSERT_EQ(parts.size(), 2u);
    const Box whole{0, 0, c.w, c.h};
    // Picture1 shows the top-left, as large as Picture1 itself.
    EXPECT_EQ(parts[0].x, 0);
    EXPECT_EQ(parts[0].y, 0);
    EXPECT_GE(parts[0].width, std::min(c.w, picture1.width * c.ratio));
    EXPECT_GE(parts[0].height, std::min(c.h, picture1.height * c.ratio));
    // A button shows the middle, as large as the button.
    const Box face{c.w / 2 - button.width * c.ratio / 2, c.h / 2 - button.height * c.ratio / 2,
                   button.width * c.ratio, button.height * c.ratio};
    EXPECT_TRUE(parts[1].Contains(Intersect(face, whole)));
    for (const Box& b : parts) EXPECT_TRUE(whole.Contains(b));
    // Never much more than what can be seen.
    EXPECT_LE(static_cast<long long>(parts[0].width) * parts[0].height,
              700LL * 500 * c.ratio * c.ratio);
    EXPECT_LE(static_cast<long long>(parts[1].width) * parts[1].height,
              80LL * 80 * c.ratio * c.ratio);
  }
}

TEST(ScaledLength, FollowsTheDpiAndTheTwinRatio) {
  const struct {
    int px, ratio, dpi, want;
  } cases[] = {{64, 1, 96, 64},  {64, 1, 144, 96},   {64, 1, 120, 80},
               {65, 1, 144, 98}, {128, 2, 192, 128}, {128, 2, 144, 96},
               {128, 2, 96, 64}, {1, 1, 96, 1},      {640, 1, 192, 1280}};
  for (const auto& c : cases)
    EXPECT_EQ(ScaledLength(c.px, c.ratio, c.dpi), c.want)
        << c.px << " ratio " << c.ratio << " at " << c.dpi;
}

TEST(ButtonPictureBox, CentresAndMovesWhenPressed) {
  constexpr layout::PixelRect button = layout::ToPixels(layout::CommandN(1), 96);
  static_assert(button.width == 67 && button.height == 65);
  const struct {
    int bw, bh, w, h, ratio, dpi;
    bool pressed;
    Box want;
  } cases[] = {
      {67, 65, 64, 64, 1, 96, false, {2, 1, 64, 64}},
      {67, 65, 64, 64, 1, 96, true, {3, 2, 64, 64}},
      {67, 65, 128, 128, 2, 96, false, {2, 1, 64, 64}},
      {134, 130, 128, 128, 2, 192, false, {3, 1, 128, 128}},
      {100, 98, 64, 64, 1, 144, false, {2, 1, 96, 96}},
      {67, 65, 200, 100, 1, 96, false, {-67, -18, 200, 100}},
      {67, 65, 16, 16, 1, 96, false, {26, 25, 16, 16}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ButtonPictureBox(c.bw, c.bh, c.w, c.h, c.ratio, c.dpi, c.pressed), c.want)
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

}  // namespace
}  // namespace discmenu::win32
