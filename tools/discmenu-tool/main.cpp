// discmenu-tool: the menu authors' companion. Parses the command line and
// hands over to the command.
#include <stdio.h>
#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "platform/posix/executable.h"
#include "tools/discmenu-tool/args.h"
#include "tools/discmenu-tool/check_render.h"
#include "tools/discmenu-tool/image.h"
#include "tools/discmenu-tool/medium_programs.h"
#include "tools/discmenu-tool/preview.h"
#include "tools/discmenu-tool/scaffold.h"

namespace {

using discmenu::tool::Command;

// The toolkit's remarks (no runtime directory, ...) are not the user's
// business; a fatal one ends the tool with one line.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "discmenu-tool: %s\n", qPrintable(message));
    std::fflush(stderr);
    _exit(1);
  }
}

// The folder of the menu's programs that a medium gets: the one named on
// the command line, or the one the tool was installed (or built) with.
std::string MediumPrograms(const discmenu::tool::Options& options) {
  if (!options.programs.empty()) return options.programs;
  return discmenu::tool::FindMediumPrograms(discmenu::posix::ExecutableDirectory());
}

int RunWithApplication(const discmenu::tool::Options& options) {
  discmenu::tool::PrepareOffscreen(options.command == Command::kPreview ? options.scale : 1.0);
  qInstallMessageHandler(QuietMessages);
  // The command line is the tool's: the toolkit gets none of it.
  static char name[] = "discmenu-tool";
  static char* argv[] = {name, nullptr};
  int argc = 1;
  QApplication app(argc, argv);
  switch (options.command) {
    case Command::kCheck: {
      const discmenu::tool::CheckResult result = discmenu::tool::CheckMenuFolder(options.dir);
      std::cout << (options.format == discmenu::tool::Format::kJson
                        ? discmenu::tool::JsonReport(result)
                        : discmenu::tool::TextReport(result));
      return discmenu::tool::ExitStatus(result);
    }
    default:
      return discmenu::tool::RunPreview(options.dir, options.output);
  }
}

}  // namespace

int main(int argc, char** argv) {
  discmenu::tool::Options options;
  const std::string error =
      discmenu::tool::ParseArgs(std::vector<std::string>(argv + 1, argv + argc), &options);
  if (!error.empty()) {
    std::cerr << "discmenu-tool: " << error << "\nTry 'discmenu-tool --help'.\n";
    return 2;
  }
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
      return RunWithApplication(options);
  }
}
