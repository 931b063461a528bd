// The menu program. It takes no arguments: everything it shows comes from
// install.ini beside the executable.
#include "menu/run.h"

int main() {
  return discmenu::RunMenu();
}
