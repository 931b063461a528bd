#include "platform/qt/qt_picture.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <QImage>
#include <QImageWriter>
#include <fstream>

namespace discmenu::qt {
namespace {

class PictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/discmenu-picture-XXXXXX";
    dir_ = mkdtemp(tmpl);
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  std::string Path(const std::string& name) { return dir_ + "/" + name; }
  void Save(const std::string& name, QSize size, const char* format, QColor color = Qt::red) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    ASSERT_TRUE(image.save(QString::fromStdString(Path(name)), format)) << name;
  }
  std::string dir_;
};

// A 4 x 4 red GIF: the toolkit reads GIF but does not write it.
const unsigned char kGif[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x04, 0x00, 0xf0, 0x00, 0x00, 0xff, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
    0x00, 0x00, 0x04, 0x00, 0x04, 0x00, 0x00, 0x02, 0x04, 0x84, 0x8f, 0x09, 0x05, 0x00, 0x3b};

uint32_t Crc32(const std::string& bytes) {
  uint32_t crc = 0xFFFFFFFF;
  for (unsigned char b : bytes) {
    crc ^= b;
    for (int k = 0; k < 8; ++k) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
  }
  return ~crc;
}

TEST_F(PictureTest, FormatsTheToolkitReads) {
  std::ofstream(Path("p.gif"), std::ios::binary)
      .write(reinterpret_cast<const char*>(kGif), sizeof kGif);
  struct Case {
    const char* format;
    int size;
  } cases[] = {{"jpg", 32}, {"png", 32}, {"bmp", 32}, {"gif", 4}, {"ico", 32}};
  for (const Case& c : cases) {
    const char* format = c.format;
    std::string name = std::string("p.") + format;
    if (c.size == 32) Save(name, {32, 32}, format);
    PictureRef picture;
    Error e = LoadQtPicture(Path(name), name, 1.0, &picture);
    ASSERT_TRUE(e.ok()) << format << ": " << e.ToString();
    EXPECT_EQ(picture->width(), c.size) << format;
    EXPECT_EQ(picture->height(), c.size) << format;
  }
  // The content decides, not the extension.
  Save("really-a-png.jpg", {8, 8}, "png");
  PictureRef picture;
  EXPECT_TRUE(LoadQtPicture(Path("really-a-png.jpg"), "x", 1.0, &picture).ok());
}

