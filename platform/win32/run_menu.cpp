// The Windows frame: Form1 built hidden, the load step, then the window and
// its message loop with the dialog manager's keyboard navigation.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>

#include "menu/form1.h"
#include "menu/frame.h"
#include "menu/presentation.h"
#include "menu/run.h"
#include "platform/win32/form1_window.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/wic_picture.h"
#include "platform/win32/win32_services.h"

#if defined(__GLIBCXX__)
// A window program has nobody to read what the default terminate handler
// prints, and that handler links the symbol demangler: some 46 KB of the
// executable. Replacing it keeps std::terminate an abort.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx
#endif

namespace discmenu {

namespace {

int RunForm() {
  const win32::Win32Translator translator;
  win32::Win32ErrorReport report(&translator);
  win32::Form1Window window(&translator);
  if (!window.created()) {
    win32::WriteErrorLine(
        presentation::ProgramLine(Message(Text::kCannotCreateWindow, {}), &translator));
    return 1;
  }
  win32::Win32Runtime runtime;
  win32::Win32Shell shell;
  Form1 form(runtime, window, shell);
  if (!LoadOrReport(form, report)) return 1;
  window.OnCommandClick([&](int n) { ClickOrReport(form, n, report, [] { PostQuitMessage(1); }); });
  window.Show(SW_SHOWDEFAULT);
  window.FocusFirst();

  MSG msg{};
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) break;  // WM_QUIT
    if (got == -1) return 1;
    if (window.PreTranslate(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int RunMenu() {
  // Before any DLL that is not one of the system's known ones is loaded.
  win32::RestrictDllSearch();
  // COM for the imaging component and the shell, on this one UI thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  int status = 1;
  if (win32::Comctl().complete()) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    win32::Comctl().init(&controls);
    status = RunForm();
  } else {
    const win32::Win32Translator translator;
    win32::Win32ErrorReport(&translator)
        .Report(Error::DllFunctionNotFound(Message(std::string("comctl32.dll"))));
  }
  win32::ReleaseImaging();
  if (SUCCEEDED(com)) CoUninitialize();
  return status;
}

}  // namespace discmenu
