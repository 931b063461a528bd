// discmenu-tool-render: the part of discmenu-tool that needs the toolkit
// (every check, with pictures and captions, and the preview). The tool runs
// it with its own command line.
#include <stdio.h>
#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "tools/discmenu-tool/args.h"
#include "tools/discmenu-tool/check_render.h"
#include "tools/discmenu-tool/preview.h"

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

}  // namespace

int main(int argc, char** argv) {
  discmenu::tool::Options options;
  if (!discmenu::tool::ParseCommandLine(argc, argv, &options, std::cerr)) return 2;
  discmenu::tool::PrepareOffscreen(options.command == Command::kPreview ? options.scale : 1.0);
  qInstallMessageHandler(QuietMessages);
  // The command line is the tool's: the toolkit gets none of it.
  static char name[] = "discmenu-tool";
  static char* toolkit_argv[] = {name, nullptr};
  int toolkit_argc = 1;
  QApplication app(toolkit_argc, toolkit_argv);
  switch (options.command) {
    case Command::kCheck:
      return discmenu::tool::PrintCheck(discmenu::tool::CheckMenuFolder(options.dir),
                                        options.format, std::cout);
    case Command::kPreview:
      return discmenu::tool::RunPreview(options.dir, options.output);
    default:
      std::cerr << "discmenu-tool-render: only check and preview run here\n";
      return 2;
  }
}
