// The user's locale as the environment gives it on POSIX.
#pragma once

#include <string>

namespace discmenu::posix {

// The locale messages are to be shown in: LC_ALL, LC_MESSAGES or LANG,
// whichever is set first ("zh_TW.UTF-8"); "" when none is.
std::string MessagesLocale();

}  // namespace discmenu::posix
