// What is wrong with install.ini, in the words that both the menu's errors
// and discmenu-tool's findings use: one sentence per finding, with no file
// name (the caller puts it in front).
#pragma once

#include <string>
#include <string_view>

namespace discmenu {

// "item 3 (ShowFlag3)". REQUIRES: 1 <= item <= 34.
std::string ItemName(int item);

// The file ends after `found` items (fewer than 34): "item 34
// (ButtonPicture8) is missing: the file ends after 33 of the 34 items".
std::string MissingItemSentence(int found);

// Item `item` runs past the first kMaxConfigBytes of the file.
std::string UnendedItemSentence(int item);

// Show flag `n` (1-8) is the text `text`, which is not a number.
std::string ShowFlagNotANumberSentence(int n, std::string_view text);

}  // namespace discmenu
