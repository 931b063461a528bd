// make-art: draws every picture that ships with discmenu.
//
// Usage: make-art <repository root>
//
// All artwork is produced here from simple vector shapes, so the pictures can be
// regenerated at any time and always come out the same. Nothing random is used
// except a tiny fixed-seed generator for star positions.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include "art_common.h"
#include "assets.h"
#include "ico_writer.h"

namespace discmenu::art {
namespace {

// ---------------------------------------------------------------------------
// Demo menu: background
// ---------------------------------------------------------------------------

// Everything is laid out on a 640x480 canvas; `scale` renders it larger.
QImage makeDemoBackground(int scale) {
  const double s = scale;
  const int W = 640 * scale;
  const int H = 480 * scale;
  QImage img = newImage(W, H, Qt::black);

  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s, s);
    const QRectF all(0, 0, 640, 480);

    QLinearGradient base(0, 0, 0, 480);
    base.setColorAt(0.0, QColor(9, 20, 44));
    base.setColorAt(0.5, QColor(13, 34, 68));
    base.setColorAt(1.0, QColor(7, 16, 36));
    p.fillRect(all, base);

    QRadialGradient teal(QPointF(640, 0), 520);
    teal.setColorAt(0.0, QColor(22, 110, 128, 120));
    teal.setColorAt(0.5, QColor(22, 90, 120, 40));
    teal.setColorAt(1.0, QColor(22, 90, 120, 0));
    p.fillRect(all, teal);

    QRadialGradient violet(QPointF(660, 500), 380);
    violet.setColorAt(0.0, QColor(96, 60, 170, 110));
    violet.setColorAt(1.0, QColor(96, 60, 170, 0));
    p.fillRect(all, violet);

    QRadialGradient shade(QPointF(60, 260), 380);
    shade.setColorAt(0.0, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(0, 0, 10, 50));
    p.fillRect(all, shade);

