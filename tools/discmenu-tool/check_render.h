// `discmenu-tool check`, the part that needs the toolkit: pictures loaded
// as the menu loads them, and captions measured in the labels' font on the
// menu's own window.
#pragma once

#include <string>
#include <vector>

#include "menu/services.h"
#include "tools/discmenu-tool/check.h"
#include "tools/discmenu-tool/finding.h"

namespace discmenu::qt {
class Form1Window;
}

namespace discmenu::tool {

// Pictures (errors when they cannot be loaded, or only by the Linux menu;
// warnings when they do not fit) and captions that are cut off, measured on the menu's own window.
void CheckPictures(const MenuConfig& config, Runtime& runtime, const qt::Form1Window& window,
                   std::vector<Finding>* findings);
void CheckCaptions(const MenuConfig& config, const qt::Form1Window& window,
                   std::vector<Finding>* findings);

// Every check for the menu read through `runtime` (install.ini and the
// pictures as `runtime` gives them), in file order. Needs the application
// object.
std::vector<Finding> CheckMenu(Runtime& runtime);

// Every check for the menu folder `dir`, with findings in file order.
// Needs the application object.
CheckResult CheckMenuFolder(const std::string& dir);

}  // namespace discmenu::tool
