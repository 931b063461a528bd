#include "platform/win32/form1_window.h"
#include "platform/win32/system_dlls.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "platform/win32/resource.h"
#include "platform/win32/wic_picture.h"
#include "platform/win32/win32_logic.h"
#include "platform/win32/win32_text.h"

namespace discmenu::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"discmenu.Form1";
constexpr wchar_t kPictureBoxClass[] = L"discmenu.PictureBox";
constexpr int kPicture1Id = 100;
constexpr int kFirstCommandId = 101;  // Command1; IDOK and IDCANCEL stay free
constexpr int kFirstLabelId = 201;
// What DrawFrameControl draws around a push button's face, at every DPI.
constexpr int kButtonEdge = 2;

// The per-monitor DPI functions came with Windows 10 1607; they are looked
// up so that the program starts on older systems too, at the system DPI.
struct DpiFunctions {
  UINT(WINAPI* for_window)(HWND) = nullptr;
  BOOL(WINAPI* adjust_rect)(LPRECT, DWORD, BOOL, DWORD, UINT) = nullptr;
  int(WINAPI* metrics)(int, UINT) = nullptr;
};

const DpiFunctions& Dpi() {
  static const DpiFunctions functions = [] {
    DpiFunctions f;
    if (HMODULE user32 = LoadSystemDll(L"user32.dll")) {
      f.for_window = Lookup<decltype(f.for_window)>(user32, "GetDpiForWindow");
      f.adjust_rect = Lookup<decltype(f.adjust_rect)>(user32, "AdjustWindowRectExForDpi");
      f.metrics = Lookup<decltype(f.metrics)>(user32, "GetSystemMetricsForDpi");
    }
    return f;
  }();
  return functions;
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

// The built-in picture a control of `area` shows until the load step gives it
// its own. The load step gives every control one before the window is
// shown, so these are decoded only if a window is ever drawn without it.
const Image* PlaceholderImage(Area area) {
  if (area == Area::kPicture1) {
    static const PictureRef background = LoadResourcePicture(IDR_PLACEHOLDER_BACKGROUND);
    return background ? &background->image() : nullptr;
  }
  static const PictureRef button = LoadResourcePicture(IDR_PLACEHOLDER_BUTTON);
  return button ? &button->image() : nullptr;
}

int WindowDpi(HWND hwnd) {
  if (Dpi().for_window) {
    if (UINT dpi = Dpi().for_window(hwnd)) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

int Metric(int index, int dpi) {
  return Dpi().metrics ? Dpi().metrics(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

COLORREF OleColor(uint32_t ole) {
  const presentation::Color c = presentation::DecodeOleColor(ole);
  if (c.system) return GetSysColor(static_cast<int>(c.which));
  return RGB(c.red, c.green, c.blue);
}

// The system's brush for a system colour; null for a fixed one.
HBRUSH OleBrush(uint32_t ole) {
  const presentation::Color c = presentation::DecodeOleColor(ole);
  return c.system ? GetSysColorBrush(static_cast<int>(c.which)) : nullptr;
}

// A double click on an owner-drawn button would be reported as a double
// click, not as a second press: make it a press.
LRESULT CALLBACK ButtonSubclass(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                DWORD_PTR) {
  switch (message) {
    case WM_LBUTTONDBLCLK:
      return Comctl().def_subclass(hwnd, WM_LBUTTONDOWN, wparam, lparam);
    case WM_NCDESTROY:
      Comctl().remove_subclass(hwnd, ButtonSubclass, id);
      break;
  }
  return Comctl().def_subclass(hwnd, message, wparam, lparam);
}

HMENU ChildId(int id) {
  return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

}  // namespace

template <Form1Window::Handler handler>
LRESULT CALLBACK Form1Window::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wparam, lparam);
  return (self->*handler)(hwnd, message, wparam, lparam);
}

Form1Window::Form1Window(const Translator* translator) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  static const bool registered = [instance] {
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = WindowProc<&Form1Window::OnFormMessage>;
    form.hInstance = instance;
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_DISCMENU));
    form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    form.hbrBackground = OleBrush(layout::kForm.back_color);
    form.lpszClassName = kFormClass;
    WNDCLASSEXW box{};
    box.cbSize = sizeof box;
    box.lpfnWndProc = WindowProc<&Form1Window::OnPictureMessage>;
    box.hInstance = instance;
    box.hCursor = form.hCursor;
    box.lpszClassName = kPictureBoxClass;
    return RegisterClassExW(&form) != 0 && RegisterClassExW(&box) != 0;
  }();
  if (!registered) return;

  label_brush_.reset(CreateSolidBrush(OleColor(layout::kStyle.label_back)));
  const std::wstring caption = Widen(layout::kForm.caption);
  form_ = CreateWindowExW(0, kFormClass, caption.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                          nullptr, instance, this);
  if (!form_) return;
  dpi_ = WindowDpi(form_);
  CreateControls(translator);
  ApplyDpi(dpi_);
  SizeForDpi();
}

