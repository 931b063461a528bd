// Pictures on Windows: decoded by the Windows Imaging Component (JPEG, PNG,
// BMP, GIF, ICO, TIFF) into the menu's plain pixels (menu/picture.h), only
// the parts that controls can show, and drawn with GDI at the window's DPI.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "config/error.h"
#include "menu/picture.h"
#include "menu/presentation.h"

namespace discmenu::win32 {

// Decodes the picture file `path` (UTF-8) as a picture of `ratio` (2 for an
// @2x twin). A missing file is FileNotFound; a directory, an empty file, a
// file that is not a picture in one of the six formats, or one of more than
// 64 megapixels is InvalidPicture. Each names `path`.
Error DecodePictureFile(const std::string& path, int ratio, Image* image);

// Twins, on the same decoder.
class WicTwinDecoder : public presentation::TwinDecoder {
 public:
  bool DecodeTwin(const std::string& path, Image* twin) override;
};

// A picture carried in the program as RCDATA resource `id`.
PictureRef LoadResourcePicture(int id);

// A picture's parts as bitmaps at one DPI, made when first drawn there.
class ScaledPicture {
 public:
  // Forgets the bitmaps: call when the picture drawn changes.
  void Reset();

  // Draws `image` at `dpi` with its top-left corner at `origin`, cut off at
  // `clip` (both in `dc`'s logical pixels).
  void Draw(HDC dc, const Image& image, int dpi, POINT origin, const RECT& clip);

 private:
  struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
  };
  struct Scaled {
    Box at;  // relative to the picture's origin, in device pixels
    std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter> bitmap;
  };
  const Image* image_ = nullptr;
  int dpi_ = 0;
  std::vector<Scaled> scaled_;
};

// Ends the use of the imaging component; call before COM is uninitialised.
void ReleaseImaging();

}  // namespace discmenu::win32
