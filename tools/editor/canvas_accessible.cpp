#include "tools/editor/canvas_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <array>

#include "platform/qt/form1_window.h"
#include "tools/editor/menu_canvas.h"

namespace discmenu::editor {

namespace {

constexpr int kChildCount = 1 + 2 * kEntryCount;

// Child 0 is the window; entry n's button is 2n-1, its label 2n.
int IndexOf(Selection selection) {
  return selection.entry == 0 ? 0 : 2 * selection.entry - (selection.label ? 0 : 1);
}

Selection SelectionOfChild(int index) {
  return index == 0 ? Selection{} : Selection{(index + 1) / 2, index % 2 == 0};
}

// One control of the menu's window as drawn on the canvas. It has no object
// of its own: the window behind the canvas is made anew on every change.
class ControlAccessible : public QAccessibleInterface {
 public:
  ControlAccessible(MenuCanvas* canvas, Selection selection)
      : canvas_(canvas), selection_(selection) {}

  Selection selection() const { return selection_; }

  bool isValid() const override { return canvas_ && canvas_->menu(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return canvas_ ? canvas_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(canvas_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}

  QAccessible::Role role() const override {
    return selection_.entry == 0 ? QAccessible::Graphic
           : selection_.label    ? QAccessible::StaticText
                                 : QAccessible::Button;
  }

  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    const qt::Form1Window& menu = *canvas_->menu();
    const int n = selection_.entry;
    if (t == QAccessible::Description) {
      if (n == 0) return menu.picture1()->accessibleName();
      return canvas_->ControlOf(selection_)->isHidden() ? MenuCanvas::tr("Hidden in the menu")
                                                        : QString();
    }
    if (t != QAccessible::Name) return {};
    if (n == 0)  // the window by its title, or by the background without one
      return menu.windowTitle().isEmpty() ? menu.picture1()->accessibleName() : menu.windowTitle();
    const QString name =
        selection_.label ? menu.label(n)->text() : menu.command(n)->accessibleName();
    if (!name.isEmpty()) return name;
    return (selection_.label ? MenuCanvas::tr("Label %1") : MenuCanvas::tr("Button %1")).arg(n);
  }

  QRect rect() const override {
    if (!isValid()) return {};
    const QRectF r = canvas_->RectOf(selection_);
    return QRect(canvas_->mapToGlobal(r.topLeft().toPoint()), r.size().toSize());
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    state.focusable = true;
    state.selectable = true;
    state.selected = canvas_->selection() == selection_;
    state.focused = state.selected && canvas_->hasFocus();
    state.invisible = canvas_->ControlOf(selection_)->isHidden();
    return state;
  }

 private:
  QPointer<MenuCanvas> canvas_;
  Selection selection_;
};

class CanvasAccessible : public QAccessibleWidget {
 public:
  explicit CanvasAccessible(MenuCanvas* canvas) : QAccessibleWidget(canvas, QAccessible::Client) {}
  ~CanvasAccessible() override {
    for (QAccessible::Id id : ids_)
      if (id) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return Canvas()->menu() ? kChildCount : 0; }

  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    if (QAccessibleInterface* known =
            ids_[index] ? QAccessible::accessibleInterface(ids_[index]) : nullptr)
      return known;
    auto* made = new ControlAccessible(Canvas(), SelectionOfChild(index));
    ids_[index] = QAccessible::registerAccessibleInterface(made);
    return made;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* control = dynamic_cast<const ControlAccessible*>(child);
    return control && control->parent() == this ? IndexOf(control->selection()) : -1;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = Canvas()->mapFromGlobal(QPoint(x, y));
    if (!Canvas()->menu() || !Canvas()->rect().contains(at)) return nullptr;
    return child(IndexOf(Canvas()->SelectionAt(at)));
  }

  QAccessibleInterface* focusChild() const override {
    return Canvas()->hasFocus() ? child(IndexOf(Canvas()->selection())) : nullptr;
  }

 private:
  MenuCanvas* Canvas() const { return static_cast<MenuCanvas*>(widget()); }

  mutable std::array<QAccessible::Id, kChildCount> ids_{};
};

QAccessibleInterface* AccessibleOf(const QString&, QObject* object) {
  if (auto* canvas = qobject_cast<MenuCanvas*>(object)) return new CanvasAccessible(canvas);
  return nullptr;
}

void Send(QAccessibleInterface* child, QAccessible::Event type) {
  if (!child) return;
  QAccessibleEvent event(child, type);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallCanvasAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(AccessibleOf);
    return true;
  }();
  (void)installed;
}

void AnnounceSelection(MenuCanvas* canvas, Selection from, Selection to) {
  if (!QAccessible::isActive() || !canvas->menu()) return;
  QAccessibleInterface* controls = QAccessible::queryAccessibleInterface(canvas);
  if (from != to) Send(controls->child(IndexOf(from)), QAccessible::SelectionRemove);
  Send(controls->child(IndexOf(to)), QAccessible::Selection);
  if (canvas->hasFocus()) Send(controls->child(IndexOf(to)), QAccessible::Focus);
}

}  // namespace discmenu::editor
