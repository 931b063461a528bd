// The placeholder button: an open carton box holding an optical disc, drawn on
// a 64x64 grid at four times the size and scaled down.
#include "tools/art/assets.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include "tools/art/drawing.h"

namespace discmenu::art {

namespace {

// A soft shadow on the floor under the box.
void DrawFloorShadow(QPainter& p) {
  const QRadialGradient g = RadialGradient(
      QPointF(34, 58), 26, {{0.0, QColor(30, 60, 110, 70)}, {1.0, QColor(30, 60, 110, 0)}});
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.translate(34, 58);
  p.scale(1.0, 0.22);
  p.drawEllipse(QPointF(0, 0), 28, 28);
  p.restore();
}

// The disc, partly sunk into the box, with a light streak and its hub.
void DrawDisc(QPainter& p) {
  const QPointF c(33, 21);
  const double r = 15.5;
  const QRadialGradient g = RadialGradient({28, 15}, 22,
                                           {{0.0, QColor(240, 248, 255)},
                                            {0.45, QColor(170, 205, 245)},
                                            {0.8, QColor(95, 150, 225)},
                                            {1.0, QColor(70, 125, 210)}});
  p.setBrush(g);
  p.setPen(QPen(QColor(40, 90, 170), 0.9));
  p.drawEllipse(c, r, r);
  // Light streak across the data area.
  p.save();
  QPainterPath clip;
  clip.addEllipse(c, r - 0.6, r - 0.6);
  p.setClipPath(clip);
  p.setPen(Qt::NoPen);
  const QLinearGradient s = LinearGradient({20, 8}, {44, 32},
                                           {{0.0, QColor(255, 255, 255, 0)},
                                            {0.45, QColor(255, 255, 255, 150)},
                                            {0.55, QColor(200, 230, 255, 150)},
                                            {1.0, QColor(255, 255, 255, 0)}});
  p.setBrush(s);
  p.drawPolygon(QPolygonF{QPointF(14, 22), QPointF(30, 2), QPointF(36, 6), QPointF(22, 30)});
  p.restore();
  // Hub.
  p.setBrush(QColor(225, 236, 250));
  p.setPen(QPen(QColor(60, 110, 185), 0.8));
  p.drawEllipse(c, 5.2, 5.2);
  p.setBrush(Qt::white);
  p.drawEllipse(c, 2.2, 2.2);
}

void DrawCartonWithDisc(QPainter& p) {
  // Coordinates are in a 64x64 box.
  const QColor edge(22, 58, 120);
  p.setPen(QPen(edge, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

  DrawFloorShadow(p);

  // Box corners: front face and the back rim of the opening.
  const QPointF fTL(9, 31), fTR(41, 31), fBR(41, 57), fBL(9, 57);
  const QPointF bTL(21, 24), bTR(54, 24), sBR(54, 49);

  // Back flaps (behind the disc).
  p.setBrush(QColor(120, 165, 225));
  p.drawPolygon(QPolygonF{bTL, bTR, QPointF(58, 11), QPointF(26, 11)});

  // Inside of the box.
  p.setBrush(QColor(28, 62, 128));
  p.drawPolygon(QPolygonF{fTL, fTR, bTR, bTL});

  DrawDisc(p);
  p.setPen(QPen(edge, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

  // Right side face.
  {
    const QLinearGradient g =
        LinearGradient(fTR, sBR, {{0.0, QColor(40, 95, 180)}, {1.0, QColor(30, 75, 155)}});
    p.setBrush(g);
    p.drawPolygon(QPolygonF{fTR, bTR, sBR, fBR});
  }
  // Front face.
  {
    const QLinearGradient g =
        LinearGradient(fTL, fBR, {{0.0, QColor(85, 150, 235)}, {1.0, QColor(50, 115, 210)}});
    p.setBrush(g);
    p.drawPolygon(QPolygonF{fTL, fTR, fBR, fBL});
  }
  // Packing tape strip and a small label.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 195, 245, 170));
  p.drawRect(QRectF(22, 31.5, 6, 25));
  p.setBrush(QColor(255, 255, 255, 230));
  p.drawRoundedRect(QRectF(30.5, 44, 8, 8), 1, 1);
  p.setPen(QPen(edge, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

  // Front flaps folded open towards the viewer.
  p.setBrush(QColor(105, 165, 240));
  p.drawPolygon(QPolygonF{fTL, bTL, QPointF(12, 19), QPointF(1, 26)});
  p.setBrush(QColor(70, 130, 220));
  p.drawPolygon(QPolygonF{fTR, bTR, QPointF(62, 30), QPointF(50, 38)});
}

}  // namespace

QImage MakePlaceholderButton() {
  return Supersample(64, 64, 4, Qt::white, DrawCartonWithDisc);
}

}  // namespace discmenu::art
