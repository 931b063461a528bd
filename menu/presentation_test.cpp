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

TEST(CheckPictureFile, RefusesWhatCannotBeAPictureBeforeDecoding) {
  const struct {
    FileKind kind;
    uint64_t size;
    const char* error;  // "" for none
  } cases[] = {
      {FileKind::kMissing, 0, "error 53: File not found: /m/b.jpg"},
      {FileKind::kDirectory, 4096,
       "error 481: Invalid picture: /m/b.jpg: is a directory, not a picture file"},
      {FileKind::kSpecial, 0, "error 481: Invalid picture: /m/b.jpg: is not a regular file"},
      {FileKind::kRegular, 0, "error 481: Invalid picture: /m/b.jpg: the file is empty"},
      {FileKind::kRegular, 1, ""},
  };
  for (const auto& c : cases) {
    Error e = CheckPictureFile("/m/b.jpg", c.kind, c.size);
    EXPECT_EQ(e.ok() ? "" : e.ToString(), c.error);
  }
}

TEST(CheckPictureSize, AllowsUpTo64Megapixels) {
  EXPECT_TRUE(CheckPictureSize("p", 8000, 8000).ok());
  EXPECT_EQ(CheckPictureSize("p", 8001, 8000).detail(),
            "p: the picture is 8001 x 8000 pixels, more than the 64 megapixels a picture may "
            "have");
  EXPECT_EQ(CheckPictureSize("p", 0, 10).detail(), "p: the picture has no size");
  EXPECT_FALSE(CheckPictureSize("p", 1LL << 31, 1LL << 31).ok());
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

// Counts the twins it is asked for; has one for every path but "none".
class CountingTwins : public TwinDecoder {
 public:
  bool DecodeTwin(const std::string& path, Image* twin) override {
    asked.push_back(path);
    if (path.find("none") != std::string::npos) return false;
    twin->width = twin->height = 128;
    twin->ratio = 2;
    return true;
  }
  std::vector<std::string> asked;
};

TEST(ShownPicture, TakesTheTwinOnlyWhenTheScaleWantsItAndOnlyWhenSet) {
  Image base;
  base.width = base.height = 64;
  const struct {
    double scale;
    const char* source;
    int drawn_at_scale, drawn_at_1;  // widths of what is drawn
    size_t asked;
  } cases[] = {
      {1.0, "/m/b.png", 64, 64, 0},  {1.25, "/m/b.png", 64, 64, 0},   {1.5, "/m/b.png", 128, 64, 1},
      {2.0, "/m/b.png", 128, 64, 1}, {2.0, "/m/none.png", 64, 64, 1}, {2.0, "", 64, 64, 0},
  };
  for (const auto& c : cases) {
    CountingTwins twins;
    ShownPicture shown;
    shown.Set(std::make_shared<Picture>(c.source, base), c.scale, twins);
    EXPECT_EQ(shown.ImageFor(c.scale).width, c.drawn_at_scale) << c.scale << " " << c.source;
    EXPECT_EQ(shown.ImageFor(1.0).width, c.drawn_at_1) << c.scale;
    // Drawing at another scale later decodes nothing.
    EXPECT_EQ(shown.ImageFor(2.0).width, c.drawn_at_scale == 128 ? 128 : 64);
    EXPECT_EQ(twins.asked.size(), c.asked) << c.scale << " " << c.source;
    if (c.asked) {
      EXPECT_EQ(twins.asked[0], TwinPath(c.source));
    }
  }
}

}  // namespace
}  // namespace discmenu::presentation
