// What a screen reader learns of the canvas: not one picture but the menu's
// window and its controls, named as the menu names them, each where it is
// drawn at the chosen zoom and selected as the canvas is. The children are
// the window, then each entry's button and label in turn, hidden ones too.
#pragma once

#include "tools/editor/selection.h"

namespace discmenu::editor {

class MenuCanvas;

// Gives every MenuCanvas the accessible interface above (once per program).
void InstallCanvasAccessibility();
// Tells assistive technology that the canvas's selection went from `from`
// to `to`: a selection event, and a focus event when the canvas has focus.
void AnnounceSelection(MenuCanvas* canvas, Selection from, Selection to);

}  // namespace discmenu::editor
