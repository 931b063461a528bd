// The placeholder background: a lighthouse and whitewashed walls on a headland
// under a blue sky, drawn at twice the size and scaled down.
#include "assets.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include "art_common.h"

namespace discmenu::art {

namespace {

void drawLighthouseScene(QPainter& p) {
  const double horizon = 292;

  // Sky.
  {
    const QLinearGradient g = linearGradient(
        {0, 0}, {0, horizon},
        {{0.0, QColor(22, 86, 184)}, {0.55, QColor(70, 145, 222)}, {1.0, QColor(168, 210, 242)}});
    p.fillRect(QRectF(0, 0, 640, horizon + 1), g);
    const QRadialGradient sun = radialGradient({120, 60}, 190,
                                               {{0.0, QColor(255, 255, 240, 120)},
                                                {0.25, QColor(255, 255, 240, 40)},
                                                {1.0, QColor(255, 255, 240, 0)}});
    p.fillRect(QRectF(0, 0, 640, horizon + 1), sun);
  }

  // Distant coast on the left.
  p.setPen(Qt::NoPen);
  {
    p.setBrush(QColor(120, 160, 192));
    p.drawPath(makePath(
        {0, horizon + 1},
        {lineTo(0, horizon - 14), cubicTo(40, horizon - 22, 90, horizon - 16, 130, horizon - 8),
         cubicTo(160, horizon - 3, 190, horizon - 2, 220, horizon + 1)},
        Ends::Closed));
  }

  // Sea.
  {
    const QLinearGradient g = linearGradient(
        {0, horizon}, {0, 440}, {{0.0, QColor(44, 118, 182)}, {1.0, QColor(14, 66, 132)}});
    p.fillRect(QRectF(0, horizon, 640, 480 - horizon), g);
    Lcg rng(1207);
    for (int i = 0; i < 60; ++i) {
      const double y = rng.range(horizon + 4, 392);
      const double depth = (y - horizon) / (400 - horizon);
      const double len = 6 + 22 * depth * rng.next();
      const double x = rng.range(0, 420);
      p.setPen(QPen(QColor(210, 235, 250, static_cast<int>(50 + 70 * rng.next())), 0.8 + depth));
      p.drawLine(QPointF(x, y), QPointF(x + len, y));
    }
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, horizon, 640, 1.2), QColor(235, 245, 252, 150));
  }

  // Headland.
  const QPainterPath land = makePath(
      {0, 480},
      {lineTo(0, 418), cubicTo(90, 410, 180, 398, 250, 378), cubicTo(290, 366, 318, 346, 350, 336),
       cubicTo(400, 326, 520, 322, 640, 320), lineTo(640, 480)},
      Ends::Closed);
  {
    // Rocky cliff edge just under the grass line.
    const QPainterPath cliff =
        makePath({0, 430},
                 {cubicTo(90, 422, 180, 410, 250, 390), cubicTo(290, 378, 318, 358, 350, 348),
                  lineTo(350, 336), cubicTo(318, 346, 290, 366, 250, 378),
                  cubicTo(180, 398, 90, 410, 0, 418)},
                 Ends::Closed);
    const QLinearGradient g = linearGradient(
        {0, 330}, {0, 440}, {{0.0, QColor(168, 146, 118)}, {1.0, QColor(120, 100, 84)}});
    p.setBrush(g);
    p.drawPath(land);
    p.setBrush(QColor(98, 82, 70, 120));
    p.drawPath(cliff);
  }
  {
    const QPainterPath grass = makePath({0, 480},
                                        {lineTo(0, 432), cubicTo(90, 424, 180, 412, 252, 392),
                                         cubicTo(292, 380, 322, 360, 354, 350),
                                         cubicTo(404, 340, 520, 334, 640, 332), lineTo(640, 480)},
                                        Ends::Closed);
    const QLinearGradient g = linearGradient(
        {0, 330}, {0, 480}, {{0.0, QColor(150, 168, 86)}, {1.0, QColor(92, 120, 58)}});
    p.setBrush(g);
    p.drawPath(grass);
  }

