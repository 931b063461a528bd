// Entries of a Windows .ico file and the writer that puts them together.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace discmenu::art {

struct IconImage {
  int width = 0;
  int height = 0;
  int bpp = 0;
  QByteArray data;
};

// A classic DIB entry: header, optional palette, XOR bitmap and AND mask, both
// stored bottom-up. 1 bpp uses black/white, 4 bpp the VGA palette; pixels less
// than half opaque are transparent.
IconImage DibIcon(const QImage& src, int bpp);
// A PNG entry, as used for the 256 pixel size.
IconImage PngIcon(const QImage& src);
// Writes the entries in the given order to `rel` below the output root.
void WriteIco(const std::vector<IconImage>& images, const QString& rel);

}  // namespace discmenu::art