    // Sparse stars, kept out of the title and the button area.
    Lcg rng(2026);
    for (int i = 0; i < 70; ++i) {
      const double x = rng.range(300, 640);
      const double y = rng.range(2, 58);
      const double r = rng.range(0.35, 1.0);
      const int a = static_cast<int>(rng.range(60, 200) * smoothstep(300, 420, x));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(220, 236, 255, a));
      p.drawEllipse(QPointF(x, y), r, r);
    }
  }

  // Aurora curtains in the upper right, drawn on their own layer and softened.
  // Each curtain has a bright lower hem with rays rising from it.
  {
    QImage layer = newImage(W, H, Qt::transparent);
    QPainter a(&layer);
    a.setRenderHint(QPainter::Antialiasing);
    a.scale(s, s);
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
        const double fade = smoothstep(c.x0, c.x0 + 130, x);
        const double rayMod =
            0.55 + 0.45 * std::pow(std::sin(u / 6.5) * std::sin(u / 17.0 + 2.0), 2);
        const int alpha = static_cast<int>(165 * c.strength * fade * rayMod);
        QLinearGradient g(0, hem + 3, 0, hem - len);
        g.setColorAt(0.0, withAlpha(c.hem, 0));
        g.setColorAt(0.06, withAlpha(c.hem, alpha));
        g.setColorAt(0.35, withAlpha(c.hem, alpha / 2));
        g.setColorAt(0.7, withAlpha(c.top, alpha / 5));
        g.setColorAt(1.0, withAlpha(c.top, 0));
        a.fillRect(QRectF(x, hem - len, 0.9, len + 3), g);
      }
    }
    a.end();
    softBlur(layer, static_cast<int>(std::lround(1.5 * s)));
    QPainter p(&img);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.drawImage(0, 0, layer);
  }

  // Large, very soft rings on the right side.
  {
    QImage layer = newImage(W, H, Qt::transparent);
    QPainter a(&layer);
    a.setRenderHint(QPainter::Antialiasing);
    a.scale(s, s);
    a.setBrush(Qt::NoBrush);
    a.setPen(QPen(QColor(60, 200, 220, 34), 26));
    a.drawEllipse(QPointF(860, 250), 270, 270);
    a.setPen(QPen(QColor(130, 90, 230, 30), 16));
    a.drawEllipse(QPointF(840, 300), 200, 200);
    a.end();
    softBlur(layer, static_cast<int>(std::lround(9 * s)));
    QPainter p(&img);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.drawImage(0, 0, layer);
  }

  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(s, s);

  // Mountain silhouettes along the bottom right.
  {
    QPainterPath far;
    far.moveTo(300, 480);
    far.lineTo(300, 470);
    far.cubicTo(360, 462, 400, 446, 440, 430);
    far.lineTo(468, 416);
    far.lineTo(490, 424);
    far.lineTo(530, 404);
    far.lineTo(560, 418);
    far.lineTo(588, 408);
    far.lineTo(640, 430);
    far.lineTo(640, 480);
    far.closeSubpath();
    QLinearGradient g(0, 400, 0, 480);
    g.setColorAt(0.0, QColor(30, 52, 92));
    g.setColorAt(1.0, QColor(12, 24, 48));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(far);
    // Light catching the ridge.
    p.setPen(QPen(QColor(120, 220, 230, 70), 0.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath ridge;
    ridge.moveTo(440, 430);
    ridge.lineTo(468, 416);
    ridge.lineTo(490, 424);
    ridge.lineTo(530, 404);
    ridge.lineTo(560, 418);
    ridge.lineTo(588, 408);
    ridge.lineTo(640, 430);
    p.drawPath(ridge);

    QPainterPath near;
    near.moveTo(360, 480);
    near.cubicTo(420, 470, 470, 452, 510, 442);
    near.lineTo(546, 430);
    near.lineTo(574, 444);
    near.lineTo(610, 432);
    near.lineTo(640, 446);
    near.lineTo(640, 480);
    near.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(7, 15, 32));
    p.drawPath(near);
  }

  // Thin separators under the title and above the footer.
  {
    QLinearGradient g(24, 0, 616, 0);
    g.setColorAt(0.0, QColor(120, 220, 240, 110));
    g.setColorAt(0.6, QColor(120, 220, 240, 40));
    g.setColorAt(1.0, QColor(120, 220, 240, 0));
    p.fillRect(QRectF(24, 57, 592, 0.8), g);
    p.fillRect(QRectF(24, 398, 592, 0.8), g);
  }

  // Product mark: a rounded tile with a peak and an aurora swoosh.
  {
    const QRectF tile(24, 12, 40, 40);
    QLinearGradient g(tile.topLeft(), tile.bottomRight());
    g.setColorAt(0.0, QColor(60, 230, 190));
    g.setColorAt(0.55, QColor(40, 150, 220));
    g.setColorAt(1.0, QColor(120, 80, 220));
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
    QPainterPath swoosh;
    swoosh.moveTo(29, 39);
    swoosh.cubicTo(38, 33, 48, 41, 59, 33);
    p.drawPath(swoosh);
  }

  // Title and subtitle.
  {
    const QFont title = uiFont(27, true);
    const QFontMetricsF fm(title);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QPointF(75.5, 38.5), QStringLiteral("Aurora Studio"));
    p.setPen(QColor(246, 250, 255));
    p.drawText(QPointF(74, 37), QStringLiteral("Aurora Studio"));
    const double x5 = 74 + fm.horizontalAdvance(QStringLiteral("Aurora Studio ")) - 1;
    QLinearGradient g(x5, 14, x5 + 18, 38);
    g.setColorAt(0.0, QColor(110, 250, 210));
    g.setColorAt(1.0, QColor(70, 180, 255));
    p.setPen(QPen(QBrush(g), 1));
    p.drawText(QPointF(x5, 37), QStringLiteral("5"));

    p.setFont(uiFont(11.5, false));
    p.setPen(QColor(150, 180, 214));
    p.drawText(QPointF(75, 52), QStringLiteral("Creative suite for images, sound and video"));
  }

  // Footer.
  {
    p.setFont(uiFont(11, false));
    p.setPen(QColor(150, 172, 205));
    p.drawText(QPointF(24, 424),
               QString::fromUtf8("\u00a9 2026 Aurora Software \u2014 Insert the disc and choose an "
                                 "option"));
    p.setPen(QColor(110, 132, 168));
    p.drawText(QPointF(24, 442), QStringLiteral("Version 5.0  \u00b7  Installation disc 1 of 1"));
  }
  p.end();
  return img;
}

// ---------------------------------------------------------------------------
// Demo menu: button icons (drawn on a 64x64 grid, rendered at any size)
// ---------------------------------------------------------------------------

