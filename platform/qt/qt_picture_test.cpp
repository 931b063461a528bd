#include "platform/qt/qt_picture.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImage>
#include <QImageWriter>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "menu/presentation.h"
#include "platform/qt/form1_window.h"
#include "platform/qt/qt_services.h"

namespace discmenu::qt {
namespace {

const QColor kRed(255, 0, 0);

class PictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/discmenu-picture-XXXXXX";
    dir_ = mkdtemp(tmpl);
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  std::string Path(const std::string& name) { return dir_ + "/" + name; }
  // Loads `name` from the folder, naming it `name` in errors.
  Error Load(const std::string& name, Image* image = nullptr) {
    PictureRef picture;
    Error e = LoadQtPicture(Path(name), name, Area::kPicture1, false, &picture);
    if (e.ok() && image) *image = picture->image();
    return e;
  }
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
    Image image;
    Error e = Load(name, &image);
    ASSERT_TRUE(e.ok()) << format << ": " << e.ToString();
    EXPECT_EQ(image.width, c.size) << format;
    EXPECT_EQ(image.height, c.size) << format;
    ASSERT_EQ(image.parts.size(), 1u) << format;
    EXPECT_EQ(image.parts[0].size(), size_t(c.size * c.size)) << format;
    const uint32_t px = image.parts[0].data()[0];  // red (within JPEG's loss), opaque
    EXPECT_TRUE(qAlpha(px) == 255 && qRed(px) > 240 && qGreen(px) < 16) << format << " " << px;
    EXPECT_TRUE(image.opaque) << format;
  }
  // The content decides, not the extension.
  Save("really-a-png.jpg", {8, 8}, "png");
  EXPECT_TRUE(Load("really-a-png.jpg").ok());
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
  for (const Case& c : cases) EXPECT_EQ(Load(c.name).ToString(), c.message);
  EXPECT_EQ(Load("truncated.png").number(), Error::kInvalidPicture);
}

// Damaged files of every format: each is an error, never half a picture;
// a whole picture with more after it is a picture.
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

    // Data after a whole picture is no damage: padding, or a phone's
    // appended data with no end marker in it.
    std::string padded = std::string("padded.") + format;
    std::ofstream(Path(padded), std::ios::binary)
        << bytes + std::string(1000, '\0') + std::string(100 * 1024, 'x');

    for (const std::string& name : {whole, padded}) {
      Error e = Load(name);
      EXPECT_TRUE(e.ok()) << e.ToString();
    }
    for (const std::string& name : {cut, bad}) {
      Error e = Load(name);
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
  EXPECT_EQ(Load("huge.png").ToString(),
            "error 481: Invalid picture: huge.png: the picture is 20000 x 20000 pixels, more "
            "than the 64 megapixels a picture may have");
}

TEST_F(PictureTest, LargeJpegKeepsOnlyWhatControlsCanShow) {
  // Red with a blue middle: the top-left part is red, the button's part blue.
  QImage big(3000, 2000, QImage::Format_RGB32);
  big.fill(kRed);
  for (int y = 950; y < 1050; ++y)
    for (int x = 1450; x < 1550; ++x) big.setPixel(x, y, qRgb(0, 0, 255));
  ASSERT_TRUE(big.save(QString::fromStdString(Path("big.jpg")), "jpg", 95));
  // Each control's picture keeps what that control shows.
  PictureRef picture, for_button;
  ASSERT_TRUE(LoadQtPicture(Path("big.jpg"), "big.jpg", Area::kPicture1, false, &picture).ok());
  ASSERT_TRUE(LoadQtPicture(Path("big.jpg"), "big.jpg", Area::kButton, false, &for_button).ok());
  const Image& image = picture->image();
  EXPECT_EQ(image.width, 3000);
  ASSERT_EQ(image.parts.size(), 1u);
  EXPECT_EQ(image.parts[0].box, PartFor(Area::kPicture1, 3000, 2000, 1));
  const Image* button = &for_button->image();
  ASSERT_EQ(button->parts.size(), 1u);
  auto near = [](uint32_t px, QColor c) {
    return std::abs(qRed(px) - c.red()) < 24 && std::abs(qGreen(px) - c.green()) < 24 &&
           std::abs(qBlue(px) - c.blue()) < 24;
  };
  EXPECT_TRUE(near(image.parts[0].data()[0], kRed));
  const PicturePart& middle = button->parts[0];
  EXPECT_EQ(middle.box, PartFor(Area::kButton, 3000, 2000, 1));
  EXPECT_TRUE(near(middle.data()[middle.size() / 2 + middle.box.width / 2], Qt::blue));
}

TEST_F(PictureTest, SizeIsTheSizeDecoded) {
  // Found by fuzz_picture: the toolkit announces the first frame's size
  // (4 x 4) for a GIF whose screen is much wider (3000 x 10), then decodes
  // the whole screen; the picture was placed by the smaller size.
  std::string gif(reinterpret_cast<const char*>(kGif), sizeof kGif);
  gif[6] = static_cast<char>(3000 & 0xFF), gif[7] = static_cast<char>(3000 >> 8);  // width
  gif[8] = 10;                                                                     // height
  std::ofstream(Path("wide.gif"), std::ios::binary) << gif;
  Image image;
  ASSERT_TRUE(Load("wide.gif", &image).ok());
  EXPECT_EQ(image.width, 3000);
  EXPECT_EQ(image.height, 10);
  ASSERT_FALSE(image.parts.empty());
  EXPECT_EQ(image.parts[0].box, (Box{0, 0, 645, 10}));
}

