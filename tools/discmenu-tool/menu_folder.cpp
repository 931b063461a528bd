#include "tools/discmenu-tool/menu_folder.h"

#include <filesystem>
#include <memory>

#include "config/install_ini.h"
#include "config/text_decoding.h"
#include "platform/posix/file_input.h"
#include "platform/posix/legacy_text.h"

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

bool ReadMenuFolderSettings(const std::string& dir, MenuSettings* settings, std::string* why) {
  const std::string path = MenuFolderPath(dir) + "/install.ini";
  std::unique_ptr<ByteSource> file;
  Error e = posix::OpenForInput(path, path, &file);
  if (e.ok()) e = ReadMenuSettings(*file, path, posix::DetectingDecoder(), settings);
  if (!e.ok()) *why = e.ToString();
  return e.ok();
}

bool PathExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

}  // namespace discmenu::tool
