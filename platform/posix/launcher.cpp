#include "platform/posix/launcher.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <thread>

#include "platform/posix/child_environment.h"
#include "platform/posix/native_path.h"

namespace discmenu::posix {

namespace {

#ifdef __APPLE__
constexpr const char* kOpener = "open";
#else
constexpr const char* kOpener = "xdg-open";
#endif

}  // namespace

void ThreadReaper::Watch(pid_t pid) {
  std::thread([pid] {
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

int ProcessExitDescriptor(pid_t pid) {
#ifdef SYS_pidfd_open
  return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#else
  (void)pid;
  return -1;
#endif
}

std::string FindInPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    const std::string dir = dirs.substr(start, end - start);
    const std::string candidate = dir + "/" + name;
    struct stat st;
    // An empty or relative entry would mean the current directory, which
    // may be the medium or anyone's folder: only absolute ones are searched.
    if (dir.starts_with('/') && stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        access(candidate.c_str(), X_OK) == 0)
      return candidate;
    start = end + 1;
  }
  return "";
}

int Spawn(const std::vector<std::string>& args, pid_t* pid) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t none, all;
  sigemptyset(&none);
  sigfillset(&all);
  posix_spawnattr_setsigmask(&attr, &none);
  posix_spawnattr_setsigdefault(&attr, &all);
  short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
#ifdef POSIX_SPAWN_SETSID
  flags |= POSIX_SPAWN_SETSID;  // its own session: it outlives the menu
#endif
  posix_spawnattr_setflags(&attr, flags);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 34)
  // Only standard input, output and error go to the new program.
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#endif
  // posix_spawn shares memory with the child until exec (no copy of the
  // menu's pages) and reports a failed exec as its result.
  int err = posix_spawn(pid, argv[0], &actions, &attr, argv.data(),
                        const_cast<char* const*>(ChildEnvironment()));
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  return err;
}

LaunchOutcome OpenPath(const std::string& path, ChildWatcher& watcher) {
  LaunchOutcome outcome;
  outcome.native_path = ResolvePath(path);
  struct stat st;
  if (outcome.native_path.find('\0') != std::string::npos ||
      stat(outcome.native_path.c_str(), &st) != 0) {
    outcome.result = LaunchResult::kNotFound;
    outcome.error = errno;
    return outcome;
  }
  pid_t pid;
  if (S_ISREG(st.st_mode) && access(outcome.native_path.c_str(), X_OK) == 0) {
    if (Spawn({outcome.native_path}, &pid) == 0) {
      watcher.Watch(pid);
      outcome.result = LaunchResult::kStarted;
      return outcome;
    }
    // Not a program after all (no interpreter line, another architecture):
    // let the desktop decide what to do with it.
  }
  std::string opener = FindInPath(kOpener);
  if (opener.empty()) {
    outcome.result = LaunchResult::kNoOpener;
    return outcome;
  }
  outcome.error = Spawn({opener, outcome.native_path}, &pid);
  if (outcome.error == 0) watcher.Watch(pid);
  outcome.result = outcome.error == 0 ? LaunchResult::kStarted : LaunchResult::kFailed;
  return outcome;
}

}  // namespace discmenu::posix
