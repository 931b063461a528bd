// Fuzzes the install.ini reader: any bytes go through ReadMenuSettings with
// the POSIX legacy decoder (uchardet + iconv), once as a plain file serves
// them and once through a source that serves short reads, an error or a
// file larger than the cap. The results must keep the reader's promises.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/install_ini.h"
#include "config/text_decoding.h"
#include "config/variant.h"
#include "platform/posix/legacy_text.h"

namespace discmenu {
namespace {

#define CHECK(cond)                                                                 \
  do {                                                                              \
    if (!(cond)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                                 \
    }                                                                               \
  } while (0)

constexpr size_t kFirstChunk = 16 * 1024;  // what the reader asks for first

// A small deterministic generator, seeded from the input, for how the
// source behaves: the fuzzer steers it through the bytes it mutates.
class Rng {
 public:
  explicit Rng(std::string_view data) {
    for (unsigned char c : data) state_ = (state_ ^ c) * 0x100000001B3ull;
  }
  uint64_t Next() {
    state_ ^= state_ >> 33;
    state_ *= 0xFF51AFD7ED558CCDull;
    state_ ^= state_ >> 33;
    return state_;
  }
  size_t Below(size_t n) { return n ? Next() % n : 0; }

 private:
  uint64_t state_ = 0xCBF29CE484222325ull;
};

// How a source serves the input.
struct Plan {
  std::vector<size_t> short_reads;  // sizes of the first reads (0 included)
  size_t total = 0;                 // bytes the file has: the input, repeated
  int fail_at = -1;                 // the read that fails, or -1
};

// Serves `data` repeated up to `plan.total` bytes, following the plan, and
// records what the reader asked for.
class ScriptedSource : public ByteSource {
 public:
  ScriptedSource(std::string_view data, Plan plan) : data_(data), plan_(std::move(plan)) {}

  Error Read(size_t max, std::string* out, bool* eof) override {
    // A request for nothing can never make progress.
    CHECK(max > 0);
    CHECK(max <= kMaxConfigBytes);
    const int read = reads_++;
    if (read == plan_.fail_at) {
      failed_ = true;
      return Error::PathFileAccess("injected failure");
    }
    size_t n = std::min(max, plan_.total - pos_);
    if (static_cast<size_t>(read) < plan_.short_reads.size())
      n = std::min(n, plan_.short_reads[read]);
    for (size_t end = pos_ + n; pos_ < end;) {
      const size_t at = pos_ % data_.size();
      const size_t take = std::min(end - pos_, data_.size() - at);
      out->append(data_.substr(at, take));
      pos_ += take;
    }
    *eof = pos_ == plan_.total;
    return Error();
  }

  size_t delivered() const { return pos_; }
  bool at_end() const { return pos_ == plan_.total; }
  bool failed() const { return failed_; }

