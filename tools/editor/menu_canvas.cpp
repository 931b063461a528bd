#include "tools/editor/menu_canvas.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <utility>

#include "menu/form1.h"
#include "platform/qt/form1_window.h"
#include "platform/qt/qt_services.h"
#include "tools/editor/canvas_accessible.h"
#include "tools/editor/document_runtime.h"
#include "tools/editor/editor_document.h"

namespace discmenu::editor {

MenuCanvas::MenuCanvas(EditorDocument* document, QWidget* parent)
    : QWidget(parent), document_(document) {
  InstallCanvasAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  setAccessibleName(tr("Menu window"));
  setAccessibleDescription(
      tr("Click a button, a label or the background to select it; "
         "type to change the selected entry's caption"));
}

MenuCanvas::~MenuCanvas() = default;

void MenuCanvas::SetZoom(double zoom) {
  if (zoom == zoom_ && window_) return;  // drawn so already
  zoom_ = zoom;
  Refresh();
}

void MenuCanvas::Select(Selection selection) {
  if (selection != selection_)
    AnnounceSelection(this, std::exchange(selection_, selection), selection);
  update();
}

void MenuCanvas::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // Once the toolkit has told of the canvas taking the focus, the control
  // selected on it has the focus within.
  QTimer::singleShot(0, this, [this] { AnnounceSelection(this, selection_, selection_); });
}

void MenuCanvas::Refresh() {
  image_ = QImage();
  load_error_.clear();
  window_.reset();
  if (!document_->is_open()) {
    updateGeometry();
    update();
    return;
  }
  // A new window each time: the load step sets a window once, as the menu
  // does, so no state of an earlier load lingers.
  window_ = std::make_unique<qt::Form1Window>();
  window_->SetPictureScale(zoom_);
  DocumentRuntime runtime(document_->folder(), document_->bytes(), document_->pictures());
  qt::QtShell shell;  // nothing is clicked
  Form1 form(runtime, *window_, shell);
  if (Error e = form.Form_Load(); !e.ok()) load_error_ = QString::fromStdString(e.ToString());
  image_ = QImage(window_->size() * zoom_, QImage::Format_ARGB32_Premultiplied);
  image_.setDevicePixelRatio(zoom_);
  image_.fill(Qt::transparent);
  window_->render(&image_);
  updateGeometry();
  update();
}

QSize MenuCanvas::sizeHint() const {
  if (image_.isNull()) return QSize(400, 300);
  return (QSizeF(image_.size()) / devicePixelRatioF()).toSize();
}

Selection MenuCanvas::SelectionAt(QPoint point) const {
  if (!window_) return {};
  const QPoint at = (QPointF(point) * devicePixelRatioF() / zoom_).toPoint();
  const QWidget* hit = window_->childAt(at);
  for (int n = 1; n <= kEntryCount; ++n) {
    if (hit == window_->command(n)) return {n, false};
    if (hit == window_->label(n)) return {n, true};
  }
  return {};
}

QRectF MenuCanvas::RectOf(Selection selection) const {
  const QWidget* control = ControlOf(selection);
  if (!control) return {};
  const QRect r(control->mapTo(window_.get(), QPoint(0, 0)), control->size());
  return QRectF(r.topLeft() * zoom_ / devicePixelRatioF(),
                QSizeF(r.size()) * zoom_ / devicePixelRatioF());
}

const QWidget* MenuCanvas::ControlOf(Selection selection) const {
  if (!window_) return nullptr;
  if (selection.entry == 0) return window_->picture1();
  if (selection.label) return window_->label(selection.entry);
  return window_->command(selection.entry);
}

void MenuCanvas::paintEvent(QPaintEvent*) {
  Paint();
  emit drawn();
}

void MenuCanvas::Paint() {
  QPainter p(this);
  if (image_.isNull()) {
    p.drawText(rect(), Qt::AlignCenter, tr("Open a menu folder (File > Open)"));
    return;
  }
  QImage shown = image_;
  shown.setDevicePixelRatio(devicePixelRatioF());
  p.drawImage(QPoint(0, 0), shown);
  if (!load_error_.isEmpty()) {
    // Where the menu would stop, it says why; check's findings say more.
    const QRect band(0, 0, width(), fontMetrics().height() * 3);
    p.fillRect(band, QColor(0xff, 0xe0, 0xe0));
    p.setPen(Qt::black);
    p.drawText(band.adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::TextWordWrap, load_error_);
  }
  if (!window_) return;
  const QRectF r = RectOf(selection_);
  // A hidden entry is still marked where it would stand. The mark goes
  // around a button or a label, so that it hides none of its caption; the
  // window's is inside its edge.
  QPen pen(palette().color(QPalette::Highlight), hasFocus() ? 3 : 2);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(selection_.entry == 0 ? r.adjusted(1, 1, -1, -1) : r.adjusted(-2, -2, 2, 2));
}

void MenuCanvas::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  Select(SelectionAt(event->position().toPoint()));
  emit selected(selection_);
}

void MenuCanvas::keyPressEvent(QKeyEvent* event) {
  // The arrow keys walk the window and the eight entries, hidden ones too.
  const int step = event->key() == Qt::Key_Down || event->key() == Qt::Key_Right ? 1
                   : event->key() == Qt::Key_Up || event->key() == Qt::Key_Left  ? kEntryCount
                                                                                 : 0;
  if (step) {
    Select({(selection_.entry + step) % (kEntryCount + 1), false});
    emit selected(selection_);
    return;
  }
  if (selection_.entry == 0 || !document_->is_open()) return QWidget::keyPressEvent(event);
  const int item = kCaptions.Item(selection_.entry);
  QString caption = QString::fromStdString(document_->Text(item));
  if (event->key() == Qt::Key_Backspace) {
    if (caption.isEmpty()) return;
    caption.chop(1);
  } else if (!event->text().isEmpty() && event->text().at(0).isPrint()) {
    caption += event->text();
  } else {
    return QWidget::keyPressEvent(event);
  }
  emit textTyped(item, caption);
}

namespace {

// The local files a drag carries; none when anything else comes along.
QStringList LocalFiles(const QMimeData* data) {
  QStringList paths;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) return {};
    paths << url.toLocalFile();
  }
  return paths;
}

}  // namespace

void MenuCanvas::dragEnterEvent(QDragEnterEvent* event) {
  if (document_->is_open() && !LocalFiles(event->mimeData()).isEmpty())
    event->acceptProposedAction();
}

void MenuCanvas::dragMoveEvent(QDragMoveEvent* event) {
  // The control under the pointer is marked as what the drop will change.
  const Selection under = SelectionAt(event->position().toPoint());
  if (under != selection_) Select(under);
  event->acceptProposedAction();
}

void MenuCanvas::dropEvent(QDropEvent* event) {
  const QStringList paths = LocalFiles(event->mimeData());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  Select(SelectionAt(event->position().toPoint()));
  emit selected(selection_);
  emit filesDropped(selection_, paths);
}

}  // namespace discmenu::editor
