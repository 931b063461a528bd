// discmenu-tool: the menu authors' companion. Parses the command line and
// hands over to the command.
#include <cstdlib>
#include <iostream>

#include "platform/posix/executable.h"
#include "tools/discmenu-tool/args.h"
#include "tools/discmenu-tool/image.h"
#include "tools/discmenu-tool/medium_programs.h"
#include "tools/discmenu-tool/renderer.h"
#include "tools/discmenu-tool/scaffold.h"

namespace {

using discmenu::tool::Command;

// The folder of the menu's programs that a medium gets: the one named on
// the command line, or the one the tool was installed (or built) with.
std::string MediumPrograms(const discmenu::tool::Options& options) {
  if (!options.programs.empty()) return options.programs;
  return discmenu::tool::FindMediumPrograms(discmenu::posix::ExecutableDirectory());
}

}  // namespace

int main(int argc, char** argv) {
  discmenu::tool::Options options;
  if (!discmenu::tool::ParseCommandLine(argc, argv, &options, std::cerr)) return 2;
  switch (options.command) {
    case Command::kHelp:
      std::cout << discmenu::tool::UsageText();
      return 0;
    case Command::kVersion:
      std::cout << "discmenu-tool " << DISCMENU_TOOL_VERSION << "\n";
      return 0;
    case Command::kAutorun:
      return discmenu::tool::RunAutorun(options.dir, options.label, options.force,
                                        MediumPrograms(options), std::cout, std::cerr);
    case Command::kImage:
      return discmenu::tool::RunImage(options.dir, options.disc, options.stick, options.label,
                                      options.force, std::cout, std::cerr);
    case Command::kInit:
      return discmenu::tool::RunInit(options.dir, options.force, MediumPrograms(options), std::cout,
                                     std::cerr);
    default:
      return discmenu::tool::RunRendered(options, argv, std::cout, std::cerr);
  }
}
