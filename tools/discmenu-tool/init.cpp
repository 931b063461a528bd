// `discmenu-tool init`: a starter menu folder that passes `check` at once.
#include <filesystem>

#include "config/menu_settings.h"
#include "tools/discmenu-tool/medium_programs.h"
#include "tools/discmenu-tool/new_files.h"
#include "tools/discmenu-tool/scaffold.h"
#include "tools/discmenu-tool/starter_files.h"

namespace discmenu::tool {

namespace {

constexpr int kShownEntries = 3;

std::string StarterIni() {
  const char* captions[] = {"Install the program", "Read the manual", "Browse the disc"};
  const char* targets[] = {"\\setup\\README.txt", "\\docs\\manual.html", "\\docs"};
  std::string ini;
  auto line = [&](const std::string& item) { ini += item + "\r\n"; };
  for (int n = 1; n <= 8; ++n) line(n <= kShownEntries ? "1" : "0");
  for (int n = 1; n <= 8; ++n)
    line(n <= kShownEntries ? captions[n - 1] : "Entry " + std::to_string(n));
  for (int n = 1; n <= 8; ++n) line(n <= kShownEntries ? targets[n - 1] : "\\docs\\manual.html");
  line("Start-up menu");
  line("\\menu\\background.png");
  for (int n = 1; n <= 8; ++n) line("\\menu\\button" + std::to_string(n) + ".png");
  return ini;
}

constexpr const char* kSetupReadme =
    "Put the installer of your program in this folder, then point item 17\r\n"
    "(Target1) of install.ini at it, for example \\setup\\install.exe.\r\n";

constexpr const char* kManual =
    "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Manual</title></head>\n"
    "<body><h1>Manual</h1><p>Replace this page with your program's manual.</p></body></html>\n";

}  // namespace

int RunInit(const std::string& dir, bool force, const std::string& programs, std::ostream& out,
            std::ostream& err) {
  std::error_code ec;
  if (std::filesystem::exists(dir, ec) && !std::filesystem::is_directory(dir, ec)) {
    err << "discmenu-tool: error: " << dir << " is not a folder\n";
    return 1;
  }
  std::vector<NewFile> files = {{"install.ini", StarterIni()}};
  for (size_t k = 0; k < kStarterFilesCount; ++k) {
    const EmbeddedFile& picture = kStarterFiles[k];
    files.push_back({std::string("menu/") + picture.path,
                     std::string(reinterpret_cast<const char*>(picture.bytes), picture.size)});
  }
  files.push_back({"setup/README.txt", kSetupReadme});
  files.push_back({"docs/manual.html", kManual});
  if (!AddMediumProgramsOrWarn(programs, dir, &files, err)) return 1;
  if (!WriteNewFiles(dir, files, force, out, err)) return 1;
  out << "next: edit " << dir << "/install.ini, then run: discmenu-tool check " << dir << "\n";
  return 0;
}

}  // namespace discmenu::tool
