// Opening a file the way a desktop shell does on Linux and macOS, with no
// shell: a program is started directly, anything else goes to the desktop's
// opener (xdg-open, or open on macOS). Nothing waits for what it starts.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace discmenu::posix {

// Reaps the processes that the launcher starts, once they end, so that none
// is left a zombie. Implementations must not block the caller.
class ChildWatcher {
 public:
  virtual ~ChildWatcher() = default;
  virtual void Watch(pid_t pid) = 0;
};

// Reaps each child on a detached thread that waits for it: works anywhere.
class ThreadReaper : public ChildWatcher {
 public:
  void Watch(pid_t pid) override;
};

// A descriptor that becomes readable when process `pid` (a child) ends, for
// an event loop to wait on; -1 where the system has none (then use
// ThreadReaper).
int ProcessExitDescriptor(pid_t pid);

// kNoOpener: the file is there, but the system has no program to open it.
enum class LaunchResult { kStarted, kNotFound, kNoOpener, kFailed };

struct LaunchOutcome {
  LaunchResult result = LaunchResult::kFailed;
  std::string native_path;  // the file that was opened or looked for
  int error = 0;            // errno of a failure
};

// Opens `path` (a menu path: backslashes and letter case are mapped). A
// regular file with execute permission is run with no arguments in the
// current directory; anything else is handed, as one argument, to the
// desktop's opener. Returns once the new process runs; `watcher` reaps it.
LaunchOutcome OpenPath(const std::string& path, ChildWatcher& watcher);

// Starts `argv` (argv[0] is the program's full path) in a new session with
// default signal handling, without copying this process's memory (so a
// click costs the same however large the menu is). Returns 0 and the pid
// once the program runs, or the errno of the failed start.
int Spawn(const std::vector<std::string>& argv, pid_t* pid);

// The full path of `name` found in the absolute directories of PATH, or "".
std::string FindInPath(const std::string& name);

}  // namespace discmenu::posix
