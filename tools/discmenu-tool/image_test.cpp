#include "tools/discmenu-tool/image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tools/discmenu-tool/tool_test_support.h"

namespace discmenu::tool {
namespace {

using testing::ScratchFolder;

TEST(ImageTest, LabelsFitEachFileSystem) {
  struct Case {
    std::string title, disc, stick;
  };
  const Case cases[] = {
      {"Aurora Studio 5 Setup", "Aurora Studio 5", "AURORA STUD"},
      {"  a:b;c*d?e/f\\g  ", "a_b_c_d_e_f_g", "A_B_C_D_E_F"},
      {"Caf\u00e9 \u6975\u5149", "Caf_ __", "CAF_ __"},
      {"x.y+z=1,2", "x.y+z=1,2", "X_Y_Z_1_2"},
      {"", "DISCMENU", ""},
      {"\t", "_", "_"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DiscLabel(c.title), c.disc) << c.title;
    EXPECT_EQ(StickLabel(c.title), c.stick) << c.title;
  }
}

MediumEntry Entry(const std::string& path, MediumEntry::Type type = MediumEntry::kFile,
                  std::uint64_t size = 0, bool executable = false) {
  MediumEntry e;
  e.path = path;
  e.type = type;
  e.size = size;
  e.executable = executable;
  return e;
}

TEST(ImageTest, WhatEachImageCannotHoldOrChanges) {
  using E = MediumEntry;
  struct Case {
    MediumEntry entry;
    std::string disc, stick;  // the finding's message starts so; "" for none
  };
  const std::string long_name(104, 'n');
  const std::vector<Case> cases = {
      {Entry("discmenu", E::kFile, 10, true), "", "loses its execute permission on FAT; desktops"},
      {Entry("tools/run.sh", E::kFile, 10, true), "", "loses its execute permission"},
      {Entry("discmenu.exe", E::kFile, 10, true), "", ""},
      {Entry("SETUP.BAT", E::kFile, 10, true), "", ""},
      {Entry("menu", E::kLink), "is a symbolic link", "is a symbolic link"},
      {Entry("fifo", E::kOther), "is neither", "is neither"},
      {Entry("a:b"), "has a character", "has a character"},
      {Entry("a;1"), "has a character", ""},
      {Entry("a<b>"), "", "has a character"},
      {Entry("line\nbreak"), "has a character", "has a character"},
      {Entry("t7.bat."), "", "has a name that ends in a dot"},
      {Entry("t4.bat "), "", "has a name that ends in a dot or a space"},
      {Entry("byte\xff"), "has a name that is not UTF-8", "has a name that is not UTF-8"},
      {Entry(long_name), "has a name longer than the 103", ""},
      {Entry(std::string(256, 'n')), "has a name longer than the 103",
       "has a name longer than the 255"},
      {Entry("big.iso", E::kFile, 0x100000000ull), "", "has 4294967296 bytes"},
      {Entry("fits.iso", E::kFile, 0xFFFFFFFFull), "", ""},
  };
  for (const Case& c : cases) {
    for (auto [kind, want] :
         {std::pair{ImageKind::kDisc, c.disc}, std::pair{ImageKind::kStick, c.stick}}) {
      const std::vector<ImageFinding> found = ImageFindings({c.entry}, kind);
      const std::string got = found.empty() ? "" : found[0].message;
      EXPECT_TRUE(want.empty() ? got.empty() : got.starts_with(want))
          << c.entry.path << (kind == ImageKind::kDisc ? " disc: " : " stick: ") << got;
      if (!found.empty()) {
        EXPECT_EQ(found[0].error, !got.starts_with("loses")) << c.entry.path;
      }
    }
  }
  // FAT does not tell letter case apart, in one folder; the disc does.
  const std::vector<MediumEntry> twins = {Entry("docs/Readme.txt"), Entry("docs/README.TXT"),
                                          Entry("other/readme.txt")};
  EXPECT_TRUE(ImageFindings(twins, ImageKind::kDisc).empty());
  const std::vector<ImageFinding> clash = ImageFindings(twins, ImageKind::kStick);
  ASSERT_EQ(clash.size(), 1u);
  EXPECT_EQ(clash[0].path, "docs/README.TXT");
  EXPECT_EQ(clash[0].message.rfind("differs from docs/Readme.txt only in letter case", 0), 0u);
}

TEST(ImageTest, RefusesAFolderItCannotWriteAndWritesNothing) {
  ScratchFolder scratch;
  const std::string menu = scratch / "menu";
  std::filesystem::create_directories(menu);
  testing::WriteText(menu + "/a.txt", "a");
  std::filesystem::create_symlink("a.txt", menu + "/link.txt");
  std::ostringstream out, err;
  EXPECT_EQ(RunImage(menu, scratch / "m.iso", scratch / "m.img", std::string("M"), false, out, err),
            1);
  EXPECT_NE(err.str().find("error: " + menu + "/link.txt is a symbolic link"), std::string::npos)
      << err.str();
  EXPECT_FALSE(std::filesystem::exists(scratch / "m.iso"));
  EXPECT_FALSE(std::filesystem::exists(scratch / "m.img"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
}  // namespace discmenu::tool
