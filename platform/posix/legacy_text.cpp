#include "platform/posix/legacy_text.h"

#include "platform/posix/locale.h"

#include <iconv.h>
#include <uchardet/uchardet.h>

#include <cerrno>
#include <string>

namespace discmenu::posix {

namespace {

std::string Detect(std::string_view bytes) {
  uchardet_t detector = uchardet_new();
  if (!detector) return "";
  // The detector needs no more than a good sample to decide.
  std::string_view sample = bytes.substr(0, 64 * 1024);
  std::string charset;
  if (uchardet_handle_data(detector, sample.data(), sample.size()) == 0) {
    uchardet_data_end(detector);
    charset = uchardet_get_charset(detector);
  }
  uchardet_delete(detector);
  return charset;
}

// Converts `bytes` from `from` to `to` with iconv, appending to `*out`.
// Input it cannot convert sets `*exact` to false and, converting to UTF-8,
// is skipped a byte at a time with U+FFFD in its place; converting to
// anything else it ends the conversion. False when iconv knows no such
// conversion.
bool IconvConvert(const char* to, const std::string& from, std::string_view bytes, std::string* out,
                  bool* exact) {
  iconv_t cd = iconv_open(to, from.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  const bool to_utf8 = std::string_view(to) == "UTF-8";
  out->reserve(out->size() + bytes.size() * 2);
  char* in = const_cast<char*>(bytes.data());
  size_t in_left = bytes.size();
  char buf[4096];
  while (in_left > 0) {
    char* o = buf;
    size_t o_left = sizeof buf;
    size_t r = iconv(cd, &in, &in_left, &o, &o_left);
    out->append(buf, o - buf);
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      *exact = false;
      if (!to_utf8) break;
      out->append("\xEF\xBF\xBD");  // EILSEQ or EINVAL: skip one byte
      ++in;
      --in_left;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  if (*exact && !to_utf8) {  // the shift back to the initial state, if any
    char* o = buf;
    size_t o_left = sizeof buf;
    if (iconv(cd, nullptr, nullptr, &o, &o_left) == static_cast<size_t>(-1)) *exact = false;
    out->append(buf, o - buf);
  }
  iconv_close(cd);
  return true;
}

bool IsLatinSingleByte(const std::string& charset) {
  static const char* const kLatin[] = {
      "WINDOWS-1250", "WINDOWS-1252", "WINDOWS-1254", "WINDOWS-1257", "WINDOWS-1258",
      "ISO-8859-1",   "ISO-8859-2",   "ISO-8859-3",   "ISO-8859-4",   "ISO-8859-9",
      "ISO-8859-10",  "ISO-8859-13",  "ISO-8859-15",  "ISO-8859-16",  "MAC-CENTRALEUROPE"};
  for (const char* latin : kLatin)
    if (charset == latin) return true;
  return false;
}

}  // namespace

std::string DoubleByteCodePage(const std::string& locale) {
  // The language and territory, as in "zh_TW.UTF-8@euro".
  const std::string tag = locale.substr(0, locale.find_first_of(".@"));
  const std::string language = tag.substr(0, tag.find('_'));
  if (language == "zh") {
    return tag == "zh_TW" || tag == "zh_HK" || tag == "zh_MO" ? "CP950" : "CP936";
  }
  if (language == "ja") return "CP932";
  if (language == "ko") return "CP949";
  return "";
}

DetectingDecoder::DetectingDecoder() : ambiguous_(DoubleByteCodePage(CharacterLocale())) {}

DetectingDecoder::DetectingDecoder(std::string locale) : ambiguous_(DoubleByteCodePage(locale)) {}

std::string DetectingDecoder::CodePageOf(std::string_view bytes) const {
  // The system's code page first, as on Windows, when it reads the text;
  // short texts give the detector too little to go on.
  bool exact = true;
  if (!ambiguous_.empty()) {
    std::string ignored;
    if (IconvConvert("UTF-8", ambiguous_, bytes, &ignored, &exact) && exact) return ambiguous_;
  }
  std::string charset = Detect(bytes);
  // On a few lines of text the detector cannot tell the Latin-script code
  // pages apart (French comes back as Central European): for all of them the
  // most common one, Windows-1252, reads Western text right. Other scripts
  // (CJK, Cyrillic, Greek, ...) it does tell apart, and those are kept.
  if (IsLatinSingleByte(charset)) return "WINDOWS-1252";
  // The detector can answer UTF-8 or ASCII only for text that is not; those
  // answers, like none at all, leave the most common Western code page.
  if (charset.empty() || charset == "ASCII" || charset.find("UTF") != std::string::npos)
    return "WINDOWS-1252";
  return charset;
}

std::string DetectingDecoder::Convert(std::string_view bytes, const std::string& code_page,
                                      bool* exact) const {
  std::string out;
  *exact = true;
  if (IconvConvert("UTF-8", code_page, bytes, &out, exact)) return out;
  return Windows1252Decoder().Convert(bytes, code_page, exact);
}

bool DetectingDecoder::Encode(std::string_view utf8, const std::string& code_page,
                              std::string* out) const {
  std::string encoded;
  bool exact = true;
  if (!IconvConvert(code_page.c_str(), "UTF-8", utf8, &encoded, &exact))
    return Windows1252Decoder().Encode(utf8, code_page, out);
  if (!exact) return false;
  out->append(encoded);
  return true;
}

}  // namespace discmenu::posix
