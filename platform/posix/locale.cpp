#include "platform/posix/locale.h"

#include <cstdlib>
#include <initializer_list>

namespace discmenu::posix {

namespace {

std::string FirstSet(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const char* value = std::getenv(name);
    if (value && *value) return value;
  }
  return "";
}

}  // namespace

std::string MessagesLocale() {
  return FirstSet({"LC_ALL", "LC_MESSAGES", "LANG"});
}

std::string CharacterLocale() {
  return FirstSet({"LC_ALL", "LC_CTYPE", "LANG"});
}

}  // namespace discmenu::posix
