// The demo menu's background: a night sky with aurora curtains over mountains,
// the product mark, title and footer of the made-up "Aurora Studio" disc.
#include "tools/art/assets.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>
#include <cmath>

#include "tools/art/drawing.h"

namespace discmenu::art {

namespace {

// The night sky: gradients and sparse stars, kept out of the title and the buttons.
void DrawSky(QPainter& p) {
  const QRectF all(0, 0, 640, 480);

  const QLinearGradient base = LinearGradient(
      {0, 0}, {0, 480},
      {{0.0, QColor(9, 20, 44)}, {0.5, QColor(13, 34, 68)}, {1.0, QColor(7, 16, 36)}});
  p.fillRect(all, base);

  const QRadialGradient teal = RadialGradient({640, 0}, 520,
                                              {{0.0, QColor(22, 110, 128, 120)},
                                               {0.5, QColor(22, 90, 120, 40)},
                                               {1.0, QColor(22, 90, 120, 0)}});
  p.fillRect(all, teal);

  const QRadialGradient violet = RadialGradient(
      QPointF(660, 500), 380, {{0.0, QColor(96, 60, 170, 110)}, {1.0, QColor(96, 60, 170, 0)}});
  p.fillRect(all, violet);

  const QRadialGradient shade = RadialGradient(
      QPointF(60, 260), 380, {{0.0, QColor(0, 0, 0, 0)}, {1.0, QColor(0, 0, 10, 50)}});
  p.fillRect(all, shade);

  // Sparse stars, kept out of the title and the button area.
  Lcg rng(2026);
  for (int i = 0; i < 70; ++i) {
    const double x = rng.Range(300, 640);
    const double y = rng.Range(2, 58);
    const double r = rng.Range(0.35, 1.0);
    const int a = static_cast<int>(rng.Range(60, 200) * Smoothstep(300, 420, x));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 236, 255, a));
    p.drawEllipse(QPointF(x, y), r, r);
  }
}

// Draws with `draw` on a layer of its own at `scale`, softens the layer by
// `blur` canvas pixels and adds it onto `img`.
void AddSoftLayer(QImage& img, double scale, double blur,
                  const std::function<void(QPainter&)>& draw) {
  QImage layer = NewImage(img.width(), img.height(), Qt::transparent);
  QPainter a(&layer);
  a.setRenderHint(QPainter::Antialiasing);
  a.scale(scale, scale);
  draw(a);
  a.end();
  SoftBlur(layer, static_cast<int>(std::lround(blur * scale)));
  QPainter p(&img);
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  p.drawImage(0, 0, layer);
}

// Aurora curtains in the upper right, each with a bright lower hem and rays rising from it.
void DrawAurora(QPainter& a) {
  a.setPen(Qt::NoPen);
  struct Curtain {
    double x0, x1, base, tilt, amp1, amp2, rays, strength;
    QColor hem, top;
  };
  const std::array<Curtain, 2> curtains = {{
      {380, 660, 30, -0.02, 7, 4, 38, 0.55, QColor(120, 150, 255), QColor(190, 90, 220)},
      {300, 660, 54, -0.07, 9, 5, 56, 1.0, QColor(90, 255, 180), QColor(150, 90, 230)},
  }};
  for (const Curtain& c : curtains) {
    for (double x = c.x0; x <= c.x1; x += 0.75) {
      const double u = x - c.x0;
      const double hem =
          c.base + c.amp1 * std::sin(u / 70.0) + c.amp2 * std::sin(u / 27.0 + 1.1) + c.tilt * u;
      const double len = c.rays * (0.7 + 0.3 * std::sin(u / 19.0 + 0.4));
      const double fade = Smoothstep(c.x0, c.x0 + 130, x);
      const double rayMod = 0.55 + 0.45 * std::pow(std::sin(u / 6.5) * std::sin(u / 17.0 + 2.0), 2);
      const int alpha = static_cast<int>(165 * c.strength * fade * rayMod);
      const QLinearGradient g = LinearGradient({0, hem + 3}, {0, hem - len},
                                               {{0.0, WithAlpha(c.hem, 0)},
                                                {0.06, WithAlpha(c.hem, alpha)},
                                                {0.35, WithAlpha(c.hem, alpha / 2)},
                                                {0.7, WithAlpha(c.top, alpha / 5)},
                                                {1.0, WithAlpha(c.top, 0)}});
      a.fillRect(QRectF(x, hem - len, 0.9, len + 3), g);
    }
  }
}

// Large, very soft rings on the right side.
void DrawRings(QPainter& a) {
  a.setBrush(Qt::NoBrush);
  a.setPen(QPen(QColor(60, 200, 220, 34), 26));
  a.drawEllipse(QPointF(860, 250), 270, 270);
  a.setPen(QPen(QColor(130, 90, 230, 30), 16));
  a.drawEllipse(QPointF(840, 300), 200, 200);
}

