// make-art: draws every picture that ships with discmenu.
//
// Usage: make-art <repository root>
//
// All artwork is produced from simple vector shapes, so the pictures can be
// regenerated at any time and always come out the same. Nothing random is used
// except a tiny fixed-seed generator for scattered details such as stars. This
// file only decides which picture goes to which file; each picture has its own
// source file.

#include <QFileInfo>
#include <QGuiApplication>
#include <QString>

#include <cstdio>

#include "tools/art/assets.h"
#include "tools/art/drawing.h"
#include "tools/art/ico_writer.h"

int main(int argc, char** argv) {
  using namespace discmenu::art;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-art <repository root>\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  if (!QFileInfo(root).isDir()) {
    std::fprintf(stderr, "make-art: %s is not a directory\n", argv[1]);
    return 2;
  }
  SetOutputRoot(root);

  // Placeholders used when a menu has no pictures of its own.
  SaveJpeg(MakePlaceholderButton(), QStringLiteral("resources/placeholder/button.jpg"));
  SaveJpeg(MakePlaceholderBackground(), QStringLiteral("resources/placeholder/background.jpg"));

  // Application icon.
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    SavePng(MakeAppIcon(size), QStringLiteral("resources/icon/discmenu-%1.png").arg(size));
  {
    const QImage i16 = MakeAppIcon(16);
    const QImage i32 = MakeAppIcon(32);
    WriteIco({DibIcon(i32, 1), DibIcon(i32, 4), DibIcon(i16, 4), DibIcon(i16, 32), DibIcon(i32, 32),
              DibIcon(MakeAppIcon(48), 32), PngIcon(MakeAppIcon(256))},
             QStringLiteral("resources/icon/discmenu.ico"));
  }

  // Demo menu artwork.
  SaveJpeg(MakeDemoBackground(1), QStringLiteral("examples/demo/menu/background.jpg"));
  SaveJpeg(MakeDemoBackground(2), QStringLiteral("examples/demo/menu/background@2x.jpg"));
  for (int n = 1; n <= kButtonCount; ++n) {
    SavePng(MakeDemoButton(n, 64), QStringLiteral("examples/demo/menu/button%1.png").arg(n));
    SavePng(MakeDemoButton(n, 128), QStringLiteral("examples/demo/menu/button%1@2x.png").arg(n));
  }

  // Starter pictures for `discmenu-tool init`.
  SavePng(MakeStarterBackground(), QStringLiteral("resources/starter/background.png"));
  for (int n = 1; n <= kButtonCount; ++n)
    SavePng(MakeStarterButton(n), QStringLiteral("resources/starter/button%1.png").arg(n));

  return FailureCount() == 0 ? 0 : 1;
}
