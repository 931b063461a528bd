#include "tools/discmenu-tool/window_metrics.h"

#include <QFontMetrics>
#include <algorithm>

#include "platform/qt/form1_window.h"

namespace discmenu::tool {

QRect ButtonFace(const qt::Form1Window& window, int n) {
  return window.command(n)->face();
}

CaptionFit FitCaption(const qt::Form1Window& window, int n, const QString& caption) {
  const QLabel* label = window.label(n);
  const QRect area = label->contentsRect();
  const QFontMetrics metrics(label->font());
  const QRect needed =
      metrics.boundingRect(area, int(label->alignment()) | Qt::TextWordWrap, caption);
  const int spacing = std::max(1, metrics.lineSpacing());
  CaptionFit fit;
  fit.lines_needed = (needed.height() + spacing / 2) / spacing;
  fit.lines_shown = area.height() / spacing;
  fit.width_needed = needed.width();
  fit.width_shown = area.width();
  fit.fits = needed.height() <= area.height() && needed.width() <= area.width();
  return fit;
}

}  // namespace discmenu::tool
