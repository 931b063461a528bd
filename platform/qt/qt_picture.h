// Pictures on Qt: decoded by Qt's image readers into the menu's plain
// pixels (menu/picture.h), only the parts that controls can show, and drawn
// with QPainter at the widget's scale.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <string>

#include "config/error.h"
#include "menu/picture.h"
#include "menu/presentation.h"

namespace discmenu::qt {

// Decodes the picture file `native_path` as a picture of `ratio` (2 for an
// @2x twin); `shown_path` names it in errors. Errors as Runtime::LoadPicture.
Error LoadQtPicture(const std::string& native_path, const std::string& shown_path, int ratio,
                    Image* image);

// Twins, on the same readers; the name is resolved as menu paths are.
class QtTwinDecoder : public presentation::TwinDecoder {
 public:
  bool DecodeTwin(const std::string& path, Image* twin) override;
};

// A picture carried in the program as the resource `resource` (":/...").
PictureRef ResourcePicture(const char* resource);

// Draws `image` with its top-left corner at `origin` (device-independent
// pixels), cut off at `clip`.
void DrawImage(QPainter& p, const Image& image, QPointF origin, QRect clip);

// The size `image` takes on screen, in device-independent pixels.
QSize LogicalSize(const Image& image);

}  // namespace discmenu::qt
