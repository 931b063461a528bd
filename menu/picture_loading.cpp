#include "menu/picture_loading.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "menu/layout.h"

namespace discmenu {

namespace {

// Reads a file forwards in steps, for the checks of its structure: one
// buffer, reused, so that a large file costs no more memory than a small.
// What is skipped beyond the buffer is not read.
class Cursor {
 public:
  explicit Cursor(PictureReader& in) : in_(in), size_(in.file_size()) {}

  // The next byte; false at the end (or on a read error, which the decoder
  // then meets as well).
  bool Next(uint32_t* byte) {
    if (!Fill()) return false;
    *byte = static_cast<uint8_t>(buffer_[pos_++]);
    return true;
  }
  // Reads `n` bytes big-endian (or little-endian) into `*value`.
  bool BigEndian(int n, uint32_t* value) {
    *value = 0;
    uint32_t b;
    for (int k = 0; k < n; ++k) {
      if (!Next(&b)) return false;
      *value = *value << 8 | b;
    }
    return true;
  }
  bool LittleEndian(int n, uint32_t* value) {
    *value = 0;
    uint32_t b;
    for (int k = 0; k < n; ++k) {
      if (!Next(&b)) return false;
      *value |= b << (8 * k);
    }
    return true;
  }
  bool Skip(uint64_t n) {
    const uint64_t to = offset() + n;
    if (to > size_) return false;
    if (to <= start_ + buffer_.size()) {
      pos_ = static_cast<size_t>(to - start_);
    } else {
      start_ = to;
      buffer_.clear();
      pos_ = 0;
    }
    return true;
  }
  // Moves to the next byte 0xFF; false when there is none.
  bool FindFF() {
    while (Fill()) {
      const void* ff = std::memchr(buffer_.data() + pos_, 0xFF, buffer_.size() - pos_);
      pos_ = ff ? static_cast<const char*>(ff) - buffer_.data() : buffer_.size();
      if (ff) return true;
    }
    return false;
  }
  // Whether the file's last bytes are `tail`.
  bool EndsWith(std::string_view tail) {
    std::string last;
    return size_ >= tail.size() && in_.ReadAt(size_ - tail.size(), tail.size(), &last) &&
           last == tail;
  }
  uint64_t size() const { return size_; }

 private:
  uint64_t offset() const { return start_ + pos_; }
  bool Fill() {
    if (pos_ < buffer_.size()) return true;
    if (failed_ || offset() >= size_) return false;
    start_ = offset();
    buffer_.clear();
    pos_ = 0;
    failed_ = !in_.ReadAt(start_, 64 * 1024, &buffer_);
    return !buffer_.empty();
  }

