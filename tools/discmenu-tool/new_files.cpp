#include "tools/discmenu-tool/new_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace discmenu::tool {

namespace fs = std::filesystem;

namespace {

std::string Join(const std::string& dir, const std::string& path) {
  return dir.ends_with('/') ? dir + path : dir + "/" + path;
}

bool WriteOne(const std::string& target, const NewFile& file, std::ostream& err) {
  std::error_code ec;
  fs::create_directories(fs::path(target).parent_path(), ec);
  if (ec) {
    err << "discmenu-tool: error: cannot create the folder of " << target << ": " << ec.message()
        << "\n";
    return false;
  }
  {
    std::ofstream stream(target, std::ios::binary | std::ios::trunc);
    stream.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    if (!stream.flush()) {
      err << "discmenu-tool: error: cannot write " << target << "\n";
      return false;
    }
  }
  const fs::perms mode = file.executable ? fs::perms(0755) : fs::perms(0644);
  fs::permissions(target, mode, fs::perm_options::replace, ec);
  if (ec) {
    err << "discmenu-tool: error: cannot set the mode of " << target << ": " << ec.message()
        << "\n";
    return false;
  }
  return true;
}

}  // namespace

bool WriteNewFiles(const std::string& dir, const std::vector<NewFile>& files, bool force,
                   std::ostream& out, std::ostream& err) {
  if (!force) {
    bool clash = false;
    for (const NewFile& file : files) {
      const std::string target = Join(dir, file.path);
      std::error_code ec;
      if (fs::symlink_status(target, ec).type() != fs::file_type::not_found) {
        err << "discmenu-tool: error: " << target
            << " exists already; use --force to overwrite it\n";
        clash = true;
      }
    }
    if (clash) return false;
  }
  for (const NewFile& file : files) {
    const std::string target = Join(dir, file.path);
    if (!WriteOne(target, file, err)) return false;
    out << "created " << target << "\n";
  }
  return true;
}

bool ReadFileBytes(const std::string& path, std::string* bytes) {
  std::ifstream stream(path, std::ios::binary);
  if (!stream) return false;
  bytes->assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
  return !stream.bad();
}

}  // namespace discmenu::tool
