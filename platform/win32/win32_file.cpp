#include "platform/win32/win32_file.h"

#include <algorithm>

#include "platform/win32/win32_text.h"

namespace discmenu::win32 {

namespace {

class HandleSource : public ChunkedSource {
 public:
  HandleSource(FileHandle file, std::string shown)
      : file_(std::move(file)), shown_(std::move(shown)) {}

 protected:
  Error ReadSome(char* buffer, size_t max, size_t* got) override {
    DWORD n = 0;
    if (!ReadFile(file_.get(), buffer, static_cast<DWORD>(std::min<size_t>(max, 1u << 20)), &n,
                  nullptr)) {
      const DWORD code = GetLastError();
      if (code != ERROR_HANDLE_EOF)
        return Error::PathFileAccess(Message(Text::kSystemSays, {shown_, SystemMessage(code)}));
      n = 0;
    }
    *got = n;
    return Error();
  }

 private:
  FileHandle file_;
  std::string shown_;
};

}  // namespace

Error OpenDiskFile(const std::string& path, const std::string& shown, FileHandle* file) {
  if (path.find('\0') != std::string::npos) return Error::FileNotFound(shown);
  const std::wstring native = NativePath(path);
  const DWORD attributes = GetFileAttributesW(native.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD code = GetLastError();
    if (IsNotFound(code)) return Error::FileNotFound(shown);
    return Error::PathFileAccess(Message(Text::kSystemSays, {shown, SystemMessage(code)}));
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY)
    return Error::PathFileAccess(Message(Text::kIsADirectory, {shown}));
  FileHandle opened(CreateFileW(native.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (opened.get() == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    if (IsNotFound(code)) return Error::FileNotFound(shown);
    return Error::PathFileAccess(Message(Text::kSystemSays, {shown, SystemMessage(code)}));
  }
  if (GetFileType(opened.get()) != FILE_TYPE_DISK)
    return Error::PathFileAccess(Message(Text::kNotARegularFile, {shown}));
  *file = std::move(opened);
  return Error();
}

std::unique_ptr<ByteSource> SequentialSource(FileHandle file, std::string shown) {
  return std::make_unique<HandleSource>(std::move(file), std::move(shown));
}

bool ReadAt(HANDLE file, uint64_t offset, size_t n, std::string* out) {
  while (n > 0) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    const size_t old = out->size();
    const DWORD step = static_cast<DWORD>(std::min<size_t>(n, 1u << 20));
    out->resize(old + step);
    DWORD got = 0;
    const bool ok = ReadFile(file, out->data() + old, step, &got, &at);
    out->resize(old + got);
    if (!ok) return GetLastError() == ERROR_HANDLE_EOF;
    if (got == 0) return true;
    offset += got;
    n -= got;
  }
  return true;
}

}  // namespace discmenu::win32
