#include "platform/qt/qt_picture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>

#include "menu/layout.h"
#include "platform/posix/native_path.h"

namespace discmenu::qt {

namespace {

QString ToQString(const std::string& s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

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

// The format that the file's first bytes announce, for the common ones.
QByteArray SniffFormat(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray();
  const QByteArray head = file.read(8);
  if (head.startsWith("\x89PNG\r\n\x1a\n")) return "png";
  if (head.startsWith("\xFF\xD8\xFF")) return "jpeg";
  if (head.startsWith("GIF87a") || head.startsWith("GIF89a")) return "gif";
  if (head.startsWith("BM")) return "bmp";
  return QByteArray();
}

// Reads `clip` (or the whole picture when empty) from `path`.
bool Decode(const QString& path, const QByteArray& format, QRect clip, QImage* image,
            QString* why) {
  QuietStderr quiet;
  // The toolkit's own allocation cap (128 MB) would refuse pictures below
  // the menu's limit: allow what 64 megapixels of 32-bit colour take.
  QImageReader::setAllocationLimit(int((kMaxPicturePixels * 4) >> 20) + 1);
  QImageReader reader(path, format);
  reader.setAutoDetectImageFormat(false);
  reader.setAutoTransform(false);
  if (!clip.isEmpty()) reader.setClipRect(clip);
  if (!reader.read(image)) {
    *why = reader.errorString();
    return false;
  }
  return true;
}

uint32_t LittleEndian(const QByteArray& b, int at, int size) {
  uint32_t v = 0;
  for (int k = size - 1; k >= 0; --k) v = v << 8 | static_cast<uint8_t>(b[at + k]);
  return v;
}

// Some readers decode a cut-off file without complaint, filling the missing
// part with grey or black: check that the file is whole. Returns "" when it
// is, or what is wrong.
std::string Incomplete(const QString& path, const QByteArray& format, qint64 file_size) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "cannot be read";
  if (format == "jpeg" || format == "jpg") {
    // A JPEG ends with its end-of-image marker, after the last scan. Both
    // markers cannot occur inside the coded data, so the tail tells.
    constexpr qint64 kTail = 64 * 1024;
    file.seek(std::max<qint64>(0, file_size - kTail));
    QByteArray tail = file.read(kTail);
    qsizetype end = tail.lastIndexOf(QByteArray("\xFF\xD9", 2));
    qsizetype scan = tail.lastIndexOf(QByteArray("\xFF\xDA", 2));
    if (end < 0 || scan > end) return "the JPEG data ends too early (the file is cut off)";
  } else if (format == "gif") {
    // A GIF ends with its trailer byte; padding after it is tolerated.
    constexpr qint64 kTail = 256;
    file.seek(std::max<qint64>(0, file_size - kTail));
    QByteArray tail = file.read(kTail);
    while (!tail.isEmpty() && (tail.back() == '\0' || tail.back() == '\n' || tail.back() == '\r'))
      tail.chop(1);
    if (tail.isEmpty() || tail.back() != '\x3B')
      return "the GIF data ends too early (the file is cut off)";
  } else if (format == "bmp") {
    QByteArray header = file.read(54);
    if (header.size() < 54) return "the BMP header is cut off";
    const uint32_t offset = LittleEndian(header, 10, 4);
    const int64_t width = static_cast<int32_t>(LittleEndian(header, 18, 4));
    const int64_t height = static_cast<int32_t>(LittleEndian(header, 22, 4));
    const int64_t bits = LittleEndian(header, 28, 2);
    const uint32_t compression = LittleEndian(header, 30, 4);
    if (compression == 0 || compression == 3) {  // uncompressed rows
      const int64_t row = (std::abs(width) * bits + 31) / 32 * 4;
      if (file_size < int64_t(offset) + row * std::abs(height))
        return "the BMP pixel data is cut off";
    }
  }
  return "";
}

Error Load(const std::string& native_path, const std::string& shown_path, qreal ratio,
           PictureRef* picture) {
  struct stat st;
  if (stat(native_path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return Error::FileNotFound(shown_path);
    return Error::PathFileAccess(shown_path + ": " + std::strerror(errno));
  }
  if (S_ISDIR(st.st_mode))
    return Error::InvalidPicture(shown_path + ": is a directory, not a picture file");
  if (!S_ISREG(st.st_mode)) return Error::InvalidPicture(shown_path + ": is not a regular file");
  if (st.st_size == 0) return Error::InvalidPicture(shown_path + ": the file is empty");

  const QString path = ToQString(native_path);
  QuietStderr quiet;
  // A reader that is told the format loads only that format's plugin; one
  // that has to find out loads every image plugin there is.
  const QByteArray sniffed = SniffFormat(path);
  std::unique_ptr<QImageReader> known;
  if (!sniffed.isEmpty()) {
    known = std::make_unique<QImageReader>(path, sniffed);
    known->setAutoDetectImageFormat(false);
    if (!known->canRead()) known.reset();
  }
  QImageReader guessed;
  if (!known) {
    guessed.setFileName(path);
    if (!guessed.canRead())
      return Error::InvalidPicture(shown_path + ": not a picture file that can be read");
  }
  QImageReader& probe = known ? *known : guessed;
  const QByteArray format = probe.format();
  const QSize size = probe.size();
  if (!size.isValid() || size.isEmpty())
    return Error::InvalidPicture(shown_path + ": the picture has no size");

  // Even a decoder that reads only a part may hold the whole picture's
  // data (a progressive JPEG does): refuse absurd sizes before decoding.
  const qint64 pixels = qint64(size.width()) * size.height();
  if (pixels > kMaxPicturePixels) {
    return Error::InvalidPicture(shown_path + ": the picture is " + std::to_string(size.width()) +
                                 " x " + std::to_string(size.height()) +
                                 " pixels, more than the 64 megapixels a picture may have");
  }
  // A picture bigger than Picture1 is cut off there; where the reader can
  // decode a part, decode no more than can ever be seen.
  const QSize visible = (QSizeF(VisibleBackgroundSize()) * ratio).toSize();
  const bool partial = probe.supportsOption(QImageIOHandler::ClipRect) &&
                       (size.width() > visible.width() || size.height() > visible.height());
  QRect region(QPoint(0, 0), partial ? size.boundedTo(visible) : size);
  QImage image;
  QString why;
  if (std::string why_cut = Incomplete(path, format, st.st_size); !why_cut.empty())
    return Error::InvalidPicture(shown_path + ": " + why_cut);
  if (!Decode(path, format, partial ? region : QRect(), &image, &why) || image.isNull())
    return Error::InvalidPicture(shown_path + ": " + why.toStdString());
  // A reader may announce another size than it decodes (for a GIF, its first
  // frame's instead of its screen's): a picture decoded whole is as large as
  // what was decoded, so that it is placed and cut off by what is drawn.
  const QSize full = partial ? size : image.size();
  if (!partial) region = QRect(QPoint(0, 0), full);
  *picture = std::make_shared<QtPicture>(std::move(image), region, full, ratio, path, format);
  return Error();
}

}  // namespace

QtPicture::QtPicture(QImage image, QRect region, QSize full_size, qreal pixel_ratio, QString path,
                     QByteArray format)
    : image_(std::move(image)),
      region_(region),
      full_size_(full_size),
      pixel_ratio_(pixel_ratio),
      path_(std::move(path)),
      format_(std::move(format)) {}

QPixmap QtPicture::Part(QRect wanted, QRect* where) const {
  wanted &= QRect(QPoint(0, 0), full_size_);
  QImage part;
  if (region_.contains(wanted) || wanted.isEmpty()) {
    part = image_;
    *where = region_;
  } else {
    // Only a large picture that was decoded in part gets here, when it is
    // shown somewhere else than at its top-left (on a button).
    QString why;
    if (!Decode(path_, format_, wanted, &part, &why)) part = QImage();
    *where = wanted;
  }
  QPixmap pixmap = QPixmap::fromImage(part);
  pixmap.setDevicePixelRatio(pixel_ratio_);
  return pixmap;
}

QSize VisibleBackgroundSize() {
  const layout::PixelRect box = layout::ToPixels(layout::Picture1(), 96);
  const int border = 2 * layout::kStyle.picture_border_px;
  return QSize(box.width - border, box.height - border);
}

std::string TwinPath(const std::string& path) {
  size_t slash = path.find_last_of("/\\");
  size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) dot = path.size();
  return path.substr(0, dot) + "@2x" + path.substr(dot);
}

Error LoadQtPicture(const std::string& native_path, const std::string& shown_path,
                    qreal pixel_ratio, PictureRef* picture) {
  // The configured file is always loaded, so that a broken one fails the
  // same way at every scale.
  if (Error e = Load(native_path, shown_path, 1.0, picture); !e.ok()) return e;
  if (pixel_ratio < 1.5) return Error();
  const std::string twin = posix::ResolvePath(TwinPath(native_path));
  struct stat st;
  if (stat(twin.c_str(), &st) != 0) return Error();
  PictureRef crisp;
  if (Load(twin, twin, 2.0, &crisp).ok()) *picture = std::move(crisp);
  return Error();
}

}  // namespace discmenu::qt
