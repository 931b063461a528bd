// The frame's side of Form1's events, shared by every backend: an error
// that leaves a handler goes to the error report and ends the program.
#pragma once

#include <functional>

#include "menu/form1.h"
#include "menu/services.h"

namespace discmenu {

// Runs the load step. On error reports it and returns false: the program
// then ends with status 1 without ever showing the window.
bool LoadOrReport(Form1& form, ErrorReport& report);

// Runs the click handler of button `n`. On error reports it and calls
// `end_program`, which ends the event loop with status 1.
void ClickOrReport(Form1& form, int n, ErrorReport& report,
                   const std::function<void()>& end_program);

}  // namespace discmenu
