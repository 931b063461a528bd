#include "menu/presentation.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "config/text_decoding.h"

namespace discmenu::presentation {

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

Box PictureOnButton(int button_width, int button_height, int width, int height, bool pressed) {
  int x = static_cast<int>(std::lround((button_width - width) / 2.0));
  int y = static_cast<int>(std::lround((button_height - height) / 2.0));
  if (pressed) ++x, ++y;
  return Box{x, y, width, height};
}

Box VisibleBackground() {
  const layout::PixelRect box = layout::ToPixels(layout::Picture1(), 96);
  const int border = layout::kStyle.picture_border_px;
  return Box{border, border, box.width - 2 * border, box.height - 2 * border};
}

std::array<const layout::Control*, 17> BackToFront() {
  std::array<const layout::Control*, 17> order;
  std::transform(layout::kControls.begin(), layout::kControls.end(), order.begin(),
                 [](const layout::Control& c) { return &c; });
  std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) {
    return a->container != b->container ? a->container < b->container
                                        : a->front_to_back > b->front_to_back;
  });
  return order;
}

std::array<const layout::Control*, 9> TabOrder() {
  std::array<const layout::Control*, 9> order{};
  size_t k = 0;
  for (const layout::Control& c : layout::kControls)
    if (c.kind != layout::Kind::kLabel) order[k++] = &c;
  std::stable_sort(order.begin(), order.end(),
                   [](auto* a, auto* b) { return a->tab_index < b->tab_index; });
  return order;
}

const Image& ShownPicture::ImageFor(double scale) const {
  return picture_->twin() && WantsTwin(scale) ? picture_->twin()->image() : picture_->image();
}

Color DecodeOleColor(uint32_t ole) {
  Color c;
  if (ole & 0x80000000u) {
    c.system = true;
    c.which = static_cast<SystemColor>(ole & 0xFF);
    return c;
  }
  c.red = ole & 0xFF;
  c.green = (ole >> 8) & 0xFF;
  c.blue = (ole >> 16) & 0xFF;
  return c;
}

std::string ErrorBoxText(const Error& error, const Translator* translator) {
  return Message(Text::kRunTimeError, {std::to_string(error.number())}).Render(translator) +
         "\n\n" + Message(error.text_id(), {}).Render(translator) + "\n\n" +
         error.detail_message().Render(translator);
}

std::string ErrorLine(const Error& error, const Translator* translator) {
  return std::string(kProgramName) + ": " + OneLine(error.ToString(translator));
}

std::string ProgramLine(const Message& message, const Translator* translator) {
  return std::string(kProgramName) + ": " + OneLine(message.Render(translator));
}

}  // namespace discmenu::presentation
