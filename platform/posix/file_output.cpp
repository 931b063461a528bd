#include "platform/posix/file_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace discmenu::posix {

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  void Reset(int fd) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
  }
  int get() const { return fd_; }
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

std::string Join(const std::string& dir, const std::string& name) {
  return dir.ends_with('/') ? dir + name : dir + "/" + name;
}

std::string SystemSays(const std::string& path) {
  return path + ": " + std::strerror(errno);
}

// The folder that holds `relative` below `dir`, opened one name at a time
// with no link followed, and the last name.
struct Parent {
  Descriptor folder;
  std::string name;
  std::string shown;     // the full path of the file
  bool missing = false;  // a folder on the way does not exist (not creating)
  std::string problem;
};

void OpenParent(const std::string& dir, const std::string& relative, bool create, Parent* parent) {
  parent->shown = Join(dir, relative);
  std::vector<std::string> names;
  for (size_t start = 0;;) {
    const size_t end = relative.find('/', start);
    names.push_back(relative.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  for (const std::string& name : names) {
    if (name.empty() || name == "." || name == ".." || name.find('\0') != std::string::npos) {
      parent->problem = parent->shown + " is not a plain path below " + dir;
      return;
    }
  }
  parent->name = names.back();
  names.pop_back();
  parent->folder.Reset(open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (parent->folder.get() < 0) {
    if (errno == ENOENT && !create)
      parent->missing = true;
    else
      parent->problem = SystemSays(dir);
    return;
  }
  std::string shown = dir;
  for (const std::string& name : names) {
    shown = Join(shown, name);
    const int at = parent->folder.get();
    if (create && mkdirat(at, name.c_str(), 0755) != 0 && errno != EEXIST) {
      parent->problem = "cannot create the folder " + SystemSays(shown);
      return;
    }
    const int next = openat(at, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (next < 0) {
      const int error = errno;
      struct stat st;
      if (fstatat(at, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
        parent->problem = shown + " is a symbolic link; no file is written through a link";
      else if (error == ENOTDIR)
        parent->problem = shown + " is not a folder";
      else if (error == ENOENT && !create)
        parent->missing = true;
      else
        parent->problem = (errno = error, SystemSays(shown));
      return;
    }
    parent->folder.Reset(next);
  }
}

}  // namespace

PlaceBelow LookBelow(const std::string& dir, const std::string& relative) {
  PlaceBelow place;
  Parent parent;
  OpenParent(dir, relative, false, &parent);
  if (!parent.problem.empty() || parent.missing) {
    place.problem = parent.problem;
    return place;
  }
  struct stat st;
  if (fstatat(parent.folder.get(), parent.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
    place.exists = true;
    if (S_ISDIR(st.st_mode)) place.problem = parent.shown + " is a folder";
  } else if (errno != ENOENT) {
    place.problem = SystemSays(parent.shown);
  }
  return place;
}

std::string WriteBelow(const std::string& dir, const std::string& relative,
                       const std::string& bytes, unsigned mode, bool replace) {
  Parent parent;
  OpenParent(dir, relative, true, &parent);
  if (!parent.problem.empty()) return parent.problem;
  const int at = parent.folder.get();

  // A name of our own in the same folder, so that the rename is atomic.
  std::string temporary;
  Descriptor file;
  for (int attempt = 0; file.get() < 0; ++attempt) {
    temporary = "." + parent.name + "." + std::to_string(getpid()) + "-" + std::to_string(attempt);
    file.Reset(
        openat(at, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (file.get() < 0 && (errno != EEXIST || attempt == 100))
      return "cannot write " + SystemSays(parent.shown);
  }
  std::string failure;
  for (size_t done = 0; done < bytes.size() && failure.empty();) {
    const ssize_t n = write(file.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno != EINTR) failure = "cannot write " + SystemSays(parent.shown);
    if (n > 0) done += static_cast<size_t>(n);
  }
  if (failure.empty() && fchmod(file.get(), mode) != 0)
    failure = "cannot set the mode of " + SystemSays(parent.shown);
  if (failure.empty() && close(file.Release()) != 0)
    failure = "cannot write " + SystemSays(parent.shown);
  file.Reset(-1);
  if (failure.empty()) {
    int renamed = replace
                      ? renameat(at, temporary.c_str(), at, parent.name.c_str())
                      : renameat2(at, temporary.c_str(), at, parent.name.c_str(), RENAME_NOREPLACE);
    if (renamed != 0 && errno == EINVAL && !replace) {
      // A file system that cannot refuse to replace: look first.
      struct stat st;
      renamed = fstatat(at, parent.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0
                    ? (errno = EEXIST, -1)
                    : renameat(at, temporary.c_str(), at, parent.name.c_str());
    }
    if (renamed != 0)
      failure = errno == EEXIST ? parent.shown + " exists already"
                                : "cannot write " + SystemSays(parent.shown);
  }
  if (!failure.empty()) unlinkat(at, temporary.c_str(), 0);
  return failure;
}

}  // namespace discmenu::posix
