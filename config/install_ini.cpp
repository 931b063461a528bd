#include "config/install_ini.h"

#include <algorithm>

#include "config/diagnostics.h"

namespace discmenu {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

}  // namespace

void Tokenizer::Advance(size_t n) {
  const std::string_view passed = text_.substr(0, pos_ + n);
  while (pos_ < passed.size()) {
    const char c = text_[pos_];
    if (c == '\n' || (c == '\r' && (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '\n'))) {
      ++line_;
      column_ = 1;
      ++pos_;
    } else if (c == '\r') {
      ++pos_;
    } else {
      char32_t ignored = 0;
      NextCodePoint(passed, &pos_, &ignored);
      ++column_;  // columns count characters, not bytes
    }
  }
}

// At a comma or a line end: consumes it. A comma followed by nothing but
// blanks up to a line end takes that line end with it, so "a,<newline>b" is
// two items, as is "a<newline>b".
bool Tokenizer::SkipSeparator() {
  if (pos_ >= text_.size()) return true;
  char c = text_[pos_];
  if (c == ',') {
    size_t look = pos_ + 1;
    while (look < text_.size() && IsBlank(text_[look])) ++look;
    if (look >= text_.size() && !at_eof_) return false;
    if (look < text_.size() && IsLineEnd(text_[look])) {
      if (text_[look] == '\r' && look + 1 >= text_.size() && !at_eof_) return false;
      size_t len =
          text_[look] == '\r' && look + 1 < text_.size() && text_[look + 1] == '\n' ? 2 : 1;
      Advance(look + len - pos_);
    } else {
      Advance(1);
    }
    return true;
  }
  if (c == '\r') {
    if (pos_ + 1 >= text_.size() && !at_eof_) return false;
    Advance(pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n' ? 2 : 1);
    return true;
  }
  Advance(1);  // '\n'
  return true;
}

Tokenizer::Result Tokenizer::Next(Item* item) {
  const size_t start_pos = pos_;
  const int start_line = line_, start_column = column_;
  auto rewind = [&] {
    pos_ = start_pos;
    line_ = start_line;
    column_ = start_column;
    return Result::kNeedMore;
  };

  while (pos_ < text_.size() && IsBlank(text_[pos_])) Advance(1);
  if (pos_ >= text_.size()) {
    if (!at_eof_) return rewind();
    return Result::kEnd;
  }
  item->line = line_;
  item->column = column_;
  item->begin = pos_;

  if (text_[pos_] == '"') {
    size_t close = text_.find('"', pos_ + 1);
    if (close == std::string_view::npos) {
      if (!at_eof_) return rewind();
      close = text_.size();  // an unclosed quote runs to the end of the file
    }
    item->text.assign(text_.substr(pos_ + 1, close - pos_ - 1));
    item->quoted = true;
    item->end = std::min(close + 1, text_.size());
    Advance(item->end - pos_);
    // Whatever stands between the closing quote and the separator is ignored.
    while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) Advance(1);
  } else {
    size_t end = pos_;
    while (end < text_.size() && text_[end] != ',' && !IsLineEnd(text_[end])) ++end;
    if (end >= text_.size() && !at_eof_) return rewind();
    size_t trimmed = end;
    while (trimmed > pos_ && IsBlank(text_[trimmed - 1])) --trimmed;
    item->text.assign(text_.substr(pos_, trimmed - pos_));
    item->quoted = false;
    item->end = trimmed;
    Advance(end - pos_);
  }
  if (pos_ >= text_.size() && !at_eof_) return rewind();
  if (!SkipSeparator()) return rewind();
  return Result::kItem;
}

Error ChunkedSource::Read(size_t max, std::string* out, bool* eof) {
  const size_t old = out->size();
  out->resize(old + max);
  size_t total = 0;
  while (total < max) {
    size_t got = 0;
    if (Error e = ReadSome(out->data() + old + total, max - total, &got); !e.ok()) {
      out->resize(old + total);
      return e;
    }
    if (got == 0) {
      *eof = true;
      break;
    }
    total += got;
  }
  out->resize(old + total);
  return Error();
}

Error StringSource::Read(size_t max, std::string* out, bool* eof) {
  const size_t n = std::min(max, bytes_.size() - pos_);
  out->append(bytes_, pos_, n);
  pos_ += n;
  *eof = pos_ == bytes_.size();
  return Error();
}

