#include "platform/posix/executable.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace discmenu::posix {
namespace {

std::string WorkingDir() {
  char buf[4096];
  return getcwd(buf, sizeof buf) ? buf : "";
}

ino_t Inode(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

TEST(DirectoryHandleTest, NamesFoldersThatPathListsWouldSplitByADescriptor) {
  char tmpl[] = "/tmp/discmenu-handle-XXXXXX";
  const std::string top = mkdtemp(tmpl);
  for (const std::string name : {"/Backup:2024", "/a;b", "/$ORIGIN", "/byte\xff"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(mkdir((top + name).c_str(), 0755), 0);
    const std::string handle = DirectoryHandle(top + name);
    ASSERT_EQ(handle.rfind("/proc/self/fd/", 0), 0u);
    EXPECT_EQ(handle.find_first_not_of("0123456789", 14), std::string::npos);
    EXPECT_EQ(Inode(handle), Inode(top + name));
    // Kept open, and closed in the programs the menu starts.
    EXPECT_EQ(fcntl(std::stoi(handle.substr(14)), F_GETFD), FD_CLOEXEC);
  }
  // A descriptor handed over by the starter is kept, closed on exec too.
  const int inherited = open(top.c_str(), O_RDONLY | O_DIRECTORY);
  const std::string given = "/proc/self/fd/" + std::to_string(inherited);
  EXPECT_EQ(DirectoryHandle(given), given);
  EXPECT_EQ(fcntl(inherited, F_GETFD), FD_CLOEXEC);
  std::system(("rm -rf '" + top + "'").c_str());
}

TEST(WorkingDirectoryTest, EntersTheFolderOrTheRootAndComesBack) {
  const std::string before = WorkingDir();
  for (const std::string& dir : {std::string("/tmp"), std::string("/no/such/folder")}) {
    {
      WorkingDirectory inside(dir);
      EXPECT_EQ(WorkingDir(), dir == "/tmp" ? "/tmp" : "/");
    }
    EXPECT_EQ(WorkingDir(), before);
  }
}

}  // namespace
}  // namespace discmenu::posix
