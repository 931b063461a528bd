#include "tools/discmenu-tool/ansi_code_pages.h"

#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "config/text_decoding.h"

namespace discmenu::tool {

namespace {

// iconv_open's failure value, (iconv_t)-1; null stands for it here.
iconv_t Open(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  return reinterpret_cast<intptr_t>(cd) == -1 ? nullptr : cd;
}

}  // namespace

AnsiCodePages::AnsiCodePages() {
  for (size_t k = 0; k < kAnsiCodePages.size(); ++k)
    to_code_page_[k] = Open(kAnsiCodePages[k], "UTF-8");
  to_utf32_ = Open("UTF-32LE", "UTF-8");
}

AnsiCodePages::~AnsiCodePages() {
  for (void* cd : to_code_page_)
    if (cd) iconv_close(static_cast<iconv_t>(cd));
  if (to_utf32_) iconv_close(static_cast<iconv_t>(to_utf32_));
}

// Converts `utf8` completely, without substitutes; false at the first
// character the target lacks.
bool AnsiCodePages::Converts(void* handle, const std::string& utf8) {
  auto cd = static_cast<iconv_t>(handle);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
  char out[32];
  char* in_ptr = const_cast<char*>(utf8.data());
  size_t in_left = utf8.size();
  char* out_ptr = out;
  size_t out_left = sizeof out;
  if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<size_t>(-1)) return false;
  // Some converters hold a character back until the end of the text.
  return iconv(cd, nullptr, nullptr, &out_ptr, &out_left) != static_cast<size_t>(-1) &&
         in_left == 0;
}

bool AnsiCodePages::Holds(char32_t cp) {
  if (cp < 0x80) return true;
  std::string utf8;
  AppendUtf8(cp, &utf8);
  return std::any_of(to_code_page_.begin(), to_code_page_.end(),
                     [&](void* cd) { return cd && Converts(cd, utf8); });
}

std::vector<std::string> AnsiCodePages::CodePagesHolding(char32_t cp) {
  std::string utf8;
  AppendUtf8(cp, &utf8);
  std::vector<std::string> names;
  for (size_t k = 0; k < kAnsiCodePages.size(); ++k)
    if (to_code_page_[k] && Converts(to_code_page_[k], utf8)) names.push_back(kAnsiCodePages[k]);
  return names;
}

std::vector<char32_t> AnsiCodePages::Unrepresentable(std::string_view utf8) {
  std::vector<char32_t> missing;
  if (!to_utf32_ || std::all_of(utf8.begin(), utf8.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return missing;
  auto cd = static_cast<iconv_t>(to_utf32_);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string wide(utf8.size() * 4, '\0');
  char* in_ptr = const_cast<char*>(utf8.data());
  size_t in_left = utf8.size();
  char* out_ptr = wide.data();
  size_t out_left = wide.size();
  // Install.ini text is decoded already, so it is valid UTF-8; should a
  // conversion stop early, what was converted is still checked.
  iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  const size_t count = (wide.size() - out_left) / 4;
  for (size_t k = 0; k < count; ++k) {
    const auto* b = reinterpret_cast<const unsigned char*>(wide.data() + 4 * k);
    char32_t cp = b[0] | b[1] << 8 | b[2] << 16 | static_cast<char32_t>(b[3]) << 24;
    if (std::find(missing.begin(), missing.end(), cp) == missing.end() && !Holds(cp))
      missing.push_back(cp);
  }
  return missing;
}

std::string CodePointName(char32_t cp) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(cp));
  return name;
}

}  // namespace discmenu::tool