// Mountain silhouettes along the bottom right.
void DrawMountains(QPainter& p) {
  // The far range rises to a jagged ridge that runs out at the right edge.
  const QPolygonF ridge{{440, 430}, {468, 416}, {490, 424}, {530, 404},
                        {560, 418}, {588, 408}, {640, 430}};
  QPainterPath far =
      MakePath({300, 480}, {LineTo(300, 470), CubicTo(360, 462, 400, 446, 440, 430)}, Ends::kOpen);
  for (const QPointF& pt : ridge.sliced(1)) far.lineTo(pt);
  far.lineTo(640, 480);
  far.closeSubpath();
  const QLinearGradient g =
      LinearGradient({0, 400}, {0, 480}, {{0.0, QColor(30, 52, 92)}, {1.0, QColor(12, 24, 48)}});
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(far);
  // Light catching the ridge.
  p.setPen(QPen(QColor(120, 220, 230, 70), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(Polyline(ridge, Ends::kOpen));

  const QPainterPath near =
      MakePath({360, 480},
               {CubicTo(420, 470, 470, 452, 510, 442), LineTo(546, 430), LineTo(574, 444),
                LineTo(610, 432), LineTo(640, 446), LineTo(640, 480)},
               Ends::kClosed);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(7, 15, 32));
  p.drawPath(near);
}

// Thin separators under the title and above the footer.
void DrawSeparators(QPainter& p) {
  const QLinearGradient g = LinearGradient({24, 0}, {616, 0},
                                           {{0.0, QColor(120, 220, 240, 110)},
                                            {0.6, QColor(120, 220, 240, 40)},
                                            {1.0, QColor(120, 220, 240, 0)}});
  p.fillRect(QRectF(24, 57, 592, 0.8), g);
  p.fillRect(QRectF(24, 398, 592, 0.8), g);
}

// The product mark: a rounded tile with a peak and an aurora swoosh.
void DrawProductMark(QPainter& p) {
  const QRectF tile(24, 12, 40, 40);
  const QLinearGradient g = LinearGradient(
      tile.topLeft(), tile.bottomRight(),
      {{0.0, QColor(60, 230, 190)}, {0.55, QColor(40, 150, 220)}, {1.0, QColor(120, 80, 220)}});
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRoundedRect(tile, 10, 10);
  p.setBrush(QColor(255, 255, 255, 50));
  p.drawRoundedRect(QRectF(26, 14, 36, 16), 8, 8);
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF{QPointF(31, 45), QPointF(44, 24), QPointF(57, 45), QPointF(51.5, 45),
                          QPointF(44, 32.5), QPointF(36.5, 45)});
  p.setPen(QPen(QColor(255, 255, 255, 230), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(MakePath({29, 39}, {CubicTo(38, 33, 48, 41, 59, 33)}, Ends::kOpen));
}

// Title and subtitle.
void DrawTitle(QPainter& p) {
  const QFont title = UiFont(27, true);
  const QFontMetricsF fm(title);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 90));
  p.drawText(QPointF(75.5, 38.5), QStringLiteral("Aurora Studio"));
  p.setPen(QColor(246, 250, 255));
  p.drawText(QPointF(74, 37), QStringLiteral("Aurora Studio"));
  const double x5 = 74 + fm.horizontalAdvance(QStringLiteral("Aurora Studio ")) - 1;
  const QLinearGradient g = LinearGradient(
      {x5, 14}, {x5 + 18, 38}, {{0.0, QColor(110, 250, 210)}, {1.0, QColor(70, 180, 255)}});
  p.setPen(QPen(QBrush(g), 1));
  p.drawText(QPointF(x5, 37), QStringLiteral("5"));

  p.setFont(UiFont(11.5, false));
  p.setPen(QColor(150, 180, 214));
  p.drawText(QPointF(75, 52), QStringLiteral("Creative suite for images, sound and video"));
}

// Footer.
void DrawFooter(QPainter& p) {
  p.setFont(UiFont(11, false));
  p.setPen(QColor(150, 172, 205));
  p.drawText(QPointF(24, 424),
             QString::fromUtf8("\u00a9 2026 Aurora Software \u2014 Insert the disc and choose an "
                               "option"));
  p.setPen(QColor(110, 132, 168));
  p.drawText(QPointF(24, 442), QStringLiteral("Version 5.0  \u00b7  Installation disc 1 of 1"));
}

}  // namespace

// Everything is laid out on a 640x480 canvas; `scale` renders it larger.
QImage MakeDemoBackground(int scale) {
  const double s = scale;
  QImage img = NewImage(640 * scale, 480 * scale, Qt::black);
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s, s);
    DrawSky(p);
  }
  AddSoftLayer(img, s, 1.5, DrawAurora);
  AddSoftLayer(img, s, 9, DrawRings);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(s, s);
  for (void (*draw)(QPainter&) :
       {DrawMountains, DrawSeparators, DrawProductMark, DrawTitle, DrawFooter})
    draw(p);
  p.end();
  return img;
}

}  // namespace discmenu::art
