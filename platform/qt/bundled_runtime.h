// The Linux medium's runtime (discmenu-linux/ beside the started program):
// the menu brought its own loader, libraries, toolkit plugins, faces and
// code-page converters, and the system may have none of them.
#pragma once

#include <string>

namespace discmenu::qt {

// Before the application object: the toolkit takes its plugins (those of
// `runtime` only), glibc its converters and fontconfig (where the system
// has no configuration) its settings from `runtime`; the programs the menu
// starts keep the environment it was started with. Returns the name the
// runtime is reached by from now on (posix::DirectoryHandle).
std::string PrepareBundledRuntime(const std::string& runtime, const std::string& started);

// With the application object: the runtime's faces, read now (nothing is
// read from the medium once the window shows), with Liberation Sans, which
// has Arial's metrics, standing in for Arial where the system has none.
void AddBundledFonts(const std::string& runtime);

}  // namespace discmenu::qt
