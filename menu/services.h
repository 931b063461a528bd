// The services the menu takes from its platform: the application directory,
// file input, picture loading, the window and its controls, the shell's
// "open", and the error report. Each backend (platform/qt, platform/win32)
// implements them; tests use recording fakes (menu/recording_platform.h).
//
// Texts are UTF-8. Paths are the application directory followed by an
// install.ini value, unchanged: they may hold backslashes, which each backend
// maps to its file system when it touches a file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "config/error.h"
#include "config/install_ini.h"
#include "config/text_decoding.h"
#include "menu/picture.h"

namespace discmenu {

// The native handle of the menu window (HWND, X11 window id, ...).
using WindowHandle = std::uintptr_t;

// File input and pictures.
class Runtime {
 public:
  virtual ~Runtime() = default;

  // The directory of the program's executable, with no trailing separator
  // unless it is a root directory. Read anew on every call.
  virtual std::string AppPath() = 0;

  // `path` as messages show it to the user: separators as the system has
  // them, and valid UTF-8 (bytes of another encoding in a file name escaped).
  virtual std::string ShownName(const std::string& path) { return path; }

  // Opens an existing file for sequential reading; a missing file is
  // FileNotFound, any other failure PathFileAccess, each naming `path`.
  virtual Error OpenForInput(const std::string& path, std::unique_ptr<ByteSource>* file) = 0;

  // Decodes install.ini text that is neither UTF-8 nor UTF-16.
  virtual const LegacyDecoder& legacy_decoder() = 0;

  // Loads the picture file `path` for a control of `area`, and with
  // `with_twin` its @2x twin if one lies beside it: decodes, now, what that
  // control can show of them (menu/picture.h). A missing file is FileNotFound; anything that is
  // not a readable picture of sane size is InvalidPicture. A twin that
  // cannot be used is passed over.
  virtual Error LoadPicture(const std::string& path, Area area, bool with_twin,
                            PictureRef* picture) = 0;
};

// The window Form1 and its controls as the menu sets them. `n` is an entry
// number, 1-8. A window shows a picture at its own scale: the @2x twin the
// picture carries where the window's scale wants one.
class FormWindow {
 public:
  virtual ~FormWindow() = default;
  virtual void SetCaption(const std::string& text) = 0;
  virtual void SetCommandVisible(int n, bool visible) = 0;
  virtual void SetLabelVisible(int n, bool visible) = 0;
  virtual void SetLabelCaption(int n, const std::string& text) = 0;
  virtual void SetPicture1Picture(PictureRef picture) = 0;
  virtual void SetCommandPicture(int n, PictureRef picture) = 0;
  virtual WindowHandle hWnd() = 0;
  // The window's scale: 1.0 at 96 dpi.
  virtual double scale() const = 0;
};

// What the shell did with a request to open a file.
enum class ShellResult {
  kStarted,   // the file is being opened
  kNotFound,  // there is no such file (the shell told the user)
  kRefused,   // anything else: no program for it, no permission, ...
};

// The answer to Shell::Open. `error` is set only when the shell could not be
// reached at all (its open function is missing); `result` then means nothing.
struct ShellOutcome {
  ShellResult result = ShellResult::kStarted;
  Error error;
};

// The desktop shell.
class Shell {
 public:
  virtual ~Shell() = default;
  // Opens `file` as the desktop opens a file the user chose, and returns at
  // once: never waits for the opened program. Any message about a file that
  // cannot be opened is the shell's own, owned by `owner`.
  virtual ShellOutcome Open(WindowHandle owner, std::string_view file) = 0;
};

// Shows a runtime error to the user: a message box owned by nothing, and one
// line on standard error (menu/presentation.h has both texts). The caller
// then ends the program.
class ErrorReport {
 public:
  virtual ~ErrorReport() = default;
  virtual void Report(const Error& error) = 0;
};

}  // namespace discmenu
