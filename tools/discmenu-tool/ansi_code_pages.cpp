#include "tools/discmenu-tool/ansi_code_pages.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "config/text_decoding.h"

namespace discmenu::tool {

// Converts `utf8` completely, without substitutes; false at the first
// character the code page lacks.
bool AnsiCodePages::Converts(const char* code_page, const std::string& utf8) const {
  std::string ignored;
  return converter_.Encode(utf8, code_page, &ignored);
}

bool AnsiCodePages::Holds(char32_t cp) {
  if (cp < 0x80) return true;
  std::string utf8;
  AppendUtf8(cp, &utf8);
  return std::any_of(kAnsiCodePages.begin(), kAnsiCodePages.end(),
                     [&](const char* code_page) { return Converts(code_page, utf8); });
}

std::vector<std::string> AnsiCodePages::CodePagesHolding(char32_t cp) {
  std::string utf8;
  AppendUtf8(cp, &utf8);
  std::vector<std::string> names;
  for (const char* code_page : kAnsiCodePages)
    if (Converts(code_page, utf8)) names.push_back(code_page);
  return names;
}

std::vector<char32_t> AnsiCodePages::Unrepresentable(std::string_view utf8) {
  std::vector<char32_t> missing;
  for (char32_t cp : CodePoints(utf8)) {
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
