// JPEG files through libjpeg-turbo: their size, and a part of the picture
// decoded block by block. Of the rows above the part only the coded data is
// read, of the columns beside it nothing is transformed, and nothing below
// it is read at all.
#pragma once

#include <cstdint>
#include <string>

#include "menu/picture.h"

namespace discmenu::qt {

// What became of a decode.
enum class JpegOutcome {
  kDone,
  kFailed,   // the data is broken; `*why` says how
  kNotMine,  // a colour model this path does not convert (CMYK): another decoder's
};

// The size the JPEG file open as `fd` announces; false when its header
// cannot be read. Reads the file with pread, from the start.
bool JpegSize(int fd, int* width, int* height);

// Decodes `part` of the JPEG file open as `fd` (the whole picture when
// `part` is null) into opaque pixels.
JpegOutcome DecodeJpeg(int fd, const Box* part, PicturePart* out, std::string* why);

}  // namespace discmenu::qt