namespace {

constexpr size_t kFirstRead = 16 * 1024;

// How many of `bytes`, the start of the file, the first 34 items take (or
// all of them, when the file ends before); npos when more bytes are needed
// to tell. Separators and quotes are the same bytes in UTF-8 and in every
// code page a menu is written in (no byte of a multi-byte character is one
// of them), so the items are found before the encoding is known: it is
// decided on their bytes alone. UTF-16, whose mark decides, takes all.
size_t EndOfItems(std::string_view bytes, bool eof, const LegacyDecoder& legacy) {
  const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
  const size_t mark = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  const std::string decoded =
      utf16 ? DecodeAs(bytes, ChooseEncoding(bytes, eof, legacy), eof, legacy) : std::string();
  Tokenizer tokenizer(utf16 ? std::string_view(decoded) : bytes.substr(mark), eof);
  Item item;
  int found = 0;
  Tokenizer::Result r = Tokenizer::Result::kItem;
  while (found < kItemCount && (r = tokenizer.Next(&item)) == Tokenizer::Result::kItem) ++found;
  if (found < kItemCount && r != Tokenizer::Result::kEnd) return std::string_view::npos;
  return utf16 ? bytes.size() : mark + tokenizer.offset();
}

// Splits `text` into the first 34 items (or fewer), numbered, and notes
// where the splitting stopped.
void FirstItems(std::string_view text, bool eof, ItemsRead* out) {
  Tokenizer tokenizer(text, eof);
  out->items.clear();
  Item item;
  while (out->items.size() < kItemCount && tokenizer.Next(&item) == Tokenizer::Result::kItem) {
    item.number = static_cast<int>(out->items.size()) + 1;
    out->items.push_back(std::move(item));
  }
  out->stopped_at = tokenizer.position();
}

// Reads on to the end of the file (or kMaxScannedBytes), decodes it all in
// the encoding of the first 34 items, and records the items after the 34th
// that hold something; blank ones are harmless.
Error ReadTheRest(ByteSource& in, std::string* bytes, bool eof, const TextEncoding& encoding,
                  const LegacyDecoder& legacy, ItemsRead* out) {
  for (size_t step = 64 * 1024; !eof && bytes->size() < kMaxScannedBytes; step *= 2)
    if (Error e = in.Read(std::min(step, kMaxScannedBytes - bytes->size()), bytes, &eof); !e.ok())
      return e;
  out->complete = eof;
  out->bytes_read = bytes->size();
  const std::string text = DecodeAs(*bytes, encoding, eof, legacy);
  Tokenizer tokenizer(text, eof);
  Item item;
  for (int n = 1; tokenizer.Next(&item) == Tokenizer::Result::kItem; ++n) {
    if (n <= kItemCount || (!item.quoted && item.text.empty())) continue;
    item.number = n;
    ++out->after_count;
    if (out->after.size() < kItemsAfterKept) out->after.push_back(std::move(item));
  }
  out->stopped_at = tokenizer.position();
  return Error();
}

}  // namespace

Error ReadItems(ByteSource& in, const std::string& path, const LegacyDecoder& legacy,
                ReadScope scope, ItemsRead* out) {
  *out = ItemsRead();
  std::string bytes;
  bool eof = false;
  size_t chunk = kFirstRead;
  size_t end = std::string_view::npos;
  for (;;) {
    Error e = in.Read(chunk, &bytes, &eof);
    out->bytes_read = bytes.size();
    if (!e.ok()) return e;
    end = EndOfItems(bytes, eof, legacy);
    if (end != std::string_view::npos || bytes.size() >= kMaxConfigBytes) break;
    // A source may serve less than asked for, even nothing: the chunk never
    // shrinks, so a short read cannot turn the next request into nothing.
    chunk = std::min(std::max(chunk, bytes.size()), kMaxConfigBytes - bytes.size());
  }
  // The text that counts: the items' bytes, or all there is of an item that
  // does not end.
  const bool ended = end != std::string_view::npos;
  const std::string_view counted = std::string_view(bytes).substr(0, ended ? end : bytes.size());
  const bool whole = ended || eof;
  if (ended) out->items_end = end;
  const TextEncoding encoding = ChooseEncoding(counted, whole, legacy);
  out->encoding = encoding.kind;
  out->encoding_name = encoding.name;
  FirstItems(DecodeAs(counted, encoding, whole, legacy), whole, out);
  const int found = static_cast<int>(out->items.size());
  if (!ended)
    return Error::OutOfMemory(Message(Text::kSystemSays, {path, UnendedItemSentence(found + 1)}));
  if (found < kItemCount) {
    return Error::InputPastEndOfFile(
        Message(Text::kSystemSays, {path, MissingItemSentence(found)}));
  }
  if (scope == ReadScope::kWholeFile) return ReadTheRest(in, &bytes, eof, encoding, legacy, out);
  return Error();
}

Variant ItemValue(const Item& item, int number) {
  if (item.quoted || number == kPlainTextItem) return Variant::Text(item.text);
  return VariantFromUnquoted(item.text);
}

MenuSettings ToMenuSettings(const std::vector<Item>& items) {
  MenuSettings s;
  for (int item = 1; item <= kItemCount; ++item) {
    if (item == kPlainTextItem)
      s.ButtonPicture8 = items[item - 1].text;
    else
      s.VariantField(item) = ItemValue(items[item - 1], item);
  }
  return s;
}

Error ReadMenuSettings(ByteSource& in, const std::string& path, const LegacyDecoder& legacy,
                       MenuSettings* out) {
  ItemsRead read;
  if (Error e = ReadItems(in, path, legacy, ReadScope::kMenu, &read); !e.ok()) return e;
  *out = ToMenuSettings(read.items);
  return Error();
}

}  // namespace discmenu
