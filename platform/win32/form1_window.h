// Form1 as Win32 windows, built from the design table: a top-level window
// with Picture1 (a sunken child drawing the background picture) behind
// eight owner-drawn picture buttons, and eight labels (static texts) on
// Picture1. Sizes are twips scaled by the window's DPI and follow it when
// the window moves to a monitor with another DPI.
#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "menu/layout.h"
#include "menu/presentation.h"
#include "menu/services.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/wic_picture.h"

namespace discmenu::win32 {

class Form1Window : public FormWindow {
 public:
  // Creates the window hidden; created() tells whether that worked.
  // `translator` gives the window's own words (Picture1's accessible name)
  // in the user's language; English without.
  explicit Form1Window(const Translator* translator = nullptr);
  ~Form1Window() override;
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  bool created() const { return form_ != nullptr; }

  // FormWindow:
  void SetCaption(const std::string& text) override;
  void SetCommandVisible(int n, bool visible) override;
  void SetLabelVisible(int n, bool visible) override;
  void SetLabelCaption(int n, const std::string& text) override;
  void SetPicture1Picture(PictureRef picture) override;
  void SetCommandPicture(int n, PictureRef picture) override;
  WindowHandle hWnd() override;
  double scale() const override { return dpi_ / 96.0; }

  // Calls `on_click(n)` when button n (1-8) is clicked or pressed.
  void OnCommandClick(std::function<void(int)> on_click) { on_click_ = std::move(on_click); }
  void Show(int show_command);
  // Gives the focus to the first visible control in tab order.
  void FocusFirst();

  // Keyboard navigation for a message taken from the queue: true when the
  // message was handled and must not be dispatched.
  bool PreTranslate(MSG* msg);

  HWND form() const { return form_; }
  HWND picture1() const { return controls_.picture1; }
  HWND command(int n) const { return controls_.commands[n - 1]; }
  HWND label(int n) const { return controls_.labels[n - 1]; }

 private:
  using Handler = LRESULT (Form1Window::*)(HWND, UINT, WPARAM, LPARAM);
  // The window procedure of a class whose windows are created with this
  // object as their creation parameter: it passes every message on to `handler`.
  template <Handler handler>
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnFormMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnPictureMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  // A control's picture: what is shown, and its bitmaps at the window's DPI.
  struct ControlPicture {
    presentation::ShownPicture shown;
    ScaledPicture bitmaps;
  };

  void CreateControls(const Translator* translator);
  void SetPicture(ControlPicture& control, PictureRef picture, HWND hwnd);
  // What a control of `area` draws: its picture, or the built-in one.
  const Image* ImageToDraw(const ControlPicture& control, Area area) const;
  void ApplyDpi(int dpi);
  void SizeForDpi();
  void PaintPicture1(HWND hwnd);
  void DrawButton(const DRAWITEMSTRUCT& item);
  void MoveFocus(bool forward);
  HWND FirstFocusable() const;
  // Where the focus goes back to when the window is activated again.
  HWND FocusToRestore() const;
  bool IsOurControl(HWND hwnd) const;

  HWND form_ = nullptr;
  presentation::Controls<HWND> controls_;
  ControlPicture picture1_picture_;
  std::array<ControlPicture, 8> command_pictures_;
  GdiObject<HFONT> label_font_;
  GdiObject<HBRUSH> label_brush_;
  Icon icon_large_, icon_small_;
  int dpi_ = 96;
  HWND saved_focus_ = nullptr;
  std::function<void(int)> on_click_;
};

}  // namespace discmenu::win32
