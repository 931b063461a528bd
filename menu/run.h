// The backend's frame: creates Form1, runs its load step, shows it, and runs
// the event loop until the window is closed. Each backend implements it.
#pragma once

namespace discmenu {

// Returns the process's exit status: 0 after the window was closed, 1 when
// the load step failed (after the error report) or no window can be shown.
int RunMenu();

}  // namespace discmenu
