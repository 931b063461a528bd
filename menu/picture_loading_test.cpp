#include "menu/picture_loading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "menu/layout.h"
#include "menu/presentation.h"

namespace discmenu {
namespace {

TEST(PartFor, Picture1TakesThePicturesThatFitItWhole) {
  const struct {
    int w, h, ratio;
  } cases[] = {{64, 64, 1}, {640, 480, 1}, {1280, 960, 2}, {128, 128, 2}, {1, 1, 1}};
  for (const auto& c : cases)
    EXPECT_EQ(PartFor(Area::kPicture1, c.w, c.h, c.ratio), (Box{0, 0, c.w, c.h})) << c.w;
}

TEST(PartFor, LargePicturesDecodeTheVisibleTopLeftAndTheMiddle) {
  const struct {
    int w, h, ratio;
  } cases[] = {{8000, 6000, 1}, {8000, 300, 1}, {300, 8000, 1}, {16000, 4000, 2}};
  constexpr layout::PixelRect picture1 = layout::ToPixels(layout::Picture1(), 96);
  constexpr layout::PixelRect button = layout::ToPixels(layout::CommandN(1), 96);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    const std::vector<Box> parts = {PartFor(Area::kPicture1, c.w, c.h, c.ratio),
                                    PartFor(Area::kButton, c.w, c.h, c.ratio)};
    const Box whole{0, 0, c.w, c.h};
    // Picture1 shows the top-left, as large as Picture1 itself.
    EXPECT_FALSE(parts[0].Contains(parts[1]));
    EXPECT_EQ(parts[0].x + parts[0].y, 0);
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

TEST(CheckPictureFile, RefusesWhatCannotBeAPictureBeforeReading) {
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
      {FileKind::kRegular, kMaxPictureFileBytes + 1,
       "error 481: Invalid picture: /m/b.jpg: the file is larger than the 256 MiB a picture file "
       "may take"},
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

// A JPEG's structure around its coded data: start of image, a segment, a
// start of scan, coded data with a stuffed byte and a restart marker.
std::string Jpeg(int scans = 1) {
  std::string jpeg("\xFF\xD8\xFF\xE0\x00\x06JFIF", 10);
  for (int k = 0; k < scans; ++k) {
    jpeg += std::string("\xFF\xDA\x00\x04\x01\x02", 6);
    jpeg += std::string("\x12\xFF\x00\x34\xFF\xD3\x56", 7);
  }
  return jpeg + "\xFF\xD9";
}

// A JPEG coded in one sequential scan of its one component, with `coded`
// bytes of coded data.
std::string SequentialJpeg(size_t coded) {
  return std::string("\xFF\xD8\xFF\xC0\x00\x0B\x08\x00\x10\x00\x10\x01\x01\x11\x00", 15) +
         std::string("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10) + std::string(coded, '\x12') +
         "\xFF\xD9";
}

// A GIF of one 1 x 1 frame with a colour table, a control extension and
// one block of image data, then the trailer.
std::string Gif() {
  return std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13) + std::string(6, '\x7F') +
         std::string("\x21\xF9\x04\x00\x00\x00\x00\x00", 8) +
         std::string("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10) +
         std::string("\x02\x02\x44\x01\x00", 5) + "\x3B";
}

// A 2 x 2 BMP of 24 bits.
std::string Bmp(size_t keep = 70) {
  std::string bmp(70, '\0');
  bmp[0] = 'B', bmp[1] = 'M', bmp[10] = 54, bmp[14] = 40, bmp[18] = 2, bmp[22] = 2, bmp[28] = 24;
  return bmp.substr(0, keep);
}

// A made-up picture file: its bytes, and the size written after a JPEG's or
// another format's first bytes ("<jpeg>3000x2000"). What is asked of it is
// recorded.
class FakeReader : public PictureReader {
 public:
  FakeReader(std::string data, std::vector<std::string>* asked, int decoded_width = 0)
      : data_(std::move(data)), asked_(asked), decoded_width_(decoded_width) {}
  ~FakeReader() override {
    if (asked_) asked_->push_back("closed");
  }
  size_t bytes_read = 0;

  bool ReadAt(uint64_t offset, size_t n, std::string* out) override {
    const std::string bytes = data_.substr(std::min<size_t>(offset, data_.size()), n);
    bytes_read += bytes.size();
    *out += bytes;
    return true;
  }
  uint64_t file_size() const override { return data_.size(); }
  bool Size(int* width, int* height) override {
    const size_t x = data_.rfind('x');
    if (x == std::string::npos || x == 0) return false;
    const size_t at = data_.find_last_not_of("0123456789", x - 1) + 1;
    *width = std::stoi(data_.substr(at, x - at));
    *height = std::stoi(data_.substr(x + 1));
    return true;
  }
  bool Decode(const Box* part, PicturePart* out, std::string* why) override {
    if (data_.find("broken") != std::string::npos) {
      *why = "broken data";
      return false;
    }
    int width = 0, height = 0;
    Size(&width, &height);
    if (!part && decoded_width_) width = decoded_width_;
    out->box = part ? *part : Box{0, 0, width, height};
    asked_->push_back(part ? "part " + std::to_string(part->x) + "," + std::to_string(part->y) +
                                 " " + std::to_string(part->width) + "x" +
                                 std::to_string(part->height)
                           : "whole");
    out->pixels = OwnPixels(std::vector<uint32_t>(out->size(), 0xFF000000u));
    return true;
  }

 private:
  std::string data_;
  std::vector<std::string>* asked_;
  int decoded_width_;
};

TEST(CheckPictureData, CutOffIsWhatEndsBeforeThePictureDoes) {
  const std::string junk(100 * 1024, 'j');  // appended data, with no marker in it
  const std::string sequential = SequentialJpeg(1 << 20);
  const struct {
    const char* name;
    std::string data;
    const char* cut;         // "" when whole
    bool read_whole = true;  // false: the judgement reads a small part only
  } cases[] = {
      {"jpeg", Jpeg(), ""},
      {"progressive jpeg", Jpeg(3), ""},
      {"jpeg padded", Jpeg() + std::string(4096, '\0'), ""},
      {"jpeg with appended data", Jpeg() + junk, ""},
      {"jpeg cut in its coded data", Jpeg().substr(0, 19), "JPEG data ends too early"},
      {"jpeg cut after a stuffed byte", Jpeg().substr(0, 20), "JPEG data ends too early"},
      {"jpeg cut in a segment", Jpeg().substr(0, 8), "JPEG data ends too early"},
      {"jpeg without its end", Jpeg().substr(0, Jpeg().size() - 2), "JPEG data ends too early"},
      {"sequential jpeg", sequential, "", false},
      {"sequential jpeg with appended data", sequential + junk, ""},
      {"sequential jpeg cut in its coded data", sequential.substr(0, 600000),
       "JPEG data ends too early"},
      {"gif", Gif(), ""},
      {"gif with junk after the trailer", Gif() + junk, ""},
      {"gif whose frame ends without a trailer", Gif().substr(0, Gif().size() - 1), ""},
      {"gif cut in its frame", Gif().substr(0, Gif().size() - 3), "GIF data ends too early"},
      {"gif cut in its header", Gif().substr(0, 10), "GIF data ends too early"},
      {"bmp", Bmp(), ""},
      {"bmp with more", Bmp() + junk, ""},
      {"bmp cut in its rows", Bmp(60), "BMP pixel data is cut off"},
      {"bmp cut in its header", Bmp(30), "BMP header is cut off"},
      {"png (its decoder judges)", std::string("\x89PNG\r\n\x1a\n", 8), ""},
  };
  for (const auto& c : cases) {
    FakeReader file(c.data, nullptr);
    const Error e = CheckPictureData("p", file);
    if (*c.cut == '\0') {
      EXPECT_TRUE(e.ok()) << c.name << ": " << e.ToString();
    } else {
      EXPECT_EQ(e.number(), Error::kInvalidPicture) << c.name;
      EXPECT_NE(e.detail().find(c.cut), std::string::npos) << c.name << ": " << e.ToString();
    }
    if (!c.read_whole) {
      EXPECT_LT(file.bytes_read, c.data.size() / 8) << c.name;
    }
  }
}

// Made-up picture files by path.
class FakeFiles : public PictureFiles {
 public:
  std::map<std::string, std::string> files;
  int decoded_width = 0;  // when set, the width a whole decode gives
  std::vector<std::string> asked;

  Error Open(const std::string& shown, const std::string& path,
             std::unique_ptr<PictureReader>* reader) override {
    auto it = files.find(path);
    if (it == files.end()) return Error::FileNotFound(shown);
    asked.push_back("open " + path);
    *reader = std::make_unique<FakeReader>(it->second, &asked, decoded_width);
    return Error();
  }
};

std::string JpegOf(const std::string& size) {
  return Jpeg() + size;
}

Error Load(FakeFiles& files, const std::string& data, PictureRef* picture,
           Area area = Area::kPicture1, bool with_twin = false) {
  files.files["/m/p"] = data;
  files.asked.clear();
  return ReadPicture("p", "/m/p", area, with_twin, files, picture);
}

TEST(ReadPicture, AJpegIsDecodedAsFarAsItsControlShowsItAndClosedAfter) {
  const struct {
    Area area;
    std::vector<std::string> asked;
  } cases[] = {
      {Area::kPicture1, {"open /m/p", "part 0,0 645x485", "closed"}},
      {Area::kButton, {"open /m/p", "part 1464,965 71x69", "closed"}},
  };
  for (const auto& c : cases) {
    FakeFiles files;
    PictureRef picture;
    ASSERT_TRUE(Load(files, JpegOf("3000x2000"), &picture, c.area).ok());
    EXPECT_EQ(files.asked, c.asked);
    EXPECT_EQ(picture->width(), 3000);
    ASSERT_EQ(picture->image().parts.size(), 1u);
    EXPECT_EQ(picture->image().parts[0].box, PartFor(c.area, 3000, 2000, 1));
  }
}

TEST(ReadPicture, OtherFormatsAreDecodedWholeAndKeepTheirControlsPart) {
  FakeFiles files;
  PictureRef picture;
  ASSERT_TRUE(Load(files, "PICT3000x2000", &picture, Area::kButton).ok());
  EXPECT_EQ(files.asked, (std::vector<std::string>{"open /m/p", "whole", "closed"}));
  ASSERT_EQ(picture->image().parts.size(), 1u);
  EXPECT_EQ(picture->image().parts[0].box, PartFor(Area::kButton, 3000, 2000, 1));

  // A small JPEG is decoded whole as well.
  ASSERT_TRUE(Load(files, JpegOf("64x64"), &picture).ok());
  EXPECT_EQ(files.asked[1], "whole");
}

TEST(ReadPicture, ThePictureIsWhatWasDecoded) {
  // Found by fuzzing: a GIF announces its first frame's size and decodes
  // its screen's.
  FakeFiles files;
  files.decoded_width = 3000;
  PictureRef picture;
  ASSERT_TRUE(Load(files, "SCREEN4x4", &picture).ok());
  EXPECT_EQ(picture->width(), 3000);
  EXPECT_EQ(picture->image().parts[0].box, (Box{0, 0, 645, 4}));
}

TEST(ReadPicture, ErrorsNameThePicture) {
  const struct {
    std::string data;
    const char* error;
  } cases[] = {
      {"nothing", "error 481: Invalid picture: p: not a picture file that can be read"},
      {"PICT9000x9000",
       "error 481: Invalid picture: p: the picture is 9000 x 9000 pixels, more than the 64 "
       "megapixels a picture may have"},
      {"broken 10x10",
       "error 481: Invalid picture: p: the picture cannot be decoded (broken data)"},
      {Jpeg().substr(0, 19) + "10x10",
       "error 481: Invalid picture: p: the JPEG data ends too early (the file is cut off)"},
  };
  for (const auto& c : cases) {
    FakeFiles files;
    PictureRef picture;
    EXPECT_EQ(Load(files, c.data, &picture).ToString(), c.error);
    EXPECT_FALSE(picture);
  }
}

TEST(ReadPicture, TakesTheTwinThatFitsAndShowsItOnlyWhereTheScaleWantsIt) {
  const struct {
    std::string twin;  // the twin's bytes; no twin when empty
    int drawn_at_2;
    const char* refused;  // the start of why the twin is not used
    bool with_twin = true;
  } cases[] = {
      {"PICT128x128", 128, ""},
      {"PICT128x128", 64, "", false},  // not asked for: not even opened
      {"", 64, ""},
      {"broken 128x128", 64, "error 481: Invalid picture: /m/p@2x: the picture cannot be"},
      // Only a twin of twice the size, within a pixel, stands for it.
      {"PICT129x127", 129, ""},
      {"PICT1x1", 64, "it is 1 x 1 pixels, not twice the picture's 64 x 64"},
      {"PICT130x128", 64, "it is 130 x 128"},
      {"PICT128x64", 64, "it is 128 x 64"},
  };
  for (const auto& c : cases) {
    FakeFiles files;
    if (!c.twin.empty()) files.files["/m/p@2x"] = c.twin;
    PictureRef picture;
    ASSERT_TRUE(Load(files, "PICT64x64", &picture, Area::kButton, c.with_twin).ok());
    // Every file opened is closed once the picture is loaded.
    EXPECT_EQ(std::count(files.asked.begin(), files.asked.end(), "closed"),
              c.twin.empty() || !c.with_twin ? 1 : 2)
        << c.twin;
    EXPECT_EQ(picture->twin_refused().substr(0, std::strlen(c.refused)), c.refused) << c.twin;
    presentation::ShownPicture shown;
    shown.Set(picture);
    for (const double scale : {1.0, 1.25})
      EXPECT_EQ(shown.ImageFor(scale).width, 64) << c.twin << " at " << scale;
    for (const double scale : {1.5, 2.0})
      EXPECT_EQ(shown.ImageFor(scale).width, c.drawn_at_2) << c.twin << " at " << scale;
  }
}

}  // namespace
}  // namespace discmenu
