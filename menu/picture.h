// Pictures as the menu holds them: decoded once, in the load step, into
// plain pixels that every backend draws, so that nothing is read from the
// medium afterwards. Of a picture larger than a control, only the parts that
// some control can show are kept (menu/presentation.h says which).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace discmenu {

// A rectangle in pixels.
struct Box {
  int x = 0, y = 0, width = 0, height = 0;
  bool empty() const { return width <= 0 || height <= 0; }
  bool Contains(const Box& b) const {
    return b.x >= x && b.y >= y && b.x + b.width <= x + width && b.y + b.height <= y + height;
  }
  bool operator==(const Box&) const = default;
};
inline Box Intersect(const Box& a, const Box& b) {
  const int x = a.x > b.x ? a.x : b.x, y = a.y > b.y ? a.y : b.y;
  const int right = a.x + a.width < b.x + b.width ? a.x + a.width : b.x + b.width;
  const int bottom = a.y + a.height < b.y + b.height ? a.y + a.height : b.y + b.height;
  if (right <= x || bottom <= y) return Box{x, y, 0, 0};
  return Box{x, y, right - x, bottom - y};
}

// Pixels of one part of a picture: premultiplied ARGB, one 32-bit word a
// pixel (0xAARRGGBB, which is B, G, R, A in memory on every platform we
// build for), rows top-down, `box.width` words a row.
struct PicturePart {
  Box box;  // in file pixels
  std::vector<uint32_t> pixels;
};

// True when no pixel of `parts` lets anything show through.
inline bool Opaque(const std::vector<PicturePart>& parts) {
  for (const PicturePart& part : parts)
    for (uint32_t px : part.pixels)
      if ((px >> 24) != 0xFF) return false;
  return true;
}

// One decoded picture file.
struct Image {
  int width = 0, height = 0;  // the whole picture, in file pixels
  int ratio = 1;              // 2 for an @2x twin, whose pixels are half as large
  bool opaque = true;
  std::vector<PicturePart> parts;
};

// A loaded picture; controls share it by reference.
class Picture {
 public:
  // `source` is the file it was read from, as the platform names it ("" for
  // a picture carried in the program).
  Picture(std::string source, Image image) : source_(std::move(source)), image_(std::move(image)) {}

  int width() const { return image_.width; }  // in pixels, as stored in the file
  int height() const { return image_.height; }
  const std::string& source() const { return source_; }
  const Image& image() const { return image_; }

 private:
  std::string source_;
  Image image_;
};
using PictureRef = std::shared_ptr<const Picture>;

}  // namespace discmenu
