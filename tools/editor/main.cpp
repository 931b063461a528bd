// discmenu-editor: makes and changes a menu folder on the menu's own window.
#include <QApplication>
#include <QCommandLineParser>
#include <QThread>
#include <cstdio>
#include <optional>
#include <thread>

#include "config/texts.h"
#include "platform/posix/child_environment.h"
#include "platform/posix/locale.h"
#include "tools/editor/editor_document.h"
#include "tools/editor/editor_translator.h"
#include "tools/editor/main_window.h"
#include "tools/editor/picture_cache.h"

int main(int argc, char** argv) {
  discmenu::posix::NeverStartASessionBus();
  QApplication app(argc, argv);
  QApplication::setApplicationName("discmenu-editor");
  // The user's language, found as the menu finds it.
  discmenu::editor::EditorTranslator translator(
      discmenu::LanguageOfTag(discmenu::posix::MessagesLocale()));
  QApplication::installTranslator(&translator);
  QCommandLineParser parser;
  parser.setApplicationDescription("Makes and changes a start-up menu folder.");
  parser.addHelpOption();
  QCommandLineOption zoom("zoom", "Shows the menu window at PERCENT (100, 125, 150, 200).",
                          "PERCENT", "100");
  parser.addOption(zoom);
  parser.addPositionalArgument("DIR", "The menu folder to open.");
  parser.process(app);

  const int percent = parser.value(zoom).toInt();
  if (percent != 100 && percent != 125 && percent != 150 && percent != 200) {
    std::fprintf(stderr, "discmenu-editor: --zoom takes 100, 125, 150 or 200\n");
    return 2;
  }
  const QStringList folders = parser.positionalArguments();
  // Where the machine has a second core, it decodes the menu's pictures
  // while this one builds the window.
  discmenu::editor::PictureCache pictures;
  std::optional<std::jthread> prefetch;
  if (!folders.isEmpty() && QThread::idealThreadCount() > 1)
    prefetch.emplace([&pictures, folder = folders.first().toStdString(), percent] {
      pictures = discmenu::editor::Prefetch(folder, percent / 100.0);
    });
  discmenu::editor::MainWindow window;
  window.SetZoom(percent / 100.0);
  prefetch.reset();  // joins
  window.document()->pictures().Merge(std::move(pictures));
  if (!folders.isEmpty() && !window.OpenFolder(folders.first())) return 1;
  window.show();
  return app.exec();
}
