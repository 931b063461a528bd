#include "platform/posix/child_environment.h"

#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace discmenu::posix {

namespace {

struct Kept {
  std::vector<std::string> entries;
  std::vector<char*> pointers;
};

Kept* g_kept = nullptr;

}  // namespace

void KeepEnvironmentForChildren() {
  if (g_kept) return;
  // Never freed: programs may be started until the menu ends.
  auto* kept = new Kept;
  for (char** e = environ; e && *e; ++e) kept->entries.emplace_back(*e);
  for (std::string& entry : kept->entries) kept->pointers.push_back(entry.data());
  kept->pointers.push_back(nullptr);
  g_kept = kept;
}

char* const* ChildEnvironment() {
  return g_kept ? g_kept->pointers.data() : environ;
}

void NeverStartASessionBus() {
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address && *address) return;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  struct stat st;
  if (runtime && *runtime && stat((std::string(runtime) + "/bus").c_str(), &st) == 0 &&
      S_ISSOCK(st.st_mode))
    return;
  KeepEnvironmentForChildren();
  setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

}  // namespace discmenu::posix
