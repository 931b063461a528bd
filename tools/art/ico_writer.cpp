// The Windows .ico container, written by hand so that the file holds exactly
// the entries asked for, in the order given.
#include "tools/art/ico_writer.h"

#include <QFile>

#include <array>
#include <cstdint>

#include "tools/art/drawing.h"

namespace discmenu::art {

namespace {

// The 16 colours of the standard VGA / Windows palette, in Windows order.
const std::array<QRgb, 16> kVgaPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

int NearestVga(QRgb c) {
  int best = 0;
  int bestDist = 1 << 30;
  for (int i = 0; i < 16; ++i) {
    const int dr = qRed(c) - qRed(kVgaPalette[i]);
    const int dg = qGreen(c) - qGreen(kVgaPalette[i]);
    const int db = qBlue(c) - qBlue(kVgaPalette[i]);
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestDist) {
      bestDist = d;
      best = i;
    }
  }
  return best;
}

void PutLe16(QByteArray& out, uint32_t v) {
  out.append(static_cast<char>(v & 0xff));
  out.append(static_cast<char>((v >> 8) & 0xff));
}

void PutLe32(QByteArray& out, uint32_t v) {
  PutLe16(out, v & 0xffff);
  PutLe16(out, v >> 16);
}

constexpr int kOpaqueAlpha = 128;

// One row of the colour (XOR) mask: `w` pixels of `line` at `bpp` bits,
// padded to `stride` bytes.
QByteArray ColourRow(const QRgb* line, int w, int bpp, int stride) {
  QByteArray row(stride, '\0');
  for (int x = 0; x < w; ++x) {
    const QRgb c = line[x];
    const bool opaque = qAlpha(c) >= kOpaqueAlpha;
    if (bpp == 32) {
      row[x * 4 + 0] = static_cast<char>(qBlue(c));
      row[x * 4 + 1] = static_cast<char>(qGreen(c));
      row[x * 4 + 2] = static_cast<char>(qRed(c));
      row[x * 4 + 3] = static_cast<char>(qAlpha(c));
    } else if (bpp == 4) {
      const int idx = opaque ? NearestVga(c) : 0;
      row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? idx << 4 : idx));
    } else if (bpp == 1) {
      // Cyan counts as dark here so the title bar stays visible in two colours.
      const int luma = (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
      const bool white = opaque && luma >= 200;
      if (white) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
  }
  return row;
}

}  // namespace

IconImage DibIcon(const QImage& src, int bpp) {
  const QImage img = src.convertToFormat(QImage::Format_ARGB32);
  const int w = img.width();
  const int h = img.height();
  const int xorStride = ((w * bpp + 31) / 32) * 4;
  const int andStride = ((w + 31) / 32) * 4;
  const int colours = bpp <= 8 ? (1 << bpp) : 0;

  IconImage res{w, h, bpp, {}};
  QByteArray& out = res.data;
  PutLe32(out, 40);
  PutLe32(out, static_cast<uint32_t>(w));
  PutLe32(out, static_cast<uint32_t>(h * 2));
  PutLe16(out, 1);
  PutLe16(out, static_cast<uint32_t>(bpp));
  PutLe32(out, 0);  // BI_RGB
  PutLe32(out, static_cast<uint32_t>((xorStride + andStride) * h));
  PutLe32(out, 0);
  PutLe32(out, 0);
  PutLe32(out, static_cast<uint32_t>(colours));
  PutLe32(out, 0);

  if (bpp == 1) {
    PutLe32(out, 0x00000000);  // black
    PutLe32(out, 0x00ffffff);  // white
  } else if (bpp == 4) {
    for (QRgb c : kVgaPalette) {
      out.append(static_cast<char>(qBlue(c)));
      out.append(static_cast<char>(qGreen(c)));
      out.append(static_cast<char>(qRed(c)));
      out.append('\0');
    }
  }

  for (int y = h - 1; y >= 0; --y)
    out.append(ColourRow(reinterpret_cast<const QRgb*>(img.constScanLine(y)), w, bpp, xorStride));
  for (int y = h - 1; y >= 0; --y) {
    QByteArray row(andStride, '\0');
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      if (qAlpha(line[x]) < kOpaqueAlpha)
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    out.append(row);
  }
  return res;
}

IconImage PngIcon(const QImage& src) {
  return IconImage{src.width(), src.height(), 32, PngBytes(src)};
}

void WriteIco(const std::vector<IconImage>& images, const QString& rel) {
  QByteArray out;
  PutLe16(out, 0);  // reserved
  PutLe16(out, 1);  // type: icon
  PutLe16(out, static_cast<uint32_t>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (const IconImage& im : images) {
    out.append(static_cast<char>(im.width >= 256 ? 0 : im.width));
    out.append(static_cast<char>(im.height >= 256 ? 0 : im.height));
    out.append(static_cast<char>(im.bpp < 8 ? (1 << im.bpp) : 0));
    out.append('\0');
    PutLe16(out, 1);  // planes
    PutLe16(out, static_cast<uint32_t>(im.bpp));
    PutLe32(out, static_cast<uint32_t>(im.data.size()));
    PutLe32(out, offset);
    offset += static_cast<uint32_t>(im.data.size());
  }
  for (const IconImage& im : images) out.append(im.data);

  QFile f(OutputPath(rel));
  const bool ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(out) == out.size();
  Report(rel, ok, f.errorString());
}

}  // namespace discmenu::art
