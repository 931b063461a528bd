#include "platform/posix/child_environment.h"

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

}  // namespace discmenu::posix
