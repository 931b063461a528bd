// The tool's toolkit part: the picture and caption checks and the preview
// run in discmenu-tool-render, a program of its own, so that discmenu-tool
// links no GUI toolkit and its other commands run where none is installed.
#pragma once

#include <ostream>
#include <string>

#include "tools/discmenu-tool/args.h"

namespace discmenu::tool {

// The renderer for a tool in `tool_dir`: beside it (a build) or in
// lib/discmenu/ above it (an installation), as the bytes of `tool_dir`
// followed by its name. "" when neither place holds a runnable one.
std::string FindRenderer(const std::string& tool_dir);

// Runs a command that needs the toolkit: replaces this process by the
// renderer with the same arguments (`argv`, as main got it) when there is
// one. Without it, `check` checks the text and paths and says on `err`, in
// one line, that pictures and captions were not checked; any other command
// fails with a line that says why. Returns the exit status.
int RunRendered(const Options& options, char** argv, std::ostream& out, std::ostream& err);

}  // namespace discmenu::tool
