// The sequential reader of install.ini: 34 items separated by commas or line
// ends, read in order, and nothing after the 34th.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "config/error.h"
#include "config/menu_settings.h"
#include "config/text_decoding.h"

namespace discmenu {

// A place in install.ini: 1-based line and column, in characters.
struct Position {
  int line = 1;
  int column = 1;
  bool operator==(const Position&) const = default;
};

// One item as written: its text (quotes removed, surrounding spaces and tabs
// of an unquoted item dropped), whether it was quoted, where it starts
// (1-based line and column in characters), and its number in the file.
struct Item {
  std::string text;
  bool quoted = false;
  int line = 1;
  int column = 1;
  int number = 0;  // 1-based; set by ReadItems
  // Where the item stands in the decoded text it was read from, in bytes:
  // from its first character (an opening quote included) to its last (a
  // closing quote included; blanks after an unquoted item left out).
  size_t begin = 0;
  size_t end = 0;
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

  // Where the next item would start (after kNeedMore: the item that needs
  // more text; after kEnd: the end of the text).
  Position position() const { return {line_, column_}; }
  size_t offset() const { return pos_; }

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

// Bytes in memory as a source: a file that is already read, or a test's.
class StringSource : public ByteSource {
 public:
  explicit StringSource(std::string bytes) : bytes_(std::move(bytes)) {}
  Error Read(size_t max, std::string* out, bool* eof) override;

 private:
  std::string bytes_;
  size_t pos_ = 0;
};

// A ByteSource over a system's read call, which may return less than asked
// for: Read() calls ReadSome until it has `max` bytes or the file ends.
class ChunkedSource : public ByteSource {
 public:
  Error Read(size_t max, std::string* out, bool* eof) final;

 protected:
  // Reads at most `max` (> 0) bytes into `buffer`; `*got` = 0 at the end.
  virtual Error ReadSome(char* buffer, size_t max, size_t* got) = 0;
};

// How far ReadItems goes.
enum class ReadScope {
  kMenu,       // the 34 items, and not a byte further than they need
  kWholeFile,  // on to the end of the file, for diagnostics
};

// What ReadItems found.
struct ItemsRead {
  std::vector<Item> items;  // the first 34 items, or fewer when the file ends early
  // ReadScope::kWholeFile: the items after the 34th that hold something
  // (blank ones are harmless), the first kItemsAfterKept of them, and how
  // many there are.
  std::vector<Item> after;
  int after_count = 0;
  Encoding encoding = Encoding::kUtf8;
  std::string encoding_name;
  // Where the reading stopped: the end of the text read, or the start of an
  // item that did not end within the bytes allowed.
  Position stopped_at;
  bool complete = true;  // false when kWholeFile met a file larger than it reads
  size_t bytes_read = 0;
  // How many bytes of the file the first 34 items take (their decoded text
  // is what the items' begin and end count in); 0 when they do not end.
  size_t items_end = 0;
};

// The first 34 items may take at most this many bytes; a longer run (an
// unclosed quote before a large file, say) is an error, not a memory hog.
inline constexpr size_t kMaxConfigBytes = 4u << 20;
// ReadScope::kWholeFile reads no more than this.
inline constexpr size_t kMaxScannedBytes = 64u << 20;
inline constexpr size_t kItemsAfterKept = 100;

// Reads the items of install.ini from `in`; `path` names the file in errors.
// Errors: a failed read; the first 34 items not ending within
// kMaxConfigBytes (OutOfMemory); fewer than 34 items (InputPastEndOfFile).
// `*out` tells what was found in every case.
Error ReadItems(ByteSource& in, const std::string& path, const LegacyDecoder& legacy,
                ReadScope scope, ItemsRead* out);

// The value that item `number` (1-34) gives its field: an unquoted item
// reads as a number where it can, but item 34 is always text.
Variant ItemValue(const Item& item, int number);

// The record of the first 34 items. REQUIRES: items.size() >= 34.
MenuSettings ToMenuSettings(const std::vector<Item>& items);

// The menu's reading step: ReadItems for the menu, then ToMenuSettings. On
// error `*out` is unchanged.
Error ReadMenuSettings(ByteSource& in, const std::string& path, const LegacyDecoder& legacy,
                       MenuSettings* out);

}  // namespace discmenu
