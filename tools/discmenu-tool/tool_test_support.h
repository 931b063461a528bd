// Helpers for the tool's tests: scratch folders, menu folders built item by
// item, and runs of the built tool as a separate process.
#pragma once

#include <QColor>
#include <QSize>
#include <QStringList>
#include <string>
#include <vector>

namespace discmenu::tool::testing {

// A fresh folder under /tmp, removed with everything in it at the end.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder's canonical path, as the menu would see it.
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void WriteText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);
// A PNG of one colour.
void WritePicture(const std::string& path, QSize size, QColor color = QColor(40, 90, 160));

// The bytes of a PE image (32- or 64-bit, an executable or a DLL) whose
// certificate table is empty or not.
std::string PeImage(bool wide, bool dll, bool is_signed);
// The bytes of a compound file whose root has the class of a Windows
// Installer package (or another's), with a "\5DigitalSignature" stream or not.
std::string CompoundFile(bool installer, bool is_signed);

// A menu folder with nothing wrong: entries 1-3 shown, captions "One" to
// "Eight", targets \t1.txt .. \t8.txt, a 640 x 480 background \bg.png and
// 48 x 48 buttons \b1.png .. \b8.png. `items` are the 34 items as written,
// one per line; tests change them, then Write() lays the folder out.
class MenuFolder : public ScratchFolder {
 public:
  MenuFolder();
  std::vector<std::string> items;
  void Write() const;
};

struct ToolRun {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// The built tool and the folder of the built menu executable.
std::string ToolPath();

// Runs the built discmenu-tool (or the copy of it at `tool`) with `args`
// and waits until it ends, or kills it after a minute (exit code -1).
ToolRun RunTool(const QStringList& args, const std::string& tool = ToolPath());

}  // namespace discmenu::tool::testing
