// Fuzzes the picture loader: any bytes, written to a file as a menu would
// name it, go through LoadQtPicture on Qt's image readers (offscreen). A
// loaded picture must have a sane size, and drawing its centre (as a button
// does) and its top-left (as the background does) must work.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRect>

#include "platform/qt/qt_picture.h"

namespace {

#define CHECK(cond)                                                        \
  do {                                                                     \
    if (!(cond)) {                                                         \
      std::printf("%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
      std::fflush(stdout);                                                 \
      std::abort();                                                        \
    }                                                                      \
  } while (0)

// The names a menu gives its pictures; the last byte of the input picks one,
// since the extension decides which reader Qt tries first.
const char* const kSuffixes[] = {"", ".jpg", ".png", ".gif", ".bmp", ".ico"};

std::string g_dir;

void RemoveDir() {
  for (const char* suffix : kSuffixes) unlink((g_dir + "/p" + suffix).c_str());
  rmdir(g_dir.c_str());
}

// Qt's readers and the libraries under them are not instrumented: what they
// report (warnings, the error, the decoded size) is fed back to the fuzzer
// as coverage of its own, so that inputs reaching new states in them are
// kept. Digits are left out: they name sizes and offsets, not states.
__attribute__((section("__libfuzzer_extra_counters"), used)) uint8_t g_states[1 << 12];

void Note(std::string_view what, uint32_t salt = 0) {
  uint32_t h = 2166136261u ^ salt;
  for (char c : what)
    if (c < '0' || c > '9') h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
  g_states[h % sizeof g_states] = 1;
}

int Log2(int n) {
  int k = 0;
  while (n > 1) n >>= 1, ++k;
  return k;
}

// Warnings of Qt's readers become states; nothing is printed.
void NoteMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
  Note(message.toStdString(), 1);
}

bool WriteFile(const std::string& path, const uint8_t* data, size_t size) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < size) {
    ssize_t n = write(fd, data + done, size - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  close(fd);
  return done == size;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Qt and its image libraries warn about every broken file.
  qInstallMessageHandler(NoteMessage);
  static QGuiApplication app(*argc, *argv);
  // Memory, not disk: one file per process, rewritten for every input.
  const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  std::string tmpl = std::string(base) + "/discmenu-fuzz-XXXXXX";
  CHECK(mkdtemp(tmpl.data()) != nullptr);
  g_dir = tmpl;
  std::atexit(RemoveDir);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace discmenu;
  const char* suffix = size ? kSuffixes[data[size - 1] % std::size(kSuffixes)] : "";
  const std::string path = g_dir + "/p" + suffix;
  CHECK(WriteFile(path, data, size));

  // Each control's part is loaded whole, and draws.
  QImage canvas(80, 80, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&canvas);
  for (Area area : {Area::kPicture1, Area::kButton}) {
    PictureRef picture;
    Error e = qt::LoadQtPicture(path, "p", area, false, &picture);
    if (!e.ok()) {
      Note(e.detail(), 2);
      CHECK(!picture);
      CHECK(e.number() == Error::kInvalidPicture);
      return 0;
    }
    const Image& image = picture->image();
    const int w = image.width, h = image.height;
    CHECK(w > 0 && h > 0);
    CHECK(static_cast<long long>(w) * h <= kMaxPicturePixels);
    Note(std::string_view(suffix), static_cast<uint32_t>(Log2(w) << 8 | Log2(h)) << 4 | 3);
    const Box want = PartFor(area, w, h, 1);
    bool held = false;
    for (const PicturePart& part : image.parts) {
      CHECK(part.data() != nullptr);
      held = held || part.box.Contains(want);
    }
    Note(held ? "held" : "part not decoded", 4);
    qt::DrawImage(painter, image, QPointF(40 - w / 2, 40 - h / 2), QRect(8, 8, 64, 64));
  }
  return 0;
}