Form1Window::~Form1Window() {
  if (form_) DestroyWindow(form_);
}

void Form1Window::CreateControls(const Translator* translator) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  for (const layout::Control& c : layout::kControls) {
    switch (c.kind) {
      case layout::Kind::kPictureBox: {
        // The window text, never drawn, is what a screen reader says when
        // the background takes the focus.
        const std::wstring name = Widen(Message(Text::kBackgroundPicture, {}).Render(translator));
        controls_.picture1 = CreateWindowExW(WS_EX_CLIENTEDGE, kPictureBoxClass, name.c_str(),
                                             child | WS_CLIPCHILDREN | WS_TABSTOP, 0, 0, 0, 0,
                                             form_, ChildId(kPicture1Id), instance, this);
        break;
      }
      case layout::Kind::kCommandButton: {
        // The window text, never drawn, is the button's accessible name:
        // its label's caption once the menu is loaded.
        HWND button =
            CreateWindowExW(0, L"BUTTON", L"", child | WS_TABSTOP | BS_OWNERDRAW, 0, 0, 0, 0, form_,
                            ChildId(kFirstCommandId + c.entry - 1), instance, nullptr);
        Comctl().set_subclass(button, ButtonSubclass, 1, 0);
        controls_.commands[c.entry - 1] = button;
        break;
      }
      case layout::Kind::kLabel: {
        const std::wstring text = Widen(c.name);
        controls_.labels[c.entry - 1] = CreateWindowExW(
            0, L"STATIC", text.c_str(), child | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
            controls_.picture1, ChildId(kFirstLabelId + c.entry - 1), instance, nullptr);
        break;
      }
    }
  }

  // Stacking: bring each control to the top of its siblings from the back
  // to the front, so the frontmost ends on top. WS_CLIPSIBLINGS keeps
  // Picture1 from painting over the buttons in front of it.
  for (const layout::Control* c : presentation::BackToFront())
    SetWindowPos(controls_.Of(*c), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form1Window::ApplyDpi(int dpi) {
  dpi_ = dpi;
  for (const layout::Control& c : layout::kControls) {
    const layout::PixelRect r = layout::ToPixels(c, dpi);
    SetWindowPos(controls_.Of(c), nullptr, r.x, r.y, r.width, r.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  }

  const layout::Font& f = layout::kStyle.label_font;
  LOGFONTW font{};
  font.lfHeight = -layout::PointsToPixels(f.points, dpi);
  font.lfWeight = f.weight;
  font.lfCharSet = static_cast<BYTE>(f.charset);
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;  // a sans-serif face when Arial is missing
  const std::wstring face = Widen(f.face);
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  GdiObject<HFONT> new_font(CreateFontIndirectW(&font));
  for (HWND label : controls_.labels)
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(new_font.get()), 0);
  label_font_ = std::move(new_font);  // the old one is deleted once no label uses it

  HINSTANCE instance = GetModuleHandleW(nullptr);
  auto icon = [&](int cx, int cy) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_DISCMENU), IMAGE_ICON,
                                         Metric(cx, dpi), Metric(cy, dpi), LR_DEFAULTCOLOR));
  };
  Icon large(icon(SM_CXICON, SM_CYICON)), small(icon(SM_CXSMICON, SM_CYSMICON));
  SendMessageW(form_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large.get()));
  SendMessageW(form_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  icon_large_ = std::move(large);
  icon_small_ = std::move(small);

  RedrawWindow(form_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form1Window::SizeForDpi() {
  const int width = layout::TwipsToPixels(layout::kForm.client_width, dpi_);
  const int height = layout::TwipsToPixels(layout::kForm.client_height, dpi_);
  RECT r{0, 0, width, height};
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(form_, GWL_STYLE));
  const DWORD ex_style = static_cast<DWORD>(GetWindowLongPtrW(form_, GWL_EXSTYLE));
  if (Dpi().adjust_rect) {
    Dpi().adjust_rect(&r, style, FALSE, ex_style, static_cast<UINT>(dpi_));
  } else {
    AdjustWindowRectEx(&r, style, FALSE, ex_style);
  }
  SetWindowPos(form_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Whatever the frame turned out to be, the client area is what counts.
  RECT client{}, window{};
  GetClientRect(form_, &client);
  GetWindowRect(form_, &window);
  const int dx = width - client.right, dy = height - client.bottom;
  if (dx != 0 || dy != 0) {
    SetWindowPos(form_, nullptr, 0, 0, window.right - window.left + dx,
                 window.bottom - window.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Form1Window::SetCaption(const std::string& text) {
  SetWindowTextW(form_, Widen(text).c_str());
}

void Form1Window::SetCommandVisible(int n, bool visible) {
  ShowWindow(controls_.commands[n - 1], visible ? SW_SHOWNA : SW_HIDE);
}

void Form1Window::SetLabelVisible(int n, bool visible) {
  ShowWindow(controls_.labels[n - 1], visible ? SW_SHOWNA : SW_HIDE);
}

void Form1Window::SetLabelCaption(int n, const std::string& text) {
  SetWindowTextW(controls_.labels[n - 1], Widen(text).c_str());
  // A screen reader names the button by what its label says.
  SetWindowTextW(controls_.commands[n - 1], Widen(ButtonText(text)).c_str());
}

void Form1Window::SetPicture(ControlPicture& control, PictureRef picture, HWND hwnd) {
  control.bitmaps.Reset();
  control.shown.Set(std::move(picture));
  InvalidateRect(hwnd, nullptr, FALSE);
}

const Image* Form1Window::ImageToDraw(const ControlPicture& control, Area area) const {
  return control.shown ? &control.shown.ImageFor(scale()) : PlaceholderImage(area);
}

void Form1Window::SetPicture1Picture(PictureRef picture) {
  SetPicture(picture1_picture_, std::move(picture), controls_.picture1);
}

void Form1Window::SetCommandPicture(int n, PictureRef picture) {
  SetPicture(command_pictures_[n - 1], std::move(picture), controls_.commands[n - 1]);
}

WindowHandle Form1Window::hWnd() {
  return reinterpret_cast<WindowHandle>(form_);
}

void Form1Window::Show(int show_command) {
  ShowWindow(form_, show_command);
  UpdateWindow(form_);
}

HWND Form1Window::FirstFocusable() const {
  return controls_.Of(presentation::FirstFocus([this](const layout::Control& c) {
    return (GetWindowLongPtrW(controls_.Of(c), GWL_STYLE) & WS_VISIBLE) != 0;
  }));
}

HWND Form1Window::FocusToRestore() const {
  if (saved_focus_ && (GetWindowLongPtrW(saved_focus_, GWL_STYLE) & WS_VISIBLE))
    return saved_focus_;
  return FirstFocusable();
}

void Form1Window::FocusFirst() {
  if (HWND first = FirstFocusable()) SetFocus(first);
}

bool Form1Window::IsOurControl(HWND hwnd) const {
  return hwnd && (hwnd == controls_.picture1 ||
                  std::find(controls_.commands.begin(), controls_.commands.end(), hwnd) !=
                      controls_.commands.end());
}

void Form1Window::MoveFocus(bool forward) {
  HWND focus = GetFocus();
  if (!IsOurControl(focus)) {
    FocusFirst();
  } else {
    // The dialog manager walks the controls in z-order, front to back:
    // Command8 .. Command1, Picture1, the reverse of the tab order. So the
    // next control in tab order is the dialog manager's previous one, and
    // the walk skips hidden controls and wraps around as it always does.
    if (HWND next = GetNextDlgTabItem(form_, focus, forward ? TRUE : FALSE)) SetFocus(next);
  }
  SendMessageW(form_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

bool Form1Window::PreTranslate(MSG* msg) {
  if (!form_ || !(msg->hwnd == form_ || IsChild(form_, msg->hwnd))) return false;
  if (msg->message == WM_KEYDOWN && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
    const bool on_button = std::find(controls_.commands.begin(), controls_.commands.end(),
                                     GetFocus()) != controls_.commands.end();
    switch (msg->wParam) {
      case VK_TAB:
        MoveFocus(GetKeyState(VK_SHIFT) >= 0);
        return true;
      case VK_RIGHT:
      case VK_DOWN:
        if (!on_button) break;
        MoveFocus(true);
        return true;
      case VK_LEFT:
      case VK_UP:
        if (!on_button) break;
        MoveFocus(false);
        return true;
    }
  }
  // Space and Enter on a button, Escape, and mnemonics.
  return IsDialogMessageW(form_, msg) != FALSE;
}

void Form1Window::PaintPicture1(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  const RECT area = ps.rcPaint;
  const int w = area.right - area.left, h = area.bottom - area.top;
  if (w > 0 && h > 0) {
    // Drawn off-screen, then copied, so the picture never flickers.
    const DoubleBuffer buffer(dc, w, h);
    HDC memory = buffer.dc();
    SetViewportOrgEx(memory, -area.left, -area.top, nullptr);
    HBRUSH back = OleBrush(layout::kStyle.picture_back);
    FillRect(memory, &area, back ? back : GetSysColorBrush(COLOR_BTNFACE));
    RECT client;
    GetClientRect(hwnd, &client);
    RECT clip;
    IntersectRect(&clip, &client, &area);
    // The picture sits at the inner top-left, unscaled, cut off.
    if (const Image* image = ImageToDraw(picture1_picture_, Area::kPicture1))
      picture1_picture_.bitmaps.Draw(memory, *image, dpi_, POINT{0, 0}, clip);
    buffer.Show(POINT{area.left, area.top}, POINT{area.left, area.top});
  }
  EndPaint(hwnd, &ps);
}

void Form1Window::DrawButton(const DRAWITEMSTRUCT& item) {
  const int n = static_cast<int>(item.CtlID) - kFirstCommandId + 1;
  const RECT& rc = item.rcItem;
  const int w = rc.right - rc.left, h = rc.bottom - rc.top;
  if (n < 1 || n > 8 || w <= 0 || h <= 0) return;
  const DoubleBuffer buffer(item.hDC, w, h);
  HDC memory = buffer.dc();

  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  RECT r{0, 0, w, h};
  HBRUSH face_brush = OleBrush(layout::kStyle.button_face);
  FillRect(memory, &r, face_brush ? face_brush : GetSysColorBrush(COLOR_BTNFACE));
  DrawFrameControl(memory, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  RECT face{kButtonEdge, kButtonEdge, w - kButtonEdge, h - kButtonEdge};
  // The picture is centred on the face, unscaled, and cut off at its edges.
  ControlPicture& picture = command_pictures_[n - 1];
  if (const Image* image = ImageToDraw(picture, Area::kButton)) {
    const Box at =
        presentation::PictureOnButton(w, h, ScaledLength(image->width, image->ratio, dpi_),
                                      ScaledLength(image->height, image->ratio, dpi_), pressed);
    picture.bitmaps.Draw(memory, *image, dpi_, POINT{at.x, at.y}, face);
  }
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = face;
    InflateRect(&focus, -1, -1);
    DrawFocusRect(memory, &focus);
  }
  buffer.Show(POINT{rc.left, rc.top}, POINT{0, 0});
}

LRESULT Form1Window::OnFormMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      if (HIWORD(wparam) == BN_CLICKED && id >= kFirstCommandId && id < kFirstCommandId + 8) {
        if (on_click_) on_click_(id - kFirstCommandId + 1);
      }
      return 0;
    }
    case DM_GETDEFID: {
      // Enter presses the focused button, as it does in a dialog.
      HWND focus = GetFocus();
      for (HWND button : controls_.commands)
        if (button && button == focus) return MAKELRESULT(GetDlgCtrlID(button), DC_HASDEFID);
      return 0;
    }
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        if (IsOurControl(GetFocus())) saved_focus_ = GetFocus();
      } else if (HWND focus = FocusToRestore()) {
        SetFocus(focus);
      }
      return 0;
    case WM_SETFOCUS:
      if (HWND focus = FocusToRestore()) SetFocus(focus);
      return 0;
    case WM_DPICHANGED: {
      ApplyDpi(HIWORD(wparam));
      const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(hwnd, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_SYSCOLORCHANGE:
      RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      form_ = nullptr;
      controls_ = {};
      saved_focus_ = nullptr;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT Form1Window::OnPictureMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills everything
    case WM_PAINT:
      PaintPicture1(hwnd);
      return 0;
    case WM_CTLCOLORSTATIC: {
      // The labels: light cyan, in the button text colour.
      HDC dc = reinterpret_cast<HDC>(wparam);
      SetTextColor(dc, OleColor(layout::kStyle.label_fore));
      SetBkColor(dc, OleColor(layout::kStyle.label_back));
      return reinterpret_cast<LRESULT>(label_brush_.get());
    }
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      return 0;
    case WM_GETDLGCODE:
      // Arrow keys stay here and do nothing: the box reacts to no key.
      return DLGC_WANTARROWS;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace discmenu::win32
