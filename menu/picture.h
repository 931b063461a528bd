// Pictures as the menu holds them: decoded in the load step into plain
// pixels that every backend draws, so that nothing is read from the medium
// afterwards. Of a picture larger than its control, only the part that the
// control can show is kept (menu/picture_loading.h says which).
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
// build for), rows top-down, `box.width` words a row. The words are held by
// whoever decoded them (a toolkit's image, or a vector), never copied.
struct PicturePart {
  Box box;  // in file pixels
  std::shared_ptr<const uint32_t> pixels;
  bool opaque = false;  // known to let nothing show through (a format without alpha)

  size_t size() const { return static_cast<size_t>(box.width) * box.height; }
  const uint32_t* data() const { return pixels.get(); }
};

// `words` as the pixels of a part.
inline std::shared_ptr<const uint32_t> OwnPixels(std::vector<uint32_t> words) {
  auto holder = std::make_shared<const std::vector<uint32_t>>(std::move(words));
  return std::shared_ptr<const uint32_t>(holder, holder->data());
}

// True when no pixel of `parts` lets anything show through.
inline bool Opaque(const std::vector<PicturePart>& parts) {
  for (const PicturePart& part : parts) {
    if (part.opaque) continue;
    for (size_t i = 0; i < part.size(); ++i)
      if ((part.data()[i] >> 24) != 0xFF) return false;
  }
  return true;
}

// One decoded picture file.
struct Image {
  int width = 0, height = 0;  // the whole picture, in file pixels
  int ratio = 1;              // 2 for an @2x twin, whose pixels are half as large
  bool opaque = true;
  std::vector<PicturePart> parts;
};

// Where a picture shows: Picture1 shows its top-left, a button its middle.
enum class Area { kPicture1, kButton };

class Picture;
using PictureRef = std::shared_ptr<const Picture>;

// A loaded picture, with the @2x twin that lies beside its file if one is
// used; controls share it by reference.
class Picture {
 public:
  // `source` is the file it was read from, as the platform names it ("" for
  // a picture carried in the program). `image` holds what a control of the
  // area it was loaded for can show.
  Picture(std::string source, Image image, PictureRef twin = nullptr,
          std::string twin_refused = std::string())
      : source_(std::move(source)),
        image_(std::move(image)),
        twin_(std::move(twin)),
        twin_refused_(std::move(twin_refused)) {}

  int width() const { return image_.width; }  // in pixels, as stored in the file
  int height() const { return image_.height; }
  const std::string& source() const { return source_; }
  const Image& image() const { return image_; }
  // The twin, or null.
  const PictureRef& twin() const { return twin_; }
  // Why a twin file that lies beside it is not used; "" when there is none
  // or it is used.
  const std::string& twin_refused() const { return twin_refused_; }

 private:
  std::string source_;
  Image image_;
  PictureRef twin_;
  std::string twin_refused_;
};

}  // namespace discmenu
