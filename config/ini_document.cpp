#include "config/ini_document.h"

#include <algorithm>

namespace discmenu {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// How `text` may be written as item `n`: unquoted, when the reader would
// give it back unchanged, as the same value; quoted, when it has no quote.
bool UnquotedReadsAs(int n, std::string_view text) {
  if (text.find_first_of(",\r\n") != std::string_view::npos) return false;
  if (!text.empty() && (text.front() == '"' || IsBlank(text.front()) || IsBlank(text.back())))
    return false;
  Item item;
  item.text = std::string(text);
  return ItemValue(item, n).AsText() == text;
}

bool QuotedReadsAs(std::string_view text) {
  return text.find('"') == std::string_view::npos;
}

bool SameItems(const std::vector<Item>& a, const std::vector<Item>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].text != b[i].text || a[i].quoted != b[i].quoted) return false;
  return true;
}

}  // namespace

Error IniDocument::Open(std::string bytes, std::string path, const LegacyDecoder& legacy,
                        IniDocument* out, bool take_short) {
  StringSource source(bytes);
  ItemsRead read;
  if (Error e = ReadItems(source, path, legacy, ReadScope::kMenu, &read);
      !e.ok() && !(take_short && e.number() == Error::kInputPastEndOfFile))
    return e;
  out->held_ = static_cast<int>(read.items.size());
  read.items.resize(kItemCount);  // the missing ones read as empty
  out->bytes_ = std::move(bytes);
  out->path_ = std::move(path);
  out->legacy_ = &legacy;
  out->read_ = std::move(read);
  return Error();
}

bool IniDocument::ItemBytes(int n, size_t* first, size_t* last) const {
  const TextEncoding enc = encoding();
  const std::string_view items = std::string_view(bytes_).substr(0, read_.items_end);
  const std::string text = DecodeAs(items, enc, true, *legacy_);
  const Item& it = item(n);
  std::string before, written;
  if (!EncodeAs(std::string_view(text).substr(0, it.begin), enc, *legacy_, &before) ||
      !EncodeAs(std::string_view(text).substr(it.begin, it.end - it.begin), enc, *legacy_,
                &written)) {
    return false;
  }
  const size_t mark = ByteOrderMarkSize(items, enc);
  if (items.substr(mark, before.size()) != before ||
      items.substr(mark + before.size(), written.size()) != written) {
    return false;
  }
  *first = mark + before.size();
  *last = *first + written.size();
  return true;
}

bool IniDocument::Adopt(std::string bytes, const std::vector<Item>& expected) {
  StringSource source(bytes);
  ItemsRead read;
  if (!ReadItems(source, path_, *legacy_, ReadScope::kMenu, &read).ok()) return false;
  // The encoding may change (a file whose last non-ASCII character is gone
  // reads as UTF-8): what counts is that every item reads as meant.
  if (!SameItems(read.items, expected)) return false;
  bytes_ = std::move(bytes);
  read_ = std::move(read);
  held_ = kItemCount;
  return true;
}

EditOutcome IniDocument::SetText(int n, std::string_view text) {
  if (n > held_) return EditOutcome::kMissing;
  const Item& old = item(n);
  if (old.text == text) return EditOutcome::kUnchanged;
  // Keep the item's own way of writing where the text allows it.
  bool quoted;
  if (old.quoted && QuotedReadsAs(text))
    quoted = true;
  else if (UnquotedReadsAs(n, text))
    quoted = false;
  else if (QuotedReadsAs(text))
    quoted = true;
  else
    return EditOutcome::kNotWritable;

  // A quote left open at the end of the file stays open.
  const bool open_quote = old.quoted && old.end - old.begin == old.text.size() + 1;
  const std::string written =
      quoted ? "\"" + std::string(text) + (open_quote ? "" : "\"") : std::string(text);
  std::string encoded;
  if (!EncodeAs(written, encoding(), *legacy_, &encoded)) return EditOutcome::kNotEncodable;
  size_t first = 0, last = 0;
  if (!ItemBytes(n, &first, &last)) return EditOutcome::kNeedsUtf8;

  std::vector<Item> expected = read_.items;
  expected[n - 1].text = std::string(text);
  expected[n - 1].quoted = quoted;
  std::string bytes = bytes_.substr(0, first) + encoded + bytes_.substr(last);
  return Adopt(std::move(bytes), expected) ? EditOutcome::kDone : EditOutcome::kNeedsUtf8;
}

EditOutcome IniDocument::ConvertToUtf8() {
  if (read_.encoding == Encoding::kUtf8Bom) return EditOutcome::kUnchanged;
  const std::string text = DecodeAs(bytes_, encoding(), true, *legacy_);
  const std::vector<Item> expected = read_.items;
  return Adopt("\xEF\xBB\xBF" + text, expected) ? EditOutcome::kDone : EditOutcome::kNeedsUtf8;
}

EditOutcome IniDocument::Complete() {
  if (held_ == kItemCount) return EditOutcome::kUnchanged;
  const std::string text = DecodeAs(bytes_, encoding(), true, *legacy_);
  const size_t first_end = text.find_first_of("\r\n");
  const std::string end = first_end == std::string::npos || text.compare(first_end, 2, "\r\n") == 0
                              ? "\r\n"
                              : text.substr(first_end, 1);
  std::string added = text.empty() || text.back() == '\r' || text.back() == '\n' ? "" : end;
  std::vector<Item> expected = read_.items;
  for (int n = held_ + 1; n <= kItemCount; ++n) {
    if (kShowFlags.Holds(n)) expected[n - 1].text = "0";
    added += expected[n - 1].text + end;
  }
  const int held = held_;
  std::string encoded;
  if (!EncodeAs(added, encoding(), *legacy_, &encoded) || !Adopt(bytes_ + encoded, expected))
    return EditOutcome::kNotWritable;
  for (int n = std::max(held + 1, kButtonPictures.first_item + 1); n <= kItemCount; ++n) {
    const std::string before = item(n - 1).text;
    SetText(n, before);  // empty stays empty; a picture that will not go stays empty
  }
  return EditOutcome::kDone;
}

}  // namespace discmenu
