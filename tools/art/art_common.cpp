// Image helpers shared by all of make-art's pictures.
#include "art_common.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace discmenu::art {

namespace {

QString g_root;
int g_failures = 0;

// 72 dpi, so the files do not depend on the screen the tool runs on.
constexpr int kDotsPerMeter = 2835;

// PNG files carry straight alpha, and only when the picture has any.
QImage forPng(const QImage& img) {
  QImage out =
      img.convertToFormat(img.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  out.setDotsPerMeterX(kDotsPerMeter);
  out.setDotsPerMeterY(kDotsPerMeter);
  return out;
}

// Running-sum blur of one line of premultiplied pixels (edges clamped).
void blurLine(QRgb* p, int stride, int n, int r, std::vector<QRgb>& tmp) {
  for (int i = 0; i < n; ++i) tmp[i] = p[i * stride];
  const int win = 2 * r + 1;
  auto at = [&](int i) { return tmp[std::clamp(i, 0, n - 1)]; };
  int sa = 0, sr = 0, sg = 0, sb = 0;
  for (int k = -r; k <= r; ++k) {
    const QRgb c = at(k);
    sa += qAlpha(c);
    sr += qRed(c);
    sg += qGreen(c);
    sb += qBlue(c);
  }
  for (int i = 0; i < n; ++i) {
    p[i * stride] = qRgba(sr / win, sg / win, sb / win, sa / win);
    const QRgb out = at(i - r);
    const QRgb in = at(i + r + 1);
    sa += qAlpha(in) - qAlpha(out);
    sr += qRed(in) - qRed(out);
    sg += qGreen(in) - qGreen(out);
    sb += qBlue(in) - qBlue(out);
  }
}

}  // namespace

void setOutputRoot(const QString& root) {
  g_root = root;
}

QString outputPath(const QString& rel) {
  const QString full = QDir(g_root).filePath(rel);
  QDir().mkpath(QFileInfo(full).absolutePath());
  return full;
}

void report(const QString& rel, bool ok, const QString& why) {
  if (ok) {
    std::printf("wrote %s\n", qPrintable(rel));
  } else {
    std::fprintf(stderr, "make-art: cannot write %s: %s\n", qPrintable(rel), qPrintable(why));
    ++g_failures;
  }
}

int failureCount() {
  return g_failures;
}

QImage newImage(int w, int h, const QColor& fill) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(fill);
  img.setDotsPerMeterX(kDotsPerMeter);
  img.setDotsPerMeterY(kDotsPerMeter);
  return img;
}

void saveJpeg(const QImage& img, const QString& rel) {
  QImage out = img.convertToFormat(QImage::Format_RGB32);
  out.setDotsPerMeterX(kDotsPerMeter);
  out.setDotsPerMeterY(kDotsPerMeter);
  QImageWriter writer(outputPath(rel), "jpeg");
  writer.setQuality(90);
  writer.setOptimizedWrite(true);
  writer.setProgressiveScanWrite(false);
  const bool ok = writer.write(out);
  report(rel, ok, writer.errorString());
}

void savePng(const QImage& img, const QString& rel) {
  QImageWriter writer(outputPath(rel), "png");
  const bool ok = writer.write(forPng(img));
  report(rel, ok, writer.errorString());
}

QByteArray pngBytes(const QImage& img) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  writer.setQuality(0);  // zlib's strongest compression: the icon is inside every executable
  writer.write(forPng(img));
  return data;
}

QFont uiFont(double pixelSize, bool bold) {
  QFont f;
  f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

double smoothstep(double e0, double e1, double x) {
  const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

QColor withAlpha(QColor c, int a) {
  c.setAlpha(a);
  return c;
}

void softBlur(QImage& img, int radius) {
  if (radius < 1) return;
  Q_ASSERT(img.format() == QImage::Format_ARGB32_Premultiplied);
  const int w = img.width();
  const int h = img.height();
  std::vector<QRgb> tmp(std::max(w, h));
  const int stride = static_cast<int>(img.bytesPerLine() / 4);
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < h; ++y)
      blurLine(reinterpret_cast<QRgb*>(img.scanLine(y)), 1, w, radius, tmp);
    auto* base = reinterpret_cast<QRgb*>(img.bits());
    for (int x = 0; x < w; ++x) blurLine(base + x, stride, h, radius, tmp);
  }
}

QImage supersample(int w, int h, int factor, const QColor& fill,
                   const std::function<void(QPainter&)>& draw) {
  QImage big = newImage(w * factor, h * factor, fill);
  {
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(factor, factor);
    draw(p);
  }
  QImage small = big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  small.setDotsPerMeterX(kDotsPerMeter);
  small.setDotsPerMeterY(kDotsPerMeter);
  return small.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QLinearGradient linearGradient(QPointF start, QPointF finalStop, const QGradientStops& stops) {
  QLinearGradient g(start, finalStop);
  g.setStops(stops);
  return g;
}

QRadialGradient radialGradient(QPointF center, double radius, const QGradientStops& stops) {
  QRadialGradient g(center, radius);
  g.setStops(stops);
  return g;
}

QPainterPath polyline(const QPolygonF& points, Ends ends) {
  QPainterPath path;
  if (points.isEmpty()) return path;
  path.moveTo(points.first());
  for (qsizetype i = 1; i < points.size(); ++i) path.lineTo(points[i]);
  if (ends == Ends::Closed) path.closeSubpath();
  return path;
}

QPainterPath makePath(QPointF start, std::initializer_list<Segment> segments, Ends ends) {
  QPainterPath path;
  path.moveTo(start);
  for (const Segment& s : segments) {
    switch (s.kind) {
      case Segment::Kind::Line:
        path.lineTo(s.to);
        break;
      case Segment::Kind::Quad:
        path.quadTo(s.c1, s.to);
        break;
      case Segment::Kind::Cubic:
        path.cubicTo(s.c1, s.c2, s.to);
        break;
    }
  }
  if (ends == Ends::Closed) path.closeSubpath();
  return path;
}

}  // namespace discmenu::art