  PictureReader& in_;
  const uint64_t size_;
  std::string buffer_;
  uint64_t start_ = 0;  // the file offset of buffer_[0]
  size_t pos_ = 0;
  bool failed_ = false;
};

// Reads up to and including the code of the next JPEG marker: 0xFF, any
// fill bytes 0xFF, the code. Stray bytes before it are the decoder's to
// judge.
bool NextMarker(Cursor& c, uint32_t* code) {
  if (!c.FindFF()) return false;
  do {
    if (!c.Next(code)) return false;
  } while (*code == 0xFF);
  return true;
}

// A JPEG is whole when its markers, read from the start, reach the end of
// image: every segment within the file, and the coded data after each
// start of scan ending in a marker. The cursor is past the start of image.
// The frame's components are counted: a sequential frame coded in one scan
// of all of them holds nothing but coded data up to its end of image, so
// that a file ending in one is whole without reading the data.
bool JpegIsWhole(Cursor& c) {
  uint32_t code, components = 0;
  bool sequential = false;
  if (!NextMarker(c, &code)) return false;
  for (;;) {
    if (code == 0xD9) return true;  // the end of image
    const bool has_length = code != 0x01 && code != 0xD8 && !(code >= 0xD0 && code <= 0xD7);
    if (has_length) {
      uint32_t length, count = 0;
      if (!c.BigEndian(2, &length)) return false;
      if (length < 2) return true;  // a broken segment: the decoder says so
      const bool frame =
          code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
      // The number of components: after precision, height and width in a
      // frame header, first in a scan header.
      const uint32_t at = frame ? 5 : 0;
      if ((frame || code == 0xDA) && length >= at + 3) {
        if (!c.Skip(at) || !c.Next(&count) || !c.Skip(length - 3 - at)) return false;
      } else if (!c.Skip(length - 2)) {
        return false;
      }
      if (frame) sequential = code == 0xC0 || code == 0xC1, components = count;
      if (code == 0xDA && sequential && count == components && c.EndsWith("\xFF\xD9")) return true;
    }
    if (code == 0xDA) {
      // Coded data: 0xFF is followed by 0x00 (a data byte) or a restart
      // marker inside it; anything else is the next marker.
      do {
        if (!NextMarker(c, &code)) return false;
      } while (code == 0x00 || (code >= 0xD0 && code <= 0xD7));
    } else if (!NextMarker(c, &code)) {
      return false;
    }
  }
}

// Skips GIF data sub-blocks; false when the file ends first.
bool SkipGifBlocks(Cursor& c) {
  for (uint32_t n; c.Next(&n);) {
    if (n == 0) return true;
    if (!c.Skip(n)) return false;
  }
  return false;
}

// A GIF is whole when its first frame's data ends within the file: the
// menu shows that frame. The cursor is past the first two bytes.
bool GifIsWhole(Cursor& c) {
  uint32_t flags, block;
  if (!c.Skip(8) || !c.Next(&flags) || !c.Skip(2)) return false;
  if ((flags & 0x80) && !c.Skip(3u << ((flags & 7) + 1))) return false;  // the colour table
  while (c.Next(&block)) {
    if (block == 0x21) {  // an extension: its label, then sub-blocks
      if (!c.Skip(1) || !SkipGifBlocks(c)) return false;
    } else if (block == 0x2C) {  // the first frame: its colour table, code size, data
      uint32_t frame_flags;
      if (!c.Skip(8) || !c.Next(&frame_flags)) return false;
      if ((frame_flags & 0x80) && !c.Skip(3u << ((frame_flags & 7) + 1))) return false;
      return c.Skip(1) && SkipGifBlocks(c);
    } else {
      return true;  // the trailer or something else: the decoder judges
    }
  }
  return false;
}

// What is cut off of a BMP, if anything. The cursor is past the first two
// bytes.
std::optional<Text> BmpCutOff(Cursor& c) {
  uint32_t offset, header, width, height, bits, compression = 0;
  if (!c.Skip(8) || !c.LittleEndian(4, &offset) || !c.LittleEndian(4, &header))
    return Text::kBmpHeaderCutOff;
  const bool core = header == 12;  // the oldest header: 16-bit sizes, no compression
  if (!c.LittleEndian(core ? 2 : 4, &width) || !c.LittleEndian(core ? 2 : 4, &height) ||
      !c.Skip(2) || !c.LittleEndian(2, &bits) || (!core && !c.LittleEndian(4, &compression)))
    return Text::kBmpHeaderCutOff;
  if (compression == 0 || compression == 3) {  // uncompressed rows
    const int64_t w = core ? width : static_cast<int32_t>(width);
    const int64_t h = core ? height : static_cast<int32_t>(height);
    const int64_t row = (std::abs(w) * bits + 31) / 32 * 4;
    if (static_cast<int64_t>(c.size()) < int64_t(offset) + row * std::abs(h))
      return Text::kBmpDataCutOff;
  }
  return std::nullopt;
}

PicturePart Cut(const PicturePart& whole, const Box& box) {
  PicturePart part;
  part.box = box;
  part.opaque = whole.opaque;
  std::vector<uint32_t> words;
  words.reserve(part.size());
  for (int y = 0; y < box.height; ++y) {
    const uint32_t* row = whole.data() +
                          static_cast<size_t>(box.y - whole.box.y + y) * whole.box.width +
                          (box.x - whole.box.x);
    words.insert(words.end(), row, row + box.width);
  }
  part.pixels = OwnPixels(std::move(words));
  return part;
}

}  // namespace

Error CheckPictureFile(const std::string& shown, FileKind kind, uint64_t size) {
  switch (kind) {
    case FileKind::kMissing:
      return Error::FileNotFound(shown);
    case FileKind::kDirectory:
      return Error::InvalidPicture(Message(Text::kPictureIsADirectory, {shown}));
    case FileKind::kSpecial:
      return Error::InvalidPicture(Message(Text::kNotARegularFile, {shown}));
    case FileKind::kRegular:
      break;
  }
  if (size == 0) return Error::InvalidPicture(Message(Text::kPictureEmpty, {shown}));
  if (size > kMaxPictureFileBytes) {
    return Error::InvalidPicture(
        Message(Text::kPictureFileTooLarge, {shown, std::to_string(kMaxPictureFileBytes >> 20)}));
  }
  return Error();
}

namespace {

// The error for cut-off data of a file whose first two bytes `magic` are
// read from `c`, or ok.
Error CutOff(const std::string& shown, Cursor& c, uint32_t magic) {
  std::optional<Text> cut;
  if (magic == 0xFFD8) {
    if (!JpegIsWhole(c)) cut = Text::kJpegCutOff;
  } else if (magic == 0x4749) {  // "GI", of "GIF87a" and "GIF89a"
    if (!GifIsWhole(c)) cut = Text::kGifCutOff;
  } else if (magic == 0x424D) {  // "BM"
    cut = BmpCutOff(c);
  }
  return cut ? Error::InvalidPicture(Message(*cut, {shown})) : Error();
}

}  // namespace

Error CheckPictureData(const std::string& shown, PictureReader& file) {
  Cursor c(file);
  uint32_t magic = 0;
  c.BigEndian(2, &magic);
  return CutOff(shown, c, magic);
}

Error CheckPictureSize(const std::string& shown, long long width, long long height) {
  if (width <= 0 || height <= 0)
    return Error::InvalidPicture(Message(Text::kPictureNoSize, {shown}));
  if (width * height > kMaxPicturePixels) {
    return Error::InvalidPicture(
        Message(Text::kPictureTooLarge, {shown, std::to_string(width), std::to_string(height)}));
  }
  return Error();
}

Error NotAPicture(const std::string& shown) {
  return Error::InvalidPicture(Message(Text::kNotAPicture, {shown}));
}

Error UndecodablePicture(const std::string& shown, const std::string& why) {
  return Error::InvalidPicture(Message(Text::kPictureUndecodable, {shown, why}));
}

Box PartFor(Area area, int width, int height, int ratio) {
  // Sizes at 100 %, with a margin for rounding and the pressed look.
  constexpr int kMargin = 4;
  if (area == Area::kPicture1) {
    constexpr layout::PixelRect picture1 = layout::ToPixels(layout::Picture1(), 96);
    return Box{0, 0, std::min(width, (picture1.width + kMargin) * ratio),
               std::min(height, (picture1.height + kMargin) * ratio)};
  }
  constexpr layout::PixelRect button = layout::ToPixels(layout::CommandN(1), 96);
  const int w = std::min(width, (button.width + kMargin) * ratio);
  const int h = std::min(height, (button.height + kMargin) * ratio);
  return Box{(width - w) / 2, (height - h) / 2, w, h};
}

std::string TwinPath(std::string_view path) {
  const size_t slash = path.find_last_of("\\/");
  size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
    dot = path.size();
  return std::string(path.substr(0, dot)) + "@2x" + std::string(path.substr(dot));
}

bool TwinFits(int width, int height, int twin_width, int twin_height) {
  return std::abs(twin_width - 2 * width) <= 1 && std::abs(twin_height - 2 * height) <= 1;
}

namespace {

// Loads one picture file for `area` (ratio 2 for a twin).
Error LoadOne(const std::string& shown, const std::string& path, Area area, int ratio,
              PictureFiles& files, Image* image) {
  std::unique_ptr<PictureReader> reader;
  if (Error e = files.Open(shown, path, &reader); !e.ok()) return e;
  std::string head;
  const bool jpeg = reader->ReadAt(0, 2, &head) && head == "\xFF\xD8";
  int width = 0, height = 0;
  if (!reader->Size(&width, &height)) {
    // A header cut off is cut off, not a stranger to every reader.
    Error cut = CheckPictureData(shown, *reader);
    return cut.ok() ? NotAPicture(shown) : cut;
  }
  // Even a decoder that reads only a part may hold the whole picture's
  // data (a progressive JPEG does): refuse absurd sizes before anything
  // else is looked at.
  if (Error e = CheckPictureSize(shown, width, height); !e.ok()) return e;
  if (Error e = CheckPictureData(shown, *reader); !e.ok()) return e;

  image->ratio = ratio;
  std::string why;
  const Box want = PartFor(area, width, height, ratio);
  // A JPEG decodes in parts.
  if (jpeg && want != Box{0, 0, width, height}) {
    PicturePart part;
    if (!reader->Decode(&want, &part, &why)) return UndecodablePicture(shown, why);
    if (part.box != want) return UndecodablePicture(shown, "the decoder gave another part");
    image->width = width;
    image->height = height;
    image->parts.push_back(std::move(part));
  } else {
    PicturePart whole;
    if (!reader->Decode(nullptr, &whole, &why)) return UndecodablePicture(shown, why);
    // A decoder may give another size than announced (for a GIF, its
    // screen's instead of its first frame's): the picture is what was
    // decoded, so that it is placed and cut off by what is drawn.
    image->width = whole.box.width;
    image->height = whole.box.height;
    if (Error e = CheckPictureSize(shown, image->width, image->height); !e.ok()) return e;
    const Box box = PartFor(area, image->width, image->height, ratio);
    image->parts.push_back(box == whole.box ? std::move(whole) : Cut(whole, box));
  }
  image->opaque = Opaque(image->parts);
  return Error();
}

}  // namespace

Error ReadPicture(const std::string& shown, const std::string& path, Area area, bool with_twin,
                  PictureFiles& files, PictureRef* picture) {
  Image image;
  if (Error e = LoadOne(shown, path, area, 1, files, &image); !e.ok()) return e;
  if (!with_twin) {
    *picture = std::make_shared<Picture>(path, std::move(image));
    return Error();
  }
  // A twin that is missing, broken or of another size is not used: it only
  // adds sharpness.
  PictureRef twin;
  std::string refused;
  const std::string twin_path = TwinPath(path);
  Image two;
  if (Error e = LoadOne(twin_path, twin_path, area, 2, files, &two); !e.ok()) {
    if (e.number() != Error::kFileNotFound) refused = e.ToString();
  } else if (!TwinFits(image.width, image.height, two.width, two.height)) {
    refused = "it is " + std::to_string(two.width) + " x " + std::to_string(two.height) +
              " pixels, not twice the picture's " + std::to_string(image.width) + " x " +
              std::to_string(image.height);
  } else {
    twin = std::make_shared<Picture>(twin_path, std::move(two));
  }
  *picture = std::make_shared<Picture>(path, std::move(image), std::move(twin), refused);
  return Error();
}

}  // namespace discmenu
