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
class Cursor {
 public:
  explicit Cursor(ByteSource& in) : in_(in) {}

  // The next byte; false at the end (or on a read error, which the decoder
  // then meets as well).
  bool Next(uint32_t* byte) {
    if (!Fill()) return false;
    *byte = static_cast<uint8_t>(buffer_[pos_++]);
    ++offset_;
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
    while (n > 0) {
      if (!Fill()) return false;
      const uint64_t step = std::min<uint64_t>(n, buffer_.size() - pos_);
      pos_ += step;
      offset_ += step;
      n -= step;
    }
    return true;
  }
  // Moves to the next byte 0xFF; false when there is none.
  bool FindFF() {
    while (Fill()) {
      const void* ff = std::memchr(buffer_.data() + pos_, 0xFF, buffer_.size() - pos_);
      const size_t to = ff ? static_cast<const char*>(ff) - buffer_.data() : buffer_.size();
      offset_ += to - pos_;
      pos_ = to;
      if (ff) return true;
    }
    return false;
  }
  // Reads on to the end; the number of bytes the file holds.
  uint64_t Size() {
    while (Fill()) Skip(buffer_.size() - pos_);
    return offset_;
  }

 private:
  bool Fill() {
    if (pos_ < buffer_.size()) return true;
    if (eof_ || failed_) return false;
    buffer_.clear();
    pos_ = 0;
    failed_ = !in_.Read(64 * 1024, &buffer_, &eof_).ok();
    return !buffer_.empty();
  }

  ByteSource& in_;
  std::string buffer_;
  size_t pos_ = 0;
  uint64_t offset_ = 0;
  bool eof_ = false;
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
bool JpegIsWhole(Cursor& c) {
  uint32_t code;
  if (!NextMarker(c, &code)) return false;
  for (;;) {
    if (code == 0xD9) return true;  // the end of image
    const bool has_length = code != 0x01 && code != 0xD8 && !(code >= 0xD0 && code <= 0xD7);
    if (has_length) {
      uint32_t length;
      if (!c.BigEndian(2, &length)) return false;
      if (length < 2) return true;  // a broken segment: the decoder says so
      if (!c.Skip(length - 2)) return false;
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
    if (static_cast<int64_t>(c.Size()) < int64_t(offset) + row * std::abs(h))
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

Error CheckPictureData(const std::string& shown, ByteSource& file) {
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

std::vector<Box> PartsToDecode(int width, int height, int ratio) {
  const Box top_left = PartFor(Area::kPicture1, width, height, ratio);
  const Box middle = PartFor(Area::kButton, width, height, ratio);
  if (top_left.Contains(middle)) return {top_left};
  return {top_left, middle};
}

Error DecodePicture(const std::string& shown, const std::string& path, int ratio,
                    PictureDecoder& decoder, PictureRef* picture) {
  // Whatever the decoder keeps open between its calls is closed at the end.
  struct Closer {
    PictureDecoder& decoder;
    ~Closer() { decoder.Close(); }
  } closer{decoder};
  std::unique_ptr<ByteSource> file;
  if (Error e = decoder.Open(shown, path, &file); !e.ok()) return e;
  Cursor c(*file);
  uint32_t magic = 0;
  c.BigEndian(2, &magic);
  int width = 0, height = 0;
  if (!decoder.ReadSize(path, &width, &height)) {
    // A header cut off is cut off, not a stranger to every reader.
    Error cut = CutOff(shown, c, magic);
    return cut.ok() ? NotAPicture(shown) : cut;
  }
  // Even a decoder that reads only a part may hold the whole picture's
  // data (a progressive JPEG does): refuse absurd sizes before anything
  // else is looked at.
  if (Error e = CheckPictureSize(shown, width, height); !e.ok()) return e;
  if (Error e = CutOff(shown, c, magic); !e.ok()) return e;
  file.reset();

  Image image;
  image.ratio = ratio;
  std::string why;
  const std::vector<Box> parts = PartsToDecode(width, height, ratio);
  // A JPEG decodes in parts.
  const bool in_parts = parts[0] != Box{0, 0, width, height} && magic == 0xFFD8;
  if (in_parts) {
    PicturePart part;
    if (!decoder.Decode(path, &parts[0], &part, &why)) return UndecodablePicture(shown, why);
    if (part.box != parts[0]) return UndecodablePicture(shown, "the decoder gave another part");
    image.width = width;
    image.height = height;
    image.parts.push_back(std::move(part));
  } else {
    PicturePart whole;
    if (!decoder.Decode(path, nullptr, &whole, &why)) return UndecodablePicture(shown, why);
    // A decoder may give another size than announced (for a GIF, its
    // screen's instead of its first frame's): the picture is what was
    // decoded, so that it is placed and cut off by what is drawn.
    image.width = whole.box.width;
    image.height = whole.box.height;
    if (Error e = CheckPictureSize(shown, image.width, image.height); !e.ok()) return e;
    for (const Box& box : PartsToDecode(image.width, image.height, ratio))
      image.parts.push_back(box == whole.box ? whole : Cut(whole, box));
  }
  image.opaque = Opaque(image.parts);
  const bool complete = image.parts.size() == parts.size();
  *picture = std::make_shared<Picture>(path, std::move(image), complete);
  return Error();
}

std::shared_ptr<const Image> ImageForArea(const PictureRef& picture, Area area,
                                          PictureDecoder& decoder) {
  const Image& image = picture->image();
  const Box want = PartFor(area, image.width, image.height, image.ratio);
  // A copy of the image shares its pixels, but not the picture.
  for (const PicturePart& part : image.parts)
    if (part.box.Contains(want)) return std::make_shared<const Image>(image);
  auto own = std::make_shared<Image>();
  own->width = image.width;
  own->height = image.height;
  own->ratio = image.ratio;
  PicturePart part;
  std::string why;
  if (!picture->complete() && decoder.Decode(picture->source(), &want, &part, &why) &&
      part.box == want)
    own->parts.push_back(std::move(part));
  decoder.Close();
  own->opaque = Opaque(own->parts);
  return own;
}

}  // namespace discmenu
