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

namespace {

// `bytes` with each byte that is not part of valid UTF-8 written as "\xE9";
// with `controls`, each control character too ("\x0A", "\u0085").
std::string Escape(std::string_view bytes, bool controls) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  size_t i = 0;
  while (i < bytes.size()) {
    const int len = Utf8SequenceLength(bytes, i);
    const auto b = static_cast<uint8_t>(bytes[i]);
    const auto next = len == 2 ? static_cast<uint8_t>(bytes[i + 1]) : 0;
    if (controls && len == 2 && b == 0xC2 && next < 0xA0) {  // U+0080 to U+009F
      out += "\\u00";
      out += kHex[next >> 4];
      out += kHex[next & 0xF];
      i += 2;
    } else if (len > 0 && !(controls && len == 1 && (b < 0x20 || b == 0x7F))) {
      out.append(bytes.substr(i, len));
      i += len;
    } else {
      out += "\\x";
      out += kHex[b >> 4];
      out += kHex[b & 0xF];
      ++i;
    }
  }
  return out;
}

}  // namespace

std::string EscapeInvalidUtf8(std::string_view bytes) {
  return Escape(bytes, false);
}

std::string OneLine(std::string_view text) {
  return Escape(text, true);
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

std::string Windows1252Decoder::Convert(std::string_view bytes, const std::string&,
                                        bool* exact) const {
  std::string out;
  out.reserve(bytes.size() * 2);
  *exact = true;
  for (char ch : bytes) {
    auto c = static_cast<uint8_t>(ch);
    char32_t cp = c;
    if (c >= 0x80 && c <= 0x9F) {
      cp = kCp1252High[c - 0x80] ? kCp1252High[c - 0x80] : kReplacement;
      if (cp == kReplacement) *exact = false;
    }
    AppendUtf8(cp, &out);
  }
  return out;
}

namespace {

enum class Script { kNone, kLatin, kGreek, kCyrillic, kHebrew, kArabic };

// The script of letter `cp` (a code point below U+0800), or kNone for a
// sign.
Script ScriptOf(char32_t cp) {
  if ((cp >= 0xC0 && cp <= 0x24F && cp != 0xD7 && cp != 0xF7)) return Script::kLatin;
  if (cp >= 0x386 && cp <= 0x3FF && cp != 0x387) return Script::kGreek;
  if (cp >= 0x400 && cp <= 0x4FF && !(cp >= 0x482 && cp <= 0x489)) return Script::kCyrillic;
  if (cp >= 0x5D0 && cp <= 0x5EA) return Script::kHebrew;
  if (cp >= 0x620 && cp <= 0x64A) return Script::kArabic;
  return Script::kNone;
}

bool IsAsciiLetter(char32_t cp) {
  return (cp >= 'A' && cp <= 'Z') || (cp >= 'a' && cp <= 'z');
}

}  // namespace

bool PreferLegacy(std::string_view bytes) {
  const std::u32string text = CodePoints(bytes);
  // Each item (between commas and line ends) is judged on its own.
  size_t start = 0;
  while (start < text.size()) {
    size_t end = start;
    while (end < text.size() && text[end] != ',' && text[end] != '\r' && text[end] != '\n') ++end;
    bool ascii_letters = false, only_latin1 = true, any = false;
    Script run_script = Script::kNone;
    int run = 0;
    for (size_t i = start; i < end; ++i) {
      const char32_t cp = text[i];
      if (cp < 0x80) {
        ascii_letters = ascii_letters || IsAsciiLetter(cp);
        run = 0;
        continue;
      }
      any = true;
      if (cp > 0xFF) only_latin1 = false;
      const Script script = ScriptOf(cp);
      run = script != Script::kNone && script == run_script ? run + 1 : 1;
      run_script = script;
      if (script == Script::kNone) continue;
      // A letter inside an ASCII word ("Menü"), or a word of three letters
      // of one script ("При"): text, not two-byte characters by chance.
      const bool in_ascii_word =
          (i > start && IsAsciiLetter(text[i - 1])) || (i + 1 < end && IsAsciiLetter(text[i + 1]));
      if (in_ascii_word || run >= 3) return false;
    }
    // ASCII words with Latin-1 signs and letters ("© Aurora", "À propos").
    if (any && ascii_letters && only_latin1) return false;
    start = end + 1;
  }
  return true;
}

TextEncoding ChooseEncoding(std::string_view bytes, bool at_eof, const LegacyDecoder& legacy) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return {Encoding::kUtf8Bom, "UTF-8"};
  if (bytes.starts_with("\xFF\xFE")) return {Encoding::kUtf16Le, "UTF-16LE"};
  if (bytes.starts_with("\xFE\xFF")) return {Encoding::kUtf16Be, "UTF-16BE"};
  if (!IsValidUtf8(bytes, at_eof)) return {Encoding::kLegacy, legacy.CodePageOf(bytes)};
  // Valid UTF-8 may still be text in a double-byte code page: weigh the
  // evidence when the system's is one. Three- and four-byte sequences, as
  // every CJK character in UTF-8 has, are UTF-8's alone.
  const std::string ambiguous = legacy.AmbiguousCodePage();
  if (ambiguous.empty()) return {};
  bool wide = false, long_sequence = false;
  for (char c : bytes) {
    const auto b = static_cast<uint8_t>(c);
    wide = wide || b >= 0x80;
    long_sequence = long_sequence || b >= 0xE0;
  }
  if (!wide || long_sequence) return {};
  bool exact = true;
  legacy.Convert(bytes, ambiguous, &exact);
  if (exact && PreferLegacy(bytes)) return {Encoding::kLegacy, ambiguous};
  return {};
}

