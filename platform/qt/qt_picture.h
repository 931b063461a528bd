// Pictures on Qt: Qt's image readers as the menu's picture decoder
// (menu/picture_loading.h), and the menu's pixels drawn with QPainter at the
// widget's scale.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <string>

#include "config/error.h"
#include "menu/picture.h"
#include "menu/picture_loading.h"

namespace discmenu::qt {

// Qt's image readers as the menu's picture decoder. Paths are the file
// system's bytes, or ":/..." for a resource carried in the program.
class QtPictureDecoder : public PictureDecoder {
 public:
  QtPictureDecoder();
  ~QtPictureDecoder() override;
  Error Open(const std::string& shown, const std::string& path,
             std::unique_ptr<ByteSource>* file) override;
  bool ReadSize(const std::string& path, int* width, int* height) override;
  bool Decode(const std::string& path, const Box* part, PicturePart* out,
              std::string* why) override;
  void Close() override;

 private:
  class Reader;
  // The reader that ReadSize opened, for Decode of the same file.
  std::string reader_path_;
  std::unique_ptr<Reader> reader_;
};

// Loads the picture file `native_path` as Runtime::LoadPicture does;
// `shown_path` names it in errors.
Error LoadQtPicture(const std::string& native_path, const std::string& shown_path,
                    PictureRef* picture);

// A picture carried in the program as the resource `resource` (":/...").
PictureRef ResourcePicture(const char* resource);

// Draws `image` with its top-left corner at `origin` (device-independent
// pixels), cut off at `clip`.
void DrawImage(QPainter& p, const Image& image, QPointF origin, QRect clip);

// The size `image` takes on screen, in device-independent pixels.
QSize LogicalSize(const Image& image);

}  // namespace discmenu::qt
