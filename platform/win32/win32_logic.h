// The parts of the Windows backend that are plain computation: paths, the
// texts it shows, and the geometry of pictures at a window's DPI. No Windows
// header is needed here, so these are tested on every build host.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/error.h"

namespace discmenu::win32 {

// The directory of the executable `module_path` (as GetModuleFileName gives
// it): no trailing backslash, except for a drive's root ("D:\").
std::string AppDirectoryOf(std::string_view module_path);

// `path` with runs of backslashes after the first character made single
// when it is a verbatim path ("\\?\D:\\install.ini"), which Windows does not
// tidy up itself. Other paths are returned unchanged.
std::string TidyVerbatimPath(std::string_view path);

// The @2x twin of a picture path: "back@2x.jpg" for "back.jpg".
std::string TwinPath(std::string_view path);

// A twin is used from 150 % (144 dpi) on.
inline constexpr int kTwinDpi = 144;

// A caption as a button's window text: what a screen reader reads as the
// button's name, with every "&" doubled so that none becomes a mnemonic.
std::string ButtonText(std::string_view caption);

// The message box text and the one-line report of a runtime error.
std::string ErrorMessageText(const Error& error);
std::string ErrorLine(const Error& error);

// The name of the legacy code page `code_page`: "windows-1252", "shift_jis".
std::string CodePageName(unsigned code_page);

// Pictures with more pixels than this are refused before they are decoded.
inline constexpr long long kMaxPicturePixels = 64LL * 1000 * 1000;

// A rectangle in pixels.
struct Box {
  int x = 0, y = 0, width = 0, height = 0;
  bool empty() const { return width <= 0 || height <= 0; }
  bool Contains(const Box& b) const {
    return b.x >= x && b.y >= y && b.x + b.width <= x + width && b.y + b.height <= y + height;
  }
  bool operator==(const Box&) const = default;
};
Box Intersect(const Box& a, const Box& b);

// The parts of a picture of `width` x `height` file pixels (twice as large
// for a twin, `ratio` 2) that any control can ever show: the top-left part
// that fills Picture1, and the middle part that fills a button face. One
// part when the first holds the second (every picture no larger than
// Picture1).
std::vector<Box> PartsToDecode(int width, int height, int ratio);

// A length of `pixels` file pixels of a picture with `ratio` on a window at
// `dpi`, rounded to the nearest device pixel.
int ScaledLength(int pixels, int ratio, int dpi);

// Where a picture of `width` x `height` file pixels (`ratio`) lies on a
// button of `button_width` x `button_height` device pixels at `dpi`: centred,
// moved one pixel right and down while the button is pressed.
Box ButtonPictureBox(int button_width, int button_height, int width, int height, int ratio, int dpi,
                     bool pressed);

// Of an icon file's images (their `widths`, in file order), the one a
// picture shows: the smallest at least 32 pixels wide (the later one of
// equal widths, since files list deeper colours later), or else the widest.
// -1 when there is none.
int ChooseIconImage(const std::vector<int>& widths);

}  // namespace discmenu::win32
