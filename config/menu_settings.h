// MenuSettings: the 34 values of install.ini in file order, read once at
// start and only read afterwards.
#pragma once

#include <array>
#include <string>

#include "config/fields.h"
#include "config/variant.h"

namespace discmenu {

struct MenuSettings {
  std::array<Variant, kEntryCount> ShowFlag;      // items 1-8
  std::array<Variant, kEntryCount> LabelCaption;  // items 9-16
  std::array<Variant, kEntryCount> Target;        // items 17-24
  Variant WindowCaption;                          // item 25
  Variant BackgroundPicture;                      // item 26
  std::array<Variant, 7> ButtonPicture1To7;       // items 27-33
  std::string ButtonPicture8;                     // item 34, always text

  // The picture field of entry `n` (1-8) as text.
  // REQUIRES: 1 <= n <= 8.
  const std::string& ButtonPictureText(int n) const {
    return n == kEntryCount ? ButtonPicture8 : ButtonPicture1To7[n - 1].AsText();
  }

  // The variant field that item `item` fills (fields.h).
  // REQUIRES: 1 <= item <= kItemCount, item != kPlainTextItem.
  Variant& VariantField(int item);
  const Variant& VariantField(int item) const {
    return const_cast<MenuSettings*>(this)->VariantField(item);
  }

  bool operator==(const MenuSettings&) const = default;
};

}  // namespace discmenu
