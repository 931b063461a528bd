/* A DLL planted beside the menu under a system DLL's name: if it is ever
 * loaded, it leaves "<its own path>.loaded" behind. It exports nothing, so a
 * program that imported from it would not start either. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
  static wchar_t path[32768 + 16];
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) {
    DWORD n = GetModuleFileNameW(self, path, 32768);
    if (n > 0 && n < 32768) {
      HANDLE file;
      lstrcatW(path, L".loaded");
      file = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
      if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
  }
  return TRUE;
}
