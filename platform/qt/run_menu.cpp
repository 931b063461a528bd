#include <unistd.h>
#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "menu/form1.h"
#include "menu/frame.h"
#include "menu/presentation.h"
#include "menu/run.h"
#include "platform/posix/locale.h"
#include "platform/qt/form1_window.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_translator.h"

namespace discmenu {

namespace {

// The user's language, for the lines the menu writes before it has a window.
const Translator* g_translator = nullptr;

// A toolkit that cannot reach its display (or loses it) ends with a fatal
// message and an abort; the menu ends with one clear line instead.
void FatalToExit(QtMsgType type, const QMessageLogContext&, const QString& message) {
  // The X11 backend reports a lost connection as a warning, then exits.
  if (type == QtFatalMsg || message.startsWith(QLatin1String("The X11 connection broke"))) {
    const Message line(Text::kCannotShowWindow, {message.toStdString()});
    std::fprintf(stderr, "%s\n", presentation::ProgramLine(line, g_translator).c_str());
    std::fflush(stderr);
    _exit(1);
  }
  // The toolkit's other remarks are not the user's business: the menu
  // prints nothing but its errors.
}

bool HaveDisplay() {
#if defined(__APPLE__)
  return true;
#else
  auto set = [](const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
  };
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
#endif
}

}  // namespace

int RunMenu() {
  const qt::QtTextTranslator translator(LanguageOfTag(posix::MessagesLocale()));
  g_translator = &translator;
  qInstallMessageHandler(FatalToExit);
  if (!HaveDisplay()) {
    std::fprintf(stderr, "%s\n",
                 presentation::ProgramLine(Message(Text::kNoDisplay, {}), &translator).c_str());
    return 1;
  }
  // The command line is not the menu's: Qt gets none of it either.
  static char name[] = "discmenu";
  static char* argv[] = {name, nullptr};
  int argc = 1;
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName("discmenu");

  qt::QtRuntime runtime;
  qt::QtErrorReport report(&translator);
  if (!runtime.app_path_known()) {
    // Looking elsewhere would read another menu's install.ini.
    report.Report(Error::PathFileAccess(Message(Text::kNoProgramFolder, {})));
    return 1;
  }
  qt::Form1Window window(&translator);
  qt::QtShell shell(&window, &translator);
  Form1 form(runtime, window, shell);
  if (!LoadOrReport(form, report)) return 1;
  window.OnCommandClick(
      [&](int n) { ClickOrReport(form, n, report, [] { QCoreApplication::exit(1); }); });
  window.show();
  window.FocusFirst();
  return app.exec();
}

}  // namespace discmenu
