#include "tools/discmenu-tool/signatures.h"

#include <gtest/gtest.h>

#include "tools/discmenu-tool/tool_test_support.h"

namespace discmenu::tool {
namespace {

using testing::CompoundFile;
using testing::PeImage;

TEST(InspectWindowsFileTest, JudgesByContentsAndFindsSignatures) {
  struct Case {
    const char* name;
    std::string bytes;
    WindowsFileKind kind;
    bool is_signed;
  } cases[] = {
      {"setup.exe", PeImage(false, false, false), WindowsFileKind::kProgram, false},
      {"setup64.exe", PeImage(true, false, false), WindowsFileKind::kProgram, false},
      {"readme.txt", PeImage(true, false, false), WindowsFileKind::kProgram, false},
      {"signed.exe", PeImage(true, false, true), WindowsFileKind::kProgram, true},
      {"signed32.exe", PeImage(false, false, true), WindowsFileKind::kProgram, true},
      {"helper.dll", PeImage(true, true, false), WindowsFileKind::kOther, false},
      {"setup.msi", CompoundFile(true, false), WindowsFileKind::kInstaller, false},
      {"signed.msi", CompoundFile(true, true), WindowsFileKind::kInstaller, true},
      {"letter.doc", CompoundFile(false, false), WindowsFileKind::kOther, false},
      {"cut.exe", PeImage(true, false, false).substr(0, 0x90), WindowsFileKind::kOther, false},
      {"cut.msi", CompoundFile(true, false).substr(0, 600), WindowsFileKind::kOther, false},
      {"manual.pdf", "%PDF-1.7\n", WindowsFileKind::kOther, false},
      {"empty", "", WindowsFileKind::kOther, false},
  };
  testing::ScratchFolder folder;
  for (const Case& c : cases) {
    testing::WriteText(folder / c.name, c.bytes);
    const WindowsFile got = InspectWindowsFile(folder / c.name);
    EXPECT_EQ(got.kind, c.kind) << c.name;
    EXPECT_EQ(got.is_signed, c.is_signed) << c.name;
  }
  EXPECT_EQ(InspectWindowsFile(folder / "absent.exe").kind, WindowsFileKind::kOther);
  EXPECT_EQ(InspectWindowsFile(folder.path()).kind, WindowsFileKind::kOther);
}

}  // namespace
}  // namespace discmenu::tool
