#include "tools/discmenu-tool/new_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "platform/posix/file_output.h"

namespace discmenu::tool {

namespace fs = std::filesystem;

namespace {

std::string Join(const std::string& dir, const std::string& path) {
  return dir.ends_with('/') ? dir + path : dir + "/" + path;
}

}  // namespace

bool WriteNewFiles(const std::string& dir, const std::vector<NewFile>& files, bool force,
                   std::ostream& out, std::ostream& err) {
  // Everything is looked at before anything is written: all or none.
  bool refused = false;
  std::set<std::string> told;  // a linked folder is named once, not once per file in it
  for (const NewFile& file : files) {
    const posix::PlaceBelow place = posix::LookBelow(dir, file.path);
    if (!place.problem.empty()) {
      if (told.insert(place.problem).second)
        err << "discmenu-tool: error: " << place.problem << "\n";
      refused = true;
    } else if (place.exists && !force) {
      err << "discmenu-tool: error: " << Join(dir, file.path)
          << " exists already; use --force to overwrite it\n";
      refused = true;
    }
  }
  if (refused) return false;
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) {
    err << "discmenu-tool: error: cannot create the folder " << dir << ": " << ec.message() << "\n";
    return false;
  }
  for (const NewFile& file : files) {
    const std::string failure =
        posix::WriteBelow(dir, file.path, file.bytes, file.executable ? 0755 : 0644, force);
    if (!failure.empty()) {
      err << "discmenu-tool: error: " << failure << "\n";
      return false;
    }
    out << "created " << Join(dir, file.path) << "\n";
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
