// MenuSettings: the 34 values of install.ini in file order, read once at
// start and only read afterwards.
#pragma once

#include <array>
#include <string>

#include "config/variant.h"

namespace discmenu {

inline constexpr int kEntryCount = 8;
inline constexpr int kItemCount = 34;
// Where each field starts among the items (numbered from 1).
inline constexpr int kFirstCaptionItem = 9;
inline constexpr int kFirstTargetItem = 17;
inline constexpr int kBackgroundItem = 26;
inline constexpr int kFirstButtonPictureItem = 27;

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

  bool operator==(const MenuSettings&) const = default;
};

// The field that item `item` (1-34) fills: "ShowFlag1" .. "ButtonPicture8".
// REQUIRES: 1 <= item <= 34.
const char* FieldName(int item);

}  // namespace discmenu