std::string DecodeAs(std::string_view bytes, const TextEncoding& encoding, bool at_eof,
                     const LegacyDecoder& legacy) {
  std::string out;
  switch (encoding.kind) {
    case Encoding::kUtf16Le:
    case Encoding::kUtf16Be:
      return DecodeUtf16(bytes.substr(2), encoding.kind == Encoding::kUtf16Be, at_eof);
    case Encoding::kLegacy: {
      bool exact = true;
      return legacy.Convert(bytes, encoding.name, &exact);
    }
    case Encoding::kUtf8Bom:
      bytes.remove_prefix(3);
      break;
    case Encoding::kUtf8:
      break;
  }
  // Invalid sequences become U+FFFD; one cut off at the end is left for the
  // next part unless the file ends there.
  size_t i = 0;
  while (i < bytes.size()) {
    const int len = Utf8SequenceLength(bytes, i);
    if (len < 0) {
      if (at_eof) AppendUtf8(kReplacement, &out);
      break;
    }
    if (len == 0) {
      AppendUtf8(kReplacement, &out);
      ++i;
      continue;
    }
    out.append(bytes.substr(i, len));
    i += len;
  }
  return out;
}

DecodedText DecodeText(std::string_view bytes, bool at_eof, const LegacyDecoder& legacy) {
  DecodedText d;
  const TextEncoding encoding = ChooseEncoding(bytes, at_eof, legacy);
  d.encoding = encoding.kind;
  d.encoding_name = encoding.name;
  d.utf8 = DecodeAs(bytes, encoding, at_eof, legacy);
  return d;
}

bool Windows1252Decoder::Encode(std::string_view utf8, const std::string&, std::string* out) const {
  for (char32_t cp : CodePoints(utf8)) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out->push_back(static_cast<char>(cp));
      continue;
    }
    int high = 0;
    while (high < 32 && (kCp1252High[high] == 0 || kCp1252High[high] != cp)) ++high;
    if (high == 32) return false;
    out->push_back(static_cast<char>(0x80 + high));
  }
  return true;
}

bool EncodeAs(std::string_view utf8, const TextEncoding& encoding, const LegacyDecoder& legacy,
              std::string* out) {
  switch (encoding.kind) {
    case Encoding::kUtf8:
    case Encoding::kUtf8Bom:
      out->append(utf8);
      return true;
    case Encoding::kUtf16Le:
    case Encoding::kUtf16Be:
      break;
    case Encoding::kLegacy:
      return legacy.Encode(utf8, encoding.name, out);
  }
  const bool big_endian = encoding.kind == Encoding::kUtf16Be;
  auto unit = [&](char32_t u) {
    const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
    out->push_back(big_endian ? hi : lo);
    out->push_back(big_endian ? lo : hi);
  };
  for (char32_t cp : CodePoints(utf8)) {
    if (cp < 0x10000) {
      unit(cp);
    } else {
      unit(0xD800 + ((cp - 0x10000) >> 10));
      unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    }
  }
  return true;
}

size_t ByteOrderMarkSize(std::string_view bytes, const TextEncoding& encoding) {
  switch (encoding.kind) {
    case Encoding::kUtf8Bom:
      return bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    case Encoding::kUtf16Le:
      return bytes.starts_with("\xFF\xFE") ? 2 : 0;
    case Encoding::kUtf16Be:
      return bytes.starts_with("\xFE\xFF") ? 2 : 0;
    default:
      return 0;
  }
}

}  // namespace discmenu
