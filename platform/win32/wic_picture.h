// Pictures on Windows: decoded by the Windows Imaging Component (JPEG, PNG,
// BMP, GIF, ICO, TIFF), kept as premultiplied pixels of the parts a control
// can show, and drawn with GDI at the window's DPI. From 150 % on, an @2x
// twin beside the file is used for a crisp picture.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/error.h"
#include "platform/platform.h"
#include "platform/win32/win32_logic.h"

namespace discmenu::win32 {

// Pixels of one part of a picture: premultiplied BGRA, rows top-down.
struct PicturePart {
  Box box;  // in file pixels
  std::vector<uint32_t> pixels;
};

// A picture as decoded from one file.
struct DecodedPicture {
  int width = 0, height = 0;  // the whole picture, in file pixels
  int ratio = 1;              // 2 for an @2x twin
  bool opaque = true;
  std::vector<PicturePart> parts;
};

class WicPicture : public Picture {
 public:
  // `twin_path` is where the @2x twin may be; empty for none.
  WicPicture(DecodedPicture base, std::wstring twin_path);
  ~WicPicture() override;
  WicPicture(const WicPicture&) = delete;
  WicPicture& operator=(const WicPicture&) = delete;

  int width() const override { return base_.width; }
  int height() const override { return base_.height; }

  // Looks for the twin the first time `dpi` asks for one. A twin that is
  // missing or broken is not used; the picture stays as it is.
  void PrepareFor(int dpi) const;

  // What is drawn at `dpi`: the twin once prepared and wanted, else the file.
  const DecodedPicture& SourceFor(int dpi) const;

  // Draws the picture at `dpi` with its top-left corner at `origin`, cut
  // off at `clip` (both in `dc`'s logical pixels).
  void Draw(HDC dc, int dpi, POINT origin, const RECT& clip) const;

 private:
  struct Scaled {
    Box at;  // relative to the picture's origin, in device pixels
    HBITMAP bitmap = nullptr;
  };
  void ScaleFor(const DecodedPicture& source, int dpi) const;
  void FreeScaled() const;

  DecodedPicture base_;
  std::wstring twin_path_;
  mutable std::optional<DecodedPicture> twin_;
  mutable bool twin_tried_ = false;
  // The parts as bitmaps at one DPI, made when first drawn there.
  mutable int scaled_dpi_ = 0;
  mutable const DecodedPicture* scaled_source_ = nullptr;
  mutable std::vector<Scaled> scaled_;
};

// Loads the picture file `path` (UTF-8) for a window at `dpi`. A missing file
// is FileNotFound; a directory, an empty file, a file that is not a picture in
// one of the six formats, or one of more than 64 megapixels is
// InvalidPicture. Each names `path`.
Error LoadPictureFile(const std::string& path, int dpi, PictureRef* picture);

// A picture carried in the program as RCDATA resource `id`.
PictureRef LoadResourcePicture(int id);

// Ends the use of the imaging component; call before COM is uninitialised.
void ReleaseImaging();

}  // namespace discmenu::win32
