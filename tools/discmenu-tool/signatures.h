// Windows programs and installers among a menu's files, judged by their
// contents, and whether they carry an Authenticode signature. Windows 11's
// Smart App Control blocks unsigned ones outright.
#pragma once

#include <string>
#include <vector>

#include "tools/discmenu-tool/check.h"

namespace discmenu::tool {

enum class WindowsFileKind {
  kOther,      // neither of these (a document, a folder, a DLL, ...)
  kProgram,    // a PE executable, whatever its name
  kInstaller,  // a Windows Installer package or patch (MSI, MSP)
};

struct WindowsFile {
  WindowsFileKind kind = WindowsFileKind::kOther;
  bool is_signed = false;
};

// What the file `path` is; unreadable and damaged files are kOther.
WindowsFile InspectWindowsFile(const std::string& path);

// A warning for each target of a shown entry, and for the menu folder's
// discmenu.exe, that is a Windows program or installer without a signature.
void CheckSignatures(const MenuConfig& config, std::vector<Finding>* findings);

}  // namespace discmenu::tool
