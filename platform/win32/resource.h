// Resource numbers shared by discmenu.rc and the code.
#pragma once

// The application icon; the lowest number, so Explorer shows it for the file.
#define IDI_DISCMENU 1
// Placeholder pictures, shown until the load step sets the configured ones.
#define IDR_PLACEHOLDER_BUTTON 101
#define IDR_PLACEHOLDER_BACKGROUND 102
