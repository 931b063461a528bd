// The pictures make-art draws, one function per asset; main.cpp decides
// where each one is saved and in which format.
#pragma once

#include <QImage>

namespace discmenu::art {

// A menu has eight buttons, numbered from 1.
constexpr int kButtonCount = 8;

// Shown when a menu has no pictures of its own: 64x64 and 640x480.
QImage MakePlaceholderButton();
QImage MakePlaceholderBackground();

// The application icon, `size` pixels square.
QImage MakeAppIcon(int size);

// The demo menu: its background at `scale` times 640x480, and button n as a
// `size` pixel square.
QImage MakeDemoBackground(int scale);
QImage MakeDemoButton(int n, int size);

// What `discmenu-tool init` puts into a new menu folder: a 640x480 background
// and button n as a square the buttons show whole.
QImage MakeStarterBackground();
QImage MakeStarterButton(int n);

}  // namespace discmenu::art
