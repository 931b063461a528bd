// The demo menu's eight button icons, drawn on a 64x64 grid so one drawing
// serves both the 64 pixel picture and its 128 pixel @2x twin.
#include "tools/art/assets.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <array>

#include "tools/art/drawing.h"

namespace discmenu::art {

namespace {

void RoundedLine(QPainter& p, double x, double y, double w, double h) {
  p.drawRoundedRect(QRectF(x, y, w, h), h / 2, h / 2);
}

// Most icons are lit from above: their body fades from `top` at y0 to `bottom` at y1.
QLinearGradient vertical(double y0, double y1, const QColor& top, const QColor& bottom) {
  return LinearGradient({0, y0}, {0, y1}, {{0.0, top}, {1.0, bottom}});
}

// 1: installer - a box with an arrow going into it.
void DrawInstallerIcon(QPainter& p) {
  p.setPen(Qt::NoPen);
  // Inside of the open box.
  p.setBrush(QColor(18, 66, 150));
  p.drawPolygon(QPolygonF{QPointF(12, 30), QPointF(52, 30), QPointF(58, 38), QPointF(6, 38)});
  // Arrow.
  p.setBrush(vertical(3, 40, QColor(120, 196, 255), QColor(70, 160, 250)));
  p.drawPath(Polyline({{26, 4}, {38, 4}, {38, 20}, {47, 20}, {32, 38}, {17, 20}, {26, 20}},
                      Ends::kClosed));
  // Front of the box.
  p.setBrush(vertical(36, 60, QColor(40, 122, 232), QColor(26, 96, 206)));
  p.drawPath(MakePath({6, 36},
                      {LineTo(58, 36), LineTo(55, 57), QuadTo(54.6, 60, 51.5, 60), LineTo(12.5, 60),
                       QuadTo(9.4, 60, 9, 57)},
                      Ends::kClosed));
  p.setBrush(QColor(100, 170, 250));
  p.drawRect(QRectF(6, 36, 52, 3));
  p.setBrush(QColor(255, 255, 255, 220));
  RoundedLine(p, 24, 46, 16, 4);
}

// 2: manual - a page with text lines.
void DrawManualIcon(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(vertical(3, 61, QColor(255, 156, 48), QColor(240, 124, 20)));
  p.drawPath(MakePath({15, 3},
                      {LineTo(40, 3), LineTo(53, 16), LineTo(53, 58), QuadTo(53, 61, 50, 61),
                       LineTo(15, 61), QuadTo(12, 61, 12, 58), LineTo(12, 6), QuadTo(12, 3, 15, 3)},
                      Ends::kClosed));
  // Folded corner.
  p.setBrush(QColor(255, 204, 140));
  p.drawPath(
      MakePath({40, 3}, {LineTo(40, 13), QuadTo(40, 16, 43, 16), LineTo(53, 16)}, Ends::kClosed));
  // Heading and text lines.
  p.setBrush(Qt::white);
  RoundedLine(p, 19, 12, 16, 5);
  p.setBrush(QColor(255, 240, 222));
  for (int i = 0; i < 4; ++i) RoundedLine(p, 19, 25 + i * 8, i == 3 ? 18 : 27, 3.6);
}

// 3: folder.
void DrawFolderIcon(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(232, 168, 20));
  p.drawPath(MakePath({6, 13},
                      {QuadTo(6, 9, 10, 9), LineTo(24, 9), QuadTo(26.5, 9, 28, 11), LineTo(31, 15),
                       LineTo(54, 15), QuadTo(58, 15, 58, 19), LineTo(58, 52), LineTo(6, 52)},
                      Ends::kClosed));
  // A sheet of paper peeking out.
  p.setBrush(QColor(255, 252, 240));
  p.drawRoundedRect(QRectF(11, 19, 42, 20), 2, 2);
  // Front flap.
  p.setBrush(vertical(24, 56, QColor(255, 214, 70), QColor(250, 190, 36)));
  p.drawPath(MakePath({6, 27},
                      {QuadTo(6, 24, 9, 24), LineTo(55, 24), QuadTo(58, 24, 58, 27), LineTo(58, 52),
                       QuadTo(58, 56, 54, 56), LineTo(10, 56), QuadTo(6, 56, 6, 52)},
                      Ends::kClosed));
  p.setBrush(QColor(255, 236, 160, 170));
  p.drawRect(QRectF(6, 24, 52, 2.5));
}

// 4: web - a globe with meridians and parallels.
void DrawGlobeIcon(QPainter& p) {
  const QPointF c(32, 32);
  const double r = 27;
  p.setPen(Qt::NoPen);
  const QRadialGradient g = RadialGradient(
      QPointF(24, 22), 40, {{0.0, QColor(84, 212, 120)}, {1.0, QColor(26, 150, 78)}});
  p.setBrush(g);
  p.drawEllipse(c, r, r);

  QPainterPath disc;
  disc.addEllipse(c, r, r);
  p.save();
  p.setClipPath(disc);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(214, 250, 222), 2.6));
  p.drawEllipse(c, 11, r);
  p.drawLine(QPointF(32, 4), QPointF(32, 60));
  p.drawLine(QPointF(4, 32), QPointF(60, 32));
  // Parallels bend slightly, as on a sphere.
  for (double dy : {-14.0, 14.0}) {
    QPainterPath par;
    const double y = 32 + dy;
    par.moveTo(4, y + (dy < 0 ? 3 : -3));
    par.quadTo(32, y + (dy < 0 ? -4 : 4), 60, y + (dy < 0 ? 3 : -3));
    p.drawPath(par);
  }
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(18, 118, 60), 1.6));
  p.drawEllipse(c, r - 0.8, r - 0.8);
}

