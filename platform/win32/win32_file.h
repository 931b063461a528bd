// Files on Windows for the menu's reading: install.ini and the pictures.
// Only disk files are opened; a pipe or device could block or never end.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "config/error.h"
#include "config/install_ini.h"

namespace discmenu::win32 {

// An open file's handle, closed when it goes.
class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  FileHandle(FileHandle&& other) noexcept : handle_(other.handle_) {
    other.handle_ = INVALID_HANDLE_VALUE;
  }
  FileHandle& operator=(FileHandle&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Opens the existing disk file `path` (UTF-8) for reading, `shown` in
// errors: a missing file is FileNotFound; a directory, a pipe, a device and
// any other failure are PathFileAccess.
Error OpenDiskFile(const std::string& path, const std::string& shown, FileHandle* file);

// The bytes of `file` from its start, read in order.
std::unique_ptr<ByteSource> SequentialSource(FileHandle file, std::string shown);

// Appends up to `n` bytes of `file` from `offset` (fewer at its end) to
// `*out`; false on a read error.
bool ReadAt(HANDLE file, uint64_t offset, size_t n, std::string* out);

}  // namespace discmenu::win32
