#include "tools/editor/dropped_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "tools/editor/editor_document.h"

namespace discmenu::editor {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// install.ini's way of naming a path below the folder.
std::string MenuValue(const fs::path& relative) {
  std::string value;
  for (const fs::path& part : relative) value += "\\" + part.string();
  return value;
}

bool SameBytes(const fs::path& a, const fs::path& b) {
  std::string x, y;
  return ReadWholeFile(a.string(), &x) && ReadWholeFile(b.string(), &y) && x == y;
}

// name@2x.ext beside name.ext.
fs::path Twin(const fs::path& picture) {
  return picture.parent_path() / (picture.stem().string() + "@2x" + picture.extension().string());
}

}  // namespace

bool IsPicture(std::string_view path) {
  static constexpr std::array<std::string_view, 5> kExtensions = {".bmp", ".gif", ".jpeg", ".jpg",
                                                                  ".png"};
  const std::string ext = Lower(fs::path(path).extension().string());
  return std::find(kExtensions.begin(), kExtensions.end(), ext) != kExtensions.end();
}

DroppedFile PlaceDroppedFile(const std::string& folder, const std::string& path,
                             std::string_view sub) {
  std::error_code error;
  const fs::path file = fs::weakly_canonical(path, error);
  const fs::path root = fs::weakly_canonical(folder, error);
  DroppedFile placed;
  if (error || !fs::exists(file)) {
    placed.reason = path + ": no such file";
    return placed;
  }
  const fs::path relative = file.lexically_relative(root);
  if (!relative.empty() && *relative.begin() != ".." && relative != ".") {
    placed.kind = DroppedFile::kInside;
    placed.value = MenuValue(relative);
    return placed;
  }
  if (relative == ".") {
    placed.reason = path + ": is the menu folder itself";
    return placed;
  }
  if (!fs::is_regular_file(file)) {
    placed.reason = path + ": a folder outside the menu folder; only single files are copied in";
    return placed;
  }
  const std::string stem = file.stem().string(), ext = file.extension().string();
  for (int n = 1;; ++n) {
    const std::string name = n == 1 ? stem + ext : stem + "-" + std::to_string(n) + ext;
    const fs::path to = root / sub / name;
    placed.value = MenuValue(fs::path(sub) / name);
    if (fs::exists(to) && SameBytes(file, to)) {
      placed.kind = DroppedFile::kInside;
      return placed;
    }
    if (!fs::exists(to)) {
      placed.kind = DroppedFile::kCopy;
      placed.copy_to = to.string();
      return placed;
    }
  }
}

std::string CopyDroppedFile(const std::string& from, const DroppedFile& placed) {
  std::error_code error;
  const fs::path to(placed.copy_to);
  fs::create_directories(to.parent_path(), error);
  if (!error) fs::copy_file(from, to, error);
  if (error) return placed.copy_to + ": cannot be written: " + error.message();
  if (IsPicture(from) && fs::exists(Twin(from)) && !fs::exists(Twin(to)))
    fs::copy_file(Twin(from), Twin(to), error);  // without it the picture still shows
  return "";
}

}  // namespace discmenu::editor
