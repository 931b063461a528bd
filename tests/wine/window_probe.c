/* Prints the windows of a running menu as the Wine tests need them: the
 * children of the top-level window titled argv[1], front to back, and the
 * children of each of those, indented. One line each, in UTF-8:
 *   id<TAB>class<TAB>visible<TAB>x,y,w,h<TAB>x,y,w,h<TAB>window text<TAB>accessible name
 * with the window's rectangle and its client area in screen pixels. The
 * accessible name is what a screen reader reads (IAccessible). Line ends in
 * texts are written as U+240A. */
#define COBJMACROS
#include <oleacc.h>
#include <windows.h>

/* Spelled out here: the import library also names a DLL export after it. */
static const GUID kIidIAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

static HANDLE out;

static void put(const wchar_t* text) {
  wchar_t copy[2048];
  char buffer[8192];
  DWORD written;
  int i, n;
  lstrcpynW(copy, text, 2048);
  for (i = 0; copy[i]; ++i)
    if (copy[i] == L'\n' && copy[i + 1])
      copy[i] = 0x240A; /* keep the last one */
    else if (copy[i] == L'\r')
      copy[i] = L' ';
  n = WideCharToMultiByte(CP_UTF8, 0, copy, -1, buffer, sizeof buffer, NULL, NULL);
  if (n > 1) WriteFile(out, buffer, (DWORD)(n - 1), &written, NULL);
}

static void describe(HWND hwnd, const wchar_t* indent) {
  wchar_t line[2048], class_name[64], text[512];
  RECT window, client;
  POINT origin = {0, 0};
  IAccessible* accessible = NULL;
  BSTR name = NULL;
  VARIANT self;
  GetClassNameW(hwnd, class_name, 64);
  GetWindowTextW(hwnd, text, 512);
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  ClientToScreen(hwnd, &origin);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  if (SUCCEEDED(AccessibleObjectFromWindow(hwnd, (DWORD)OBJID_CLIENT, &kIidIAccessible,
                                           (void**)&accessible))) {
    if (IAccessible_get_accName(accessible, self, &name) != S_OK) name = NULL;
    IAccessible_Release(accessible);
  }
  wsprintfW(line, L"%s%d\t%s\t%d\t%d,%d,%d,%d\t%d,%d,%d,%d\t%s\t%s\n", indent, GetDlgCtrlID(hwnd),
            class_name, (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) ? 1 : 0, (int)window.left,
            (int)window.top, (int)(window.right - window.left), (int)(window.bottom - window.top),
            (int)origin.x, (int)origin.y, (int)client.right, (int)client.bottom, text,
            name ? name : L"");
  put(line);
  if (name) SysFreeString(name);
}

int wmain(int argc, wchar_t** argv) {
  HWND top, child, grandchild;
  out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (argc != 2) return 2;
  top = FindWindowW(NULL, argv[1]);
  if (!top) return 1;
  CoInitialize(NULL);
  for (child = GetWindow(top, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    describe(child, L"");
    for (grandchild = GetWindow(child, GW_CHILD); grandchild;
         grandchild = GetWindow(grandchild, GW_HWNDNEXT))
      describe(grandchild, L"  ");
  }
  CoUninitialize();
  return 0;
}