TEST_F(PictureTest, BadFilesAreErrorsNamingThePath) {
  std::ofstream(Path("empty.jpg"));
  std::ofstream(Path("text.jpg")) << "this is not a picture";
  mkfifo(Path("fifo.jpg").c_str(), 0644);
  Save("whole.png", {64, 64}, "png");
  {
    std::ifstream in(Path("whole.png"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::ofstream(Path("truncated.png"), std::ios::binary) << bytes.substr(0, bytes.size() / 3);
  }
  struct Case {
    std::string name;
    std::string message;
  } cases[] = {
      {"missing.jpg", "error 53: File not found: missing.jpg"},
      {"", "error 481: Invalid picture: : is a directory, not a picture file"},
      {"empty.jpg", "error 481: Invalid picture: empty.jpg: the file is empty"},
      {"fifo.jpg", "error 481: Invalid picture: fifo.jpg: is not a regular file"},
      {"text.jpg", "error 481: Invalid picture: text.jpg: not a picture file that can be read"},
  };
  for (const Case& c : cases) {
    PictureRef picture;
    EXPECT_EQ(LoadQtPicture(Path(c.name), c.name, 1.0, &picture).ToString(), c.message);
    EXPECT_FALSE(picture);
  }
  PictureRef picture;
  EXPECT_EQ(LoadQtPicture(Path("truncated.png"), "t", 1.0, &picture).number(),
            Error::kInvalidPicture);
}

// Damaged files of every format: each is an error, never half a picture.
TEST_F(PictureTest, DamagedFilesAreErrors) {
  std::ofstream(Path("whole.gif"), std::ios::binary)
      .write(reinterpret_cast<const char*>(kGif), sizeof kGif);
  const char* formats[] = {"jpg", "png", "bmp", "gif"};
  for (const char* format : formats) {
    std::string whole = std::string("whole.") + format;
    if (std::string(format) != "gif") {
      QImage image(120, 90, QImage::Format_RGB32);
      for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x) image.setPixel(x, y, qRgb(x * 2, y * 2, (x * y) % 256));
      ASSERT_TRUE(image.save(QString::fromStdString(Path(whole)), format));
    }
    std::ifstream in(Path(whole), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    // Cut off after the header: the picture data is incomplete.
    std::string cut = std::string("cut.") + format;
    std::ofstream(Path(cut), std::ios::binary) << bytes.substr(0, bytes.size() * 2 / 3);
    // Garbage in place of the picture data, header intact.
    std::string bad = std::string("bad.") + format;
    std::string garbled = bytes;
    const size_t header = std::string(format) == "bmp" ? 14 : 40;  // BMP: the info header
    for (size_t i = std::min<size_t>(header, bytes.size() / 2); i < garbled.size(); ++i)
      garbled[i] = static_cast<char>(0xFF ^ (i * 7));
    std::ofstream(Path(bad), std::ios::binary) << garbled;

    PictureRef picture;
    EXPECT_TRUE(LoadQtPicture(Path(whole), whole, 1.0, &picture).ok()) << whole;
    for (const std::string& name : {cut, bad}) {
      Error e = LoadQtPicture(Path(name), name, 1.0, &picture);
      EXPECT_EQ(e.number(), Error::kInvalidPicture) << name << " " << e.ToString();
      EXPECT_TRUE(e.detail().starts_with(name + ": ")) << e.ToString();
    }
  }
}

TEST_F(PictureTest, HugePicturesAreRefusedBeforeDecoding) {
  // A PNG whose header announces 20000 x 20000 pixels; its data is tiny.
  QImage image(20000, 1, QImage::Format_Mono);
  image.fill(0);
  ASSERT_TRUE(image.save(QString::fromStdString(Path("wide.png")), "PNG"));
  std::string bytes;
  {
    std::ifstream in(Path("wide.png"), std::ios::binary);
    bytes.assign((std::istreambuf_iterator<char>(in)), {});
  }
  // The height is at byte 20, in the IHDR chunk (type and data at 12-28,
  // its CRC at 29-32). Nothing after the header is ever decoded.
  bytes[20] = 0, bytes[21] = 0, bytes[22] = 0x4E, bytes[23] = 0x20;
  uint32_t crc = Crc32(bytes.substr(12, 17));
  for (int k = 0; k < 4; ++k) bytes[29 + k] = static_cast<char>(crc >> (24 - 8 * k));
  std::ofstream(Path("huge.png"), std::ios::binary) << bytes;
  PictureRef picture;
  EXPECT_EQ(LoadQtPicture(Path("huge.png"), "huge.png", 1.0, &picture).ToString(),
            "error 481: Invalid picture: huge.png: the picture is 20000 x 20000 pixels, more "
            "than the 64 megapixels a picture may have");
}

TEST_F(PictureTest, LargeJpegIsDecodedOnlyAsFarAsItCanBeSeen) {
  Save("big.jpg", {3000, 2000}, "jpg");
  PictureRef picture;
  ASSERT_TRUE(LoadQtPicture(Path("big.jpg"), "big.jpg", 1.0, &picture).ok());
  auto* q = dynamic_cast<const QtPicture*>(picture.get());
  EXPECT_EQ(q->width(), 3000);
  QRect where;
  QPixmap part = q->Part(QRect(0, 0, 100, 100), &where);
  EXPECT_EQ(where.topLeft(), QPoint(0, 0));
  EXPECT_LE(part.width(), 700);  // about Picture1's inner width
  // Elsewhere (the centre, on a button) it is decoded on demand.
  part = q->Part(QRect(1468, 968, 64, 64), &where);
  EXPECT_EQ(where, QRect(1468, 968, 64, 64));
  EXPECT_EQ(part.size(), QSize(64, 64));
}

TEST_F(PictureTest, SizeIsTheSizeDecoded) {
  // Found by fuzz_picture: the toolkit announces the first frame's size
  // (4 x 4) for a GIF whose screen is much wider (3000 x 10), then decodes
  // the whole screen; the picture was placed by the smaller size.
  std::string gif(reinterpret_cast<const char*>(kGif), sizeof kGif);
  gif[6] = static_cast<char>(3000 & 0xFF), gif[7] = static_cast<char>(3000 >> 8);  // width
  gif[8] = 10;                                                                     // height
  std::ofstream(Path("wide.gif"), std::ios::binary) << gif;
  PictureRef picture;
  ASSERT_TRUE(LoadQtPicture(Path("wide.gif"), "wide.gif", 1.0, &picture).ok());
  auto* q = dynamic_cast<const QtPicture*>(picture.get());
  QRect where;
  QPixmap part = q->Part(QRect(0, 0, q->width(), q->height()), &where);
  EXPECT_EQ(QSize(q->width(), q->height()), part.size());
  EXPECT_EQ(where, QRect(QPoint(0, 0), part.size()));
  EXPECT_EQ(q->width(), 3000);
}

TEST_F(PictureTest, TwinIsUsedOnDenseScreens) {
  Save("back.png", {10, 10}, "png", Qt::red);
  Save("back@2x.png", {20, 20}, "png", Qt::blue);
  EXPECT_EQ(TwinPath("/a/back.png"), "/a/back@2x.png");
  EXPECT_EQ(TwinPath("/a.b/back"), "/a.b/back@2x");
  struct Case {
    qreal ratio;
    int width;
  } cases[] = {{1.0, 10}, {1.25, 10}, {1.5, 20}, {2.0, 20}};
  for (const Case& c : cases) {
    PictureRef picture;
    ASSERT_TRUE(LoadQtPicture(Path("back.png"), "back.png", c.ratio, &picture).ok());
    auto* q = dynamic_cast<const QtPicture*>(picture.get());
    EXPECT_EQ(q->width(), c.width) << c.ratio;
    EXPECT_EQ(q->logical_size(), QSizeF(10, 10)) << c.ratio;
  }
}

}  // namespace
}  // namespace discmenu::qt
