// Helpers shared by every picture make-art draws: where files go, how they are
// encoded, fonts, blur, supersampling, a fixed-seed random generator, and paths
// and gradients written down as tables of points and colour stops.
//
// Everything here aims at output that depends only on this source and the
// installed fonts, never on the screen or the run, so the files can be
// regenerated and compared byte for byte.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QGradient>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>

namespace discmenu::art {

// Paths given to the save functions are relative to this folder.
void SetOutputRoot(const QString& root);
// Absolute path for `rel`, with its folder created.
QString OutputPath(const QString& rel);
// Prints what was written, or counts a failure for the exit status.
void Report(const QString& rel, bool ok, const QString& why = {});
int FailureCount();

// A premultiplied image filled with `fill`, at a fixed 72 dpi.
QImage NewImage(int w, int h, const QColor& fill);

void SaveJpeg(const QImage& img, const QString& rel);
void SavePng(const QImage& img, const QString& rel);
QByteArray PngBytes(const QImage& img);

QFont UiFont(double pixelSize, bool bold);

// Deterministic pseudo random numbers (plain LCG, fixed seed).
class Lcg {
 public:
  explicit Lcg(uint32_t seed) : state_(seed) {}
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24);
  }
  double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }

 private:
  uint32_t state_;
};

double Smoothstep(double e0, double e1, double x);
QColor WithAlpha(QColor c, int a);

// Three box passes approximating a Gaussian blur; `img` must be premultiplied.
void SoftBlur(QImage& img, int radius);

// Draws at `factor` times the size and scales down with area averaging.
QImage Supersample(int w, int h, int factor, const QColor& fill,
                   const std::function<void(QPainter&)>& draw);

// Gradients whose colours are given as a list of {position, colour} stops.
QLinearGradient LinearGradient(QPointF start, QPointF finalStop, const QGradientStops& stops);
QRadialGradient RadialGradient(QPointF center, double radius, const QGradientStops& stops);

// Whether a path goes back to its first point at the end.
enum class Ends { kOpen, kClosed };

// A path through `points`, joined by straight lines.
QPainterPath Polyline(const QPolygonF& points, Ends ends);

// One piece of a path, from where the piece before it ended: a straight line,
// or a quadratic or cubic curve whose control points come before its end.
struct Segment {
  enum class Kind { kLine, kQuad, kCubic };
  Kind kind;
  QPointF c1, c2, to;
};

constexpr Segment LineTo(double x, double y) {
  return {Segment::Kind::kLine, {}, {}, {x, y}};
}
constexpr Segment QuadTo(double cx, double cy, double x, double y) {
  return {Segment::Kind::kQuad, {cx, cy}, {}, {x, y}};
}
constexpr Segment CubicTo(double c1x, double c1y, double c2x, double c2y, double x, double y) {
  return {Segment::Kind::kCubic, {c1x, c1y}, {c2x, c2y}, {x, y}};
}

// A path from `start` along `segments`.
QPainterPath MakePath(QPointF start, std::initializer_list<Segment> segments, Ends ends);

}  // namespace discmenu::art
