#include "config/text_decoding.h"

#include <cstdint>

namespace discmenu {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 code points for 0x80-0x9F; 0 marks the five unused bytes.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Length of the UTF-8 sequence at `s[i]` if it is complete and valid; 0 if
// it is invalid; -1 if it is a valid start that `s` cuts off.
int Utf8SequenceLength(std::string_view s, size_t i) {
  auto b = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
  uint8_t c = b(i);
  if (c < 0x80) return 1;
  int len;
  uint8_t lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    len = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3;
    if (c == 0xE0) lo = 0xA0;  // overlong
    if (c == 0xED) hi = 0x9F;  // surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4;
    if (c == 0xF0) lo = 0x90;  // overlong
    if (c == 0xF4) hi = 0x8F;  // beyond U+10FFFF
  } else {
    return 0;
  }
  for (int k = 1; k < len; ++k) {
    if (i + k >= s.size()) return -1;
    uint8_t t = b(i + k);
    if (k == 1 ? (t < lo || t > hi) : (t < 0x80 || t > 0xBF)) return 0;
  }
  return len;
}

std::string DecodeUtf16(std::string_view bytes, bool big_endian, bool at_eof) {
  std::string out;
  out.reserve(bytes.size());
  auto unit = [&](size_t i) -> char16_t {
    auto hi = static_cast<uint8_t>(bytes[big_endian ? i : i + 1]);
    auto lo = static_cast<uint8_t>(bytes[big_endian ? i + 1 : i]);
    return static_cast<char16_t>(hi << 8 | lo);
  };
  size_t i = 0;
  while (i + 1 < bytes.size()) {
    char16_t u = unit(i);
    i += 2;
    if (u >= 0xD800 && u <= 0xDBFF) {
      if (i + 1 >= bytes.size()) {
        if (at_eof) AppendUtf8(kReplacement, &out);
        return out;  // the pair is cut off: leave it for the next part
      }
      char16_t v = unit(i);
      if (v >= 0xDC00 && v <= 0xDFFF) {
        i += 2;
        AppendUtf8(0x10000 + ((char32_t(u) - 0xD800) << 10) + (v - 0xDC00), &out);
      } else {
        AppendUtf8(kReplacement, &out);
      }
    } else if (u >= 0xDC00 && u <= 0xDFFF) {
      AppendUtf8(kReplacement, &out);
    } else {
      AppendUtf8(u, &out);
    }
  }
  if (i < bytes.size() && at_eof) AppendUtf8(kReplacement, &out);  // odd last byte
  return out;
}

}  // namespace

void AppendUtf8(char32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | cp >> 6));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | cp >> 12));
    out->push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | cp >> 18));
    out->push_back(static_cast<char>(0x80 | (cp >> 12 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::u32string CodePoints(std::string_view utf8) {
  std::u32string out;
  size_t i = 0;
  while (i < utf8.size()) {
    const int len = Utf8SequenceLength(utf8, i);
    if (len <= 0) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    char32_t cp = static_cast<uint8_t>(utf8[i]) & (len == 1 ? 0x7F : 0x7F >> len);
    for (int k = 1; k < len; ++k) cp = cp << 6 | (static_cast<uint8_t>(utf8[i + k]) & 0x3F);
    out.push_back(cp);
    i += len;
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes, bool at_eof) {
  size_t i = 0;
  while (i < bytes.size()) {
    int len = Utf8SequenceLength(bytes, i);
    if (len == 0) return false;
    if (len < 0) return !at_eof;
    i += len;
  }
  return true;
}

std::string Windows1252Decoder::ToUtf8(std::string_view bytes, std::string* name) const {
  *name = "windows-1252";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char ch : bytes) {
    auto c = static_cast<uint8_t>(ch);
    char32_t cp = c;
    if (c >= 0x80 && c <= 0x9F) cp = kCp1252High[c - 0x80] ? kCp1252High[c - 0x80] : kReplacement;
    AppendUtf8(cp, &out);
  }
  return out;
}

DecodedText DecodeText(std::string_view bytes, bool at_eof, const LegacyDecoder& legacy) {
  DecodedText d;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    d.encoding = Encoding::kUtf8Bom;
    d.encoding_name = "UTF-8";
    bytes.remove_prefix(3);
    // Invalid sequences after a UTF-8 mark become U+FFFD.
    size_t i = 0;
    while (i < bytes.size()) {
      int len = Utf8SequenceLength(bytes, i);
      if (len < 0) {
        if (at_eof) AppendUtf8(kReplacement, &d.utf8);
        break;
      }
      if (len == 0) {
        AppendUtf8(kReplacement, &d.utf8);
        ++i;
        continue;
      }
      d.utf8.append(bytes.substr(i, len));
      i += len;
    }
    return d;
  }
  if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
    bool big_endian = bytes[0] == '\xFE';
    d.encoding = big_endian ? Encoding::kUtf16Be : Encoding::kUtf16Le;
    d.encoding_name = big_endian ? "UTF-16BE" : "UTF-16LE";
    d.utf8 = DecodeUtf16(bytes.substr(2), big_endian, at_eof);
    return d;
  }
  if (IsValidUtf8(bytes, at_eof)) {
    d.encoding = Encoding::kUtf8;
    d.encoding_name = "UTF-8";
    // Drop a sequence cut off at the end; the next part completes it.
    size_t end = bytes.size();
    size_t back = 0;
    while (back < 3 && back < end && (static_cast<uint8_t>(bytes[end - 1 - back]) & 0xC0) == 0x80)
      ++back;
    if (back < end && Utf8SequenceLength(bytes, end - 1 - back) < 0) end -= back + 1;
    d.utf8.assign(bytes.substr(0, end));
    return d;
  }
  d.encoding = Encoding::kLegacy;
  d.utf8 = legacy.ToUtf8(bytes, &d.encoding_name);
  return d;
}

}  // namespace discmenu
