// `discmenu` on a Linux medium: starts the menu that lies in discmenu-linux/
// beside it through that folder's own loader, C library and toolkit, so the
// menu runs on any x86-64 Linux whatever libraries the system has (or lacks).
//
// It uses no library at all, only system calls, for two reasons: it must
// run on every C library the system may have, and it must also run when the
// system's loader starts it (`/lib64/ld-linux-x86-64.so.2 ./discmenu`, what
// the medium's autorun file does where the medium keeps no execute
// permissions). In that case the bundled loader cannot be executed either:
// it is copied into an anonymous memory file and executed from there.
//
// The menu learns where it was started from the name it gets as argv[0]:
// the absolute path of this file (the loader's --argv0).
//
// The loader gets the runtime's folder through a directory descriptor that
// stays open across the exec (/proc/self/fd/N/lib): it splits its library
// path at ':' and ';' and expands $ORIGIN, $LIB and $PLATFORM in it, and the
// medium's folder may have any name. Only without /proc is the folder's own
// path used, and such a name refused.
//
// Before that, unless the system has the menu in its cache already, it reads
// what the menu will load: discmenu-linux/prefetch lists those parts of the
// runtime's files, in the order they lie on a disc. Demand paging would
// read them in the order the code touches them, which on a DVD costs a seek
// almost every time; read in order, they come at the drive's streaming
// speed.

#include <stddef.h>

#define SYS_read 0
#define SYS_write 1
#define SYS_open 2
#define SYS_close 3
#define SYS_stat 4
#define SYS_fcntl 72
#define SYS_execve 59
#define SYS_lseek 8
#define SYS_pread64 17
#define SYS_mmap 9
#define SYS_munmap 11
#define SYS_mincore 27
#define SYS_getcwd 79
#define SYS_readlink 89
#define SYS_exit_group 231
#define SYS_memfd_create 319
#define SYS_execveat 322
#define SYS_fadvise64 221
#define POSIX_FADV_RANDOM 1

#define O_RDONLY 0
#define PROT_READ 1
#define MAP_PRIVATE 2
#define SEEK_END 2
#define PAGE 4096
#define O_CLOEXEC 02000000
#define O_NONBLOCK 04000  // a FIFO or device named like a file must not hold the start
#define O_DIRECTORY 0200000
#define O_PATH 010000000
#define F_DUPFD 0
#define MFD_CLOEXEC 1U
#define AT_EMPTY_PATH 0x1000
#define AT_EXECFN 31
#define EINTR 4
#define ENOENT 2
#define EACCES 13
#define EPERM 1
#define PATH_SIZE 4096
#define MAX_ARGS 4096

static long Syscall(long n, long a, long b, long c, long d, long e, long f) {
  long ret;
  register long r10 __asm__("r10") = d;
  register long r8 __asm__("r8") = e;
  register long r9 __asm__("r9") = f;
  __asm__ volatile("syscall"
                   : "=a"(ret)
                   : "a"(n), "D"(a), "S"(b), "d"(c), "r"(r10), "r"(r8), "r"(r9)
                   : "rcx", "r11", "memory");
  return ret;
}

#define SYSCALL3(n, a, b, c) Syscall(n, (long)(a), (long)(b), (long)(c), 0, 0, 0)
#define SYSCALL5(n, a, b, c, d, e) \
  Syscall(n, (long)(a), (long)(b), (long)(c), (long)(d), (long)(e), 0)

static size_t Length(const char* s) {
  size_t n = 0;
  while (s[n]) ++n;
  return n;
}

// Appends `s` to the path `buf` that holds `*used` bytes; 0 when it does
// not fit.
static int Append(char* buf, size_t* used, const char* s) {
  const size_t n = Length(s);
  if (*used + n + 1 > PATH_SIZE) return 0;
  for (size_t i = 0; i < n; ++i) buf[*used + i] = s[i];
  *used += n;
  buf[*used] = '\0';
  return 1;
}

