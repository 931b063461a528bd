#include "config/diagnostics.h"

#include "config/install_ini.h"
#include "config/menu_settings.h"

namespace discmenu {

std::string ItemName(int item) {
  return "item " + std::to_string(item) + " (" + FieldName(item) + ")";
}

std::string MissingItemSentence(int found) {
  return ItemName(found + 1) + " is missing: " +
         (found == 0 ? std::string("the file holds no items")
                     : "the file ends after " + std::to_string(found) + " of the " +
                           std::to_string(kItemCount) + " items");
}

std::string UnendedItemSentence(int item) {
  return ItemName(item) + " does not end within the first " +
         std::to_string(kMaxConfigBytes >> 20) +
         " MiB of the file; is a closing double quote missing?";
}

std::string ShowFlagNotANumberSentence(int n, std::string_view text) {
  const std::string entry = "entry " + std::to_string(n);
  return ItemName(n) + " is the text \"" + std::string(text) +
         "\", which is not a number: write 1 to show " + entry + " or 0 to hide it";
}

}  // namespace discmenu
