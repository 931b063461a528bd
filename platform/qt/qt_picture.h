// Pictures on Qt: picture files read by Qt's image readers
// (menu/picture_loading.h), and the menu's pixels drawn with QPainter at the
// widget's scale.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <memory>
#include <string>

#include "config/error.h"
#include "menu/picture.h"
#include "menu/picture_loading.h"

namespace discmenu::qt {

// Picture files read by Qt's image readers. Paths are the file system's
// bytes, or ":/..." for a resource carried in the program.
class QtPictureFiles : public PictureFiles {
 public:
  // Without `toolkit` only what libjpeg-turbo decodes is read (JPEG but
  // CMYK): anything else is not a picture. That needs no application object.
  explicit QtPictureFiles(bool toolkit = true) : toolkit_(toolkit) {}
  Error Open(const std::string& shown, const std::string& path,
             std::unique_ptr<PictureReader>* reader) override;

 private:
  class Reader;
  bool toolkit_;
};

// Loads the picture file `native_path` for a control of `area`, and its
// twin with `with_twin`, as Runtime::LoadPicture does; `shown_path` names it in errors.
Error LoadQtPicture(const std::string& native_path, const std::string& shown_path, Area area,
                    bool with_twin, PictureRef* picture, bool toolkit = true);

// A picture carried in the program as the resource `resource` (":/..."),
// for a control of `area`.
PictureRef ResourcePicture(const char* resource, Area area);

// Draws `image` with its top-left corner at `origin` (device-independent
// pixels), cut off at `clip`.
void DrawImage(QPainter& p, const Image& image, QPointF origin, QRect clip);

// The size `image` takes on screen, in device-independent pixels.
QSize LogicalSize(const Image& image);

}  // namespace discmenu::qt
