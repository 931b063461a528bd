// What is selected in the editor: the window (its title and background) or
// one of the eight entries (show flag, caption, target, button picture), and
// whether it was picked by its label.
#pragma once

#include <array>

#include "config/fields.h"

namespace discmenu::editor {

struct Selection {
  int entry = 0;       // 0: the window; 1-8: an entry
  bool label = false;  // picked by the entry's label (typing edits its caption)

  bool operator==(const Selection&) const = default;

  // The items that belong to it, in the order the side panel shows them.
  std::array<int, 4> Items() const {
    if (entry == 0) return {kWindowCaption.first_item, kBackground.first_item, 0, 0};
    return {kShowFlags.Item(entry), kCaptions.Item(entry), kTargets.Item(entry),
            kButtonPictures.Item(entry)};
  }
};

// The selection that item `item` (1-34) belongs to; the window for 0.
constexpr Selection SelectionOf(int item) {
  if (item < 1 || item > kItemCount) return {};
  const FieldGroup& group = GroupOf(item);
  if (group.count == 1) return {};
  return {EntryOf(item), group.kind == FieldKind::kCaption};
}

}  // namespace discmenu::editor