 private:
  std::string_view data_;
  Plan plan_;
  size_t pos_ = 0;
  int reads_ = 0;
  bool failed_ = false;
};

struct Outcome {
  Error error;
  MenuSettings settings;
  ItemsRead read;
};

bool ValidText(const std::string& s) {
  return IsValidUtf8(s, true);
}

// A value as a show flag compares with 1 the way its kind says; a text as
// the number it reads as, whatever spaces and tabs stand around it.
void CheckFlag(const Variant& v) {
  const std::optional<bool> one = EqualsOne(v);
  switch (v.kind()) {
    case Variant::Kind::kEmpty:
      CHECK(one == false);
      break;
    case Variant::Kind::kNumber:
      CHECK(one == (v.number() == 1.0));
      break;
    case Variant::Kind::kText: {
      const std::string text(v.AsText());
      CHECK(EqualsOne(Variant::Text(" \t" + text + "\t ")) == one);
      const Variant read = VariantFromUnquoted(text);
      if (read.kind() == Variant::Kind::kNumber) CHECK(one == (read.number() == 1.0));
      break;
    }
  }
}

// A number's text form reads back as the same number; a value read from
// UTF-8 text is UTF-8.
void CheckVariant(const Variant& v, bool utf8 = true) {
  if (utf8) CHECK(ValidText(v.AsText()));
  if (v.IsEmpty()) CHECK(v.AsText().empty());
  if (v.IsNumber()) {
    std::optional<double> back = ParseDecimal(v.AsText());
    CHECK(back.has_value());
    CHECK(*back == v.number());
  }
}

// The value that `item` gives, as the reader stores it.
void CheckStored(const Item& item, const Variant& v) {
  if (item.quoted) {
    CHECK(v.IsText());
    CHECK(v.AsText() == item.text);
  } else if (item.text.empty()) {
    CHECK(v.IsEmpty());
  } else if (v.IsText()) {
    CHECK(v.AsText() == item.text);
    CHECK(!ParseDecimal(item.text).has_value());
  } else {
    CHECK(v.IsNumber());
    CHECK(ParseDecimal(item.text) == v.number());
  }
}

Outcome Run(ScriptedSource& source, const LegacyDecoder& decoder) {
  Outcome o;
  o.error = ReadItems(source, "install.ini", decoder, ReadScope::kMenu, &o.read);

  CHECK(source.delivered() <= kMaxConfigBytes + kFirstChunk);
  CHECK(o.read.bytes_read == source.delivered());
  if (source.failed()) {
    CHECK(o.error == Error::PathFileAccess("injected failure"));
    return o;
  }
  switch (o.error.number()) {
    case Error::kOk:
      break;
    case Error::kInputPastEndOfFile:
      CHECK(source.at_end());
      CHECK(o.read.items.size() < size_t{kItemCount});
      return o;
    case Error::kOutOfMemory:
      CHECK(source.delivered() >= kMaxConfigBytes);
      CHECK(o.read.items.size() < size_t{kItemCount});
      return o;
    default:
      CHECK(!"unexpected error");
  }

  const ItemsRead& r = o.read;
  CHECK(r.items.size() == size_t{kItemCount});
  o.settings = ToMenuSettings(r.items);
  const MenuSettings& s = o.settings;
  CHECK(ValidText(r.encoding_name));
  for (int i = 0; i < kItemCount; ++i) {
    const Item& item = r.items[i];
    CHECK(item.number == i + 1);
    CHECK(ValidText(item.text));
    CHECK(item.line >= 1 && item.column >= 1);
    if (i > 0) {
      const Item& prev = r.items[i - 1];
      CHECK(item.line > prev.line || (item.line == prev.line && item.column > prev.column));
    }
    if (!item.quoted) {
      CHECK(item.text.find_first_of(",\r\n") == std::string::npos);
      CHECK(item.text.empty() || (item.text.front() != ' ' && item.text.front() != '\t'));
      CHECK(item.text.empty() || (item.text.back() != ' ' && item.text.back() != '\t'));
    } else {
      CHECK(item.text.find('"') == std::string::npos);
    }
  }
  for (int item = 1; item <= kItemCount; ++item) {
    if (item == kPlainTextItem) continue;
    const Variant& field = s.VariantField(item);
    CheckVariant(field);
    CheckStored(r.items[item - 1], field);
    if (GroupOf(item).kind == FieldKind::kShowFlag) CheckFlag(field);
  }
  CHECK(s.ButtonPicture8 == r.items[kPlainTextItem - 1].text);
  CHECK(ValidText(s.ButtonPicture8));
  for (int n = 1; n <= kEntryCount; ++n) CHECK(ValidText(s.ButtonPictureText(n)));
  return o;
}

void CheckSameOutcome(const Outcome& a, const Outcome& b) {
  CHECK(a.error == b.error);
  CHECK(a.settings == b.settings);
  CHECK(a.read.items.size() == b.read.items.size());
  CHECK(a.read.encoding == b.read.encoding);
  CHECK(a.read.stopped_at == b.read.stopped_at);
  for (size_t i = 0; i < a.read.items.size(); ++i) {
    const Item &x = a.read.items[i], &y = b.read.items[i];
    CHECK(x.text == y.text && x.quoted == y.quoted && x.line == y.line && x.column == y.column);
  }
}

// The tokenizer alone: at the end of the text it never asks for more, every
// item takes up text, and a part of the text gives the same first items as
// the whole.
void FuzzTokenizer(std::string_view text, Rng& rng) {
  std::vector<Item> whole;
  {
    Tokenizer t(text, true);
    for (;;) {
      Item item;
      Tokenizer::Result r = t.Next(&item);
      CHECK(r != Tokenizer::Result::kNeedMore);
      if (r == Tokenizer::Result::kEnd) break;
      whole.push_back(std::move(item));
      CHECK(whole.size() <= text.size());
    }
  }
  const bool utf8 = IsValidUtf8(text, true);
  for (const Item& item : whole) {
    if (utf8) CHECK(ValidText(item.text));
    const Variant v = VariantFromUnquoted(item.text);
    CheckVariant(v, utf8);
    CheckFlag(v);
    CheckFlag(Variant::Text(item.text));
  }

  const size_t cut = rng.Below(text.size() + 1);
  Tokenizer t(text.substr(0, cut), false);
  for (size_t i = 0;; ++i) {
    Item item;
    Tokenizer::Result r = t.Next(&item);
    CHECK(r != Tokenizer::Result::kEnd);
    if (r == Tokenizer::Result::kNeedMore) break;
    CHECK(i < whole.size());
    const Item& w = whole[i];
    CHECK(item.text == w.text && item.quoted == w.quoted && item.line == w.line &&
          item.column == w.column);
  }
}

}  // namespace
}  // namespace discmenu

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace discmenu;
  const std::string_view data(reinterpret_cast<const char*>(bytes), size);
  Rng rng(data);

  FuzzTokenizer(data, rng);

  // As a plain file serves it, on a Western system or on one whose code
  // page can pass for UTF-8.
  ScriptedSource plain(data, Plan{{}, size, -1});
  static const posix::DetectingDecoder western_locale("en_US.UTF-8");
  static const posix::DetectingDecoder big5_locale("zh_TW.UTF-8");
  const posix::DetectingDecoder& detecting = rng.Below(2) ? big5_locale : western_locale;
  const Outcome whole = Run(plain, detecting);

  // Short reads (nothing at all, too), a failing read, or the input repeated
  // past the cap.
  Plan plan;
  plan.total = size;
  for (size_t n = rng.Below(8); n > 0; --n) {
    static constexpr size_t kSizes[] = {0, 1, 2, 3, 7, 64, 4096};
    plan.short_reads.push_back(kSizes[rng.Below(std::size(kSizes))]);
  }
  // The file past the cap is slow to read: one input in 256 gets it.
  const uint64_t mode = rng.Below(256);
  if (mode == 0 && size > 0) plan.total = kMaxConfigBytes + kFirstChunk + rng.Below(size);
  if (mode == 1) plan.fail_at = static_cast<int>(rng.Below(plan.short_reads.size() + 2));
  ScriptedSource scripted(data, plan);
  // Past the cap the reader's bound is checked, not the decoder: with
  // Windows-1252, since under ASan every iconv call checks all the input
  // left, and megabytes of unconvertible bytes take minutes.
  static const Windows1252Decoder western;
  const LegacyDecoder* decoder = &detecting;
  if (plan.total != size) decoder = &western;
  const Outcome split = Run(scripted, *decoder);

  // The encoding is decided on the items' bytes alone: short reads change
  // nothing.
  if (plan.total == size && plan.fail_at < 0) CheckSameOutcome(whole, split);
  return 0;
}
