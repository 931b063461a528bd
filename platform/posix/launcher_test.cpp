#include "platform/posix/launcher.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

namespace discmenu::posix {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// Waits (bounded) for a file that a started process writes.
bool WaitFor(const std::string& path) {
  for (int i = 0; i < 1000 && !Exists(path); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return Exists(path);
}

void WriteScript(const std::string& path, const std::string& body) {
  std::ofstream(path) << "#!/bin/sh\n" << body;
  chmod(path.c_str(), 0755);
}

// Children of this process that have ended but were never reaped.
int Zombies() {
  int count = 0;
  DIR* proc = opendir("/proc");
  while (dirent* e = readdir(proc)) {
    std::string stat = ReadFile(std::string("/proc/") + e->d_name + "/stat");
    size_t paren = stat.rfind(')');
    if (paren == std::string::npos) continue;
    char state;
    int ppid;
    if (sscanf(stat.c_str() + paren + 2, "%c %d", &state, &ppid) == 2 && state == 'Z' &&
        ppid == getpid())
      ++count;
  }
  closedir(proc);
  return count;
}

// A menu folder and a fake desktop opener, first on PATH, that records its
// arguments NUL-separated, one file per run.
class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/discmenu-launch-XXXXXX";
    dir_ = mkdtemp(tmpl);
    mkdir((dir_ + "/bin").c_str(), 0755);
    mkdir((dir_ + "/menu").c_str(), 0755);
    mkdir((dir_ + "/out").c_str(), 0755);
    WriteScript(dir_ + "/bin/xdg-open",
                "printf '%s\\0' \"$@\" > \"" + dir_ +
                    "/out/.tmp.$$\"\n"
                    "mv \"" +
                    dir_ + "/out/.tmp.$$\" \"" + dir_ +
                    "/out/open.$$\"\n"
                    "[ -n \"$OPENER_SLEEP\" ] && exec sleep \"$OPENER_SLEEP\" >/dev/null 2>&1\n"
                    "exit 0\n");
    old_path_ = getenv("PATH");
    setenv("PATH", (dir_ + "/bin:" + old_path_).c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", old_path_.c_str(), 1);
    unsetenv("OPENER_SLEEP");
    std::system(("rm -rf '" + dir_ + "'").c_str());
  }

  // The arguments of the single opener run so far.
  std::vector<std::string> OpenerArgs() {
    std::vector<std::string> args;
    DIR* d = opendir((dir_ + "/out").c_str());
    std::string file;
    while (dirent* e = readdir(d))
      if (std::string(e->d_name).starts_with("open.")) file = dir_ + "/out/" + e->d_name;
    closedir(d);
    if (file.empty()) return args;
    std::string all = ReadFile(file);
    unlink(file.c_str());
    for (size_t start = 0, end; (end = all.find('\0', start)) != std::string::npos; start = end + 1)
      args.push_back(all.substr(start, end - start));
    return args;
  }
  int OpenerCount() {
    int count = 0;
    DIR* d = opendir((dir_ + "/out").c_str());
    while (dirent* e = readdir(d)) count += std::string(e->d_name).starts_with("open.");
    closedir(d);
    return count;
  }
  std::vector<std::string> WaitForOpener() {
    for (int i = 0; i < 1000; ++i) {
      std::vector<std::string> args = OpenerArgs();
      if (!args.empty()) return args;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
  }

  std::string dir_;
  std::string old_path_;
  ThreadReaper reaper_;
};

TEST_F(LauncherTest, HostileNamesReachTheOpenerWholeAndUnchanged) {
  const std::string names[] = {
      "two words.pdf",
      "quote\"s.txt",
      "it's.txt",
      "semi;colon.txt",
      "$(touch x).txt",
      "`touch y`.txt",
      "a&b.txt",
      "a|b.txt",
      "line\nbreak.txt",
      "-rf.txt",
      "*.txt",
      "tab\there.txt",
      "\xE8\xAA\xAA\xE6\x98\x8E.pdf",
      "\xC3\x9C"
      "berblick.pdf",
  };
  for (const std::string& name : names) {
    std::ofstream(dir_ + "/menu/" + name) << "document";
    LaunchOutcome outcome = OpenPath(dir_ + "/menu\\" + name, reaper_);
    EXPECT_EQ(outcome.result, LaunchResult::kStarted) << name;
    std::vector<std::string> args = WaitForOpener();
    ASSERT_EQ(args.size(), 1u) << name;
    EXPECT_EQ(args[0], dir_ + "/menu/" + name);
  }
  // No shell ran any of it.
  EXPECT_FALSE(Exists(dir_ + "/menu/x"));
  EXPECT_FALSE(Exists(dir_ + "/menu/y"));
  EXPECT_FALSE(Exists("x"));
  EXPECT_FALSE(Exists("y"));
}

TEST_F(LauncherTest, ProgramsRunDirectlyWithNoArguments) {
  // The target name carries what looks like an option: it is the file name.
  WriteScript(dir_ + "/menu/setup.sh --silent", "{ echo \"$#\"; pwd; } > \"" + dir_ +
                                                    "/out/ran.tmp\"\n"
                                                    "mv \"" +
                                                    dir_ + "/out/ran.tmp\" \"" + dir_ +
                                                    "/out/ran\"\n");
  LaunchOutcome outcome = OpenPath(dir_ + "\\MENU\\Setup.sh --silent", reaper_);
  EXPECT_EQ(outcome.result, LaunchResult::kStarted);
  ASSERT_TRUE(WaitFor(dir_ + "/out/ran"));
  char cwd[4096];
  ASSERT_TRUE(getcwd(cwd, sizeof cwd));
  EXPECT_EQ(ReadFile(dir_ + "/out/ran"), "0\n" + std::string(cwd) + "\n");
  EXPECT_TRUE(OpenerArgs().empty());
  // An option after the name never becomes an argument: no such file.
  EXPECT_EQ(OpenPath(dir_ + "\\menu\\setup.sh /S", reaper_).result, LaunchResult::kNotFound);
}

TEST_F(LauncherTest, DocumentsFoldersAndNonProgramsGoToTheOpener) {
  std::ofstream(dir_ + "/menu/manual.html") << "<p>";
  std::ofstream(dir_ + "/menu/broken") << "no interpreter line";
  chmod((dir_ + "/menu/broken").c_str(), 0755);  // executable, but exec refuses it
  for (std::string name : {"\\manual.html", "", "\\broken"}) {
    EXPECT_EQ(OpenPath(dir_ + "/menu" + name, reaper_).result, LaunchResult::kStarted) << name;
    std::vector<std::string> args = WaitForOpener();
    ASSERT_EQ(args.size(), 1u) << name;
    EXPECT_EQ(args[0], dir_ + "/menu" + (name.empty() ? "" : "/" + name.substr(1)));
  }
}

TEST_F(LauncherTest, MissingTargetIsReportedAndNothingRuns) {
  LaunchOutcome outcome = OpenPath(dir_ + "/menu\\nothing.exe", reaper_);
  EXPECT_EQ(outcome.result, LaunchResult::kNotFound);
  EXPECT_EQ(outcome.native_path, dir_ + "/menu/nothing.exe");
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_TRUE(OpenerArgs().empty());
}

TEST_F(LauncherTest, NeverWaitsForTheOpenerAndLeavesNoZombie) {
  setenv("OPENER_SLEEP", "30", 1);
  std::ofstream(dir_ + "/menu/doc.txt") << "x";
  for (int i = 0; i < 200; ++i)
    ASSERT_EQ(OpenPath(dir_ + "/menu\\doc.txt", reaper_).result, LaunchResult::kStarted);
  // Each opener is still asleep, yet every launch has returned.
  EXPECT_EQ(Zombies(), 0);
}

TEST_F(LauncherTest, EndedProgramsAreReaped) {
  std::ofstream(dir_ + "/menu/doc.txt") << "x";
  for (int i = 0; i < 200; ++i)
    ASSERT_EQ(OpenPath(dir_ + "/menu\\doc.txt", reaper_).result, LaunchResult::kStarted);
  // Every opener has run and ended; none is left unreaped for long.
  for (int i = 0; i < 1000 && OpenerCount() < 200; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(OpenerCount(), 200);
  bool reaped = false;
  for (int i = 0; i < 500 && !reaped; ++i) {
    reaped = Zombies() == 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(reaped);
}

TEST_F(LauncherTest, MissingOpenerFails) {
  setenv("PATH", "/nonexistent", 1);
  std::ofstream(dir_ + "/menu/doc.txt") << "x";
  LaunchOutcome outcome = OpenPath(dir_ + "/menu\\doc.txt", reaper_);
  EXPECT_EQ(outcome.result, LaunchResult::kNoOpener);
}

// The current directory holds an opener (planted, say, on the medium): an
// empty or relative PATH entry must not find it.
TEST_F(LauncherTest, OnlyAbsolutePathEntriesAreSearched) {
  std::ofstream(dir_ + "/menu/doc.txt") << "x";
  char* cwd = getcwd(nullptr, 0);
  ASSERT_EQ(chdir((dir_ + "/bin").c_str()), 0);
  for (const char* path :
       {":/nonexistent", "/nonexistent:", "/nonexistent::/usr/bin/none", ".", "../bin"}) {
    setenv("PATH", path, 1);
    EXPECT_EQ(FindInPath("xdg-open"), "") << path;
    EXPECT_EQ(OpenPath(dir_ + "/menu\\doc.txt", reaper_).result, LaunchResult::kNoOpener) << path;
  }
  EXPECT_EQ(chdir(cwd), 0);
  free(cwd);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(OpenerCount(), 0);
}

}  // namespace
}  // namespace discmenu::posix
