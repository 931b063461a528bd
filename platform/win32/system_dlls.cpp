#include <windows.h>

#include <commctrl.h>

#include "platform/win32/system_dlls.h"

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

// The executable's load configuration: DependentLoadFlags (the word after
// CSDVersion, which older headers call Reserved1) tells Windows 10 1607 and
// later to resolve the executable's own imports from the system folder
// too. The linker points the image's load configuration entry at this
// symbol, which must hold its value before any code runs.
constexpr IMAGE_LOAD_CONFIG_DIRECTORY LoadConfiguration() {
  IMAGE_LOAD_CONFIG_DIRECTORY config{};
  config.Size = sizeof config;
  config.Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32;
  return config;
}
extern "C" __attribute__((used)) constinit const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used =
    LoadConfiguration();

namespace discmenu::win32 {

namespace {

bool g_restricted = false;

}  // namespace

void RestrictDllSearch() {
  // A use of the load configuration, which the linker would otherwise drop
  // as data nothing refers to.
  static_cast<void>(*static_cast<const volatile DWORD*>(&_load_config_used.Size));
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
  const auto set_default = Lookup<SetDefaultDllDirectoriesFn>(kernel32, "SetDefaultDllDirectories");
  g_restricted = set_default && set_default(LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!g_restricted) SetDllDirectoryW(L"");
}

HMODULE LoadSystemDll(const wchar_t* name) {
  // Without the restriction the system offers nothing better than its
  // usual search (which finds the manifest's common controls first).
  return g_restricted ? LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)
                      : LoadLibraryW(name);
}

const CommonControls& Comctl() {
  static const CommonControls functions = [] {
    CommonControls c;
    const HMODULE comctl32 = LoadSystemDll(L"comctl32.dll");
    c.init = Lookup<decltype(c.init)>(comctl32, "InitCommonControlsEx");
    c.set_subclass = Lookup<decltype(c.set_subclass)>(comctl32, "SetWindowSubclass");
    c.remove_subclass = Lookup<decltype(c.remove_subclass)>(comctl32, "RemoveWindowSubclass");
    c.def_subclass = Lookup<decltype(c.def_subclass)>(comctl32, "DefSubclassProc");
    return c;
  }();
  return functions;
}

}  // namespace discmenu::win32
