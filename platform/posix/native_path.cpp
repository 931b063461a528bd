#include "platform/posix/native_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "config/text_decoding.h"

namespace discmenu::posix {

namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

// The character at `s[*i]`, moved past; a byte that starts no valid UTF-8
// stands for itself, apart from real letters.
char32_t NextCharacter(std::string_view s, size_t* i) {
  const auto c = static_cast<unsigned char>(s[*i]);
  char32_t cp = 0;
  return NextCodePoint(s, i, &cp) ? cp : 0xDC00 + c;
}

char32_t FoldCase(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;    // Latin-1
  if (c >= 0x100 && c <= 0x137 && c % 2 == 0) return c + 1;  // Latin Extended-A
  if (c >= 0x139 && c <= 0x148 && c % 2 == 1) return c + 1;
  if (c >= 0x14A && c <= 0x177 && c % 2 == 0) return c + 1;
  if (c == 0x178) return 0xFF;
  if (c >= 0x179 && c <= 0x17E && c % 2 == 1) return c + 1;
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;  // Greek
  if (c >= 0x410 && c <= 0x42F) return c + 32;                // Cyrillic
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  return c;
}

std::vector<std::string> Split(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// The entry of directory `dir` whose name matches `name` without regard to
// case, or "" when there is none.
std::string FindIgnoringCase(const std::string& dir, const std::string& name) {
  DIR* d = opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return "";
  std::string best;
  while (dirent* e = readdir(d)) {
    std::string_view entry = e->d_name;
    if (EqualsIgnoringCase(entry, name) && (best.empty() || entry < best)) best = entry;
  }
  closedir(d);
  return best;
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size())
    if (FoldCase(NextCharacter(a, &i)) != FoldCase(NextCharacter(b, &j))) return false;
  return i == a.size() && j == b.size();
}

std::string SlashPath(std::string_view path) {
  std::string s(path);
  std::replace(s.begin(), s.end(), '\\', '/');
  return s;
}

std::string WindowsPath(std::string_view path) {
  const std::string slashed = SlashPath(path.substr(0, path.find('\0')));
  const bool absolute = slashed.starts_with('/');
  const size_t root = absolute ? 1 : 0;  // parts[0] is "" before the leading slash
  std::vector<std::string_view> parts;
  const std::string_view all = slashed;
  for (size_t start = 0;;) {
    const size_t end = all.find('/', start);
    std::string_view part = all.substr(start, end == std::string_view::npos ? end : end - start);
    const bool last = end == std::string_view::npos;
    if (part == ".") {
      // dropped
    } else if (part == "..") {
      while (parts.size() > root && parts.back().empty()) parts.pop_back();
      if (parts.size() > root && parts.back() != "..")
        parts.pop_back();
      else if (!absolute)
        parts.push_back(part);
    } else if (last) {
      const size_t keep = part.find_last_not_of(". ");
      if (keep != std::string_view::npos || part.empty()) parts.push_back(part.substr(0, keep + 1));
    } else {
      if (part.ends_with('.') && !part.ends_with("..")) part.remove_suffix(1);
      parts.push_back(part);
    }
    if (last) break;
    start = end + 1;
  }
  std::string out;
  for (size_t k = 0; k < parts.size(); ++k) {
    if (k > 0) out += '/';
    out += parts[k];
  }
  return absolute && out.empty() ? "/" : out;
}

std::string ResolvePath(std::string_view path) {
  const std::string slashed = WindowsPath(path);
  if (Exists(slashed)) return slashed;

  std::string resolved = slashed.starts_with('/') ? "/" : "";
  std::vector<std::string> parts = Split(slashed);
  for (size_t k = 0; k < parts.size(); ++k) {
    std::string base = resolved;
    std::string candidate = base + parts[k];
    if (parts[k] != "." && parts[k] != ".." && !Exists(candidate)) {
      std::string match = FindIgnoringCase(base.empty() ? "." : base, parts[k]);
      if (match.empty()) return slashed;
      candidate = base + match;
    }
    resolved = candidate;
    if (k + 1 < parts.size()) resolved += '/';
  }
  if (slashed.ends_with('/') && !resolved.ends_with('/')) resolved += '/';
  return resolved;
}

}  // namespace discmenu::posix
