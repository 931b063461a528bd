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

ToolRun RunTool(const QStringList& args, const std::string& tool) {
  QProcess process;
  process.start(QString::fromStdString(tool), args);
  ToolRun run;
  // A tool that hangs fails its test (exit code -1) instead of holding CI.
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    run.err = "the tool did not end within a minute";
    return run;
  }
  run.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

namespace {

void Put(std::string* bytes, size_t at, uint64_t value, int size) {
  for (int k = 0; k < size; ++k) (*bytes)[at + k] = static_cast<char>(value >> (8 * k));
}

}  // namespace

std::string PeImage(bool wide, bool dll, bool is_signed) {
  std::string image(1024, '\0');
  image[0] = 'M';
  image[1] = 'Z';
  const size_t pe = 0x80;
  Put(&image, 0x3C, pe, 4);
  image.replace(pe, 4, std::string("PE\0\0", 4));
  Put(&image, pe + 22, dll ? 0x2002 : 0x0002, 2);
  Put(&image, pe + 24, wide ? 0x20B : 0x10B, 2);
  const size_t directories = pe + 24 + (wide ? 112 : 96);
  Put(&image, directories - 4, 16, 4);
  if (is_signed) {  // the certificate table: its offset, its size
    Put(&image, directories + 8 * 4, 0x200, 4);
    Put(&image, directories + 8 * 4 + 4, 0x300, 4);
  }
  return image;
}

std::string CompoundFile(bool installer, bool is_signed) {
  std::string file(3 * 512, '\0');
  file.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
  Put(&file, 0x1E, 9, 2);           // 512-byte sectors
  Put(&file, 0x2C, 1, 4);           // one allocation-table sector: sector 0
  Put(&file, 0x30, 1, 4);           // the directory in sector 1
  Put(&file, 0x44, 0xFFFFFFFE, 4);  // no further table sectors
  Put(&file, 0x4C, 0, 4);
  for (size_t k = 1; k < 109; ++k) Put(&file, 0x4C + 4 * k, 0xFFFFFFFF, 4);
  Put(&file, 512, 0xFFFFFFFD, 4);      // sector 0 holds the table
  Put(&file, 512 + 4, 0xFFFFFFFE, 4);  // the directory ends in sector 1
  const size_t root = 1024;
  const std::u16string root_name = u"Root Entry";
  for (size_t c = 0; c < root_name.size(); ++c) Put(&file, root + 2 * c, root_name[c], 2);
  Put(&file, root + 0x40, 2 * (root_name.size() + 1), 2);
  file[root + 0x42] = 5;
  const char* kind = installer ? "\x84\x10\x0C\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46"
                               : "\x06\x09\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46";
  file.replace(root + 0x50, 16, kind, 16);
  if (is_signed) {
    const std::u16string name = u"\u0005DigitalSignature";
    for (size_t c = 0; c < name.size(); ++c) Put(&file, root + 128 + 2 * c, name[c], 2);
    Put(&file, root + 128 + 0x40, 2 * (name.size() + 1), 2);
    file[root + 128 + 0x42] = 2;
  }
  return file;
}

std::string ToolPath() {
  return DISCMENU_TOOL_PATH;
}

}  // namespace discmenu::tool::testing
