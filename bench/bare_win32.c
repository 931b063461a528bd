/* The smallest Win32 program that shows what the menu shows at least: a
 * window of the menu's client size with one label on it. It is the baseline
 * that the Windows menu's start-up is compared with under Wine. */
#include <windows.h>

static HBRUSH label_brush;

static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CTLCOLORSTATIC:
      SetBkColor((HDC)wp, RGB(128, 255, 255));
      SetTextColor((HDC)wp, RGB(0, 0, 0));
      return (LRESULT)label_brush;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE prev, PWSTR cmd, int show) {
  (void)prev;
  (void)cmd;
  label_brush = CreateSolidBrush(RGB(128, 255, 255));
  WNDCLASSW wc = {0};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(NULL, IDC_ARROW);
  wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"BareWindow";
  RegisterClassW(&wc);
  RECT r = {0, 0, 640, 478};
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  AdjustWindowRect(&r, style, FALSE);
  HWND hwnd = CreateWindowW(L"BareWindow", L"bare", style, CW_USEDEFAULT, CW_USEDEFAULT,
                            r.right - r.left, r.bottom - r.top, NULL, NULL, instance, NULL);
  HWND label = CreateWindowW(L"STATIC", L"Install Aurora Studio", WS_CHILD | WS_VISIBLE, 96, 64,
                             213, 65, hwnd, NULL, instance, NULL);
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                           L"Arial");
  SendMessageW(label, WM_SETFONT, (WPARAM)font, FALSE);
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);
  MSG m;
  while (GetMessageW(&m, NULL, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  return 0;
}
