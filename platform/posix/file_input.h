// Sequential file input on POSIX.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "config/error.h"
#include "config/install_ini.h"

namespace discmenu::posix {

// Opens the regular file `native_path` for reading. A missing file is
// FileNotFound; a directory, FIFO or device, or an unreadable file, is
// PathFileAccess. `shown_path` names the file in messages.
Error OpenForInput(const std::string& native_path, const std::string& shown_path,
                   std::unique_ptr<ByteSource>* file);

// The device, inode, size and change times of the regular file
// `native_path`, as one text: it differs once the file is replaced or
// written. Empty when there is no regular file there.
std::string FileIdentity(const std::string& native_path);

// A regular file read at any offset. Opening never blocks: a FIFO or
// device is not opened at all, and is, like a missing file, not ok().
class RegularFile {
 public:
  explicit RegularFile(const std::string& native_path);
  ~RegularFile();
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

  bool ok() const { return fd_ >= 0; }
  uint64_t size() const { return size_; }
  // Reads `n` bytes at `offset`; false when the file ends first or cannot
  // be read.
  bool ReadAt(uint64_t offset, void* out, size_t n);

 private:
  int fd_ = -1;
  uint64_t size_ = 0;
};

}  // namespace discmenu::posix
