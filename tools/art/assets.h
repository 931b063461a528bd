// The pictures make-art draws, one function per asset; make_art.cpp decides
// where each one is saved and in which format.
#pragma once

#include <QImage>

namespace discmenu::art {

// Shown when a menu has no pictures of its own: 64x64 and 640x480.
QImage makePlaceholderButton();
QImage makePlaceholderBackground();

// The application icon, `size` pixels square.
QImage makeAppIcon(int size);

}  // namespace discmenu::art