// Run again by ctest at 125 % and 200 %: the window shows the twin from
// 150 % on, and the picture in the file's own size on screen.
TEST_F(PictureTest, TwinIsUsedOnDenseScreens) {
  Save("back.png", {640, 480}, "png", Qt::red);
  Save("back@2x.png", {1280, 960}, "png", Qt::blue);
  QtRuntime runtime;
  Form1Window window;
  PictureRef picture;
  ASSERT_TRUE(runtime
                  .LoadPicture(Path("back.png"), Area::kPicture1,
                               presentation::WantsTwin(window.scale()), &picture)
                  .ok());
  window.SetPicture1Picture(picture);
  const qreal dpr = window.devicePixelRatioF();
  const QImage shot = window.grab().toImage();
  const QColor want = presentation::WantsTwin(dpr) ? QColor(Qt::blue) : QColor(Qt::red);
  EXPECT_EQ(QColor(shot.pixel(qRound(300 * dpr), qRound(300 * dpr))), want) << dpr;
  // A twin makes the picture no larger: 640 logical pixels wide either way.
  EXPECT_EQ(QColor(shot.pixel(qRound(635 * dpr), qRound(100 * dpr))), want) << dpr;
}

// Bytes this process has read so far.
long long BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  long long value = 0;
  while (io >> key >> value)
    if (key == "rchar:") return value;
  return -1;
}

// A twin is refused as its picture would be, without blocking or reading a
// byte more than it needs; the picture is then drawn, scaled.
TEST_F(PictureTest, TwinThatFailsTheChecksIsNotUsed) {
  const struct {
    const char* name;
    std::function<void(const std::string&)> make;
  } cases[] = {
      {"FIFO", [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0644), 0); }},
      {"20 GB sparse",
       [](const std::string& path) {
         std::ofstream(path, std::ios::binary) << "\xFF\xD8\xFF\xE0";
         std::filesystem::resize_file(path, 20LL << 30);
       }},
      {"1 x 1",
       [this](const std::string&) {
         Save("b@2x.jpg", {1, 1}, "jpg");
       }},
      {"directory", [](const std::string& path) { std::filesystem::create_directory(path); }},
  };
  Save("b.jpg", {48, 48}, "jpg");
  for (const auto& c : cases) {
    std::filesystem::remove_all(Path("b@2x.jpg"));
    c.make(Path("b@2x.jpg"));
    // Should the open block after all, a writer comes after ten seconds
    // and the test fails instead of hanging.
    std::atomic<bool> done = false, rescued = false;
    std::thread rescuer([&] {
      for (int k = 0; k < 1000 && !done; ++k)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      if (done) return;
      rescued = true;
      const int fd = open(Path("b@2x.jpg").c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) close(fd);
    });
    PictureRef picture;
    const long long before = BytesRead();
    ASSERT_TRUE(LoadQtPicture(Path("b.jpg"), "b.jpg", Area::kButton, true, &picture).ok());
    const long long read = BytesRead() - before;
    presentation::ShownPicture shown;
    shown.Set(picture);
    done = true;
    rescuer.join();
    EXPECT_FALSE(rescued) << c.name;
    EXPECT_EQ(shown.ImageFor(2.0).ratio, 1) << c.name;
    EXPECT_EQ(shown.ImageFor(2.0).width, 48) << c.name;
    EXPECT_LT(read, 1 << 20) << c.name;
  }
}

// What was decoded early is taken only as it would be loaded now: the same
// control, no twin, the file unchanged; the toolkit's formats wait for it.
TEST_F(PictureTest, PreloadedPicturesAreTakenOnlyWhenNothingChanged) {
  const struct {
    const char* name;
    const char* file;
    Area area;
    bool with_twin;
    bool replace;
    bool taken;
  } cases[] = {
      {"unchanged", "a.jpg", Area::kButton, false, false, true},
      {"another control", "a.jpg", Area::kPicture1, false, false, false},
      {"with its twin", "a.jpg", Area::kButton, true, false, false},
      {"file replaced", "a.jpg", Area::kButton, false, true, false},
      {"not a JPEG", "a.png", Area::kButton, false, false, false},
  };
  for (const auto& c : cases) {
    Save(c.file, {1000, 1000}, std::string(c.file).ends_with("jpg") ? "jpg" : "png");
    QtRuntime runtime;
    runtime.Preload({{Path(c.file), Area::kButton}});
    if (c.replace) {
      std::filesystem::remove(Path(c.file));
      Save(c.file, {1000, 1000}, "jpg", Qt::blue);
    }
    // A preloaded picture is taken without reading the file.
    PictureRef picture;
    const long long before = BytesRead();
    ASSERT_TRUE(runtime.LoadPicture(Path(c.file), c.area, c.with_twin, &picture).ok()) << c.name;
    const auto size = static_cast<long long>(std::filesystem::file_size(Path(c.file)));
    EXPECT_EQ(BytesRead() - before < size / 4, c.taken) << c.name;
    const uint32_t pixel = picture->image().parts[0].data()[0];
    EXPECT_EQ(qBlue(pixel) > 200, c.replace) << c.name;
  }
}

}  // namespace
}  // namespace discmenu::qt
