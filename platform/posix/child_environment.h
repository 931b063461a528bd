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

}  // namespace discmenu::posix