void roundedLine(QPainter& p, double x, double y, double w, double h) {
  p.drawRoundedRect(QRectF(x, y, w, h), h / 2, h / 2);
}

// 1: installer - a box with an arrow going into it.
void drawInstallerIcon(QPainter& p) {
  p.setPen(Qt::NoPen);
  // Inside of the open box.
  p.setBrush(QColor(18, 66, 150));
  p.drawPolygon(QPolygonF{QPointF(12, 30), QPointF(52, 30), QPointF(58, 38), QPointF(6, 38)});
  // Arrow.
  QLinearGradient ag(0, 3, 0, 40);
  ag.setColorAt(0.0, QColor(120, 196, 255));
  ag.setColorAt(1.0, QColor(70, 160, 250));
  p.setBrush(ag);
  QPainterPath arrow;
  arrow.moveTo(26, 4);
  arrow.lineTo(38, 4);
  arrow.lineTo(38, 20);
  arrow.lineTo(47, 20);
  arrow.lineTo(32, 38);
  arrow.lineTo(17, 20);
  arrow.lineTo(26, 20);
  arrow.closeSubpath();
  p.drawPath(arrow);
  // Front of the box.
  QLinearGradient fg(0, 36, 0, 60);
  fg.setColorAt(0.0, QColor(40, 122, 232));
  fg.setColorAt(1.0, QColor(26, 96, 206));
  p.setBrush(fg);
  QPainterPath front;
  front.moveTo(6, 36);
  front.lineTo(58, 36);
  front.lineTo(55, 57);
  front.quadTo(54.6, 60, 51.5, 60);
  front.lineTo(12.5, 60);
  front.quadTo(9.4, 60, 9, 57);
  front.closeSubpath();
  p.drawPath(front);
  p.setBrush(QColor(100, 170, 250));
  p.drawRect(QRectF(6, 36, 52, 3));
  p.setBrush(QColor(255, 255, 255, 220));
  roundedLine(p, 24, 46, 16, 4);
}

// 2: manual - a page with text lines.
void drawManualIcon(QPainter& p) {
  p.setPen(Qt::NoPen);
  QPainterPath page;
  page.moveTo(15, 3);
  page.lineTo(40, 3);
  page.lineTo(53, 16);
  page.lineTo(53, 58);
  page.quadTo(53, 61, 50, 61);
  page.lineTo(15, 61);
  page.quadTo(12, 61, 12, 58);
  page.lineTo(12, 6);
  page.quadTo(12, 3, 15, 3);
  page.closeSubpath();
  QLinearGradient g(0, 3, 0, 61);
  g.setColorAt(0.0, QColor(255, 156, 48));
  g.setColorAt(1.0, QColor(240, 124, 20));
  p.setBrush(g);
  p.drawPath(page);
  // Folded corner.
  p.setBrush(QColor(255, 204, 140));
  QPainterPath fold;
  fold.moveTo(40, 3);
  fold.lineTo(40, 13);
  fold.quadTo(40, 16, 43, 16);
  fold.lineTo(53, 16);
  fold.closeSubpath();
  p.drawPath(fold);
  // Heading and text lines.
  p.setBrush(Qt::white);
  roundedLine(p, 19, 12, 16, 5);
  p.setBrush(QColor(255, 240, 222));
  for (int i = 0; i < 4; ++i) roundedLine(p, 19, 25 + i * 8, i == 3 ? 18 : 27, 3.6);
}

// 3: folder.
void drawFolderIcon(QPainter& p) {
  p.setPen(Qt::NoPen);
  QPainterPath back;
  back.moveTo(6, 13);
  back.quadTo(6, 9, 10, 9);
  back.lineTo(24, 9);
  back.quadTo(26.5, 9, 28, 11);
  back.lineTo(31, 15);
  back.lineTo(54, 15);
  back.quadTo(58, 15, 58, 19);
  back.lineTo(58, 52);
  back.lineTo(6, 52);
  back.closeSubpath();
  p.setBrush(QColor(232, 168, 20));
  p.drawPath(back);
  // A sheet of paper peeking out.
  p.setBrush(QColor(255, 252, 240));
  p.drawRoundedRect(QRectF(11, 19, 42, 20), 2, 2);
  // Front flap.
  QLinearGradient g(0, 24, 0, 56);
  g.setColorAt(0.0, QColor(255, 214, 70));
  g.setColorAt(1.0, QColor(250, 190, 36));
  p.setBrush(g);
  QPainterPath front;
  front.moveTo(6, 27);
  front.quadTo(6, 24, 9, 24);
  front.lineTo(55, 24);
  front.quadTo(58, 24, 58, 27);
  front.lineTo(58, 52);
  front.quadTo(58, 56, 54, 56);
  front.lineTo(10, 56);
  front.quadTo(6, 56, 6, 52);
  front.closeSubpath();
  p.drawPath(front);
  p.setBrush(QColor(255, 236, 160, 170));
  p.drawRect(QRectF(6, 24, 52, 2.5));
}

