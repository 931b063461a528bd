// How a picture file becomes the pixels the menu keeps, the same on every
// backend: which files are refused before anything is decoded, which parts
// of a large picture are decoded, and the wording of every picture error. A
// backend gives a decoder (PictureDecoder); the steps and the rules are
// here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "config/error.h"
#include "config/install_ini.h"
#include "menu/picture.h"

namespace discmenu {

// A picture of more pixels than this is refused before it is decoded.
inline constexpr long long kMaxPicturePixels = 64LL * 1000 * 1000;
// A picture file larger than this is refused before it is read.
inline constexpr uint64_t kMaxPictureFileBytes = 256u << 20;

// What the platform found at a picture's path.
enum class FileKind { kMissing, kDirectory, kSpecial, kRegular };  // kSpecial: FIFO, device, ...

// The error for a file that cannot be a picture, before it is read:
// missing (FileNotFound), a directory, not a regular file, empty or too
// large (InvalidPicture). Ok for a regular file of a sane size.
Error CheckPictureFile(const std::string& shown, FileKind kind, uint64_t size);

// The error for a file whose picture data is cut off: a JPEG whose scans
// do not end, a GIF whose first frame does not end, a BMP shorter than its
// rows. Whatever follows a complete picture (padding, appended data) is
// fine. Ok for every other format, whose decoder judges it. `file` serves
// the file's bytes from the start; it is read at most to its end, in steps.
Error CheckPictureData(const std::string& shown, ByteSource& file);

// The error for a picture of `width` x `height` pixels announced by its
// header: no size at all, or more than kMaxPicturePixels. Ok otherwise.
Error CheckPictureSize(const std::string& shown, long long width, long long height);

// A file that no decoder takes for a picture, and one whose decoder failed
// (`why` is the decoder's word).
Error NotAPicture(const std::string& shown);
Error UndecodablePicture(const std::string& shown, const std::string& why);

// Where a picture shows: Picture1 shows its top-left, a button its middle.
enum class Area { kPicture1, kButton };

// The part of a picture of `width` x `height` file pixels (ratio 2 for a
// twin) that a control of `area` can ever show, with a margin for rounding
// and the pressed look; it scales with the picture, so it holds at every
// scale.
Box PartFor(Area area, int width, int height, int ratio);

// Every part some control can show: one when the top-left part holds the
// middle one, as it does for every picture no larger than Picture1.
std::vector<Box> PartsToDecode(int width, int height, int ratio);

// A backend's picture decoder (Qt's image readers, the Windows Imaging
// Component), reading picture files by their native names.
class PictureDecoder {
 public:
  virtual ~PictureDecoder() = default;
  // The bytes of the picture file `path` from the start, opened without
  // blocking and only if it is a regular file: a FIFO or device is never
  // read. A file that CheckPictureFile refuses gets its error, naming it
  // `shown`; one that cannot be opened, the system's word.
  virtual Error Open(const std::string& shown, const std::string& path,
                     std::unique_ptr<ByteSource>* file) = 0;
  // The size the picture announces; false when no reader takes the file
  // for a picture.
  virtual bool ReadSize(const std::string& path, int* width, int* height) = 0;
  // Decodes `part` of the picture (file pixels), or the whole picture when
  // `part` is null. False, with the decoder's word in `*why`, on failure.
  virtual bool Decode(const std::string& path, const Box* part, PicturePart* out,
                      std::string* why) = 0;
  // Closes what the decoder keeps open of a file between ReadSize and
  // Decode of the same file; nothing may stay open, or the medium could not
  // be ejected.
  virtual void Close() {}
};

// Loads the picture file `path`, `shown` in errors, as a picture of `ratio`
// (2 for an @2x twin): refuses what is not a regular file of a sane size,
// cut-off data and absurd sizes, then decodes.
// A JPEG, which decodes in parts, is decoded only as far as Picture1 shows
// it; a button decodes its middle when it is given the picture
// (ImageForArea). Anything else is decoded whole once and every part a
// control can show is kept.
Error DecodePicture(const std::string& shown, const std::string& path, int ratio,
                    PictureDecoder& decoder, PictureRef* picture);

// The pixels a control of `area` draws of `picture`: the picture's own,
// when they hold the control's part, else that part decoded from the file
// now (the load step sets every picture).
std::shared_ptr<const Image> ImageForArea(const PictureRef& picture, Area area,
                                          PictureDecoder& decoder);

}  // namespace discmenu
