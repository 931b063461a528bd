// Measurements taken on the menu's own window, so that the checks see the
// same geometry, style and font as the menu.
#pragma once

#include <QRect>
#include <QString>

namespace discmenu::qt {
class Form1Window;
}

namespace discmenu::tool {

// Where button n (1-8) shows its picture: the button less its bevel.
QRect ButtonFace(const qt::Form1Window& window, int n);

struct CaptionFit {
  int lines_needed = 0;  // word-wrapped at the label's width
  int lines_shown = 0;   // whole lines within the label's height
  int width_needed = 0;  // in pixels; wider than the label only for a huge character
  int width_shown = 0;
  bool fits = true;
};

// How `caption` fits label n (1-8), in the label's font and alignment.
CaptionFit FitCaption(const qt::Form1Window& window, int n, const QString& caption);

}  // namespace discmenu::tool
