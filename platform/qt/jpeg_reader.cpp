#include "platform/qt/jpeg_reader.h"

#include <unistd.h>

// The library's header needs the standard types before it.
#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace discmenu::qt {

namespace {

constexpr size_t kChunk = 64 * 1024;

// Where the library reads from: the file, by offset, one chunk at a time;
// what it skips is not read.
struct FileInput {
  jpeg_source_mgr manager;
  int fd;
  off_t offset;
  JOCTET buffer[kChunk];
};

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

boolean FillInput(j_decompress_ptr info) {
  auto* in = reinterpret_cast<FileInput*>(info->src);
  ssize_t n;
  do {
    n = pread(in->fd, in->buffer, kChunk, in->offset);
  } while (n < 0 && errno == EINTR);
  if (n <= 0) {
    // The end came early: an end of image lets the decoder finish what it
    // has (the cut-off check has judged the file already).
    in->buffer[0] = 0xFF;
    in->buffer[1] = JPEG_EOI;
    n = 2;
  } else {
    in->offset += n;
  }
  in->manager.next_input_byte = in->buffer;
  in->manager.bytes_in_buffer = static_cast<size_t>(n);
  return TRUE;
}

void SkipInput(j_decompress_ptr info, long count) {
  auto* in = reinterpret_cast<FileInput*>(info->src);
  if (count <= 0) return;
  if (static_cast<size_t>(count) <= in->manager.bytes_in_buffer) {
    in->manager.next_input_byte += count;
    in->manager.bytes_in_buffer -= static_cast<size_t>(count);
    return;
  }
  in->offset += count - static_cast<long>(in->manager.bytes_in_buffer);
  in->manager.bytes_in_buffer = 0;
}

struct Failure {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* failure = reinterpret_cast<Failure*>(info->err);
  info->err->format_message(info, failure->message);
  std::longjmp(failure->jump, 1);
}
void OnMessage(j_common_ptr, int) {}  // warnings: the menu prints only its own errors

// A decompressor reading `fd` from its start; destroyed when it goes.
struct Decompressor {
  explicit Decompressor(int fd) {
    info.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = OnError;
    failure.manager.emit_message = OnMessage;
    jpeg_create_decompress(&info);
    input.fd = fd;
    input.offset = 0;
    input.manager.init_source = InitSource;
    input.manager.fill_input_buffer = FillInput;
    input.manager.skip_input_data = SkipInput;
    input.manager.resync_to_restart = jpeg_resync_to_restart;
    input.manager.term_source = TermSource;
    input.manager.bytes_in_buffer = 0;
    input.manager.next_input_byte = nullptr;
    info.src = &input.manager;
  }
  ~Decompressor() { jpeg_destroy_decompress(&info); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  jpeg_decompress_struct info{};
  Failure failure{};
  FileInput input{};
};

}  // namespace

bool JpegSize(int fd, int* width, int* height) {
  Decompressor d(fd);
  if (setjmp(d.failure.jump)) return false;
  jpeg_read_header(&d.info, TRUE);
  *width = static_cast<int>(d.info.image_width);
  *height = static_cast<int>(d.info.image_height);
  return true;
}

JpegOutcome DecodeJpeg(int fd, const Box* part, PicturePart* out, std::string* why) {
  Decompressor d(fd);
  // On the heap: what the decode changes is not clobbered by the jump back.
  struct Rows {
    std::vector<uint32_t> words, row;
  };
  const auto rows = std::make_unique<Rows>();
  std::vector<uint32_t>&words = rows->words, &row = rows->row;
  if (setjmp(d.failure.jump)) {
    *why = d.failure.message;
    return JpegOutcome::kFailed;
  }
  jpeg_read_header(&d.info, TRUE);
  if (d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK)
    return JpegOutcome::kNotMine;
  // 0xFFRRGGBB words: B, G, R and an opaque byte in memory.
  d.info.out_color_space = JCS_EXT_BGRX;
  jpeg_start_decompress(&d.info);
  const Box box = part ? *part
                       : Box{0, 0, static_cast<int>(d.info.output_width),
                             static_cast<int>(d.info.output_height)};
  // The columns widen to whole blocks: `x` is where the part starts in a
  // decoded row.
  JDIMENSION left = static_cast<JDIMENSION>(box.x), width = static_cast<JDIMENSION>(box.width);
  jpeg_crop_scanline(&d.info, &left, &width);
  const size_t x = static_cast<size_t>(box.x) - left;
  if (box.y > 0) jpeg_skip_scanlines(&d.info, static_cast<JDIMENSION>(box.y));
  words.resize(static_cast<size_t>(box.width) * box.height);
  row.resize(d.info.output_width);
  for (int y = 0; y < box.height; ++y) {
    JSAMPROW scanline[] = {reinterpret_cast<JSAMPROW>(row.data())};
    if (jpeg_read_scanlines(&d.info, scanline, 1) != 1) {
      *why = "the decoder gave fewer rows";
      return JpegOutcome::kFailed;
    }
    std::copy(row.begin() + x, row.begin() + x + box.width,
              words.begin() + static_cast<ptrdiff_t>(y) * box.width);
  }
  // The rest of the file is not read: the decoder stops here.
  jpeg_abort_decompress(&d.info);
  out->box = box;
  out->opaque = true;
  out->pixels = OwnPixels(std::move(words));
  return JpegOutcome::kDone;
}

}  // namespace discmenu::qt
