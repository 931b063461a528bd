// discmenu-editor: makes and changes a menu folder on the menu's own window.
#include <QApplication>
#include <QCommandLineParser>

#include "tools/editor/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("discmenu-editor");
  QCommandLineParser parser;
  parser.setApplicationDescription("Makes and changes a start-up menu folder.");
  parser.addHelpOption();
  QCommandLineOption zoom("zoom", "Shows the menu window at PERCENT (100, 125, 150, 200).",
                          "PERCENT", "100");
  parser.addOption(zoom);
  parser.addPositionalArgument("DIR", "The menu folder to open.");
  parser.process(app);

  discmenu::editor::MainWindow window;
  window.SetZoom(parser.value(zoom).toInt() / 100.0);
  const QStringList folders = parser.positionalArguments();
  if (!folders.isEmpty() && !window.OpenFolder(folders.first())) return 1;
  window.show();
  return app.exec();
}
