// DLLs from the system's folder only. Windows looks for a DLL in the
// program's own folder before the system's, so a DLL dropped beside the menu
// on a writable medium (a shared stick, a Downloads folder) would run inside
// it under a system DLL's name. The menu imports only DLLs that Windows
// always takes from the system (the known DLLs: kernel32, user32, gdi32,
// ole32, msvcrt); everything else is loaded once the search is restricted.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace discmenu::win32 {

// Restricts the DLL search of the whole process, for every later load (the
// menu's own and the ones system DLLs make, such as the theme DLL the
// common controls load), to the system folder. Called first, before any
// DLL beyond the known ones is loaded. Windows without the call (Windows 7
// before its 2011 loader update) at least no longer search the current
// folder.
void RestrictDllSearch();

// The system DLL `name` (L"shell32.dll"): from the system folder, or, for
// the common controls, the version the program's manifest asks for. nullptr
// when it cannot be loaded.
HMODULE LoadSystemDll(const wchar_t* name);

// The common controls' subclassing functions, looked up once.
struct CommonControls {
  BOOL(WINAPI* init)(const INITCOMMONCONTROLSEX*) = nullptr;
  BOOL(WINAPI* set_subclass)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR) = nullptr;
  BOOL(WINAPI* remove_subclass)(HWND, SUBCLASSPROC, UINT_PTR) = nullptr;
  LRESULT(WINAPI* def_subclass)(HWND, UINT, WPARAM, LPARAM) = nullptr;
  bool complete() const { return init && set_subclass && remove_subclass && def_subclass; }
};
const CommonControls& Comctl();

// GetProcAddress, typed.
template <class F>
F Lookup(HMODULE module, const char* name) {
  return module ? reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
                : nullptr;
}

}  // namespace discmenu::win32
