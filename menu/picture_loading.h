// How a picture file becomes the pixels the menu keeps, the same on every
// backend: which files are refused before anything is decoded, which parts
// of a large picture are decoded, and the wording of every picture error. A
// backend opens files as PictureReaders; the steps and the rules are
// here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
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

// The error for a picture of `width` x `height` pixels announced by its
// header: no size at all, or more than kMaxPicturePixels. Ok otherwise.
Error CheckPictureSize(const std::string& shown, long long width, long long height);

// A file that no decoder takes for a picture, and one whose decoder failed
// (`why` is the decoder's word).
Error NotAPicture(const std::string& shown);
Error UndecodablePicture(const std::string& shown, const std::string& why);

// The part of a picture of `width` x `height` file pixels (ratio 2 for a
// twin) that a control of `area` can ever show, with a margin for rounding
// and the pressed look; it scales with the picture, so it holds at every
// scale.
Box PartFor(Area area, int width, int height, int ratio);

// The twin of a picture file: "back@2x.jpg" for "back.jpg".
std::string TwinPath(std::string_view path);

// Whether a twin of `twin_width` x `twin_height` pixels stands for a
// picture of `width` x `height`: twice its size, within a pixel each way.
bool TwinFits(int width, int height, int twin_width, int twin_height);

// A picture file opened by a backend's decoder (Qt's image readers, the
// Windows Imaging Component). It knows the picture's size and decodes parts
// of it; the file is closed when the reader goes.
class PictureReader {
 public:
  virtual ~PictureReader() = default;
  // Up to `n` of the file's bytes from `offset` (fewer at its end),
  // appended to `*out`; false on a read error.
  virtual bool ReadAt(uint64_t offset, size_t n, std::string* out) = 0;
  virtual uint64_t file_size() const = 0;
  // The size the picture announces; false when no decoder takes the file
  // for a picture.
  virtual bool Size(int* width, int* height) = 0;
  // Decodes `part` of the picture (file pixels), or the whole picture when
  // `part` is null. False, with the decoder's word in `*why`, on failure.
  virtual bool Decode(const Box* part, PicturePart* out, std::string* why) = 0;
};

// A backend's picture files.
class PictureFiles {
 public:
  virtual ~PictureFiles() = default;
  // Opens the picture file `path` without blocking, and only if it is a
  // regular file: a FIFO or device is never read. A file that
  // CheckPictureFile refuses gets its error, naming it `shown`; one that
  // cannot be opened, the system's word.
  virtual Error Open(const std::string& shown, const std::string& path,
                     std::unique_ptr<PictureReader>* reader) = 0;
};

// The error for a file whose picture data is cut off: a JPEG whose scans
// do not end, a GIF whose first frame does not end, a BMP shorter than its
// rows. Whatever follows a complete picture (padding, appended data) is
// fine. Ok for every other format, whose decoder judges it. Reads no more
// of `file` than the judgement needs: of a JPEG coded in one sequential
// scan, its segments and its last bytes.
Error CheckPictureData(const std::string& shown, PictureReader& file);

// Loads the picture file `path`, `shown` in errors, for a control of
// `area`, and with `with_twin` its @2x twin when one lies beside it: refuses what is not a
// regular file of a sane size, cut-off data and absurd sizes, then decodes.
// A JPEG, which decodes in parts, is decoded only as far as the control
// shows it; anything else is decoded whole and the control's part kept. A
// twin gets the same checks, and is used only when it fits (TwinFits);
// otherwise the picture says why not (Picture::twin_refused).
Error ReadPicture(const std::string& shown, const std::string& path, Area area, bool with_twin,
                  PictureFiles& files, PictureRef* picture);

}  // namespace discmenu
