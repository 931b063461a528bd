// The sequential reader of install.ini: 34 items separated by commas or line
// ends, read in order, and nothing after the 34th.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "config/error.h"
#include "config/menu_settings.h"
#include "config/text_decoding.h"

namespace discmenu {

// One item as written: its text (quotes removed, surrounding spaces and tabs
// of an unquoted item dropped), whether it was quoted, and where it starts
// (1-based line and column in characters).
struct Item {
  std::string text;
  bool quoted = false;
  int line = 1;
  int column = 1;
};

// Splits decoded text into items.
class Tokenizer {
 public:
  enum class Result { kItem, kEnd, kNeedMore };

  // `at_eof`: `text` is the whole rest of the file.
  Tokenizer(std::string_view text, bool at_eof) : text_(text), at_eof_(at_eof) {}

  // kItem: `*item` holds the next item. kEnd: the file has no more items.
  // kNeedMore: the next item runs past the end of `text`.
  Result Next(Item* item);

 private:
  void Advance(size_t n);
  bool SkipSeparator();  // false when more text is needed to decide

  std::string_view text_;
  bool at_eof_;
  size_t pos_ = 0;
  int line_ = 1;
  int column_ = 1;
};

// Where the bytes of install.ini come from.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Appends up to `max` bytes to `*out`; sets `*eof` once nothing follows.
  virtual Error Read(size_t max, std::string* out, bool* eof) = 0;
};

// What the reading found besides the values, for diagnostics.
struct ReadReport {
  std::string encoding_name;
  Encoding encoding = Encoding::kUtf8;
  int items_found = 0;                 // up to 34
  std::array<Item, kItemCount> items;  // the first items_found are set
  size_t bytes_read = 0;
};

// The first 34 items may take at most this many bytes; a longer run (an
// unclosed quote before a large file, say) is an error, not a memory hog.
inline constexpr size_t kMaxConfigBytes = 4u << 20;

// Reads the 34 items from `in` into `*out`, reading no further than needed.
// `path` names the file in error messages. On error `*out` is unchanged.
Error ReadMenuSettings(ByteSource& in, const std::string& path, const LegacyDecoder& legacy,
                       MenuSettings* out, ReadReport* report = nullptr);

}  // namespace discmenu
