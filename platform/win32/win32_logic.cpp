#include "platform/win32/win32_logic.h"

#include <algorithm>
#include <cmath>

#include "menu/layout.h"

namespace discmenu::win32 {

std::string AppDirectoryOf(std::string_view module_path) {
  size_t last = module_path.find_last_of("\\/");
  if (last == std::string_view::npos) return std::string(module_path);
  std::string_view dir = module_path.substr(0, last);
  // "D:" alone would mean the drive's current directory: keep its root.
  if (dir.size() == 2 && dir[1] == ':') return std::string(module_path.substr(0, last + 1));
  // "\\?\D:" likewise.
  if (dir.size() == 6 && dir.substr(0, 4) == "\\\\?\\" && dir[5] == ':')
    return std::string(module_path.substr(0, last + 1));
  return std::string(dir);
}

std::string TidyVerbatimPath(std::string_view path) {
  constexpr std::string_view kVerbatim = "\\\\?\\";
  if (path.substr(0, kVerbatim.size()) != kVerbatim) return std::string(path);
  std::string out(kVerbatim);
  for (char c : path.substr(kVerbatim.size())) {
    if (c == '/') c = '\\';
    if (c == '\\' && !out.empty() && out.back() == '\\' && out.size() > kVerbatim.size()) continue;
    out += c;
  }
  return out;
}

std::string TwinPath(std::string_view path) {
  size_t slash = path.find_last_of("\\/");
  size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
    dot = path.size();
  return std::string(path.substr(0, dot)) + "@2x" + std::string(path.substr(dot));
}

std::string ButtonText(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (char c : caption) {
    if (c == '&') out += '&';
    out += c;
  }
  return out;
}

std::string ErrorMessageText(const Error& error) {
  return "Run-time error " + std::to_string(error.number()) + ":\n\n" + error.text() + "\n\n" +
         error.detail();
}

std::string ErrorLine(const Error& error) {
  return "discmenu: " + error.ToString();
}

std::string CodePageName(unsigned code_page) {
  switch (code_page) {
    case 932:
      return "shift_jis";
    case 936:
      return "gbk";
    case 949:
      return "ks_c_5601-1987";
    case 950:
      return "big5";
    case 65001:
      return "utf-8";
  }
  if (code_page == 874 || (code_page >= 1250 && code_page <= 1258))
    return "windows-" + std::to_string(code_page);
  return "cp" + std::to_string(code_page);
}

Box Intersect(const Box& a, const Box& b) {
  int x = std::max(a.x, b.x), y = std::max(a.y, b.y);
  int right = std::min(a.x + a.width, b.x + b.width);
  int bottom = std::min(a.y + a.height, b.y + b.height);
  if (right <= x || bottom <= y) return Box{x, y, 0, 0};
  return Box{x, y, right - x, bottom - y};
}

std::vector<Box> PartsToDecode(int width, int height, int ratio) {
  // Sizes at 100 %, with a margin for rounding and the pressed look. The
  // parts scale with the picture, so they hold at every DPI.
  constexpr int kMargin = 4;
  constexpr layout::PixelRect picture1 = layout::ToPixels(layout::Picture1(), 96);
  constexpr layout::PixelRect button = layout::ToPixels(layout::CommandN(1), 96);
  Box top_left{0, 0, std::min(width, (picture1.width + kMargin) * ratio),
               std::min(height, (picture1.height + kMargin) * ratio)};
  const int w = std::min(width, (button.width + kMargin) * ratio);
  const int h = std::min(height, (button.height + kMargin) * ratio);
  Box middle{(width - w) / 2, (height - h) / 2, w, h};
  if (top_left.Contains(middle)) return {top_left};
  return {top_left, middle};
}

int ScaledLength(int pixels, int ratio, int dpi) {
  // pixels / ratio * dpi / 96, rounded half up.
  long long num = static_cast<long long>(pixels) * dpi;
  long long den = 96LL * ratio;
  return static_cast<int>((2 * num + den) / (2 * den));
}

Box ButtonPictureBox(int button_width, int button_height, int width, int height, int ratio, int dpi,
                     bool pressed) {
  const int w = ScaledLength(width, ratio, dpi), h = ScaledLength(height, ratio, dpi);
  // Centred, halves rounded away from zero.
  int x = static_cast<int>(std::lround((button_width - w) / 2.0));
  int y = static_cast<int>(std::lround((button_height - h) / 2.0));
  if (pressed) ++x, ++y;
  return Box{x, y, w, h};
}

int ChooseIconImage(const std::vector<int>& widths) {
  constexpr int kIconWidth = 32;
  int best = -1, widest = -1;
  for (int i = 0; i < static_cast<int>(widths.size()); ++i) {
    const int w = widths[i];
    if (w >= kIconWidth && (best < 0 || w <= widths[best])) best = i;
    if (widest < 0 || w >= widths[widest]) widest = i;
  }
  return best >= 0 ? best : widest;
}

}  // namespace discmenu::win32