// 5: release notes - a spiral bound notepad.
void DrawNotepadIcon(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(vertical(8, 61, QColor(160, 96, 236), QColor(128, 68, 210)));
  p.drawRoundedRect(QRectF(10, 8, 44, 53), 5, 5);
  // Paper.
  p.setBrush(QColor(250, 246, 255));
  p.drawRoundedRect(QRectF(15, 19, 34, 37), 2, 2);
  // Binding band.
  p.setBrush(QColor(100, 48, 176));
  p.drawRoundedRect(QRectF(10, 8, 44, 9), 4, 4);
  p.drawRect(QRectF(10, 12, 44, 5));
  // Spiral rings.
  for (int i = 0; i < 5; ++i) {
    const double x = 16 + i * 8;
    p.setBrush(QColor(60, 30, 110));
    p.drawEllipse(QPointF(x + 1.5, 13), 2, 2);
    p.setBrush(QColor(226, 226, 236));
    p.drawRoundedRect(QRectF(x, 3, 3, 12), 1.5, 1.5);
  }
  // Bulleted notes.
  for (int i = 0; i < 4; ++i) {
    const double y = 25 + i * 7.5;
    p.setBrush(QColor(150, 90, 230));
    p.drawEllipse(QPointF(20.5, y + 1.6), 1.9, 1.9);
    p.setBrush(QColor(190, 170, 222));
    RoundedLine(p, 25, y, i == 3 ? 12 : 19, 3.2);
  }
}

// 6: terminal - a dark console window with a prompt.
void DrawTerminalIcon(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 44, 52));
  p.drawRoundedRect(QRectF(4, 9, 56, 46), 6, 6);
  p.setBrush(QColor(74, 80, 92));
  QPainterPath bar;
  bar.addRoundedRect(QRectF(4, 9, 56, 10), 6, 6);
  bar.addRect(QRectF(4, 14, 56, 5));
  bar.setFillRule(Qt::WindingFill);
  p.drawPath(bar.simplified());
  const std::array<QColor, 3> dots = {QColor(236, 96, 90), QColor(240, 190, 70),
                                      QColor(90, 200, 110)};
  for (int i = 0; i < 3; ++i) {
    p.setBrush(dots[i]);
    p.drawEllipse(QPointF(11 + i * 6.5, 14), 2, 2);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(120, 236, 150), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF{QPointF(13, 28), QPointF(22, 36), QPointF(13, 44)});
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(236, 240, 246));
  RoundedLine(p, 27, 41.5, 15, 4.2);
  p.setBrush(QColor(255, 255, 255, 25));
  p.drawRect(QRectF(4, 19, 56, 1));
}

// 7: music - a pair of beamed notes.
void DrawMusicIcon(QPainter& p) {
  const QColor pink(236, 72, 153);
  const QColor deep(206, 44, 124);
  p.setPen(Qt::NoPen);
  auto head = [&](const QPointF& c) {
    p.save();
    p.translate(c);
    p.rotate(-22);
    p.drawEllipse(QPointF(0, 0), 9.5, 6.8);
    p.restore();
  };
  p.setBrush(pink);
  // Stems and beams.
  p.drawRect(QRectF(24.5, 15, 4.5, 35));
  p.drawRect(QRectF(52.5, 9, 4.5, 34));
  p.setBrush(deep);
  p.drawPolygon(QPolygonF{QPointF(24.5, 13), QPointF(57, 5), QPointF(57, 14), QPointF(24.5, 22)});
  p.drawPolygon(
      QPolygonF{QPointF(24.5, 26), QPointF(57, 18), QPointF(57, 23.5), QPointF(24.5, 31.5)});
  p.setBrush(pink);
  head(QPointF(18.5, 50));
  head(QPointF(46.5, 43));
  p.setBrush(QColor(255, 255, 255, 110));
  for (const QPointF c : {QPointF(15.5, 47.5), QPointF(43.5, 40.5)}) {
    p.save();
    p.translate(c);
    p.rotate(-22);
    p.drawEllipse(QPointF(0, 0), 3.2, 1.8);
    p.restore();
  }
}

// 8: settings - a gear wheel.
void DrawGearIcon(QPainter& p) {
  const QPointF c(32, 32);
  QPainterPath gear;
  gear.addEllipse(c, 21.5, 21.5);
  for (int i = 0; i < 8; ++i) {
    QPainterPath tooth;
    tooth.addRoundedRect(QRectF(-6, -29, 12, 11), 2.2, 2.2);
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(i * 45.0 + 22.5);
    gear = gear.united(t.map(tooth));
  }
  QPainterPath hole;
  hole.addEllipse(c, 9, 9);
  gear = gear.subtracted(hole);
  p.setPen(Qt::NoPen);
  p.setBrush(vertical(3, 61, QColor(40, 190, 180), QColor(16, 140, 138)));
  p.drawPath(gear);
  // Inner ring for depth.
  QPainterPath ring;
  ring.addEllipse(c, 15, 15);
  ring.addEllipse(c, 9, 9);
  p.setBrush(QColor(10, 110, 110, 110));
  p.drawPath(ring);
}

// Button n of the demo menu is drawn by kIcons[n - 1].
constexpr std::array<void (*)(QPainter&), kButtonCount> kIcons = {
    DrawInstallerIcon, DrawManualIcon,   DrawFolderIcon, DrawGlobeIcon,
    DrawNotepadIcon,   DrawTerminalIcon, DrawMusicIcon,  DrawGearIcon};

}  // namespace

QImage MakeDemoButton(int n, int size) {
  QImage img = NewImage(size, size, Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);
  kIcons.at(n - 1)(p);
  p.end();
  return img;
}

}  // namespace discmenu::art
