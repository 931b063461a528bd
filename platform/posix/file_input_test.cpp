#include "platform/posix/file_input.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

namespace discmenu::posix {
namespace {

TEST(FileInputTest, OnlyExistingPlainFilesOpen) {
  char tmpl[] = "/tmp/discmenu-input-XXXXXX";
  std::string dir = mkdtemp(tmpl);
  std::ofstream(dir + "/ok.ini") << "1,2,3";
  mkfifo((dir + "/fifo").c_str(), 0644);
  std::ofstream(dir + "/secret.ini") << "x";
  chmod((dir + "/secret.ini").c_str(), 0);

  struct Case {
    std::string name;
    std::string error;  // "" when it opens
  } cases[] = {
      {"/ok.ini", ""},
      {"/missing.ini", "error 53: File not found: " + dir + "/missing.ini"},
      {"/ok.ini/below", "error 53: File not found: " + dir + "/ok.ini/below"},
      {"", "error 75: Path/File access error: " + dir + ": is a directory"},
      // A FIFO would block the reader forever.
      {"/fifo", "error 75: Path/File access error: " + dir + "/fifo: is not a regular file"},
  };
  for (const Case& c : cases) {
    std::unique_ptr<ByteSource> file;
    Error e = OpenForInput(dir + c.name, dir + c.name, &file);
    EXPECT_EQ(c.error.empty() ? "ok" : c.error, e.ToString());
  }
  std::unique_ptr<ByteSource> file;
  EXPECT_EQ(OpenForInput("/dev/null", "/dev/null", &file).number(), Error::kPathFileAccess);
  if (geteuid() != 0) {  // root reads anything
    EXPECT_EQ(OpenForInput(dir + "/secret.ini", "s", &file).ToString(),
              "error 75: Path/File access error: s: Permission denied");
  }

  ASSERT_TRUE(OpenForInput(dir + "/ok.ini", "ok", &file).ok());
  std::string data;
  bool eof = false;
  ASSERT_TRUE(file->Read(2, &data, &eof).ok());
  EXPECT_EQ(data, "1,");
  EXPECT_FALSE(eof);
  ASSERT_TRUE(file->Read(100, &data, &eof).ok());
  EXPECT_EQ(data, "1,2,3");
  EXPECT_TRUE(eof);
  std::system(("rm -rf '" + dir + "'").c_str());
}

}  // namespace
}  // namespace discmenu::posix