// 4: web - a globe with meridians and parallels.
void drawGlobeIcon(QPainter& p) {
  const QPointF c(32, 32);
  const double r = 27;
  p.setPen(Qt::NoPen);
  QRadialGradient g(QPointF(24, 22), 40);
  g.setColorAt(0.0, QColor(84, 212, 120));
  g.setColorAt(1.0, QColor(26, 150, 78));
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
void drawNotepadIcon(QPainter& p) {
  p.setPen(Qt::NoPen);
  QLinearGradient g(0, 8, 0, 61);
  g.setColorAt(0.0, QColor(160, 96, 236));
  g.setColorAt(1.0, QColor(128, 68, 210));
  p.setBrush(g);
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
    roundedLine(p, 25, y, i == 3 ? 12 : 19, 3.2);
  }
}

// 6: terminal - a dark console window with a prompt.
void drawTerminalIcon(QPainter& p) {
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
  roundedLine(p, 27, 41.5, 15, 4.2);
  p.setBrush(QColor(255, 255, 255, 25));
  p.drawRect(QRectF(4, 19, 56, 1));
}

// 7: music - a pair of beamed notes.
void drawMusicIcon(QPainter& p) {
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
void drawGearIcon(QPainter& p) {
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
  QLinearGradient g(0, 3, 0, 61);
  g.setColorAt(0.0, QColor(40, 190, 180));
  g.setColorAt(1.0, QColor(16, 140, 138));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(gear);
  // Inner ring for depth.
  QPainterPath ring;
  ring.addEllipse(c, 15, 15);
  ring.addEllipse(c, 9, 9);
  p.setBrush(QColor(10, 110, 110, 110));
  p.drawPath(ring);
}

using IconPainter = void (*)(QPainter&);

QImage renderIcon(IconPainter draw, int size) {
  QImage img = newImage(size, size, Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);
  draw(p);
  p.end();
  return img;
}

}  // namespace
}  // namespace discmenu::art

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
  setOutputRoot(root);

  // Placeholders used when a menu has no pictures of its own.
  saveJpeg(makePlaceholderButton(), QStringLiteral("resources/placeholder/button.jpg"));
  saveJpeg(makePlaceholderBackground(), QStringLiteral("resources/placeholder/background.jpg"));

  // Application icon.
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    savePng(makeAppIcon(size), QStringLiteral("resources/icon/discmenu-%1.png").arg(size));
  {
    const QImage i16 = makeAppIcon(16);
    const QImage i32 = makeAppIcon(32);
    writeIco({dibIcon(i32, 1), dibIcon(i32, 4), dibIcon(i16, 4), dibIcon(i16, 32), dibIcon(i32, 32),
              dibIcon(makeAppIcon(48), 32), pngIcon(makeAppIcon(256))},
             QStringLiteral("resources/icon/discmenu.ico"));
  }

  // Demo menu artwork.
  saveJpeg(makeDemoBackground(1), QStringLiteral("examples/demo/menu/background.jpg"));
  saveJpeg(makeDemoBackground(2), QStringLiteral("examples/demo/menu/background@2x.jpg"));
  const std::array<IconPainter, 8> icons = {drawInstallerIcon, drawManualIcon,  drawFolderIcon,
                                            drawGlobeIcon,     drawNotepadIcon, drawTerminalIcon,
                                            drawMusicIcon,     drawGearIcon};
  for (int i = 0; i < 8; ++i) {
    savePng(renderIcon(icons[i], 64), QStringLiteral("examples/demo/menu/button%1.png").arg(i + 1));
    savePng(renderIcon(icons[i], 128),
            QStringLiteral("examples/demo/menu/button%1@2x.png").arg(i + 1));
  }

  return failureCount() == 0 ? 0 : 1;
}
