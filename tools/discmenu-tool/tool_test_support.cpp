#include "tools/discmenu-tool/tool_test_support.h"

#include <stdlib.h>

#include <QImage>
#include <QProcess>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace discmenu::tool::testing {

ScratchFolder::ScratchFolder() {
  char name[] = "/tmp/discmenu-tool-test-XXXXXX";
  if (!mkdtemp(name)) throw std::runtime_error("cannot create a scratch folder");
  path_ = std::filesystem::canonical(name).string();
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void WriteText(const std::string& path, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WritePicture(const std::string& path, QSize size, QColor color) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(color);
  image.save(QString::fromStdString(path), "PNG");
}

MenuFolder::MenuFolder() {
  for (const char* flag : {"1", "1", "1", "0", "0", "0", "0", "0"}) items.push_back(flag);
  for (const char* caption : {"One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight"})
    items.push_back(caption);
  for (int n = 1; n <= 8; ++n) items.push_back("\\t" + std::to_string(n) + ".txt");
  items.push_back("Probe");
  items.push_back("\\bg.png");
  for (int n = 1; n <= 8; ++n) items.push_back("\\b" + std::to_string(n) + ".png");
  for (int n = 1; n <= 8; ++n) {
    WriteText(*this / ("t" + std::to_string(n) + ".txt"), "target\n");
    WritePicture(*this / ("b" + std::to_string(n) + ".png"), {48, 48},
                 QColor::fromHsv(n * 40, 200, 200));
  }
  WritePicture(*this / "bg.png", {640, 480});
}

void MenuFolder::Write() const {
  std::string text;
  for (const std::string& item : items) text += item + "\n";
  WriteText(*this / "install.ini", text);
}

ToolRun RunTool(const QStringList& args) {
  QProcess process;
  process.start(QString::fromStdString(ToolPath()), args);
  ToolRun run;
  if (!process.waitForFinished(-1)) return run;
  run.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

std::string ToolPath() {
  return DISCMENU_TOOL_PATH;
}

}  // namespace discmenu::tool::testing
