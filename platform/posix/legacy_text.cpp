#include "platform/posix/legacy_text.h"

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

// Converts with iconv; bytes that cannot be converted become U+FFFD.
bool Convert(const std::string& charset, std::string_view bytes, std::string* out) {
  iconv_t cd = iconv_open("UTF-8", charset.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out->clear();
  out->reserve(bytes.size() * 2);
  char* in = const_cast<char*>(bytes.data());
  size_t in_left = bytes.size();
  char buf[4096];
  while (in_left > 0) {
    char* o = buf;
    size_t o_left = sizeof buf;
    size_t r = iconv(cd, &in, &in_left, &o, &o_left);
    out->append(buf, o - buf);
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      out->append("\xEF\xBF\xBD");  // EILSEQ or EINVAL: skip one byte
      ++in;
      --in_left;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return true;
}

}  // namespace

std::string DetectingDecoder::ToUtf8(std::string_view bytes, std::string* name) const {
  std::string charset = Detect(bytes);
  // As browsers do: text labelled Latin-1 is read as its superset.
  if (charset == "ISO-8859-1") charset = "WINDOWS-1252";
  // The detector can answer UTF-8 or ASCII only for text that is not; those
  // answers, like none at all, leave the most common Western code page.
  if (!charset.empty() && charset != "ASCII" && charset.find("UTF") == std::string::npos) {
    std::string out;
    if (Convert(charset, bytes, &out)) {
      *name = charset;
      return out;
    }
  }
  return Windows1252Decoder().ToUtf8(bytes, name);
}

}  // namespace discmenu::posix
