#include "platform/win32/win32_logic.h"

#include <charconv>

namespace discmenu::win32 {

std::string AppDirectoryOf(std::string_view module_path) {
  size_t last = module_path.find_last_of("\\/");
  if (last == std::string_view::npos) return std::string(module_path);
  std::string_view dir = module_path.substr(0, last);
  // "D:" alone would mean the drive's current directory: keep its root.
  if (dir.size() == 2 && dir[1] == ':') return std::string(module_path.substr(0, last + 1));
  // "\\?\D:" likewise.
  if (dir.size() == 6 && dir.substr(0, 4) == "\\\\?\\" && dir[5] == ':')
    return std::string(module_path.substr(0, last + 1));
  return std::string(dir);
}

std::string TidyVerbatimPath(std::string_view path) {
  constexpr std::string_view kVerbatim = "\\\\?\\";
  if (path.substr(0, kVerbatim.size()) != kVerbatim) return std::string(path);
  std::string out(kVerbatim);
  for (char c : path.substr(kVerbatim.size())) {
    if (c == '/') c = '\\';
    if (c == '\\' && !out.empty() && out.back() == '\\' && out.size() > kVerbatim.size()) continue;
    out += c;
  }
  return out;
}

std::string ButtonText(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (char c : caption) {
    if (c == '&') out += '&';
    out += c;
  }
  return out;
}

std::string CodePageName(unsigned code_page) {
  switch (code_page) {
    case 932:
      return "shift_jis";
    case 936:
      return "gbk";
    case 949:
      return "ks_c_5601-1987";
    case 950:
      return "big5";
    case 65001:
      return "utf-8";
  }
  if (code_page == 874 || (code_page >= 1250 && code_page <= 1258))
    return "windows-" + std::to_string(code_page);
  return "cp" + std::to_string(code_page);
}

unsigned CodePageNumber(const std::string& name) {
  for (unsigned cp : {874u, 932u, 936u, 949u, 950u, 65001u})
    if (CodePageName(cp) == name) return cp;
  const size_t digits = name.starts_with("windows-") ? 8 : name.starts_with("cp") ? 2 : name.size();
  unsigned cp = 0;
  const auto [end, error] = std::from_chars(name.data() + digits, name.data() + name.size(), cp);
  return error == std::errc() && end == name.data() + name.size() ? cp : 0;
}

Language LanguageOfLangId(unsigned langid) {
  const unsigned primary = langid & 0x3FF, sub = langid >> 10;
  switch (primary) {
    case 0x04:  // Chinese: Taiwan, Hong Kong and Macau write it traditionally
      return sub == 0x01 || sub == 0x03 || sub == 0x05 ? Language::kTraditionalChinese
                                                       : Language::kSimplifiedChinese;
    case 0x11:
      return Language::kJapanese;
    case 0x12:
      return Language::kKorean;
    case 0x07:
      return Language::kGerman;
    case 0x0C:
      return Language::kFrench;
    case 0x0A:
      return Language::kSpanish;
  }
  return Language::kEnglish;
}

unsigned LangIdOf(Language language) {
  switch (language) {
    case Language::kTraditionalChinese:
      return 0x0404;
    case Language::kSimplifiedChinese:
      return 0x0804;
    case Language::kJapanese:
      return 0x0411;
    case Language::kKorean:
      return 0x0412;
    case Language::kGerman:
      return 0x0407;
    case Language::kFrench:
      return 0x040C;
    case Language::kSpanish:
      return 0x0C0A;
    case Language::kEnglish:
      break;
  }
  return 0;
}

int ScaledLength(int pixels, int ratio, int dpi) {
  // pixels / ratio * dpi / 96, rounded half up.
  long long num = static_cast<long long>(pixels) * dpi;
  long long den = 96LL * ratio;
  return static_cast<int>((2 * num + den) / (2 * den));
}

}  // namespace discmenu::win32
