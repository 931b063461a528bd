#include "menu/frame.h"

namespace discmenu {

bool LoadOrReport(Form1& form, ErrorReport& report) {
  Error e = form.Form_Load();
  if (e.ok()) return true;
  report.Report(e);
  return false;
}

void ClickOrReport(Form1& form, int n, ErrorReport& report,
                   const std::function<void()>& end_program) {
  Error e = form.CommandClick(n);
  if (e.ok()) return;
  report.Report(e);
  end_program();
}

}  // namespace discmenu
