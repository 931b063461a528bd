// Opening a file the way a desktop shell does on Linux and macOS, with no
// shell: a program is started directly, anything else goes to the desktop's
// opener (xdg-open, or open on macOS). Nothing waits for what it starts.
#pragma once

#include <string>
#include <vector>

namespace discmenu::posix {

enum class LaunchResult { kStarted, kNotFound, kFailed };

struct LaunchOutcome {
  LaunchResult result = LaunchResult::kFailed;
  std::string native_path;  // the file that was opened or looked for
  int error = 0;            // errno of a failure
};

// Opens `path` (a menu path: backslashes and letter case are mapped). A
// regular file with execute permission is run with no arguments in the
// current directory; anything else is handed, as one argument, to the
// desktop's opener. Returns once the new process has started.
LaunchOutcome OpenPath(const std::string& path);

// Starts `argv` (argv[0] is the program's full path) in a new session,
// detached: the process is double-forked so that it never becomes a zombie
// of this one and keeps running after this process ends. Returns 0 once it
// runs, or the errno of the failed exec.
int SpawnDetached(const std::vector<std::string>& argv);

// The full path of `name` found in the directories of PATH, or "".
std::string FindInPath(const std::string& name);

}  // namespace discmenu::posix
