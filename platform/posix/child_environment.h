// The environment the programs the menu starts get: the one the menu was
// started with, whatever the menu sets for its own libraries afterwards
// (the Linux medium's runtime points glibc and fontconfig at its own files,
// which an installer the menu starts must not be pointed at).
#pragma once

namespace discmenu::posix {

// Keeps a copy of the current environment for the programs the menu
// starts. Called before the menu changes its own, while it has one thread.
void KeepEnvironmentForChildren();

// The kept environment; the current one when none was kept.
char* const* ChildEnvironment();

// In a session without a bus the D-Bus library would start one for the
// display (dbus-launch, where it is installed): a daemon that outlives the
// program and writes in /tmp. The menu and the editor need a bus only for
// screen readers, which have none in such a session either: they go
// without (DBUS_SESSION_BUS_ADDRESS=disabled: for themselves). The user's
// bus at $XDG_RUNTIME_DIR/bus, which the library looks for first, is used
// as before, and what they start gets the environment as it was. Called
// while the program has one thread.
void NeverStartASessionBus();

}  // namespace discmenu::posix
