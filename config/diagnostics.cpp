#include "config/diagnostics.h"

#include "config/install_ini.h"
#include "config/menu_settings.h"

namespace discmenu {

Message ItemNameMessage(int item) {
  return Message(Text::kItemName, {std::to_string(item), FieldName(item)});
}

std::string ItemName(int item) {
  return ItemNameMessage(item).Render();
}

Message MissingItemSentence(int found) {
  if (found == 0) return Message(Text::kItemMissingNoItems, {ItemNameMessage(1)});
  return Message(Text::kItemMissing,
                 {ItemNameMessage(found + 1), std::to_string(found), std::to_string(kItemCount)});
}

Message UnendedItemSentence(int item) {
  return Message(Text::kItemUnended,
                 {ItemNameMessage(item), std::to_string(kMaxConfigBytes >> 20)});
}

Message ShowFlagNotANumberSentence(int n, std::string_view text) {
  return Message(Text::kShowFlagNotANumber,
                 {ItemNameMessage(n), std::string(text), std::to_string(n)});
}

}  // namespace discmenu
