// `discmenu-tool check`: install.ini read by the menu's own reader, then
// every value checked against what the menu will do with it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "config/install_ini.h"
#include "config/variant.h"
#include "platform/platform.h"
#include "tools/discmenu-tool/finding.h"

namespace discmenu::qt {
class Form1Window;
}

namespace discmenu::tool {

class AnsiCodePages;

// The tool reads this much of install.ini at most when it looks for items
// after the 34th.
inline constexpr size_t kMaxScannedBytes = 64u << 20;

// install.ini as the menu reads it, with the positions of its items.
struct MenuConfig {
  std::string app_path;                    // the menu folder, as the runtime's AppPath()
  ReadReport report;                       // items_found, and the items found
  std::array<Variant, kItemCount> values;  // the first report.items_found are set

  bool Has(int item) const { return item <= report.items_found; }
  const Variant& Value(int item) const { return values[item - 1]; }
  // Entry n (1-8) is on screen, or its flag is so broken that the author
  // surely meant to show it.
  bool Shown(int n) const;
};

// "item 3 (ShowFlag3)"
std::string ItemName(int item);

// A finding about item `item`, placed where the item starts.
Finding ItemFinding(const MenuConfig& config, int item, Severity severity, std::string message);

// Reads install.ini from `runtime.AppPath()` as the menu's load step does.
// Adds a finding for each reason the reading fails or goes wrong (missing,
// unreadable, too few items, items after the 34th). Returns false when no
// item could be read at all, so that nothing else can be checked.
bool ReadMenuConfig(Runtime& runtime, MenuConfig* config, std::vector<Finding>* findings);

// Show flags: text that is no number (an error), numbers other than 0 and 1
// that hide the entry (a warning).
void CheckShowFlags(const MenuConfig& config, std::vector<Finding>* findings);

// File names: a missing leading backslash, a name that matches only with
// other letter case, and targets of shown entries that do not exist.
void CheckPaths(const MenuConfig& config, std::vector<Finding>* findings);

// Characters that none of the Windows ANSI code pages can hold.
void CheckCharacters(const MenuConfig& config, AnsiCodePages& code_pages,
                     std::vector<Finding>* findings);

// Pictures (errors when they cannot be loaded; warnings when they do not
// fit) and captions that are cut off, measured on the menu's own window.
void CheckPictures(const MenuConfig& config, Runtime& runtime, const qt::Form1Window& window,
                   std::vector<Finding>* findings);
void CheckCaptions(const MenuConfig& config, const qt::Form1Window& window,
                   std::vector<Finding>* findings);

// Everything above for the menu folder `dir`, with findings in file order.
// Needs the application object.
CheckResult CheckMenuFolder(const std::string& dir);

}  // namespace discmenu::tool
