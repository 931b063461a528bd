#include "platform/posix/executable.h"

#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __APPLE__
#include <mach-o/dyld.h>
#else
#include <sys/auxv.h>
#endif

namespace discmenu::posix {

namespace {

constexpr char kDescriptors[] = "/proc/self/fd/";

// N when `path` is /proc/self/fd/N, -1 otherwise.
int DescriptorIn(const std::string& path) {
  const size_t prefix = sizeof kDescriptors - 1;
  if (path.compare(0, prefix, kDescriptors) != 0 || path.size() == prefix ||
      path.size() > prefix + 9)
    return -1;
  int fd = 0;
  for (size_t i = prefix; i < path.size(); ++i) {
    if (path[i] < '0' || path[i] > '9') return -1;
    fd = fd * 10 + (path[i] - '0');
  }
  return fd;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

std::string Resolved(const char* path) {
  char resolved[PATH_MAX];
  return path && realpath(path, resolved) ? std::string(resolved) : "";
}

#ifdef __APPLE__

ProgramFiles Find() {
  uint32_t size = 0;
  _NSGetExecutablePath(nullptr, &size);
  std::string path(size, '\0');
  if (_NSGetExecutablePath(path.data(), &size) != 0) return {};
  const std::string resolved = Resolved(path.c_str());
  return {resolved, resolved};
}

#else

// The kernel's own record of what was executed, as bytes: no conversion
// that a folder name in another encoding could fail.
std::string ProcSelfExe() {
  std::string path(256, '\0');
  for (;;) {
    const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
    if (n < 0) return "";
    if (static_cast<size_t>(n) < path.size()) {
      path.resize(static_cast<size_t>(n));
      return path;
    }
    path.resize(path.size() * 2);
  }
}

// The file the code came from, as the loader names it (a loader started by
// hand or by a starter names the program it loaded, not itself), resolved
// against the folder the program was started in; a name through a folder's
// descriptor (/proc/self/fd/N/discmenu, the medium's starter) stays as it
// is, byte-exact and free of anything a path list splits.
std::string Image() {
  const char* execfn = reinterpret_cast<const char*>(getauxval(AT_EXECFN));
  if (execfn && DescriptorIn(DirectoryOf(execfn)) >= 0) return execfn;
  return Resolved(execfn);
}

ProgramFiles Find() {
  const std::string image = Image();
  const std::string exe = ProcSelfExe();
  if (image.empty()) return {exe, exe};
  if (!exe.empty() && SameFile(exe, image)) return {exe, exe};
  // Executed was a loader, or there is no /proc (a bare chroot): a starter
  // passes its own absolute path as argv[0].
  const char* argv0 = program_invocation_name;
  if (argv0 && argv0[0] == '/' && !SameFile(argv0, image)) {
    const std::string started = Resolved(argv0);
    if (!started.empty()) return {started, image};
  }
  return {image, image};
}

#endif

}  // namespace

ProgramFiles RunningProgram() {
  return Find();
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string DirectoryHandle(const std::string& dir) {
  int fd = DescriptorIn(dir);
  if (fd >= 0) {
    fcntl(fd, F_SETFD, FD_CLOEXEC);
    return dir;
  }
#ifdef O_PATH
  fd = open(dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
#endif
  if (fd < 0) return dir;
  const std::string handle = kDescriptors + std::to_string(fd);
  if (SameFile(handle, dir)) return handle;
  close(fd);
  return dir;
}

WorkingDirectory::WorkingDirectory(const std::string& dir)
    : before_(open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
  if (dir.empty() || chdir(dir.c_str()) != 0) (void)!chdir("/");
}

WorkingDirectory::~WorkingDirectory() {
  if (before_ < 0) return;
  (void)!fchdir(before_);
  close(before_);
}

std::string ExecutableDirectory() {
  return DirectoryOf(RunningProgram().started);
}

}  // namespace discmenu::posix
