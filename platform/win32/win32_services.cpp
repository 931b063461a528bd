#include "platform/win32/win32_services.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "menu/presentation.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/wic_picture.h"
#include "platform/win32/win32_file.h"
#include "platform/win32/win32_logic.h"
#include "platform/win32/win32_text.h"

namespace discmenu::win32 {

std::string AnsiCodePageDecoder::CodePageOf(std::string_view) const {
  return CodePageName(GetACP());
}

std::string AnsiCodePageDecoder::AmbiguousCodePage() const {
  const UINT acp = GetACP();
  return acp == 932 || acp == 936 || acp == 949 || acp == 950 ? CodePageName(acp) : "";
}

std::string AnsiCodePageDecoder::Convert(std::string_view bytes, const std::string& code_page,
                                         bool* exact) const {
  *exact = true;
  if (bytes.empty()) return std::string();
  if (bytes.size() > INT_MAX / 2) bytes = bytes.substr(0, INT_MAX / 2);
  const UINT cp = CodePageNumber(code_page);
  const int n = static_cast<int>(bytes.size());
  // With MB_ERR_INVALID_CHARS a byte the code page has no character for
  // fails the conversion: that tells whether the text is the code page's.
  *exact = MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, bytes.data(), n, nullptr, 0) > 0;
  // Without it nothing is dropped: such bytes become the default character.
  const int wide = MultiByteToWideChar(cp, 0, bytes.data(), n, nullptr, 0);
  std::wstring text(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(cp, 0, bytes.data(), n, text.data(), wide);
  return Narrow(text);
}

std::string Win32Runtime::AppPath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::string();
    if (n < buffer.size()) {
      buffer.resize(n);
      break;
    }
    buffer.resize(buffer.size() * 2);  // cut off: try a larger buffer
  }
  return AppDirectoryOf(Narrow(buffer));
}

Error Win32Runtime::OpenForInput(const std::string& path, std::unique_ptr<ByteSource>* file) {
  FileHandle handle;
  if (Error e = OpenDiskFile(path, path, &handle); !e.ok()) return e;
  *file = SequentialSource(std::move(handle), path);
  return Error();
}

Error Win32Runtime::LoadPicture(const std::string& path, Area area, bool with_twin,
                                PictureRef* picture) {
  WicPictureFiles files;
  return ReadPicture(path, path, area, with_twin, files, picture);
}

ShellOutcome Win32Shell::Open(WindowHandle owner, std::string_view file) {
  const std::wstring target = Widen(file);
  // The shell is looked up on the first click and kept: it is a large set
  // of DLLs that the menu does not need to show itself.
  using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  static const auto shell_execute =
      Lookup<ShellExecuteFn>(LoadSystemDll(L"shell32.dll"), "ShellExecuteW");
  if (!shell_execute)
    return ShellOutcome{ShellResult::kRefused,
                        Error::DllFunctionNotFound("ShellExecuteW in shell32.dll")};
  const INT_PTR code = reinterpret_cast<INT_PTR>(shell_execute(
      reinterpret_cast<HWND>(owner), L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  // Above 32 the shell took the request; 2 and 3 say the file or its
  // folder is missing.
  return ShellOutcome{code > 32                ? ShellResult::kStarted
                      : code == 2 || code == 3 ? ShellResult::kNotFound
                                               : ShellResult::kRefused,
                      Error()};
}

void WriteErrorLine(const std::string& line) {
  HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  DWORD mode = 0, written = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring text = Widen(line + "\r\n");
    WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  } else {
    const std::string text = line + "\n";
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
}

Win32Translator::Win32Translator()
    : langid_(LangIdOf(LanguageOfLangId(GetUserDefaultUILanguage()))) {}

std::string Win32Translator::Translate(Text text) const {
  if (langid_ == 0) return std::string();
  // Strings live in blocks of sixteen: block n + 1 holds the numbers 16n to
  // 16n + 15, each as its length and its characters.
  const UINT id = static_cast<UINT>(text);
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceExW(module, MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(id / 16 + 1),
                                static_cast<WORD>(langid_));  // 6: RT_STRING
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* block = loaded ? static_cast<const WCHAR*>(LockResource(loaded)) : nullptr;
  if (!block) return std::string();
  for (UINT k = 0; k < id % 16; ++k) block += 1 + *block;
  return Narrow(std::wstring_view(block + 1, *block));
}

void Win32ErrorReport::Report(const Error& error) {
  WriteErrorLine(presentation::ErrorLine(error, translator_));
  const std::wstring text = Widen(presentation::ErrorBoxText(error, translator_));
  const std::wstring title = Widen(presentation::kProgramName);
  MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace discmenu::win32
