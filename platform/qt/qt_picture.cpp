#include "platform/qt/qt_picture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

// A reader of `path` that is told the format and tries no other.
void Prepare(QImageReader* reader, const QString& path, const QByteArray& format) {
  // The toolkit's own allocation cap (128 MB) would refuse pictures below
  // the menu's limit: allow what 64 megapixels of 32-bit colour take.
  QImageReader::setAllocationLimit(int((presentation::kMaxPicturePixels * 4) >> 20) + 1);
  reader->setFileName(path);
  reader->setFormat(format);
  reader->setAutoDetectImageFormat(false);
  reader->setAutoTransform(false);
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

// `box` of `decoded` (whose top-left is `decoded_at` in the picture) as a
// part of the menu's pixels.
PicturePart CopyPart(const QImage& decoded, QPoint decoded_at, const Box& box) {
  const QImage argb = decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  PicturePart part;
  part.box = box;
  part.pixels.resize(static_cast<size_t>(box.width) * box.height);
  for (int y = 0; y < box.height; ++y) {
    const auto* row =
        reinterpret_cast<const uint32_t*>(argb.constScanLine(box.y - decoded_at.y() + y));
    std::copy_n(row + (box.x - decoded_at.x()), box.width,
                part.pixels.begin() + static_cast<size_t>(y) * box.width);
  }
  return part;
}

Error DecodeParts(QImageReader& probe, const QString& path, const QByteArray& format,
                  const std::string& shown, QSize size, int ratio, Image* out) {
  std::vector<Box> parts = presentation::PartsToDecode(size.width(), size.height(), ratio);
  const bool whole = parts.size() == 1 && parts[0] == Box{0, 0, size.width(), size.height()};
  if (!whole && probe.supportsOption(QImageIOHandler::ClipRect)) {
    // The reader decodes no more of a large picture than a part needs.
    for (const Box& box : parts) {
      QImageReader reader;
      Prepare(&reader, path, format);
      reader.setClipRect(QRect(box.x, box.y, box.width, box.height));
      QImage image;
      if (!reader.read(&image) || image.size() != QSize(box.width, box.height))
        return presentation::UndecodablePicture(shown, reader.errorString().toStdString());
      out->parts.push_back(CopyPart(image, QPoint(box.x, box.y), box));
    }
  } else {
    QImageReader reader;
    Prepare(&reader, path, format);
    QImage image;
    if (!reader.read(&image) || image.isNull())
      return presentation::UndecodablePicture(shown, reader.errorString().toStdString());
    // A reader may announce another size than it decodes (for a GIF, its
    // first frame's instead of its screen's): the picture is what was
    // decoded, so that it is placed and cut off by what is drawn.
    size = image.size();
    parts = presentation::PartsToDecode(size.width(), size.height(), ratio);
    for (const Box& box : parts) out->parts.push_back(CopyPart(image, QPoint(0, 0), box));
  }
  out->width = size.width();
  out->height = size.height();
  out->ratio = ratio;
  out->opaque = Opaque(out->parts);
  return Error();
}

presentation::FileKind KindOf(const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return presentation::FileKind::kDirectory;
  if (!S_ISREG(st.st_mode)) return presentation::FileKind::kSpecial;
  return presentation::FileKind::kRegular;
}

}  // namespace

Error LoadQtPicture(const std::string& native_path, const std::string& shown_path, int ratio,
                    Image* image) {
  struct stat st;
  if (stat(native_path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return Error::FileNotFound(shown_path);
    return Error::PathFileAccess(shown_path + ": " + std::strerror(errno));
  }
  if (Error e = presentation::CheckPictureFile(shown_path, KindOf(st), st.st_size); !e.ok())
    return e;

  const QString path = ToQString(native_path);
  QuietStderr quiet;
  // A reader that is told the format loads only that format's plugin; one
  // that has to find out loads every image plugin there is.
  QImageReader probe;
  QByteArray format = SniffFormat(path);
  if (!format.isEmpty()) {
    Prepare(&probe, path, format);
    if (!probe.canRead()) format.clear();
  }
  if (format.isEmpty()) {
    probe.setFileName(path);
    probe.setAutoDetectImageFormat(true);
    if (!probe.canRead()) return presentation::NotAPicture(shown_path);
    format = probe.format();
  }
  const QSize size = probe.size();
  // Even a decoder that reads only a part may hold the whole picture's
  // data (a progressive JPEG does): refuse absurd sizes before decoding.
  if (Error e = presentation::CheckPictureSize(shown_path, size.width(), size.height()); !e.ok())
    return e;
  if (std::string why_cut = Incomplete(path, format, st.st_size); !why_cut.empty())
    return Error::InvalidPicture(shown_path + ": " + why_cut);
  Image decoded;
  if (Error e = DecodeParts(probe, path, format, shown_path, size, ratio, &decoded); !e.ok())
    return e;
  *image = std::move(decoded);
  return Error();
}

bool QtTwinDecoder::DecodeTwin(const std::string& path, Image* twin) {
  const std::string native = posix::ResolvePath(path);
  struct stat st;
  if (stat(native.c_str(), &st) != 0) return false;
  return LoadQtPicture(native, native, 2, twin).ok();
}

PictureRef ResourcePicture(const char* resource) {
  QImageReader reader(QString::fromLatin1(resource), "jpeg");
  reader.setAutoDetectImageFormat(false);
  const QImage decoded = reader.read();
  Image image;
  image.width = decoded.width();
  image.height = decoded.height();
  image.parts.push_back(CopyPart(decoded, QPoint(0, 0), Box{0, 0, image.width, image.height}));
  image.opaque = Opaque(image.parts);
  return std::make_shared<Picture>("", std::move(image));
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
    QImage pixels(reinterpret_cast<const uchar*>(part.pixels.data()), part.box.width,
                  part.box.height, part.box.width * 4,
                  image.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    pixels.setDevicePixelRatio(image.ratio);
    p.drawImage(origin + QPointF(part.box.x, part.box.y) / image.ratio, pixels);
  }
  p.restore();
}

}  // namespace discmenu::qt
