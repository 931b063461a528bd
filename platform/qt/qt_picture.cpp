#include "platform/qt/qt_picture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "menu/presentation.h"
#include "platform/posix/native_path.h"
#include "platform/qt/jpeg_reader.h"

namespace discmenu::qt {

namespace {

// Image libraries print their own complaints on standard error (libpng
// does); the menu reports one error line of its own, so they are silenced
// while a picture is read.
class QuietStderr {
 public:
  QuietStderr() {
    std::fflush(stderr);
    saved_ = dup(2);
    int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && null >= 0) dup2(null, 2);
    if (null >= 0) close(null);
  }
  ~QuietStderr() {
    if (saved_ < 0) return;
    dup2(saved_, 2);
    close(saved_);
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_;
};

// The format that a file's first bytes announce, for the common ones.
QByteArray SniffFormat(QIODevice& device) {
  const QByteArray head = device.peek(8);
  if (head.startsWith("\x89PNG\r\n\x1a\n")) return "png";
  if (head.startsWith("\xFF\xD8\xFF")) return "jpeg";
  if (head.startsWith("GIF87a") || head.startsWith("GIF89a")) return "gif";
  if (head.startsWith("BM")) return "bmp";
  return QByteArray();
}

FileKind KindOf(const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return FileKind::kDirectory;
  if (!S_ISREG(st.st_mode)) return FileKind::kSpecial;
  return FileKind::kRegular;
}

// The regular file `path` opened for reading: a resource by its name, any
// other by the file system's bytes, which Qt's own names could not always
// hold. A FIFO or device is not opened (`*kind` says what was found), and
// the open never blocks, even if the name changed since it was looked at.
std::unique_ptr<QFile> OpenFile(const std::string& path, FileKind* kind = nullptr,
                                uint64_t* size = nullptr, int* error = nullptr) {
  FileKind found = FileKind::kMissing;
  if (!kind) kind = &found;
  auto file = std::make_unique<QFile>();
  if (path.starts_with(":/")) {
    file->setFileName(QString::fromStdString(path));
    if (!file->open(QIODevice::ReadOnly)) return nullptr;
    *kind = FileKind::kRegular;
    if (size) *size = static_cast<uint64_t>(file->size());
    return file;
  }
  // Names are menu names: other letter case finds a file too (a twin's).
  const std::string native = posix::ResolvePath(path);
  struct stat st;
  if (native.find('\0') != std::string::npos || stat(native.c_str(), &st) != 0) {
    if (error && errno != ENOENT && errno != ENOTDIR) *error = errno;
    return nullptr;
  }
  *kind = KindOf(st);
  if (size) *size = static_cast<uint64_t>(st.st_size);
  if (*kind != FileKind::kRegular) return nullptr;
  const int fd = open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    if (error) *error = errno;
    return nullptr;
  }
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) *kind = FileKind::kSpecial;
  if (*kind != FileKind::kRegular ||
      !file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    close(fd);
    return nullptr;
  }
  return file;
}

}  // namespace

// Qt's image reader on an open picture file, or on a resource's bytes.
class QtPictureFiles::Reader : public PictureReader {
 public:
  Reader(std::unique_ptr<QFile> file, uint64_t size, bool toolkit)
      : file_(std::move(file)), size_(size), toolkit_(toolkit) {
    if (file_->handle() >= 0) {
      device_ = file_.get();
      std::string head;
      jpeg_ = ReadAt(0, 3, &head) && head == "\xFF\xD8\xFF";
    } else {  // a resource: its bytes are in memory already
      memory_ = file_->readAll();
      buffer_.setData(memory_);
      buffer_.open(QIODevice::ReadOnly);
      device_ = &buffer_;
    }
  }

  bool ReadAt(uint64_t offset, size_t n, std::string* out) override {
    if (offset >= size_) return true;
    n = static_cast<size_t>(std::min<uint64_t>(n, size_ - offset));
    if (device_ == &buffer_) {
      out->append(memory_.constData() + offset, n);
      return true;
    }
    const size_t at = out->size();
    out->resize(at + n);
    size_t got = 0;
    while (got < n) {
      const ssize_t r =
          pread(file_->handle(), out->data() + at + got, n - got, static_cast<off_t>(offset + got));
      if (r < 0 && errno == EINTR) continue;
      if (r <= 0) break;
      got += static_cast<size_t>(r);
    }
    out->resize(at + got);
    return got == n;
  }
  uint64_t file_size() const override { return size_; }

  bool Size(int* width, int* height) override {
    if (jpeg_) return JpegSize(file_->handle(), width, height);
    if (!toolkit_ || !Open()) return false;
    QuietStderr quiet;
    const QSize size = reader_.size();
    *width = size.width();
    *height = size.height();
    return true;
  }

