// `discmenu-tool preview`: the menu window rendered offscreen, exactly as
// the menu builds and loads it.
#pragma once

#include <QImage>
#include <string>

#include "config/error.h"

namespace discmenu::tool {

// Sets what the toolkit reads when the application object is created: no
// display, and `scale` as the display scale. Call before creating it.
void PrepareOffscreen(double scale);

// Builds the menu window for the menu folder `dir`, runs the menu's load
// step and shows the window as the menu does; `*image` is the window's
// content at the display scale. On error returns the menu's error.
Error RenderMenu(const std::string& dir, QImage* image);

// Renders `dir` into the PNG file `output`. Prints the menu's own error
// line when the menu would not start. Returns the exit status.
int RunPreview(const std::string& dir, const std::string& output);

}  // namespace discmenu::tool
