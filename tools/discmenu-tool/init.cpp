// `discmenu-tool init`: a starter menu folder that passes `check` at once.
#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <filesystem>

#include "config/menu_settings.h"
#include "menu/layout.h"
#include "platform/qt/form1_window.h"
#include "tools/discmenu-tool/new_files.h"
#include "tools/discmenu-tool/scaffold.h"
#include "tools/discmenu-tool/window_metrics.h"

namespace discmenu::tool {

namespace {

constexpr int kShownEntries = 3;

std::string Png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

QImage Background() {
  const QSize size(layout::kStyle.background_width_px, layout::kStyle.background_height_px);
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient gradient(0, 0, 0, size.height());
  gradient.setColorAt(0, QColor(28, 58, 112));
  gradient.setColorAt(1, QColor(110, 170, 215));
  p.fillRect(image.rect(), gradient);
  QFont font;
  font.setPixelSize(14);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(image.rect().adjusted(0, 0, -12, -10), Qt::AlignRight | Qt::AlignBottom,
             QStringLiteral("menu\\background.png, %1 x %2").arg(size.width()).arg(size.height()));
  return image;
}

// Button n: a square of its own colour with its number, as large as the
// buttons' face shows whole.
QImage Button(int n, int side) {
  QImage image(side, side, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor::fromHsv((n - 1) * 45, 170, 200));
  p.drawRoundedRect(QRectF(image.rect()).adjusted(2, 2, -2, -2), side / 6.0, side / 6.0);
  QFont font;
  font.setPixelSize(side / 2);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(image.rect(), Qt::AlignCenter, QString::number(n));
  return image;
}

std::string StarterIni() {
  const char* captions[] = {"Install the program", "Read the manual", "Browse the disc"};
  const char* targets[] = {"\\setup\\README.txt", "\\docs\\manual.html", "\\docs"};
  std::string ini;
  auto line = [&](const std::string& item) { ini += item + "\r\n"; };
  for (int n = 1; n <= 8; ++n) line(n <= kShownEntries ? "1" : "0");
  for (int n = 1; n <= 8; ++n)
    line(n <= kShownEntries ? captions[n - 1] : "Entry " + std::to_string(n));
  for (int n = 1; n <= 8; ++n) line(n <= kShownEntries ? targets[n - 1] : "\\docs\\manual.html");
  line("Start-up menu");
  line("\\menu\\background.png");
  for (int n = 1; n <= 8; ++n) line("\\menu\\button" + std::to_string(n) + ".png");
  return ini;
}

constexpr const char* kSetupReadme =
    "Put the installer of your program in this folder, then point item 17\r\n"
    "(Target1) of install.ini at it, for example \\setup\\install.exe.\r\n";

constexpr const char* kManual =
    "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Manual</title></head>\n"
    "<body><h1>Manual</h1><p>Replace this page with your program's manual.</p></body></html>\n";

}  // namespace

int RunInit(const std::string& dir, bool force, const std::string& menu_executable,
            std::ostream& out, std::ostream& err) {
  std::error_code ec;
  if (std::filesystem::exists(dir, ec) && !std::filesystem::is_directory(dir, ec)) {
    err << "discmenu-tool: error: " << dir << " is not a folder\n";
    return 1;
  }
  // The largest square that the smallest button face shows whole.
  const qt::Form1Window window;
  int side = layout::kStyle.button_picture_px;
  for (int n = 1; n <= kEntryCount; ++n) {
    const QRect face = ButtonFace(window, n);
    side = std::min({side, face.width(), face.height()});
  }

  std::vector<NewFile> files = {{"install.ini", StarterIni()},
                                {"menu/background.png", Png(Background())}};
  for (int n = 1; n <= 8; ++n)
    files.push_back({"menu/button" + std::to_string(n) + ".png", Png(Button(n, side))});
  files.push_back({"setup/README.txt", kSetupReadme});
  files.push_back({"docs/manual.html", kManual});
  NewFile executable{"discmenu", "", true};
  const bool have_executable = ReadFileBytes(menu_executable, &executable.bytes);
  if (have_executable) files.push_back(std::move(executable));

  if (!WriteNewFiles(dir, files, force, out, err)) return 1;
  if (!have_executable) {
    err << "discmenu-tool: warning: the menu executable " << menu_executable
        << " was not found; copy discmenu into " << dir << " yourself\n";
  }
  out << "next: edit " << dir << "/install.ini, then run: discmenu-tool check " << dir << "\n";
  return 0;
}

}  // namespace discmenu::tool
