#include <sched.h>
#include <unistd.h>

#include <QApplication>
#include <QGuiApplication>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "menu/form1.h"
#include "menu/frame.h"
#include "menu/presentation.h"
#include "menu/run.h"
#include "platform/posix/child_environment.h"
#include "platform/posix/executable.h"
#include "platform/posix/locale.h"
#include "platform/qt/bundled_runtime.h"
#include "platform/qt/form1_window.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_translator.h"

namespace discmenu {

namespace {

// The user's language, for the lines the menu writes before it has a window.
const Translator* g_translator = nullptr;
// The toolkit's own handler, for the diagnostics a user asks for.
QtMessageHandler g_toolkit_handler = nullptr;

bool IsSet(const char* name) {
  const char* v = std::getenv(name);
  return v && *v;
}

// QT_DEBUG_PLUGINS=1 or QT_LOGGING_RULES: the user wants to see what the
// toolkit says (a plugin that does not load, a display it cannot use).
bool DiagnosticsWanted() {
  return IsSet("QT_DEBUG_PLUGINS") || IsSet("QT_LOGGING_RULES");
}

// A toolkit that cannot reach its display (or loses it) ends with a fatal
// message and an abort; the menu ends with one clear line instead.
void FatalToExit(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  // The X11 backend reports a lost connection as a warning, then exits.
  if (type == QtFatalMsg || message.startsWith(QLatin1String("The X11 connection broke"))) {
    const Message line(Text::kCannotShowWindow, {message.toStdString()});
    std::fprintf(stderr, "%s\n", presentation::ProgramLine(line, g_translator).c_str());
    std::fflush(stderr);
    _exit(1);
  }
  // The toolkit's other remarks are not the user's business unless asked
  // for: the menu prints nothing but its errors.
  if (g_toolkit_handler && DiagnosticsWanted()) g_toolkit_handler(type, context, message);
}

bool HaveDisplay() {
#if defined(__APPLE__)
  return true;
#else
  return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
#endif
}

// A Wayland compositor without an X server gets a native window. With
// both, the toolkit's own rule decides: native on Wayland desktops, X11 on
// those that draw no title bars for Wayland windows (GNOME).
bool WaylandOnly() {
  return IsSet("WAYLAND_DISPLAY") && !IsSet("DISPLAY") && !IsSet("QT_QPA_PLATFORM");
}

int UsableCores() {
  cpu_set_t set;
  return sched_getaffinity(0, sizeof set, &set) == 0 ? CPU_COUNT(&set) : 1;
}

}  // namespace

int RunMenu() {
  const qt::QtTextTranslator translator(LanguageOfTag(posix::MessagesLocale()));
  g_translator = &translator;
  g_toolkit_handler = qInstallMessageHandler(FatalToExit);
  if (!HaveDisplay()) {
    std::fprintf(stderr, "%s\n",
                 presentation::ProgramLine(Message(Text::kNoDisplay, {}), &translator).c_str());
    return 1;
  }
  // Started through the Linux medium's runtime, the menu's code lies in it.
  const posix::ProgramFiles program = posix::RunningProgram();
  std::string bundled = program.started != program.image ? posix::DirectoryOf(program.image) : "";
  posix::NeverStartASessionBus();
  if (!bundled.empty()) bundled = qt::PrepareBundledRuntime(bundled, program.started);
  // The command line is not the menu's: Qt gets none of it either.
  static char name[] = "discmenu";
  static char platform_option[] = "-platform";
  static char wayland[] = "wayland";
  static char* argv[] = {name, platform_option, wayland, nullptr};
  int argc = WaylandOnly() ? 3 : 1;
  if (argc == 1) argv[1] = nullptr;
  // The toolkit looks for plugins in the folder of the program it runs in,
  // and where it cannot name that folder (a loader run from a memory file,
  // a name that is not UTF-8) in the working directory: while it starts,
  // that is the folder of the menu's code. Its qt.conf is the menu's own
  // (a resource), never a file beside it.
  std::optional<posix::WorkingDirectory> code_folder(
      std::in_place, bundled.empty() ? posix::DirectoryOf(program.image) : bundled);
  // Where the machine has a second core, it decodes the JPEG pictures while
  // the toolkit starts; the load step takes them (and still checks and
  // loads everything in its order, errors included).
  // The toolkit takes the first thread that asks it for its thread as its
  // main thread: this one asks before the other can.
  QThread::currentThread();
  qt::QtRuntime runtime;
  std::optional<std::jthread> preload;
  if (runtime.app_path_known() && UsableCores() > 1)
    preload.emplace([&runtime] { runtime.Preload(PicturesToLoad(runtime)); });
  QApplication app(argc, argv);
  code_folder.reset();
  if (!bundled.empty()) QCoreApplication::setLibraryPaths({});
  QGuiApplication::setDesktopFileName("discmenu");
  if (!bundled.empty()) qt::AddBundledFonts(bundled);

  qt::QtErrorReport report(&translator);
  if (!runtime.app_path_known()) {
    // Looking elsewhere would read another menu's install.ini.
    report.Report(Error::PathFileAccess(Message(Text::kNoProgramFolder, {})));
    return 1;
  }
  qt::Form1Window window(&translator);
  qt::QtShell shell(&window, &translator);
  // The window's widgets were made while the other core decoded: the load
  // step needs the runtime now.
  preload.reset();  // joins
  Form1 form(runtime, window, shell);
  if (!LoadOrReport(form, report)) return 1;
  window.OnCommandClick(
      [&](int n) { ClickOrReport(form, n, report, [] { QCoreApplication::exit(1); }); });
  window.show();
  window.FocusFirst();
  return app.exec();
}

}  // namespace discmenu
