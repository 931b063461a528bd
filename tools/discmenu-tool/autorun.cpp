// `discmenu-tool autorun`: the files that make an inserted medium offer the
// menu, on Windows (autorun.inf) and on Linux desktops (autorun).
#include <filesystem>

#include "config/text_decoding.h"

#include "tools/discmenu-tool/menu_folder.h"
#include "tools/discmenu-tool/new_files.h"
#include "tools/discmenu-tool/scaffold.h"

namespace discmenu::tool {

namespace {

bool IsAscii(const std::string& s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

std::string Utf16LeWithBom(const std::string& utf8) {
  std::string bytes = "\xFF\xFE";
  auto unit = [&bytes](char32_t u) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>((u >> 8) & 0xFF);
  };
  for (char32_t cp : CodePoints(utf8)) {
    if (cp < 0x10000) {
      unit(cp);
    } else {
      unit(0xD800 + ((cp - 0x10000) >> 10));
      unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    }
  }
  return bytes;
}

}  // namespace

std::string AutorunInf(const std::optional<std::string>& label) {
  std::string text =
      "[autorun]\r\n"
      "open=discmenu.exe\r\n"
      "icon=discmenu.exe,0\r\n";
  if (label) text += "label=" + *label + "\r\n";
  return IsAscii(text) ? text : Utf16LeWithBom(text);
}

std::string AutorunScript() {
  return "#!/bin/sh\n"
         "# Started by the desktop when this medium is inserted, after it asks the user.\n"
         "cd \"$(dirname \"$0\")\" && exec ./discmenu\n";
}

int RunAutorun(const std::string& dir, const std::optional<std::string>& label, bool force,
               std::ostream& out, std::ostream& err) {
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) {
    err << "discmenu-tool: error: " << dir << " is not a folder\n";
    return 1;
  }
  const std::vector<NewFile> files = {{"autorun.inf", AutorunInf(label)},
                                      {"autorun", AutorunScript(), true}};
  if (!WriteNewFiles(dir, files, force, out, err)) return 1;
  for (const char* executable : {"discmenu.exe", "discmenu"}) {
    const std::string path = dir + "/" + executable;
    if (!PathExists(path))
      err << "discmenu-tool: warning: " << path << " does not exist yet; the medium needs it\n";
  }
  out << "note: Windows follows open= only on CDs and DVDs; on USB sticks it uses just the icon "
         "and the label\n"
         "note: Linux desktops ask the user before they run autorun from an inserted medium\n";
  return 0;
}

}  // namespace discmenu::tool