static void Say(const char* s) {
  SYSCALL3(SYS_write, 2, s, Length(s));
}

static const char* Reason(long error) {
  switch (-error) {
    case ENOENT:
      return "no such file";
    case EACCES:
      return "permission denied";
    case EPERM:
      return "operation not permitted";
    default:
      return "the system refused it";
  }
}

static __attribute__((noreturn)) void Fail(const char* what, const char* path, long error) {
  Say("discmenu: ");
  Say(what);
  Say(" ");
  Say(path);
  if (error) {
    Say(": ");
    Say(Reason(error));
  }
  Say("\n");
  SYSCALL3(SYS_exit_group, 127, 0, 0);
  __builtin_unreachable();
}

struct FileId {
  unsigned long dev, ino;
};

// The kernel's struct stat on x86-64: device and inode come first.
static int Identify(const char* path, struct FileId* id) {
  unsigned long st[18];
  if (SYSCALL3(SYS_stat, path, st, 0) != 0) return 0;
  id->dev = st[0];
  id->ino = st[1];
  return 1;
}

// This file's absolute path. The kernel's /proc/self/exe names it when it
// was executed; when a loader was (the system's, for a medium without
// execute permissions), the loader names it in AT_EXECFN instead.
static int OwnPath(const unsigned long* auxv, char* path) {
  const char* execfn = 0;
  for (; auxv[0]; auxv += 2)
    if (auxv[0] == AT_EXECFN) execfn = (const char*)auxv[1];
  const long n = SYSCALL3(SYS_readlink, "/proc/self/exe", path, PATH_SIZE - 1);
  if (n > 0) {
    path[n] = '\0';
    struct FileId exe, started;
    if (!execfn || (Identify(path, &exe) && Identify(execfn, &started) && exe.dev == started.dev &&
                    exe.ino == started.ino))
      return 1;
  }
  if (!execfn) return 0;
  size_t used = 0;
  path[0] = '\0';
  if (execfn[0] != '/') {
    if (SYSCALL3(SYS_getcwd, path, PATH_SIZE, 0) <= 0) return 0;
    used = Length(path);
    if (!Append(path, &used, "/")) return 0;
  }
  return Append(path, &used, execfn);
}

// Executes the loader at `path`; when the medium keeps no execute permission
// for it, a copy of it in memory. Returns only on failure.
static long ExecuteLoader(const char* path, char** argv, char** envp) {
  long err = SYSCALL3(SYS_execve, path, argv, envp);
  if (err != -EACCES && err != -EPERM) return err;
  const long in = SYSCALL3(SYS_open, path, O_RDONLY | O_CLOEXEC | O_NONBLOCK, 0);
  if (in < 0) return in;
  const long mem = SYSCALL3(SYS_memfd_create, "discmenu-loader", MFD_CLOEXEC, 0);
  if (mem < 0) return err;
  char buf[65536];
  for (;;) {
    long n = SYSCALL3(SYS_read, in, buf, sizeof buf);
    if (n == -EINTR) continue;
    if (n < 0) return n;
    if (n == 0) break;
    for (long done = 0; done < n;) {
      const long w = SYSCALL3(SYS_write, mem, buf + done, n - done);
      if (w == -EINTR) continue;
      if (w <= 0) return w < 0 ? w : -EPERM;
      done += w;
    }
  }
  SYSCALL3(SYS_close, in, 0, 0);
  return SYSCALL5(SYS_execveat, mem, "", argv, envp, AT_EMPTY_PATH);
}

