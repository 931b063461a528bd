#include "platform/posix/locale.h"

#include <cstdlib>

namespace discmenu::posix {

std::string MessagesLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return value;
  }
  return "";
}

}  // namespace discmenu::posix
