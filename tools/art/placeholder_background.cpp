// The placeholder background: a lighthouse and whitewashed walls on a headland
// under a blue sky, drawn at twice the size and scaled down.
#include "tools/art/assets.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include "tools/art/drawing.h"

namespace discmenu::art {

namespace {

constexpr double kHorizon = 292;

// The tower: its axis, foot and top, and its half widths there.
constexpr double kTowerX = 482;
constexpr double kTowerBaseY = 334;
constexpr double kTowerTopY = 124;
constexpr double kTowerBaseHalf = 31;
constexpr double kTowerTopHalf = 20;

double HalfAt(double y) {
  return kTowerBaseHalf +
         (kTowerTopHalf - kTowerBaseHalf) * (kTowerBaseY - y) / (kTowerBaseY - kTowerTopY);
}

// The sky, the distant coast on the left and the sea.
void DrawSky(QPainter& p) {
  {
    const QLinearGradient g = LinearGradient(
        {0, 0}, {0, kHorizon},
        {{0.0, QColor(22, 86, 184)}, {0.55, QColor(70, 145, 222)}, {1.0, QColor(168, 210, 242)}});
    p.fillRect(QRectF(0, 0, 640, kHorizon + 1), g);
    const QRadialGradient sun = RadialGradient({120, 60}, 190,
                                               {{0.0, QColor(255, 255, 240, 120)},
                                                {0.25, QColor(255, 255, 240, 40)},
                                                {1.0, QColor(255, 255, 240, 0)}});
    p.fillRect(QRectF(0, 0, 640, kHorizon + 1), sun);
  }

  // Distant coast on the left.
  p.setPen(Qt::NoPen);
  {
    p.setBrush(QColor(120, 160, 192));
    p.drawPath(MakePath(
        {0, kHorizon + 1},
        {LineTo(0, kHorizon - 14), CubicTo(40, kHorizon - 22, 90, kHorizon - 16, 130, kHorizon - 8),
         CubicTo(160, kHorizon - 3, 190, kHorizon - 2, 220, kHorizon + 1)},
        Ends::kClosed));
  }

  // Sea.
  {
    const QLinearGradient g = LinearGradient(
        {0, kHorizon}, {0, 440}, {{0.0, QColor(44, 118, 182)}, {1.0, QColor(14, 66, 132)}});
    p.fillRect(QRectF(0, kHorizon, 640, 480 - kHorizon), g);
    Lcg rng(1207);
    for (int i = 0; i < 60; ++i) {
      const double y = rng.Range(kHorizon + 4, 392);
      const double depth = (y - kHorizon) / (400 - kHorizon);
      const double len = 6 + 22 * depth * rng.Next();
      const double x = rng.Range(0, 420);
      p.setPen(QPen(QColor(210, 235, 250, static_cast<int>(50 + 70 * rng.Next())), 0.8 + depth));
      p.drawLine(QPointF(x, y), QPointF(x + len, y));
    }
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, kHorizon, 640, 1.2), QColor(235, 245, 252, 150));
  }
}

// The headland: rock, cliff edge and grass.
void DrawHeadland(QPainter& p) {
  const QPainterPath land = MakePath(
      {0, 480},
      {LineTo(0, 418), CubicTo(90, 410, 180, 398, 250, 378), CubicTo(290, 366, 318, 346, 350, 336),
       CubicTo(400, 326, 520, 322, 640, 320), LineTo(640, 480)},
      Ends::kClosed);
  {
    // Rocky cliff edge just under the grass line.
    const QPainterPath cliff =
        MakePath({0, 430},
                 {CubicTo(90, 422, 180, 410, 250, 390), CubicTo(290, 378, 318, 358, 350, 348),
                  LineTo(350, 336), CubicTo(318, 346, 290, 366, 250, 378),
                  CubicTo(180, 398, 90, 410, 0, 418)},
                 Ends::kClosed);
    const QLinearGradient g = LinearGradient(
        {0, 330}, {0, 440}, {{0.0, QColor(168, 146, 118)}, {1.0, QColor(120, 100, 84)}});
    p.setBrush(g);
    p.drawPath(land);
    p.setBrush(QColor(98, 82, 70, 120));
    p.drawPath(cliff);
  }
  {
    const QPainterPath grass = MakePath({0, 480},
                                        {LineTo(0, 432), CubicTo(90, 424, 180, 412, 252, 392),
                                         CubicTo(292, 380, 322, 360, 354, 350),
                                         CubicTo(404, 340, 520, 334, 640, 332), LineTo(640, 480)},
                                        Ends::kClosed);
    const QLinearGradient g = LinearGradient(
        {0, 330}, {0, 480}, {{0.0, QColor(150, 168, 86)}, {1.0, QColor(92, 120, 58)}});
    p.setBrush(g);
    p.drawPath(grass);
  }
}

