#include "tools/discmenu-tool/preview.h"

#include <stdlib.h>

#include <QCoreApplication>
#include <cstdio>
#include <string>

#include "menu/form1.h"
#include "platform/qt/form1_window.h"
#include "platform/qt/qt_services.h"
#include "tools/discmenu-tool/folder_runtime.h"
#include "tools/discmenu-tool/menu_folder.h"

namespace discmenu::tool {

void PrepareOffscreen(double scale) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("QT_SCALE_FACTOR", std::to_string(scale).c_str(), 1);
  // Scales chosen for real screens must not add to the one asked for.
  unsetenv("QT_SCREEN_SCALE_FACTORS");
  unsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
  unsetenv("QT_ENABLE_HIGHDPI_SCALING");
}

Error RenderMenu(const std::string& dir, QImage* image) {
  FolderRuntime runtime(MenuFolderPath(dir));
  qt::QtShell shell;  // nothing is clicked
  qt::Form1Window window;
  Form1 form(runtime, window, shell);
  if (Error e = form.Form_Load(); !e.ok()) return e;
  // As the menu starts: shown, with the focus on the first visible control.
  window.show();
  window.FocusFirst();
  QCoreApplication::processEvents();
  *image = window.grab().toImage();
  return Error();
}

int RunPreview(const std::string& dir, const std::string& output) {
  QImage image;
  if (Error e = RenderMenu(dir, &image); !e.ok()) {
    std::fprintf(stderr, "discmenu: %s\n", e.ToString().c_str());
    return 1;
  }
  if (!image.save(QString::fromStdString(output), "PNG")) {
    std::fprintf(stderr, "discmenu-tool: cannot write %s\n", output.c_str());
    return 1;
  }
  std::printf("%s: %d x %d pixels\n", output.c_str(), image.width(), image.height());
  return 0;
}

}  // namespace discmenu::tool