  // Lighthouse tower.
  const double cx = 482;
  const double baseY = 334;
  const double topY = 124;
  const double baseHalf = 31;
  const double topHalf = 20;
  auto halfAt = [&](double y) {
    return baseHalf + (topHalf - baseHalf) * (baseY - y) / (baseY - topY);
  };
  {
    const int bands = 6;
    const double bandH = (baseY - topY) / bands;
    // Lit from the left; the bands alternate, starting dark at the foot.
    const QGradientStops dark{
        {0.0, QColor(58, 58, 64)}, {0.35, QColor(40, 40, 46)}, {1.0, QColor(12, 12, 16)}};
    const QGradientStops light{
        {0.0, QColor(252, 252, 250)}, {0.35, QColor(244, 244, 242)}, {1.0, QColor(176, 184, 198)}};
    for (int i = 0; i < bands; ++i) {
      const double y0 = baseY - i * bandH;
      const double y1 = y0 - bandH;
      p.setBrush(linearGradient({cx - baseHalf, 0}, {cx + baseHalf, 0}, i % 2 == 0 ? dark : light));
      const double h0 = halfAt(y0);
      const double h1 = halfAt(y1);
      p.drawPolygon(QPolygonF{QPointF(cx - h0, y0), QPointF(cx + h0, y0), QPointF(cx + h1, y1),
                              QPointF(cx - h1, y1)});
    }
    // Small windows in the white bands.
    p.setBrush(QColor(40, 52, 70));
    for (int i = 1; i < bands; i += 2) {
      const double yc = baseY - (i + 0.5) * bandH;
      p.drawRoundedRect(QRectF(cx - 5, yc - 7, 8, 14), 3, 3);
    }
  }
  // Gallery, lantern and roof.
  {
    p.setBrush(QColor(30, 30, 36));
    p.drawRect(QRectF(cx - 29, topY - 7, 58, 7));
    p.setPen(QPen(QColor(30, 30, 36), 1.6));
    p.drawLine(QPointF(cx - 27, topY - 22), QPointF(cx + 27, topY - 22));
    for (int i = 0; i <= 9; ++i) {
      const double x = cx - 27 + i * 6;
      p.drawLine(QPointF(x, topY - 22), QPointF(x, topY - 7));
    }
    p.setPen(Qt::NoPen);
    // Lantern glass with a warm glow.
    const QRadialGradient glow = radialGradient(
        {cx, topY - 30}, 60, {{0.0, QColor(255, 250, 210, 110)}, {1.0, QColor(255, 250, 210, 0)}});
    p.setBrush(glow);
    p.drawEllipse(QPointF(cx, topY - 30), 60, 60);
    const QLinearGradient glass = linearGradient(
        {cx - 15, 0}, {cx + 15, 0}, {{0.0, QColor(255, 248, 214)}, {1.0, QColor(236, 210, 140)}});
    p.setBrush(glass);
    p.drawRect(QRectF(cx - 15, topY - 40, 30, 33));
    p.setPen(QPen(QColor(28, 28, 34), 2.2));
    for (double x : {cx - 15.0, cx - 5.0, cx + 5.0, cx + 15.0})
      p.drawLine(QPointF(x, topY - 40), QPointF(x, topY - 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 22, 28));
    p.drawPath(makePath({cx - 20, topY - 39},
                        {cubicTo(cx - 18, topY - 56, cx - 8, topY - 62, cx, topY - 62),
                         cubicTo(cx + 8, topY - 62, cx + 18, topY - 56, cx + 20, topY - 39)},
                        Ends::Closed));
    p.drawRect(QRectF(cx - 1.2, topY - 74, 2.4, 13));
    p.drawEllipse(QPointF(cx, topY - 64), 3.2, 3.2);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QPointF(cx - 9, topY - 52), 3.5, 6);
  }
  // Door at the foot of the tower.
  p.setBrush(QColor(32, 70, 140));
  {
    QPainterPath door;
    door.moveTo(cx - 9, baseY);
    door.lineTo(cx - 9, baseY - 20);
    door.arcTo(QRectF(cx - 9, baseY - 29, 18, 18), 180, -180);
    door.lineTo(cx + 9, baseY);
    door.closeSubpath();
    p.drawPath(door);
  }

  // Keeper's house: white cubes with flat roofs and blue shutters.
  auto whiteBlock = [&](const QRectF& front, double sideW, double roofH) {
    // Sunlit front.
    const QLinearGradient g =
        linearGradient(front.topLeft(), front.bottomLeft(),
                       {{0.0, QColor(255, 255, 253)}, {1.0, QColor(236, 238, 240)}});
    p.setBrush(g);
    p.drawRect(front);
    // Shaded side.
    p.setBrush(QColor(196, 206, 222));
    p.drawPolygon(QPolygonF{front.topRight(), QPointF(front.right() + sideW, front.top() - roofH),
                            QPointF(front.right() + sideW, front.bottom() - roofH),
                            front.bottomRight()});
    // Roof top.
    p.setBrush(QColor(226, 230, 236));
    p.drawPolygon(QPolygonF{front.topLeft(), front.topRight(),
                            QPointF(front.right() + sideW, front.top() - roofH),
                            QPointF(front.left() + sideW, front.top() - roofH)});
    // Parapet line.
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(front.left() - 1, front.top() - 2, front.width() + 2, 3));
  };
  whiteBlock(QRectF(380, 296, 64, 42), 10, 6);
  whiteBlock(QRectF(352, 312, 40, 28), 8, 5);
  p.setBrush(QColor(36, 92, 176));
  p.drawRect(QRectF(392, 308, 10, 12));
  p.drawRect(QRectF(420, 308, 10, 12));
  p.drawRect(QRectF(362, 320, 8, 18));
  p.setBrush(QColor(20, 40, 80, 150));
  p.drawRect(QRectF(394, 310, 6, 8));
  p.drawRect(QRectF(422, 310, 6, 8));

  // Long whitewashed wall in front of the buildings.
  {
    const QPainterPath wall =
        makePath({300, 366},
                 {cubicTo(330, 352, 360, 344, 400, 340), lineTo(640, 336), lineTo(640, 354),
                  lineTo(400, 359), cubicTo(360, 362, 330, 370, 300, 384)},
                 Ends::Closed);
    const QLinearGradient g = linearGradient(
        {0, 336}, {0, 384}, {{0.0, QColor(255, 255, 252)}, {1.0, QColor(226, 230, 236)}});
    p.setBrush(g);
    p.drawPath(wall);
    // Coping along the top edge.
    p.setPen(QPen(QColor(205, 214, 226), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(makePath({300, 367}, {cubicTo(330, 353, 360, 345, 400, 341), lineTo(640, 337)},
                        Ends::Open));
    p.setPen(Qt::NoPen);
    // Shadow cast on the grass.
    p.setBrush(QColor(40, 60, 30, 90));
    p.drawPath(makePath({300, 384},
                        {cubicTo(330, 370, 360, 362, 400, 359), lineTo(640, 354), lineTo(640, 362),
                         lineTo(400, 368), cubicTo(360, 371, 330, 380, 306, 392)},
                        Ends::Closed));
    // Rounded end pier where the wall stops.
    p.setBrush(QColor(250, 250, 248));
    p.drawRoundedRect(QRectF(296, 360, 12, 28), 3, 3);
    p.setBrush(QColor(205, 214, 226));
    p.drawRoundedRect(QRectF(304, 361, 4, 26), 2, 2);
    // Gate posts.
    p.setBrush(QColor(250, 250, 248));
    p.drawRect(QRectF(560, 326, 9, 30));
    p.drawRect(QRectF(596, 325, 9, 30));
    p.setBrush(QColor(196, 206, 222));
    p.drawRect(QRectF(566, 326, 3, 30));
    p.drawRect(QRectF(602, 325, 3, 30));
  }

  // Shrubs and stones in the foreground.
  {
    Lcg rng(77);
    for (int i = 0; i < 9; ++i) {
      const double x = rng.range(20, 620);
      const double y = rng.range(410, 468);
      const double r = rng.range(5, 12);
      p.setBrush(QColor(62, 92, 44, 220));
      p.drawEllipse(QPointF(x, y), r * 1.6, r);
      p.setBrush(QColor(110, 140, 70, 160));
      p.drawEllipse(QPointF(x - r * 0.4, y - r * 0.35), r * 0.8, r * 0.5);
    }
    for (int i = 0; i < 6; ++i) {
      const double x = rng.range(40, 600);
      const double y = rng.range(420, 472);
      p.setBrush(QColor(190, 182, 168));
      p.drawEllipse(QPointF(x, y), 7, 4);
      p.setBrush(QColor(140, 132, 122));
      p.drawEllipse(QPointF(x + 1.5, y + 1.5), 5, 2.5);
    }
  }
}

}  // namespace

QImage makePlaceholderBackground() {
  return supersample(640, 480, 2, Qt::white, drawLighthouseScene);
}

}  // namespace discmenu::art
