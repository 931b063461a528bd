#include "tools/discmenu-tool/menu_folder.h"

#include <filesystem>

#include "config/text_decoding.h"

namespace discmenu::tool {

namespace fs = std::filesystem;

namespace {

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

std::string MenuFolderPath(const std::string& dir) {
  std::error_code ec;
  fs::path absolute = fs::absolute(dir.empty() ? "." : dir, ec);
  fs::path canonical = fs::weakly_canonical(absolute, ec);
  return WithoutTrailingSlashes((ec ? absolute.lexically_normal() : canonical).string());
}

std::string ShownConfigName(const std::string& dir) {
  std::string shown = EscapeInvalidUtf8(WithoutTrailingSlashes(dir));
  if (shown.empty() || shown == ".") return "install.ini";
  return shown == "/" ? "/install.ini" : shown + "/install.ini";
}

bool PathExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

}  // namespace discmenu::tool
