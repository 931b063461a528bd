// The starter pictures `discmenu-tool init` puts into a new menu folder: a
// plain gradient background that names its own file and size, and eight
// numbered squares, one hue each, so an author sees at once which picture
// lands on which button.
//
// They are the pictures init has drawn at run time, kept pixel for pixel, so
// that folders look the same whether init draws or embeds them. init takes the
// default font, which resolved to DejaVu Sans where these files were made;
// naming that family keeps them from following another machine's default.
#include "tools/art/assets.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace discmenu::art {

namespace {

// Background size of the menu window (layout::kStyle in menu/layout.h).
constexpr int kBackgroundWidth = 640;
constexpr int kBackgroundHeight = 480;

// The largest square that the smallest button face of the menu window shows
// whole. The face is the button's contents rectangle in the Qt style, which
// leaves one pixel less than the 64 pixel button picture. Measured with
// `discmenu-tool init` on the offscreen platform; measure again if the
// window's layout changes.
constexpr int kButtonSide = 63;

}  // namespace

QImage MakeStarterBackground() {
  QImage image(kBackgroundWidth, kBackgroundHeight, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient gradient(0, 0, 0, image.height());
  gradient.setColorAt(0, QColor(28, 58, 112));
  gradient.setColorAt(1, QColor(110, 170, 215));
  p.fillRect(image.rect(), gradient);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(14);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(
      image.rect().adjusted(0, 0, -12, -10), Qt::AlignRight | Qt::AlignBottom,
      QStringLiteral("menu\\background.png, %1 x %2").arg(image.width()).arg(image.height()));
  return image;
}

QImage MakeStarterButton(int n) {
  QImage image(kButtonSide, kButtonSide, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor::fromHsv((n - 1) * 45, 170, 200));
  p.drawRoundedRect(QRectF(image.rect()).adjusted(2, 2, -2, -2), kButtonSide / 6.0,
                    kButtonSide / 6.0);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(kButtonSide / 2);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(image.rect(), Qt::AlignCenter, QString::number(n));
  return image;
}

}  // namespace discmenu::art
