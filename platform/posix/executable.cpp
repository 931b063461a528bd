#include "platform/posix/executable.h"

#include <errno.h>
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

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

ProgramFiles Find() {
  // The file the code came from, as the loader names it (a loader started
  // by hand or by a starter names the program it loaded, not itself),
  // resolved against the folder the program was started in.
  const std::string image = Resolved(reinterpret_cast<const char*>(getauxval(AT_EXECFN)));
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

std::string ExecutableDirectory() {
  return DirectoryOf(RunningProgram().started);
}

}  // namespace discmenu::posix
