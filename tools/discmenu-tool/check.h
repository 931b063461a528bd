// `discmenu-tool check`, the part that needs no toolkit: install.ini read by
// the menu's own reader, then every value checked against what the menu will
// do with it. The picture and caption checks are in check_render.h.
#pragma once

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "config/install_ini.h"
#include "config/variant.h"
#include "menu/services.h"
#include "tools/discmenu-tool/args.h"
#include "tools/discmenu-tool/finding.h"

namespace discmenu::tool {

class AnsiCodePages;

// install.ini as the menu reads it, with the positions of its items.
struct MenuConfig {
  std::string app_path;                    // the menu folder, as the runtime's AppPath()
  ItemsRead read;                          // the items found, with their positions
  std::array<Variant, kItemCount> values;  // the first read.items.size() are set

  bool Has(int item) const { return item <= static_cast<int>(read.items.size()); }
  const Variant& Value(int item) const { return values[item - 1]; }
  // Entry n (1-8) is on screen, or its flag is so broken that the author
  // surely meant to show it.
  bool Shown(int n) const;
};

// A finding about item `item`, placed where the item starts.
Finding ItemFinding(const MenuConfig& config, int item, Severity severity, std::string message);

// " (the menu stops with error 13: Type mismatch)": how the menu reacts to
// a finding that is an error.
std::string StopsWith(const Error& error);

// Reads install.ini from `runtime.AppPath()` with the menu's reader and the
// menu's file name. Adds a finding for each reason the reading fails or goes
// wrong (missing, unreadable, too few items, items after the 34th, a name in
// other letter case or more than one file of the name). Returns
// false when no item could be read at all, so that nothing else can be
// checked.
bool ReadMenuConfig(Runtime& runtime, MenuConfig* config, std::vector<Finding>* findings);

// Show flags: text that is no number (an error), numbers other than 0 and 1
// that hide the entry (a warning).
void CheckShowFlags(const MenuConfig& config, std::vector<Finding>* findings);

// File names, read as the menus read them: a missing leading backslash, a
// name that leaves the menu folder, a name that matches only with other
// letter case, and targets of shown entries that do not exist.
void CheckPaths(const MenuConfig& config, std::vector<Finding>* findings);

// Characters that none of the Windows ANSI code pages can hold.
void CheckCharacters(const MenuConfig& config, AnsiCodePages& code_pages,
                     std::vector<Finding>* findings);

// All of the above, for the menu read through `runtime`. False, as for
// ReadMenuConfig, when nothing else can be checked.
bool CheckText(Runtime& runtime, MenuConfig* config, std::vector<Finding>* findings);

// Checks that look further than the text (pictures, captions).
using MoreChecks = std::function<void(const MenuConfig&, std::vector<Finding>*)>;

// CheckText for the menu folder `dir` read through `runtime`, then `more`
// (if any) when the text could be read; findings in file order.
CheckResult CheckMenuFolder(const std::string& dir, Runtime& runtime, const MoreChecks& more);

// Writes `result` to `out` as text or JSON; returns the exit status.
int PrintCheck(const CheckResult& result, Format format, std::ostream& out);

}  // namespace discmenu::tool
