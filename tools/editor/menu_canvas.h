// The centre of the editor: the menu's own window (platform/qt's
// Form1Window, loaded by Form1 from the document) drawn at a chosen scale,
// with the selection marked (and told to a screen reader, which learns the
// controls from canvas_accessible.h). A click selects the control under it, the
// arrow keys walk the window and the entries; typing with an entry selected
// edits its caption. Files dropped on a control are handed on.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "tools/editor/selection.h"

namespace discmenu::qt {
class Form1Window;
}

namespace discmenu::editor {

class EditorDocument;

class MenuCanvas : public QWidget {
  Q_OBJECT

 public:
  explicit MenuCanvas(EditorDocument* document, QWidget* parent = nullptr);
  ~MenuCanvas() override;

  // 1.0, 1.25, 1.5 or 2.0: the scale of the screen the window is shown as on.
  void SetZoom(double zoom);
  double zoom() const { return zoom_; }
  void Select(Selection selection);
  Selection selection() const { return selection_; }

  // Loads the menu anew from the document and draws it.
  void Refresh();
  // What a click at `point` (in the canvas's coordinates) selects.
  Selection SelectionAt(QPoint point) const;
  // The window as drawn, in device pixels; the menu's error if it stopped.
  const QImage& image() const { return image_; }
  const QString& load_error() const { return load_error_; }
  // The menu's window as loaded, none before a folder is open.
  const qt::Form1Window* menu() const { return window_.get(); }
  // The control that stands for `selection`: Picture1 for the window.
  const QWidget* ControlOf(Selection selection) const;
  // Where that control is drawn, in the canvas's coordinates.
  QRectF RectOf(Selection selection) const;

  QSize sizeHint() const override;

 signals:
  void selected(Selection selection);
  // The author typed on the canvas: item `item` should read `text`.
  void textTyped(int item, const QString& text);
  // Files from the file manager were dropped on `on` (local paths).
  void filesDropped(Selection on, const QStringList& paths);
  // The canvas has been drawn on the screen.
  void drawn();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Paint();

  EditorDocument* document_;
  std::unique_ptr<qt::Form1Window> window_;
  QImage image_;
  QString load_error_;
  double zoom_ = 1.0;
  Selection selection_;
};

}  // namespace discmenu::editor