// Whether every page of the file `path` is in the page cache.
static int Cached(const char* path) {
  const long fd = SYSCALL3(SYS_open, path, O_RDONLY | O_CLOEXEC | O_NONBLOCK, 0);
  if (fd < 0) return 0;
  const long size = SYSCALL3(SYS_lseek, fd, 0, SEEK_END);
  int cached = 0;
  if (size > 0) {
    const long map = Syscall(SYS_mmap, 0, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (map > 0 || map < -4095) {
      static unsigned char pages[1 << 16];
      const long count = (size + PAGE - 1) / PAGE;
      if (count <= (long)sizeof pages && SYSCALL3(SYS_mincore, map, size, pages) == 0) {
        cached = 1;
        for (long k = 0; k < count; ++k) cached &= pages[k] & 1;
      }
      SYSCALL3(SYS_munmap, map, size, 0);
    }
  }
  SYSCALL3(SYS_close, fd, 0, 0);
  return cached;
}

// Reads the range of `file` in order, into a scratch buffer: the pages stay
// in the page cache for the loader.
static void ReadRange(long file, unsigned long offset, unsigned long length) {
  static char scratch[256 * 1024];
  // Just the range: the kernel's read-ahead past its end would read pages
  // nothing needs.
  Syscall(SYS_fadvise64, file, 0, 0, POSIX_FADV_RANDOM, 0, 0);
  while (length > 0) {
    const unsigned long chunk = length < sizeof scratch ? length : sizeof scratch;
    const long n = Syscall(SYS_pread64, file, (long)scratch, (long)chunk, (long)offset, 0, 0);
    if (n == -EINTR) continue;
    if (n <= 0) return;
    offset += (unsigned long)n;
    length -= (unsigned long)n;
  }
}

// Reads the ranges the list `prefetch` names, one per line:
// "OFFSET LENGTH PATH", PATH relative to the list's folder `runtime` (which
// ends in '/'). A missing or odd list only costs speed.
static void Prefetch(const char* runtime, const char* prefetch) {
  static char list[65536];
  const long fd = SYSCALL3(SYS_open, prefetch, O_RDONLY | O_CLOEXEC | O_NONBLOCK, 0);
  if (fd < 0) return;
  long size = 0;
  for (long n; size < (long)sizeof list - 1; size += n) {
    n = SYSCALL3(SYS_read, fd, list + size, sizeof list - 1 - size);
    if (n == -EINTR)
      n = 0;
    else if (n <= 0)
      break;
  }
  SYSCALL3(SYS_close, fd, 0, 0);
  list[size] = '\0';
  static char path[PATH_SIZE];
  char* line = list;
  while (*line) {
    char* next = line;
    while (*next && *next != '\n') ++next;
    if (*next) *next++ = '\0';
    unsigned long numbers[2] = {0, 0};
    const char* at = line;
    for (int k = 0; k < 2; ++k) {
      while (*at >= '0' && *at <= '9') numbers[k] = numbers[k] * 10 + (unsigned long)(*at++ - '0');
      if (*at == ' ') ++at;
    }
    size_t used = 0;
    path[0] = '\0';
    if (*at && Append(path, &used, runtime) && Append(path, &used, at)) {
      const long file = SYSCALL3(SYS_open, path, O_RDONLY | O_CLOEXEC | O_NONBLOCK, 0);
      if (file >= 0) {
        ReadRange(file, numbers[0], numbers[1]);
        SYSCALL3(SYS_close, file, 0, 0);
      }
    }
    line = next;
  }
}

// Appends the decimal digits of `n` to `buf`.
static int AppendNumber(char* buf, size_t* used, long n) {
  char digits[24];
  size_t k = sizeof digits - 1;
  digits[k] = '\0';
  do digits[--k] = (char)('0' + n % 10);
  while ((n /= 10) > 0);
  return Append(buf, used, digits + k);
}

// A descriptor of the folder `path`, left open for the loader and the menu
// (never 0, 1 or 2, which the menu's programs take as their standard
// streams); -1 when it cannot be opened.
static long OpenFolder(const char* path) {
  long fd = SYSCALL3(SYS_open, path, O_PATH | O_DIRECTORY, 0);
  if (fd >= 0 && fd <= 2) {
    const long high = SYSCALL3(SYS_fcntl, fd, F_DUPFD, 3);
    SYSCALL3(SYS_close, fd, 0, 0);
    fd = high;
  }
  return fd;
}

// Whether `s` holds a character the loader splits its library path at or
// that begins a token it expands.
static int HasPathListSyntax(const char* s) {
  for (; *s; ++s)
    if (*s == ':' || *s == ';' || *s == '$') return 1;
  return 0;
}

__attribute__((noreturn, used)) void StarterMain(long* stack) {
  const long argc = stack[0];
  char** argv = (char**)(stack + 1);
  char** envp = argv + argc + 1;
  char** end = envp;
  while (*end) ++end;
  const unsigned long* auxv = (const unsigned long*)(end + 1);

  static char self[PATH_SIZE], loader[PATH_SIZE], libraries[PATH_SIZE], menu[PATH_SIZE],
      runtime[PATH_SIZE], prefetch[PATH_SIZE];
  if (!OwnPath(auxv, self)) Fail("cannot tell where it was started from:", "/proc/self/exe", 0);
  size_t folder = Length(self);
  while (folder > 0 && self[folder - 1] != '/') --folder;

  size_t used;
  char* const paths[] = {loader, libraries, menu, runtime, prefetch};
  const char* const names[] = {"discmenu-linux/ld-linux-x86-64.so.2", "discmenu-linux/lib",
                               "discmenu-linux/discmenu", "discmenu-linux/",
                               "discmenu-linux/prefetch"};
  for (int k = 0; k < 5; ++k) {
    for (used = 0; used < folder; ++used) paths[k][used] = self[used];
    paths[k][used] = '\0';
    if (!Append(paths[k], &used, names[k])) Fail("path too long:", self, 0);
  }

  struct FileId id;
  if (!Identify(menu, &id)) Fail("the menu is missing: no", menu, 0);
  // The library path and the menu through the folder's descriptor, where
  // /proc shows it.
  static char by_fd[2][PATH_SIZE];
  const char* library_path = libraries;
  const char* menu_path = menu;
  const long folder_fd = OpenFolder(runtime);
  size_t fd_used = 0;
  if (folder_fd >= 0 && Append(by_fd[0], &fd_used, "/proc/self/fd/") &&
      AppendNumber(by_fd[0], &fd_used, folder_fd)) {
    size_t lib_used = fd_used, menu_used = fd_used;
    for (size_t k = 0; k <= fd_used; ++k) by_fd[1][k] = by_fd[0][k];
    struct FileId seen;
    if (Append(by_fd[0], &lib_used, "/lib") && Append(by_fd[1], &menu_used, "/discmenu") &&
        Identify(by_fd[1], &seen) && seen.dev == id.dev && seen.ino == id.ino) {
      library_path = by_fd[0];
      menu_path = by_fd[1];
    }
  }
  if (library_path == libraries && folder_fd >= 0) SYSCALL3(SYS_close, folder_fd, 0, 0);
  if (library_path == libraries && HasPathListSyntax(libraries))
    Fail("cannot start without /proc from a folder whose path holds ':', ';' or '$':", runtime, 0);

  static char* args[MAX_ARGS];
  const char* const head[] = {loader, "--inhibit-cache", "--library-path", library_path, "--argv0",
                              self,   menu_path};
  long n = 0;
  for (; n < (long)(sizeof head / sizeof head[0]); ++n) args[n] = (char*)head[n];
  for (long k = 1; k < argc && n < MAX_ARGS - 1; ++k) args[n++] = argv[k];
  args[n] = 0;

  if (!Cached(menu)) Prefetch(runtime, prefetch);
  Fail("cannot start", loader, ExecuteLoader(loader, args, envp));
}

__asm__(
    ".text\n"
    ".global _start\n"
    "_start:\n"
    "  xor %ebp, %ebp\n"
    "  mov %rsp, %rdi\n"
    "  and $-16, %rsp\n"
    "  call StarterMain\n"
    "  hlt\n");
