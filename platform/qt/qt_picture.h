// Pictures on Qt: decoded by Qt's image readers, refused before decoding
// when they would need an unreasonable amount of memory.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <string>

#include "config/error.h"
#include "platform/platform.h"

namespace discmenu::qt {

// A picture of more pixels than this is refused before it is decoded.
inline constexpr qint64 kMaxPicturePixels = 64LL * 1000 * 1000;

class QtPicture : public Picture {
 public:
  // `image` holds `region` of the file's picture, in file pixels; a picture
  // decoded whole has region (0, 0, width, height). `pixel_ratio` is 2 for an
  // @2x twin, whose pixels are half as large on screen.
  QtPicture(QImage image, QRect region, QSize full_size, qreal pixel_ratio, QString path,
            QByteArray format);

  int width() const override { return full_size_.width(); }
  int height() const override { return full_size_.height(); }

  // The picture's size on screen, in device-independent pixels.
  QSizeF logical_size() const { return QSizeF(full_size_) / pixel_ratio_; }
  // What a control draws: the part `wanted` of the picture (file pixels),
  // decoded on demand from the file when it lies outside the region already
  // decoded. Returns the decoded part and where it lies.
  QPixmap Part(QRect wanted, QRect* where) const;

 private:
  QImage image_;
  QRect region_;
  QSize full_size_;
  qreal pixel_ratio_;
  QString path_;
  QByteArray format_;
};

// The part of a picture that Picture1 can ever show, in logical pixels.
QSize VisibleBackgroundSize();

// Loads `native_path`; `shown_path` names it in errors. When `pixel_ratio`
// is 1.5 or more and a twin named with "@2x" before the extension exists,
// the twin is used for a crisp picture.
Error LoadQtPicture(const std::string& native_path, const std::string& shown_path,
                    qreal pixel_ratio, PictureRef* picture);

// The twin path of `path`: "back@2x.jpg" for "back.jpg".
std::string TwinPath(const std::string& path);

}  // namespace discmenu::qt
