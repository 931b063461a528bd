// The design-time window as data: Form1 and its 17 controls in twips, with
// their shared settings. Every backend builds the window from this table and
// writes no position or size of its own.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace discmenu::layout {

inline constexpr int kTwipsPerInch = 1440;

// OLE colours: 0x00BBGGRR, or a system colour when the top bit is set.
inline constexpr uint32_t kSystemButtonFace = 0x8000000F;
inline constexpr uint32_t kSystemButtonText = 0x80000012;
inline constexpr uint32_t kLightCyan = 0x00FFFF80;  // red 128, green 255, blue 255

enum class Kind { kPictureBox, kCommandButton, kLabel };
enum class Container { kForm1, kPicture1 };

struct Control {
  std::string_view name;  // "Command1", "Picture1", "Label1", ...
  Kind kind;
  int entry;  // 1-8 for buttons and labels, 0 for Picture1
  Container container;
  int left, top, width, height;  // twips, in the container's inner area
  int tab_index;
  int front_to_back;  // 0 is frontmost among the control's siblings
};

struct Form {
  std::string_view name = "Form1";
  std::string_view caption = "Form1";
  int client_width = 9600;  // twips
  int client_height = 7170;
  uint32_t back_color = kSystemButtonFace;
};

struct Font {
  std::string_view face = "Arial";
  int points = 9;
  int weight = 700;
  int charset = 0;
};

struct Style {
  // Buttons: graphical, empty caption, picture centred, unscaled, cut off.
  uint32_t button_face = kSystemButtonFace;
  // Labels: filled with their background colour, text from the top-left,
  // word-wrapped and cut off at the fixed rectangle, never focused.
  Font label_font;
  uint32_t label_back = kLightCyan;
  uint32_t label_fore = kSystemButtonText;
  // Picture1: sunken 3D border; picture at the inner top-left, unscaled.
  int picture_border_px = 2;  // at 96 dpi
  uint32_t picture_back = kSystemButtonFace;
  // The placeholder pictures' sizes in pixels.
  int button_picture_px = 64;
  int background_width_px = 640;
  int background_height_px = 480;
};

inline constexpr Form kForm{};
inline constexpr Style kStyle{};

// The grid: entry n (1-8) sits in column (n-1)/4 and row (n-1)%4.
inline constexpr int kColumnStep = 4440;
inline constexpr int kRowStep = 1200;
inline constexpr int kCommandLeft = 360;
inline constexpr int kLabelLeft = 1440;
inline constexpr int kGridTop = 960;
inline constexpr int kCommandWidth = 1000, kCommandHeight = 970;
inline constexpr int kLabelWidth = 3200, kLabelHeight = 975;

constexpr std::array<std::string_view, 8> kCommandNames = {
    "Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command8"};
constexpr std::array<std::string_view, 8> kLabelNames = {"Label1", "Label2", "Label3", "Label4",
                                                         "Label5", "Label6", "Label7", "Label8"};

// The 17 controls in tab order: Command1-8, Picture1, Label1-8.
constexpr std::array<Control, 17> MakeControls() {
  std::array<Control, 17> c{};
  for (int n = 1; n <= 8; ++n) {
    int col = (n - 1) / 4, row = (n - 1) % 4;
    int top = kGridTop + kRowStep * row;
    // Buttons stack Command8 frontmost; labels likewise Label8 frontmost.
    c[n - 1] = {kCommandNames[n - 1],
                Kind::kCommandButton,
                n,
                Container::kForm1,
                kCommandLeft + kColumnStep * col,
                top,
                kCommandWidth,
                kCommandHeight,
                n - 1,
                8 - n};
    c[8 + n] = {kLabelNames[n - 1],
                Kind::kLabel,
                n,
                Container::kPicture1,
                kLabelLeft + kColumnStep * col,
                top,
                kLabelWidth,
                kLabelHeight,
                8 + n,
                8 - n};
  }
  c[8] = {"Picture1", Kind::kPictureBox, 0, Container::kForm1, 0, 0, 9615, 7215, 8, 8};
  return c;
}
inline constexpr std::array<Control, 17> kControls = MakeControls();

inline constexpr const Control& CommandN(int n) {
  return kControls[n - 1];
}
inline constexpr const Control& Picture1() {
  return kControls[8];
}
inline constexpr const Control& LabelN(int n) {
  return kControls[8 + n];
}

// Pixel geometry at `dpi` (96 is 100 %). Edges are rounded to the nearest
// pixel, so neighbouring controls never gap or overlap by rounding.
struct PixelRect {
  int x, y, width, height;
  bool operator==(const PixelRect&) const = default;
};
constexpr int TwipsToPixels(int twips, int dpi) {
  long long scaled = static_cast<long long>(twips) * dpi;
  return static_cast<int>((2 * scaled + kTwipsPerInch) / (2 * kTwipsPerInch));
}
constexpr PixelRect ToPixels(const Control& c, int dpi) {
  int x = TwipsToPixels(c.left, dpi), y = TwipsToPixels(c.top, dpi);
  return {x, y, TwipsToPixels(c.left + c.width, dpi) - x, TwipsToPixels(c.top + c.height, dpi) - y};
}
// Font size in pixels for `points` at `dpi`.
constexpr int PointsToPixels(int points, int dpi) {
  return (2 * points * dpi + 72) / 144;
}

}  // namespace discmenu::layout
