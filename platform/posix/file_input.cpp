#include "platform/posix/file_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace discmenu::posix {

namespace {

class FdSource : public ChunkedSource {
 public:
  FdSource(int fd, std::string shown_path) : fd_(fd), shown_path_(std::move(shown_path)) {}
  ~FdSource() override { close(fd_); }

 protected:
  Error ReadSome(char* buffer, size_t max, size_t* got) override {
    ssize_t n;
    while ((n = read(fd_, buffer, max)) < 0 && errno == EINTR) {
    }
    if (n < 0)
      return Error::PathFileAccess(Message(Text::kSystemSays, {shown_path_, std::strerror(errno)}));
    *got = static_cast<size_t>(n);
    return Error();
  }

 private:
  int fd_;
  std::string shown_path_;
};

}  // namespace

Error OpenForInput(const std::string& native_path, const std::string& shown_path,
                   std::unique_ptr<ByteSource>* file) {
  struct stat st;
  if (native_path.find('\0') != std::string::npos || stat(native_path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR || native_path.find('\0') != std::string::npos)
      return Error::FileNotFound(shown_path);
    return Error::PathFileAccess(Message(Text::kSystemSays, {shown_path, std::strerror(errno)}));
  }
  // A FIFO or device could block forever or never end: only plain files.
  if (S_ISDIR(st.st_mode)) return Error::PathFileAccess(Message(Text::kIsADirectory, {shown_path}));
  if (!S_ISREG(st.st_mode))
    return Error::PathFileAccess(Message(Text::kNotARegularFile, {shown_path}));
  int fd = open(native_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0)
    return Error::PathFileAccess(Message(Text::kSystemSays, {shown_path, std::strerror(errno)}));
  // Between the check and the open the name may have changed: check again.
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return Error::PathFileAccess(Message(Text::kNotARegularFile, {shown_path}));
  }
  *file = std::make_unique<FdSource>(fd, shown_path);
  return Error();
}

RegularFile::RegularFile(const std::string& native_path) {
  struct stat st;
  if (native_path.find('\0') != std::string::npos || stat(native_path.c_str(), &st) != 0 ||
      !S_ISREG(st.st_mode))
    return;
  fd_ = open(native_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  // The name may have changed since it was looked at.
  if (fd_ >= 0 && (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))) {
    close(fd_);
    fd_ = -1;
  }
  if (fd_ >= 0) size_ = static_cast<uint64_t>(st.st_size);
}

RegularFile::~RegularFile() {
  if (fd_ >= 0) close(fd_);
}

bool RegularFile::ReadAt(uint64_t offset, void* out, size_t n) {
  if (fd_ < 0 || offset > size_ || n > size_ - offset) return false;
  for (size_t done = 0; done < n;) {
    const ssize_t got =
        pread(fd_, static_cast<char*>(out) + done, n - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    done += static_cast<size_t>(got);
  }
  return true;
}

std::string FileIdentity(const std::string& native_path) {
  struct stat st;
  if (stat(native_path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::string();
  return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" +
         std::to_string(st.st_size) + ":" + std::to_string(st.st_mtim.tv_sec) + "." +
         std::to_string(st.st_mtim.tv_nsec) + ":" + std::to_string(st.st_ctim.tv_nsec);
}

}  // namespace discmenu::posix
