// The fields of install.ini: one table of the groups of items, from which
// the reader, the names in messages, `check` and any writer of the file
// derive what item N is. Items are numbered from 1, in file order.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace discmenu {

inline constexpr int kEntryCount = 8;
inline constexpr int kItemCount = 34;

enum class FieldKind {
  kShowFlag,  // compared with 1: shows or hides an entry
  kCaption,   // a label's text
  kTarget,    // a file a button opens, joined to the application directory
  kTitle,     // the window's title
  kPicture,   // a picture file, joined to the application directory
};

// `count` consecutive items from `first_item`; a field is named `name`, or
// `name` followed by its entry number (1-based) when the group has several.
struct FieldGroup {
  std::string_view name;
  int first_item;
  int count;
  FieldKind kind;

  constexpr int last_item() const { return first_item + count - 1; }
  constexpr bool Holds(int item) const { return item >= first_item && item <= last_item(); }
  // The item of entry `n`. REQUIRES: 1 <= n <= count.
  constexpr int Item(int n) const { return first_item + n - 1; }
};

inline constexpr FieldGroup kShowFlags{"ShowFlag", 1, kEntryCount, FieldKind::kShowFlag};
inline constexpr FieldGroup kCaptions{"LabelCaption", 9, kEntryCount, FieldKind::kCaption};
inline constexpr FieldGroup kTargets{"Target", 17, kEntryCount, FieldKind::kTarget};
inline constexpr FieldGroup kWindowCaption{"WindowCaption", 25, 1, FieldKind::kTitle};
inline constexpr FieldGroup kBackground{"BackgroundPicture", 26, 1, FieldKind::kPicture};
inline constexpr FieldGroup kButtonPictures{"ButtonPicture", 27, kEntryCount, FieldKind::kPicture};

// In file order; together they hold items 1 to kItemCount, each once.
inline constexpr std::array<FieldGroup, 6> kFieldGroups = {
    kShowFlags, kCaptions, kTargets, kWindowCaption, kBackground, kButtonPictures};

// The last item is read as plain text whatever it looks like; every other
// item gives a variant value (empty, number or text).
inline constexpr int kPlainTextItem = kItemCount;

// The group that holds `item`. REQUIRES: 1 <= item <= kItemCount.
constexpr const FieldGroup& GroupOf(int item) {
  for (const FieldGroup& group : kFieldGroups)
    if (group.Holds(item)) return group;
  return kFieldGroups.back();
}

// The entry number of `item` within its group (1 for a group of one).
constexpr int EntryOf(int item) {
  return item - GroupOf(item).first_item + 1;
}

// "ShowFlag1" .. "ButtonPicture8". REQUIRES: 1 <= item <= kItemCount.
std::string FieldName(int item);

namespace fields_detail {
constexpr bool TileTheItems() {
  int next = 1;
  for (const FieldGroup& group : kFieldGroups) {
    if (group.first_item != next || group.count < 1) return false;
    next = group.last_item() + 1;
  }
  return next == kItemCount + 1;
}
}  // namespace fields_detail
static_assert(fields_detail::TileTheItems(), "the field groups hold each item once, in order");

}  // namespace discmenu
