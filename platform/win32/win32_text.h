// UTF-8 (the menu's strings) to and from UTF-16 (Windows' wide strings),
// and the system's own words for an error code.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace discmenu::win32 {

// Invalid UTF-8 becomes U+FFFD.
std::wstring Widen(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Narrow(std::wstring_view utf16);

// A path from the menu as Windows takes it: wide, and a verbatim path tidied.
std::wstring NativePath(const std::string& utf8);

// The system's message for `code` (a Win32 error or an HRESULT), without
// the trailing line end; "error 0x..." when the system has none.
std::string SystemMessage(DWORD code);

// Whether `code` says that a file or a folder on its path does not exist.
bool IsNotFound(DWORD code);

}  // namespace discmenu::win32
