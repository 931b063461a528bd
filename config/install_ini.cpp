#include "config/install_ini.h"

#include <algorithm>

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
  for (size_t end = pos_ + n; pos_ < end; ++pos_) {
    char c = text_[pos_];
    if (c == '\n' || (c == '\r' && (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '\n'))) {
      ++line_;
      column_ = 1;
    } else if (c != '\r' && (static_cast<unsigned char>(c) & 0xC0) != 0x80) {
      ++column_;  // count characters, not UTF-8 continuation bytes
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

  if (text_[pos_] == '"') {
    size_t close = text_.find('"', pos_ + 1);
    if (close == std::string_view::npos) {
      if (!at_eof_) return rewind();
      close = text_.size();  // an unclosed quote runs to the end of the file
    }
    item->text.assign(text_.substr(pos_ + 1, close - pos_ - 1));
    item->quoted = true;
    Advance(std::min(close + 1, text_.size()) - pos_);
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
    Advance(end - pos_);
  }
  if (pos_ >= text_.size() && !at_eof_) return rewind();
  if (!SkipSeparator()) return rewind();
  return Result::kItem;
}

namespace {

Variant ToVariant(const Item& item) {
  return item.quoted ? Variant::Text(item.text) : VariantFromUnquoted(item.text);
}

void Store(const std::array<Item, kItemCount>& items, MenuSettings* s) {
  for (int n = 0; n < kEntryCount; ++n) {
    s->ShowFlag[n] = ToVariant(items[n]);
    s->LabelCaption[n] = ToVariant(items[8 + n]);
    s->Target[n] = ToVariant(items[16 + n]);
  }
  s->WindowCaption = ToVariant(items[24]);
  s->BackgroundPicture = ToVariant(items[25]);
  for (int n = 0; n < 7; ++n) s->ButtonPicture1To7[n] = ToVariant(items[26 + n]);
  s->ButtonPicture8 = items[33].text;
}

}  // namespace

Error ReadMenuSettings(ByteSource& in, const std::string& path, const LegacyDecoder& legacy,
                       MenuSettings* out, ReadReport* report) {
  std::string bytes;
  bool eof = false;
  size_t chunk = 16 * 1024;
  std::array<Item, kItemCount> items;
  int found = 0;
  DecodedText text;
  for (;;) {
    if (Error e = in.Read(chunk, &bytes, &eof); !e.ok()) return e;
    // Decode from the start each round: the encoding is decided on all that
    // has been read, and chunks grow, so the work stays linear.
    text = DecodeText(bytes, eof, legacy);
    Tokenizer tokenizer(text.utf8, eof);
    found = 0;
    Tokenizer::Result r = Tokenizer::Result::kItem;
    while (found < kItemCount && (r = tokenizer.Next(&items[found])) == Tokenizer::Result::kItem)
      ++found;
    if (found == kItemCount || r == Tokenizer::Result::kEnd) break;
    if (bytes.size() >= kMaxConfigBytes) {
      return Error::OutOfMemory(path + ": item " + std::to_string(found + 1) + " (" +
                                FieldName(found + 1) + ") does not end within the first " +
                                std::to_string(kMaxConfigBytes >> 20) +
                                " MiB of the file; is a closing double quote missing?");
    }
    // A source may serve less than asked for, even nothing: the chunk never
    // shrinks, so a short read cannot turn the next request into nothing.
    chunk = std::min(std::max(chunk, bytes.size()), kMaxConfigBytes - bytes.size());
  }
  if (report) {
    report->encoding = text.encoding;
    report->encoding_name = text.encoding_name;
    report->items_found = found;
    report->items = items;
    report->bytes_read = bytes.size();
  }
  if (found < kItemCount) {
    return Error::InputPastEndOfFile(
        path + ": found " + std::to_string(found) + " of " + std::to_string(kItemCount) +
        " items; item " + std::to_string(found + 1) + " (" + FieldName(found + 1) + ") is missing");
  }
  Store(items, out);
  return Error();
}

}  // namespace discmenu
