// The rules that both window backends apply to what they show, written once:
// when a picture's @2x twin is shown, where a picture lies on a button, the
// order in which controls stack and take the focus, what the design's colour
// values stand for, and the texts of the error report. Each backend carries
// them out with its own toolkit; menu/layout.h holds the design they apply
// to, menu/picture_loading.h how pictures are loaded.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "config/error.h"
#include "menu/layout.h"
#include "menu/picture.h"
#include "menu/picture_loading.h"

namespace discmenu::presentation {

// --- Pictures ---------------------------------------------------------------

// From this scale on (150 %, 144 dpi) a window shows the @2x twin of a
// picture where one lies beside it.
inline constexpr double kTwinScale = 1.5;
inline bool WantsTwin(double scale) {
  return scale >= kTwinScale;
}

// Of an icon file's images (their `widths`, in file order), the one a
// picture shows: the smallest at least 32 pixels wide (the later one of
// equal widths, since files list deeper colours later), or else the widest.
// -1 when there is none.
int ChooseIconImage(const std::vector<int>& widths);

// Where a picture of `width` x `height` lies on a button of `button_width` x
// `button_height` (all in the caller's pixels): centred, halves rounded away
// from zero, one pixel right and down while the button is pressed.
Box PictureOnButton(int button_width, int button_height, int width, int height, bool pressed);

// The part of the background picture that Picture1 shows, in pixels at
// 100 %: its inner area.
Box VisibleBackground();

// A picture as one control shows it: the picture and, on a window scaled to
// 150 % or more, its @2x twin. Both are decoded in the load step; a later
// change of scale reads nothing.
class ShownPicture {
 public:
  void Set(PictureRef picture) { picture_ = std::move(picture); }

  explicit operator bool() const { return picture_ != nullptr; }

  // What to draw at `scale`: the twin from 150 % on when there is one, else
  // the picture itself. REQUIRES: a picture is set.
  const Image& ImageFor(double scale) const;

 private:
  PictureRef picture_;
};

// --- Controls ---------------------------------------------------------------

// The 17 controls from the back to the front of their container: raising
// each to the top of its siblings in this order stacks them as designed.
std::array<const layout::Control*, 17> BackToFront();

// The controls that take the focus, in tab order: Command1-8, Picture1. The
// labels only reserve their places.
std::array<const layout::Control*, 9> TabOrder();

// A backend's handles of the 17 controls, found by their row of the design
// table.
template <class Common, class Box = Common, class Button = Common, class Label = Common>
struct Controls {
  Box picture1{};
  std::array<Button, 8> commands{};  // Command1-8
  std::array<Label, 8> labels{};     // Label1-8

  Common Of(const layout::Control& c) const {
    switch (c.kind) {
      case layout::Kind::kPictureBox:
        return picture1;
      case layout::Kind::kCommandButton:
        return commands[c.entry - 1];
      case layout::Kind::kLabel:
        return labels[c.entry - 1];
    }
    return Common{};
  }
};

// The control that has the focus when the window opens: the first in tab
// order for which `shown(control)` is true; Picture1 when none is.
template <class Shown>
const layout::Control& FirstFocus(Shown shown) {
  for (const layout::Control* c : TabOrder())
    if (shown(*c)) return *c;
  return layout::Picture1();
}

// --- Colours ----------------------------------------------------------------

// The system colours the design names, by their Windows index.
enum class SystemColor : int { kButtonFace = 15, kButtonText = 18 };

struct Color {
  bool system = false;
  SystemColor which = SystemColor::kButtonFace;  // when `system`
  uint8_t red = 0, green = 0, blue = 0;          // otherwise
};

// An OLE colour: 0x00BBGGRR, or a system colour when the top bit is set.
Color DecodeOleColor(uint32_t ole);

// --- The error report -------------------------------------------------------

// The title of the error box and the first word of the error line.
inline constexpr std::string_view kProgramName = "discmenu";

// The error box's text: "Run-time error 53:\n\nFile not found\n\n<detail>",
// in the user's language through `translator`.
std::string ErrorBoxText(const Error& error, const Translator* translator = nullptr);
// The line on standard error: "discmenu: error 53: File not found: <detail>".
std::string ErrorLine(const Error& error, const Translator* translator = nullptr);
// A line on standard error of the program's own: "discmenu: <message>".
std::string ProgramLine(const Message& message, const Translator* translator = nullptr);

}  // namespace discmenu::presentation
