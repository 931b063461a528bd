// The application icon: a white window with a cyan title bar, seen in
// perspective. 16, 24 and 32 pixels are pixel art, larger sizes vectors.
#include "tools/art/assets.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/art/drawing.h"

namespace discmenu::art {

namespace {

const QColor kIconOutline(38, 62, 86);
const QColor kIconTitleEdge(0, 128, 160);
const QColor kIconTitle(28, 200, 236);
const QColor kIconTitleLight(120, 228, 250);
const QColor kIconBody(255, 255, 255);
const QColor kIconLine(178, 196, 214);

// Small sizes are drawn pixel by pixel so the edges stay crisp. The window's
// left edge is tall and its right edge short: at each step column the top edge
// moves one pixel down and the bottom edge one pixel up, which reads as
// perspective without any blurry anti-aliased slopes.
struct PixelIcon {
  int size;
  int x0, x1;              // first and last column of the window
  int top, bot;            // first and last row at the left edge
  std::vector<int> steps;  // columns where the window gets one pixel shorter on each side
  int title;               // cyan rows below the top edge
  bool titleRule;          // darker rule under the title bar
  std::vector<int> lines;  // content line rows, relative to the top edge
  bool buttons;            // window buttons in the title bar
};

QImage DrawAppIconPixels(const PixelIcon& s) {
  QImage img(s.size, s.size, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  auto put = [&](int x, int y, const QColor& c) {
    if (x >= 0 && y >= 0 && x < s.size && y < s.size) img.setPixelColor(x, y, c);
  };
  for (int x = s.x0; x <= s.x1; ++x) {
    const int shift = static_cast<int>(
        std::count_if(s.steps.begin(), s.steps.end(), [x](int c) { return x >= c; }));
    const int top = s.top + shift;
    const int bot = s.bot - shift;
    const bool edge = (x == s.x0 || x == s.x1);
    const int titleEnd = top + s.title + (s.titleRule ? 1 : 0);
    for (int y = top; y <= bot; ++y) {
      QColor c = kIconBody;
      if (y == top || (s.titleRule && y == titleEnd)) {
        c = kIconTitleEdge;
      } else if (y < titleEnd || (!s.titleRule && y == titleEnd)) {
        c = edge ? kIconTitleEdge : (y == top + 1 ? kIconTitleLight : kIconTitle);
      } else if (edge || y == bot) {
        c = kIconOutline;
      }
      put(x, y, c);
    }
    if (edge) continue;
    // Content lines converge towards the middle like the edges do; the last
    // line is shorter.
    for (size_t k = 0; k < s.lines.size(); ++k) {
      const bool last = k + 1 == s.lines.size();
      int end = s.x1 - 2;
      if (last) {
        // Stop just before a step so the short line never ends in a stub.
        end = s.x0 + 4;
        for (int c : s.steps)
          if (c - 2 <= s.x0 + (s.x1 - s.x0) * 11 / 20) end = std::max(end, c - 2);
      }
      const double v = static_cast<double>(s.lines[k]) / (s.bot - s.top);
      const int y = s.top + s.lines[k] + static_cast<int>(std::lround(shift * (1.0 - 2.0 * v)));
      if (x >= s.x0 + 2 && x <= end) put(x, y, kIconLine);
    }
    // Two small window buttons at the right end of the title bar.
    if (s.buttons) {
      const int bx = s.x1 - x;
      if (bx == 2 || bx == 3 || bx == 5 || bx == 6) {
        put(x, top + 2, Qt::white);
        put(x, top + 3, Qt::white);
      }
    }
  }
  return img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The icon's soft shadow under the window `quad`, drawn into `img`.
void DrawIconShadow(QImage& img, const QPolygonF& quad, double S) {
  QImage shadow = NewImage(img.width(), img.height(), Qt::transparent);
  QPainter sp(&shadow);
  sp.setRenderHint(QPainter::Antialiasing);
  sp.translate(0.035 * S, 0.06 * S);
  sp.setPen(Qt::NoPen);
  sp.setBrush(QColor(0, 24, 48, 130));
  sp.drawPolygon(quad);
  sp.end();
  SoftBlur(shadow, std::max(1, static_cast<int>(std::lround(S * 0.028))));
  QPainter p(&img);
  p.drawImage(0, 0, shadow);
}

// The window's title bar, its buttons and caption, and its content, in the
// model's units (`unitsPerPixel` of them to a pixel of the icon).
void DrawIconWindow(QPainter& p, int size, double unitsPerPixel) {
  // Title bar.
  {
    const QLinearGradient g = LinearGradient(
        {0, 0}, {0, 17},
        {{0.0, QColor(110, 226, 250)}, {0.5, kIconTitle}, {1.0, QColor(10, 178, 222)}});
    p.fillRect(QRectF(0, 0, 100, 17), g);
    p.fillRect(QRectF(0, 17, 100, std::max(0.8, unitsPerPixel)), kIconTitleEdge);
  }
  // Window buttons and caption.
  p.setBrush(QColor(255, 255, 255, 235));
  if (size >= 64) {
    for (double x : {74.0, 83.0, 92.0}) p.drawEllipse(QPointF(x, 8.5), 3.0, 3.0);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawRoundedRect(QRectF(7, 6.8, 30, 3.6), 1.8, 1.8);
  } else {
    for (double x : {80.0, 91.0}) p.drawEllipse(QPointF(x, 8.5), 3.6, 3.6);
  }
  // Content: a picture tile and a few lines of text.
  const double lineW = std::max(3.0, 2.0 * unitsPerPixel);
  p.setBrush(kIconLine);
  if (size >= 64) {
    const QLinearGradient g = LinearGradient(
        {0, 26}, {0, 52}, {{0.0, QColor(180, 236, 250)}, {1.0, QColor(120, 210, 240)}});
    p.setBrush(g);
    p.drawRoundedRect(QRectF(8, 26, 30, 26), 2, 2);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawPolygon(QPolygonF{QPointF(10, 50), QPointF(20, 36), QPointF(27, 44), QPointF(31, 40),
                            QPointF(37, 50)});
    p.setBrush(kIconLine);
    for (int i = 0; i < 4; ++i) {
      const double w = (i == 3) ? 30 : 46;
      p.drawRoundedRect(QRectF(45, 27 + i * 7.5, w, lineW), lineW / 2, lineW / 2);
    }
    p.drawRoundedRect(QRectF(8, 60, 84, lineW), lineW / 2, lineW / 2);
    p.drawRoundedRect(QRectF(8, 67.5, 60, lineW), lineW / 2, lineW / 2);
  } else {
    for (int i = 0; i < 4; ++i) {
      const double w = (i == 3) ? 50 : 82;
      p.drawRect(QRectF(9, 29 + i * 12, w, lineW));
    }
  }
}

// Larger sizes are drawn as vectors with a perspective transform and a soft shadow.
QImage DrawAppIconVector(int size) {
  const double S = size;
  const QRectF model(0, 0, 100, 78);
  const QPolygonF quad{QPointF(0.06 * S, 0.12 * S), QPointF(0.88 * S, 0.20 * S),
                       QPointF(0.88 * S, 0.72 * S), QPointF(0.06 * S, 0.82 * S)};
  QTransform xf;
  QTransform::quadToQuad(
      QPolygonF{model.topLeft(), model.topRight(), model.bottomRight(), model.bottomLeft()}, quad,
      xf);
  const double unitsPerPixel = 100.0 / (0.82 * S);

  QImage img = NewImage(size, size, Qt::transparent);
  DrawIconShadow(img, quad, S);

  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setTransform(xf);
  QPainterPath body;
  body.addRoundedRect(model, 3.5, 3.5);
  p.setPen(Qt::NoPen);
  p.setBrush(kIconBody);
  p.drawPath(body);

  p.save();
  p.setClipPath(body);
  DrawIconWindow(p, size, unitsPerPixel);
  p.restore();

  // Outline.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kIconOutline, std::max(1.0, S / 110.0) * unitsPerPixel));
  p.drawPath(body);
  return img;
}

}  // namespace

QImage MakeAppIcon(int size) {
  switch (size) {
    case 16:
      return DrawAppIconPixels({16, 1, 14, 2, 14, {8}, 2, false, {5, 7, 9}, false});
    case 24:
      return DrawAppIconPixels({24, 1, 22, 3, 20, {8, 16}, 3, false, {7, 10, 13}, false});
    case 32:
      return DrawAppIconPixels({32, 1, 30, 4, 27, {9, 17, 25}, 4, true, {9, 12, 15}, true});
    default:
      return DrawAppIconVector(size);
  }
}

}  // namespace discmenu::art
