/* A launch target for the Wine tests: appends one line to "<its own
 * path>.marker", so the test sees which program the menu started and how
 * often. A window program without a window: it never takes the focus. */
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR command_line, int show) {
  static wchar_t path[32768 + 16];
  DWORD n = GetModuleFileNameW(NULL, path, 32768);
  HANDLE file;
  DWORD written;
  (void)instance, (void)previous, (void)command_line, (void)show;
  if (n == 0 || n >= 32768) return 1;
  lstrcatW(path, L".marker");
  file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, NULL, OPEN_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) return 1;
  WriteFile(file, "ran\n", 4, &written, NULL);
  CloseHandle(file);
  return 0;
}
