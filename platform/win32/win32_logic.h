// The parts of the Windows backend that are plain computation: Windows
// paths, a button's window text, code page names and DPI scaling. No
// Windows header is needed here, so these are tested on every build host.
#pragma once

#include <string>
#include <string_view>

#include "config/texts.h"

namespace discmenu::win32 {

// The directory of the executable `module_path` (as GetModuleFileName gives
// it): no trailing backslash, except for a drive's root ("D:\").
std::string AppDirectoryOf(std::string_view module_path);

// `path` with runs of backslashes after the first character made single
// when it is a verbatim path ("\\?\D:\\install.ini"), which Windows does not
// tidy up itself. Other paths are returned unchanged.
std::string TidyVerbatimPath(std::string_view path);

// A caption as a button's window text: what a screen reader reads as the
// button's name, with every "&" doubled so that none becomes a mnemonic.
std::string ButtonText(std::string_view caption);

// The name of the legacy code page `code_page`: "windows-1252", "shift_jis".
std::string CodePageName(unsigned code_page);
// The code page that CodePageName names `name`; 0 (the ANSI code page) for
// a name it does not give.
unsigned CodePageNumber(const std::string& name);

// The language of a Windows language identifier (LANGID), as
// GetUserDefaultUILanguage gives it; English for those without
// translations.
Language LanguageOfLangId(unsigned langid);

// The language identifier under which the string tables hold `language`'s
// texts (scripts/ts_to_rc.py); 0 for English, which has none.
unsigned LangIdOf(Language language);

// A length of `pixels` file pixels of a picture with `ratio` on a window at
// `dpi`, rounded to the nearest device pixel.
int ScaledLength(int pixels, int ratio, int dpi);

}  // namespace discmenu::win32