// The lighthouse tower, banded, with its windows.
void DrawTower(QPainter& p) {
  {
    const int bands = 6;
    const double bandH = (kTowerBaseY - kTowerTopY) / bands;
    // Lit from the left; the bands alternate, starting dark at the foot.
    const QGradientStops dark{
        {0.0, QColor(58, 58, 64)}, {0.35, QColor(40, 40, 46)}, {1.0, QColor(12, 12, 16)}};
    const QGradientStops light{
        {0.0, QColor(252, 252, 250)}, {0.35, QColor(244, 244, 242)}, {1.0, QColor(176, 184, 198)}};
    for (int i = 0; i < bands; ++i) {
      const double y0 = kTowerBaseY - i * bandH;
      const double y1 = y0 - bandH;
      p.setBrush(LinearGradient({kTowerX - kTowerBaseHalf, 0}, {kTowerX + kTowerBaseHalf, 0},
                                i % 2 == 0 ? dark : light));
      const double h0 = HalfAt(y0);
      const double h1 = HalfAt(y1);
      p.drawPolygon(QPolygonF{QPointF(kTowerX - h0, y0), QPointF(kTowerX + h0, y0),
                              QPointF(kTowerX + h1, y1), QPointF(kTowerX - h1, y1)});
    }
    // Small windows in the white bands.
    p.setBrush(QColor(40, 52, 70));
    for (int i = 1; i < bands; i += 2) {
      const double yc = kTowerBaseY - (i + 0.5) * bandH;
      p.drawRoundedRect(QRectF(kTowerX - 5, yc - 7, 8, 14), 3, 3);
    }
  }
}

// The gallery, the lantern and its roof, and the door at the foot of the tower.
void DrawLantern(QPainter& p) {
  {
    p.setBrush(QColor(30, 30, 36));
    p.drawRect(QRectF(kTowerX - 29, kTowerTopY - 7, 58, 7));
    p.setPen(QPen(QColor(30, 30, 36), 1.6));
    p.drawLine(QPointF(kTowerX - 27, kTowerTopY - 22), QPointF(kTowerX + 27, kTowerTopY - 22));
    for (int i = 0; i <= 9; ++i) {
      const double x = kTowerX - 27 + i * 6;
      p.drawLine(QPointF(x, kTowerTopY - 22), QPointF(x, kTowerTopY - 7));
    }
    p.setPen(Qt::NoPen);
    // Lantern glass with a warm glow.
    const QRadialGradient glow =
        RadialGradient({kTowerX, kTowerTopY - 30}, 60,
                       {{0.0, QColor(255, 250, 210, 110)}, {1.0, QColor(255, 250, 210, 0)}});
    p.setBrush(glow);
    p.drawEllipse(QPointF(kTowerX, kTowerTopY - 30), 60, 60);
    const QLinearGradient glass =
        LinearGradient({kTowerX - 15, 0}, {kTowerX + 15, 0},
                       {{0.0, QColor(255, 248, 214)}, {1.0, QColor(236, 210, 140)}});
    p.setBrush(glass);
    p.drawRect(QRectF(kTowerX - 15, kTowerTopY - 40, 30, 33));
    p.setPen(QPen(QColor(28, 28, 34), 2.2));
    for (double x : {kTowerX - 15.0, kTowerX - 5.0, kTowerX + 5.0, kTowerX + 15.0})
      p.drawLine(QPointF(x, kTowerTopY - 40), QPointF(x, kTowerTopY - 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 22, 28));
    p.drawPath(MakePath({kTowerX - 20, kTowerTopY - 39},
                        {CubicTo(kTowerX - 18, kTowerTopY - 56, kTowerX - 8, kTowerTopY - 62,
                                 kTowerX, kTowerTopY - 62),
                         CubicTo(kTowerX + 8, kTowerTopY - 62, kTowerX + 18, kTowerTopY - 56,
                                 kTowerX + 20, kTowerTopY - 39)},
                        Ends::kClosed));
    p.drawRect(QRectF(kTowerX - 1.2, kTowerTopY - 74, 2.4, 13));
    p.drawEllipse(QPointF(kTowerX, kTowerTopY - 64), 3.2, 3.2);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QPointF(kTowerX - 9, kTowerTopY - 52), 3.5, 6);
  }
  // Door at the foot of the tower.
  p.setBrush(QColor(32, 70, 140));
  {
    QPainterPath door;
    door.moveTo(kTowerX - 9, kTowerBaseY);
    door.lineTo(kTowerX - 9, kTowerBaseY - 20);
    door.arcTo(QRectF(kTowerX - 9, kTowerBaseY - 29, 18, 18), 180, -180);
    door.lineTo(kTowerX + 9, kTowerBaseY);
    door.closeSubpath();
    p.drawPath(door);
  }
}

