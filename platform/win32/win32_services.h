// The platform services on Windows: the executable's folder, file input,
// WIC pictures, the system's ANSI code page, the shell's open and the error
// message box. Paths and texts arrive as UTF-8 and go to Windows as UTF-16.
#pragma once

#include "menu/services.h"

namespace discmenu::win32 {

// install.ini text in the system's ANSI code page (CP_ACP).
class AnsiCodePageDecoder : public LegacyDecoder {
 public:
  std::string CodePageOf(std::string_view bytes) const override;
  std::string AmbiguousCodePage() const override;
  std::string Convert(std::string_view bytes, const std::string& code_page,
                      bool* exact) const override;
};

class Win32Runtime : public Runtime {
 public:
  std::string AppPath() override;
  Error OpenForInput(const std::string& path, std::unique_ptr<ByteSource>* file) override;
  const LegacyDecoder& legacy_decoder() override { return decoder_; }
  Error LoadPicture(const std::string& path, Area area, bool with_twin,
                    PictureRef* picture) override;

 private:
  AnsiCodePageDecoder decoder_;
};

// ShellExecuteW's "open", with no parameters and no directory, in a normal
// window: the shell shows its own message when it cannot open a file.
class Win32Shell : public Shell {
 public:
  ShellOutcome Open(WindowHandle owner, std::string_view file) override;
};

// The menu's texts in the user's interface language, from the string tables
// of the program's resources.
class Win32Translator : public Translator {
 public:
  // For GetUserDefaultUILanguage().
  Win32Translator();
  std::string Translate(Text text) const override;

 private:
  unsigned langid_;  // of the string tables to read; 0 for English
};

// A message box owned by nothing, and the same as one line on the standard
// error handle when the program has one, in the user's language.
class Win32ErrorReport : public ErrorReport {
 public:
  explicit Win32ErrorReport(const Translator* translator = nullptr) : translator_(translator) {}
  void Report(const Error& error) override;

 private:
  const Translator* translator_;
};

// Writes `line` and a line end to the standard error handle, if any.
void WriteErrorLine(const std::string& line);

}  // namespace discmenu::win32
