#include "platform/posix/launcher.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/posix/native_path.h"

namespace discmenu::posix {

namespace {

#ifdef __APPLE__
constexpr const char* kOpener = "open";
#else
constexpr const char* kOpener = "xdg-open";
#endif

void CloseFrom(int lowest) {
#if defined(__linux__) || defined(__FreeBSD__)
  closefrom(lowest);
#else
  for (int fd = lowest, max = static_cast<int>(sysconf(_SC_OPEN_MAX)); fd < max; ++fd) close(fd);
#endif
}

// Runs in the grandchild, between fork and exec: async-signal-safe calls only.
[[noreturn]] void ExecChild(const char* path, char* const* argv, int report_fd) {
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  for (int sig : {SIGPIPE, SIGCHLD, SIGINT, SIGTERM, SIGHUP}) signal(sig, SIG_DFL);
  // Keep only standard input, output and error, and the report pipe as fd 3.
  if (report_fd != 3) {
    dup2(report_fd, 3);
    report_fd = 3;
  }
  fcntl(report_fd, F_SETFD, FD_CLOEXEC);
  CloseFrom(4);
  execv(path, argv);
  int err = errno;
  (void)!write(report_fd, &err, sizeof err);
  _exit(127);
}

}  // namespace

std::string FindInPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    std::string dir = dirs.substr(start, end - start);
    std::string candidate = (dir.empty() ? "." : dir) + "/" + name;
    struct stat st;
    if (stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        access(candidate.c_str(), X_OK) == 0)
      return candidate;
    start = end + 1;
  }
  return "";
}

int SpawnDetached(const std::vector<std::string>& args) {
  // Everything exec needs is prepared before fork.
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return errno;
  pid_t child = fork();
  if (child < 0) {
    int err = errno;
    close(report[0]);
    close(report[1]);
    return err;
  }
  if (child == 0) {
    setsid();
    pid_t grandchild = fork();
    if (grandchild == 0) ExecChild(argv[0], argv.data(), report[1]);
    if (grandchild < 0) {
      int err = errno;
      (void)!write(report[1], &err, sizeof err);
    }
    _exit(0);
  }
  close(report[1]);
  // The intermediate child ends right after its fork: reap it at once.
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  // The pipe closes on a successful exec; a failed one writes its errno.
  int err = 0;
  ssize_t n;
  while ((n = read(report[0], &err, sizeof err)) < 0 && errno == EINTR) {
  }
  close(report[0]);
  return n == static_cast<ssize_t>(sizeof err) ? err : 0;
}

LaunchOutcome OpenPath(const std::string& path) {
  LaunchOutcome outcome;
  outcome.native_path = ResolvePath(path);
  struct stat st;
  if (outcome.native_path.find('\0') != std::string::npos ||
      stat(outcome.native_path.c_str(), &st) != 0) {
    outcome.result = LaunchResult::kNotFound;
    outcome.error = errno;
    return outcome;
  }
  if (S_ISREG(st.st_mode) && access(outcome.native_path.c_str(), X_OK) == 0) {
    int err = SpawnDetached({outcome.native_path});
    if (err == 0) {
      outcome.result = LaunchResult::kStarted;
      return outcome;
    }
    // Not a program after all (no interpreter line, another architecture):
    // let the desktop decide what to do with it.
  }
  std::string opener = FindInPath(kOpener);
  if (opener.empty()) {
    outcome.result = LaunchResult::kFailed;
    outcome.error = ENOENT;
    return outcome;
  }
  outcome.error = SpawnDetached({opener, outcome.native_path});
  outcome.result = outcome.error == 0 ? LaunchResult::kStarted : LaunchResult::kFailed;
  return outcome;
}

}  // namespace discmenu::posix