  bool Decode(const Box* part, PicturePart* out, std::string* why) override {
    if (jpeg_) {
      const JpegOutcome outcome = DecodeJpeg(file_->handle(), part, out, why);
      if (outcome != JpegOutcome::kNotMine) return outcome == JpegOutcome::kDone;
    }
    if (!toolkit_) return false;
    QuietStderr quiet;
    if (part) reader_.setClipRect(QRect(part->x, part->y, part->width, part->height));
    QImage image;
    if (!Open() || !reader_.read(&image) || image.isNull()) {
      *why = reader_.errorString().toStdString();
      return false;
    }
    // Pixels without alpha are 0xFFRRGGBB already, which is what the menu
    // keeps; others are premultiplied.
    out->opaque = !image.hasAlphaChannel();
    if (image.format() != QImage::Format_RGB32)
      image.convertTo(QImage::Format_ARGB32_Premultiplied);
    out->box = part ? Box{part->x, part->y, image.width(), image.height()}
                    : Box{0, 0, image.width(), image.height()};
    // The image's own buffer becomes the part's: 32-bit rows have no padding.
    auto holder = std::make_shared<const QImage>(std::move(image));
    out->pixels = std::shared_ptr<const uint32_t>(
        holder, reinterpret_cast<const uint32_t*>(holder->constBits()));
    return true;
  }

 private:
  // Sets the image reader up on the first call; whether it takes the file
  // for a picture.
  bool Open() {
    if (opened_) return ok_;
    opened_ = true;
    QuietStderr quiet;
    // The toolkit's own allocation cap (128 MB) would refuse pictures below
    // the menu's limit: allow what 64 megapixels of 32-bit colour take.
    QImageReader::setAllocationLimit(int((kMaxPicturePixels * 4) >> 20) + 1);
    reader_.setAutoTransform(false);
    // A reader that is told the format loads only that format's plugin; one
    // that has to find out loads every image plugin there is.
    const QByteArray format = SniffFormat(*device_);
    reader_.setDevice(device_);
    if (!format.isEmpty()) {
      reader_.setFormat(format);
      reader_.setAutoDetectImageFormat(false);
    }
    ok_ = reader_.canRead();
    if (!ok_) {
      device_->seek(0);
      reader_.setFormat(QByteArray());
      reader_.setAutoDetectImageFormat(true);
      ok_ = reader_.canRead();
    }
    // Of an icon's images, the one the rule picks.
    if (ok_ && reader_.format() == "ico" && reader_.imageCount() > 1) {
      std::vector<int> widths;
      for (int i = 0; i < reader_.imageCount() && i < 64; ++i)
        widths.push_back(reader_.jumpToImage(i) ? reader_.size().width() : 0);
      reader_.jumpToImage(std::max(0, presentation::ChooseIconImage(widths)));
    }
    return ok_;
  }

  std::unique_ptr<QFile> file_;
  uint64_t size_;
  QByteArray memory_;
  QBuffer buffer_;
  QIODevice* device_ = nullptr;
  QImageReader reader_;
  bool toolkit_;
  bool jpeg_ = false;  // decoded by libjpeg-turbo, in parts
  bool opened_ = false, ok_ = false;
};

Error QtPictureFiles::Open(const std::string& shown, const std::string& path,
                           std::unique_ptr<PictureReader>* reader) {
  FileKind kind = FileKind::kMissing;
  uint64_t size = 0;
  int error = 0;
  std::unique_ptr<QFile> file = OpenFile(path, &kind, &size, &error);
  if (error)
    return Error::PathFileAccess(Message(Text::kSystemSays, {shown, std::strerror(error)}));
  if (Error e = CheckPictureFile(shown, kind, size); !e.ok()) return e;
  if (!file) return NotAPicture(shown);
  *reader = std::make_unique<Reader>(std::move(file), size, toolkit_);
  return Error();
}

Error LoadQtPicture(const std::string& native_path, const std::string& shown_path, Area area,
                    bool with_twin, PictureRef* picture, bool toolkit) {
  QtPictureFiles files(toolkit);
  return ReadPicture(shown_path, native_path, area, with_twin, files, picture);
}

PictureRef ResourcePicture(const char* resource, Area area) {
  PictureRef picture;
  if (!LoadQtPicture(resource, resource, area, false, &picture).ok()) return nullptr;
  // A picture carried in the program has no file beside it.
  return std::make_shared<Picture>("", picture->image());
}

QSize LogicalSize(const Image& image) {
  return QSize((image.width + image.ratio / 2) / image.ratio,
               (image.height + image.ratio / 2) / image.ratio);
}

void DrawImage(QPainter& p, const Image& image, QPointF origin, QRect clip) {
  p.save();
  p.setClipRect(clip);
  // Fractional scales smooth the picture; whole ones keep it crisp.
  const qreal scale = p.device()->devicePixelRatioF() / image.ratio;
  p.setRenderHint(QPainter::SmoothPixmapTransform, scale != std::round(scale));
  for (const PicturePart& part : image.parts) {
    // The part's pixels as they are, without a copy.
    QImage pixels(reinterpret_cast<const uchar*>(part.data()), part.box.width, part.box.height,
                  part.box.width * 4,
                  image.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    pixels.setDevicePixelRatio(image.ratio);
    p.drawImage(origin + QPointF(part.box.x, part.box.y) / image.ratio, pixels);
  }
  p.restore();
}

}  // namespace discmenu::qt
