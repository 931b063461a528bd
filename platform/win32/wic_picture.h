// Pictures on Windows: picture files read by the Windows Imaging Component
// (menu/picture_loading.h), and the menu's pixels drawn with GDI at
// the window's DPI.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "config/error.h"
#include "menu/picture.h"
#include "menu/picture_loading.h"

namespace discmenu::win32 {

// Picture files read by the Windows Imaging Component: JPEG, PNG, BMP, GIF,
// ICO and TIFF.
class WicPictureFiles : public PictureFiles {
 public:
  Error Open(const std::string& shown, const std::string& path,
             std::unique_ptr<PictureReader>* reader) override;

  // A decoder of one file, or of bytes in memory.
  class Frame;

 private:
  class Reader;
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
