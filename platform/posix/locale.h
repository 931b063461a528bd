// The user's locale as the environment gives it on POSIX.
#pragma once

#include <string>

namespace discmenu::posix {

// The locale messages are to be shown in: LC_ALL, LC_MESSAGES or LANG,
// whichever is set first ("zh_TW.UTF-8"); "" when none is.
std::string MessagesLocale();

// The locale of the user's text (and so of the system's legacy code
// page): LC_ALL, LC_CTYPE or LANG, whichever is set first. Read from the
// environment, so that it counts even where the system lacks its data.
std::string CharacterLocale();

}  // namespace discmenu::posix
