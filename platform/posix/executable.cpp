#include "platform/posix/executable.h"

#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#ifdef __APPLE__
#include <mach-o/dyld.h>
#else
#include <sys/auxv.h>
#endif

namespace discmenu::posix {

namespace {

std::string ExecutablePath() {
#ifdef __APPLE__
  uint32_t size = 0;
  _NSGetExecutablePath(nullptr, &size);
  std::string path(size, '\0');
  if (_NSGetExecutablePath(path.data(), &size) != 0) return "";
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : "";
#else
  // The kernel's own record of what was executed, as bytes: no conversion
  // that a folder name in another encoding could fail.
  std::string path(256, '\0');
  for (;;) {
    const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
    if (n < 0) break;
    if (static_cast<size_t>(n) < path.size()) {
      path.resize(static_cast<size_t>(n));
      return path;
    }
    path.resize(path.size() * 2);
  }
  // Without /proc (a bare chroot): the name the program was started by,
  // which the kernel keeps, resolved against the folder it was started in.
  const char* started = reinterpret_cast<const char*>(getauxval(AT_EXECFN));
  char resolved[PATH_MAX];
  return started && realpath(started, resolved) ? std::string(resolved) : "";
#endif
}

}  // namespace

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ExecutableDirectory() {
  return DirectoryOf(ExecutablePath());
}

}  // namespace discmenu::posix
