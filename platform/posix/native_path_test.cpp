#include "platform/posix/native_path.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>

namespace discmenu::posix {
namespace {

class NativePathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/discmenu-path-XXXXXX";
    dir_ = mkdtemp(tmpl);
    mkdir((dir_ + "/Setup").c_str(), 0755);
    std::ofstream(dir_ + "/Setup/setup.exe") << "x";
    std::ofstream(dir_ + "/Read Me.TXT") << "x";
    std::ofstream(dir_ +
                  "/\xC3\x9C"
                  "bersicht.pdf")
        << "x";  // Übersicht
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  std::string dir_;
};

TEST_F(NativePathTest, BackslashesAndLetterCaseAreMapped) {
  struct Case {
    std::string written;  // appended to the directory
    std::string found;    // what it resolves to
  } cases[] = {
      {"\\Setup\\setup.exe", "/Setup/setup.exe"},
      {"\\SETUP\\Setup.EXE", "/Setup/setup.exe"},
      {"\\read me.txt", "/Read Me.TXT"},
      {"\\\xC3\xBC"
       "BERSICHT.PDF",
       "/\xC3\x9C"
       "bersicht.pdf"},                                  // ü matches Ü
      {"\\\\Setup\\\\setup.exe", "//Setup//setup.exe"},  // doubled separators exist as is
      {"\\missing\\file", "/missing/file"},              // unchanged when nothing matches
      {"\\setup\\missing.exe", "/setup/missing.exe"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ResolvePath(dir_ + c.written), dir_ + c.found) << c.written;
  }
}

TEST_F(NativePathTest, NamesAreReadAsWindowsReadsThem) {
  using namespace std::string_literals;
  struct Case {
    std::string written;
    std::string found;
  } cases[] = {
      {"\\missing\\..\\Setup\\setup.exe", "/Setup/setup.exe"},  // folded, not looked up
      {"\\Setup\\x\\\\..\\setup.exe", "/Setup/setup.exe"},
      {"\\Setup\\setup.exe.", "/Setup/setup.exe"},
      {"\\SETUP\\setup.exe . .", "/Setup/setup.exe"},
      {"\\Setup.\\.\\setup.exe", "/Setup/setup.exe"},     // one dot off a folder name
      {"\\Setup\\setup.exe\0.txt"s, "/Setup/setup.exe"},  // read up to the NUL
      {"\\Setup \\setup.exe", "/Setup /setup.exe"},       // a folder keeps its spaces
      {"\\Setup..\\setup.exe", "/Setup../setup.exe"},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolvePath(dir_ + c.written), dir_ + c.found) << c.written;
  const char* folds[][2] = {
      {"/\\..\\..", "/"}, {"a\\..\\..\\b", "../b"}, {"/a/.../", "/a/.../"}, {"/a/b/...", "/a/b"}};
  for (auto [written, read] : folds) EXPECT_EQ(WindowsPath(written), read) << written;
}

TEST_F(NativePathTest, RootDirectoryWithDoubledSeparator) {
  // A program in "/" joins "/" and "\install.ini" to "/\install.ini".
  EXPECT_EQ(ResolvePath("/\\tmp"), "//tmp");
  struct stat st;
  EXPECT_EQ(stat(ResolvePath("/\\tmp").c_str(), &st), 0);
}

TEST(CaseTest, EqualsIgnoringCase) {
  EXPECT_TRUE(EqualsIgnoringCase("Setup.EXE", "setup.exe"));
  EXPECT_TRUE(EqualsIgnoringCase("\xC3\x89T\xC3\x89", "\xC3\xA9t\xC3\xA9"));  // ÉTÉ, été
  EXPECT_TRUE(EqualsIgnoringCase("\xD0\x94", "\xD0\xB4"));                    // Д, д
  EXPECT_FALSE(EqualsIgnoringCase("setup.exe", "setup.ex"));
  EXPECT_FALSE(EqualsIgnoringCase("a", "\xC3\xA1"));
  EXPECT_FALSE(EqualsIgnoringCase("\xFF", "\xDF"));  // invalid bytes only match themselves
}

}  // namespace
}  // namespace discmenu::posix
