// `discmenu-tool autorun`: a menu folder made a medium. The files that make
// an inserted medium offer the menu, on Windows (autorun.inf) and on Linux
// desktops (autorun), a README for the people who find the files, and the
// menu's programs.
#include <filesystem>

#include "config/install_ini.h"
#include "config/text_decoding.h"
#include "menu/form1.h"
#include "platform/posix/file_input.h"
#include "platform/posix/legacy_text.h"
#include "tools/discmenu-tool/medium_programs.h"
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

}  // namespace

std::string AutorunInf(const std::optional<std::string>& label) {
  std::string text =
      "[autorun]\r\n"
      "open=discmenu.exe\r\n"
      "icon=discmenu.exe,0\r\n";
  if (label) text += "label=" + *label + "\r\n";
  if (IsAscii(text)) return text;
  std::string utf16 = "\xFF\xFE";  // UTF-16 holds any label: this cannot fail
  EncodeAs(text, {Encoding::kUtf16Le, "UTF-16LE"}, Windows1252Decoder(), &utf16);
  return utf16;
}

std::string AutorunScript() {
  return "#!/bin/sh\n"
         "# Starts the menu on this medium. Linux desktops run this file when the medium\n"
         "# is inserted, after they ask; `sh autorun` in this folder does the same.\n"
         "# The folder comes from $0 as it is: its name may end in a newline, which a\n"
         "# command substitution would drop.\n"
         "case \"$0\" in\n"
         "  */*) cd -- \"${0%/*}/\" || exit 1 ;;\n"
         "esac\n"
         "case \"$(uname -m)\" in\n"
         "  x86_64 | amd64) ;;\n"
         "  *)\n"
         "    echo \"autorun: the menu on this medium runs on 64-bit PCs (x86-64);\" \\\n"
         "      \"this computer is $(uname -m). Open the files on the medium yourself.\" >&2\n"
         "    exit 1 ;;\n"
         "esac\n"
         "if [ -x ./discmenu ]; then exec ./discmenu; fi\n"
         "# A medium without execute permissions (FAT, a disc without Unix permissions):\n"
         "# the system's loader starts the menu's starter, which needs nothing else.\n"
         "# Mounted noexec, not even the loader may map it: say so in plain words.\n"
         "loader=/lib64/ld-linux-x86-64.so.2\n"
         "case \"$(\"$loader\" --list ./discmenu 2>&1 >/dev/null)\" in\n"
         "  *\"failed to map segment\"*)\n"
         "    echo \"autorun: this system does not allow programs to run from this medium\" \\\n"
         "      \"(it is mounted with the option noexec). Copy the medium's files into a\" \\\n"
         "      \"folder on this computer and run 'sh autorun' there, or mount the medium\" \\\n"
         "      \"again with the option exec.\" >&2\n"
         "    exit 1 ;;\n"
         "esac\n"
         "exec \"$loader\" ./discmenu\n";
}

std::string MediumReadme(const std::optional<std::string>& label,
                         const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string text = (label ? *label + ": s" : "S") +
                     "tarting the menu on this medium\n"
                     "\n"
                     "Windows\n"
                     "  The menu starts when the disc is inserted, where Windows allows it.\n"
                     "  Otherwise open this folder and double-click discmenu.exe.\n"
                     "\n"
                     "Linux (64-bit PCs)\n"
                     "  When the desktop asks whether to run the software on this medium,\n"
                     "  choose Run. Otherwise open a terminal in this folder and type\n"
                     "      sh autorun\n"
                     "  Where the file manager runs programs, double-clicking discmenu works\n"
                     "  too. The menu needs nothing installed: it brings its own libraries\n"
                     "  in discmenu-linux.\n"
                     "\n"
                     "macOS\n"
                     "  The menu does not run on a Mac; open the files it offers yourself";
  if (entries.empty()) {
    text += ".\n";
  } else {
    text += ":\n";
    for (const auto& [caption, target] : entries) text += "    " + caption + ": " + target + "\n";
  }
  // Notepad before Windows 10 needs CR LF, and a byte-order mark to take
  // the text as UTF-8.
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return IsAscii(crlf) ? crlf : "\xEF\xBB\xBF" + crlf;
}

namespace {

// The caption and file of each entry install.ini in `dir` shows, read as
// the menu reads them; none when the menu could not read it.
bool ShownEntries(const std::string& dir, std::vector<std::pair<std::string, std::string>>* out,
                  std::string* why) {
  MenuSettings settings;
  if (!ReadMenuFolderSettings(dir, &settings, why)) return false;
  for (int n = 1; n <= kEntryCount; ++n) {
    const std::optional<bool> shown = EqualsOne(settings.ShowFlag[n - 1]);
    if (!shown || !*shown) continue;
    std::string target = settings.Target[n - 1].AsText();
    if (target.starts_with('\\')) target.erase(0, 1);
    for (char& c : target)
      if (c == '\\') c = '/';
    out->emplace_back(settings.LabelCaption[n - 1].AsText(), target);
  }
  return true;
}

}  // namespace

int RunAutorun(const std::string& dir, const std::optional<std::string>& label, bool force,
               const std::string& programs, std::ostream& out, std::ostream& err) {
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) {
    err << "discmenu-tool: error: " << dir << " is not a folder\n";
    return 1;
  }
  std::vector<std::pair<std::string, std::string>> entries;
  std::string why;
  if (!ShownEntries(dir, &entries, &why))
    err << "discmenu-tool: warning: README.txt names no files for Mac users: " << why << "\n";
  // Desktops run `autorun` only where it may be executed; `autorun.sh` they
  // hand to /bin/sh, so the same script is there twice: on a FAT stick or a
  // disc without Unix permissions it is `autorun.sh` that starts the menu.
  std::vector<NewFile> files = {{"autorun.inf", AutorunInf(label)},
                                {"autorun", AutorunScript(), true},
                                {"autorun.sh", AutorunScript(), true},
                                {"README.txt", MediumReadme(label, entries)}};
  if (!AddMediumProgramsOrWarn(programs, dir, &files, err)) return 1;
  if (!WriteNewFiles(dir, files, force, out, err)) return 1;
  out << "note: Windows follows open= only on CDs and DVDs; on USB sticks it uses just the icon "
         "and the label\n"
         "note: Linux desktops ask the user before they run autorun from an inserted medium\n";
  return 0;
}

}  // namespace discmenu::tool