// The keeper's house: white cubes with flat roofs and blue shutters.
void DrawKeepersHouse(QPainter& p) {
  auto white_block = [&](const QRectF& front, double sideW, double roofH) {
    // Sunlit front.
    const QLinearGradient g =
        LinearGradient(front.topLeft(), front.bottomLeft(),
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
  white_block(QRectF(380, 296, 64, 42), 10, 6);
  white_block(QRectF(352, 312, 40, 28), 8, 5);
  p.setBrush(QColor(36, 92, 176));
  p.drawRect(QRectF(392, 308, 10, 12));
  p.drawRect(QRectF(420, 308, 10, 12));
  p.drawRect(QRectF(362, 320, 8, 18));
  p.setBrush(QColor(20, 40, 80, 150));
  p.drawRect(QRectF(394, 310, 6, 8));
  p.drawRect(QRectF(422, 310, 6, 8));
}

// The long whitewashed wall in front of the buildings.
void DrawWall(QPainter& p) {
  {
    const QPainterPath wall =
        MakePath({300, 366},
                 {CubicTo(330, 352, 360, 344, 400, 340), LineTo(640, 336), LineTo(640, 354),
                  LineTo(400, 359), CubicTo(360, 362, 330, 370, 300, 384)},
                 Ends::kClosed);
    const QLinearGradient g = LinearGradient(
        {0, 336}, {0, 384}, {{0.0, QColor(255, 255, 252)}, {1.0, QColor(226, 230, 236)}});
    p.setBrush(g);
    p.drawPath(wall);
    // Coping along the top edge.
    p.setPen(QPen(QColor(205, 214, 226), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(MakePath({300, 367}, {CubicTo(330, 353, 360, 345, 400, 341), LineTo(640, 337)},
                        Ends::kOpen));
    p.setPen(Qt::NoPen);
    // Shadow cast on the grass.
    p.setBrush(QColor(40, 60, 30, 90));
    p.drawPath(MakePath({300, 384},
                        {CubicTo(330, 370, 360, 362, 400, 359), LineTo(640, 354), LineTo(640, 362),
                         LineTo(400, 368), CubicTo(360, 371, 330, 380, 306, 392)},
                        Ends::kClosed));
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
}

// Shrubs and stones in the foreground.
void DrawForeground(QPainter& p) {
  {
    Lcg rng(77);
    for (int i = 0; i < 9; ++i) {
      const double x = rng.Range(20, 620);
      const double y = rng.Range(410, 468);
      const double r = rng.Range(5, 12);
      p.setBrush(QColor(62, 92, 44, 220));
      p.drawEllipse(QPointF(x, y), r * 1.6, r);
      p.setBrush(QColor(110, 140, 70, 160));
      p.drawEllipse(QPointF(x - r * 0.4, y - r * 0.35), r * 0.8, r * 0.5);
    }
    for (int i = 0; i < 6; ++i) {
      const double x = rng.Range(40, 600);
      const double y = rng.Range(420, 472);
      p.setBrush(QColor(190, 182, 168));
      p.drawEllipse(QPointF(x, y), 7, 4);
      p.setBrush(QColor(140, 132, 122));
      p.drawEllipse(QPointF(x + 1.5, y + 1.5), 5, 2.5);
    }
  }
}

void DrawLighthouseScene(QPainter& p) {
  for (void (*draw)(QPainter&) :
       {DrawSky, DrawHeadland, DrawTower, DrawLantern, DrawKeepersHouse, DrawWall, DrawForeground})
    draw(p);
}

}  // namespace

QImage MakePlaceholderBackground() {
  return Supersample(640, 480, 2, Qt::white, DrawLighthouseScene);
}

}  // namespace discmenu::art
