#include "tools/discmenu-tool/medium_programs.h"

#include <algorithm>
#include <filesystem>

namespace discmenu::tool {

namespace fs = std::filesystem;

namespace {

constexpr const char* kInBuild = "/medium-programs";
constexpr const char* kInstalled = "/../lib/discmenu/medium-programs";

}  // namespace

std::string FindMediumPrograms(const std::string& tool_dir) {
  for (const char* place : {kInBuild, kInstalled}) {
    std::error_code ec;
    const fs::path folder = fs::weakly_canonical(tool_dir + place, ec);
    if (!ec && fs::is_regular_file(folder / "discmenu-linux" / "discmenu", ec)) return folder;
  }
  return "";
}

bool AddMediumPrograms(const std::string& folder, std::vector<NewFile>* files, std::ostream& err) {
  std::error_code ec;
  for (const char* needed : {"discmenu", "discmenu-linux/discmenu", "discmenu.exe"}) {
    if (!fs::is_regular_file(fs::path(folder) / needed, ec)) {
      err << "discmenu-tool: error: " << folder << " holds no " << needed
          << ": not a folder of the menu's programs\n";
      return false;
    }
  }
  std::vector<fs::path> found;
  for (auto it = fs::recursive_directory_iterator(folder, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_regular_file(ec)) found.push_back(it->path());
  }
  if (ec) {
    err << "discmenu-tool: error: cannot read " << folder << ": " << ec.message() << "\n";
    return false;
  }
  // The same order everywhere: the listing of what was created reads alike.
  std::sort(found.begin(), found.end());
  for (const fs::path& path : found) {
    NewFile file{path.lexically_relative(folder).generic_string(), "", false};
    if (!ReadFileBytes(path, &file.bytes)) {
      err << "discmenu-tool: error: cannot read " << path.string() << "\n";
      return false;
    }
    const fs::perms mode = fs::status(path, ec).permissions();
    file.executable = (mode & fs::perms::owner_exec) != fs::perms::none;
    files->push_back(std::move(file));
  }
  return true;
}

bool AddMediumProgramsOrWarn(const std::string& folder, const std::string& dir,
                             std::vector<NewFile>* files, std::ostream& err) {
  if (!folder.empty()) return AddMediumPrograms(folder, files, err);
  err << "discmenu-tool: warning: the menu's programs (discmenu, discmenu.exe, discmenu-linux/) "
         "are not installed with this tool; copy them into "
      << dir << " yourself\n";
  return true;
}

}  // namespace discmenu::tool
