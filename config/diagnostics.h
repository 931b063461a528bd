// What is wrong with install.ini, in the words that both the menu's errors
// and discmenu-tool's findings use: one sentence per finding, with no file
// name (the caller puts it in front).
#pragma once

#include <string>
#include <string_view>

#include "config/texts.h"

namespace discmenu {

// "item 3 (ShowFlag3)", as a message and in English.
// REQUIRES: 1 <= item <= 34.
Message ItemNameMessage(int item);
std::string ItemName(int item);

// The file ends after `found` items (fewer than 34): "item 34
// (ButtonPicture8) is missing: the file ends after 33 of the 34 items".
Message MissingItemSentence(int found);

// Item `item` runs past the first kMaxConfigBytes of the file.
Message UnendedItemSentence(int item);

// Show flag `n` (1-8) is the text `text`, which is not a number.
Message ShowFlagNotANumberSentence(int n, std::string_view text);

}  // namespace discmenu
