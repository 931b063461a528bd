// Which characters the Windows ANSI code pages can hold. A menu that reads
// install.ini as ANSI text, as older readers do, loses every other
// character; the code pages in common use are tried in turn.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/legacy_text.h"

namespace discmenu::tool {

// The code pages tried: the nine Windows-125x, Thai, and the four East Asian
// double-byte ones.
inline constexpr std::array<const char*, 14> kAnsiCodePages = {
    "CP1250", "CP1251", "CP1252", "CP1253", "CP1254", "CP1255", "CP1256",
    "CP1257", "CP1258", "CP874",  "CP932",  "CP936",  "CP949",  "CP950"};

class AnsiCodePages {
 public:
  // True when at least one of the code pages holds `cp`.
  bool Holds(char32_t cp);

  // The names of the code pages that hold `cp`, in the order above.
  std::vector<std::string> CodePagesHolding(char32_t cp);

  // The characters of `utf8` that no code page holds, each once, in order.
  std::vector<char32_t> Unrepresentable(std::string_view utf8);

 private:
  bool Converts(const char* code_page, const std::string& utf8) const;

  posix::DetectingDecoder converter_;
};

// "U+1F600"
std::string CodePointName(char32_t cp);

}  // namespace discmenu::tool
