// The side panel: what belongs to the selection (an entry's show flag,
// caption, target and button picture; the window's title and background),
// each edited in place. A chooser at its top reaches every entry, hidden
// ones too, from the keyboard.
#pragma once

#include <QDockWidget>
#include <array>

#include "tools/editor/selection.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;

namespace discmenu::editor {

class EditorDocument;

class PropertiesDock : public QDockWidget {
  Q_OBJECT

 public:
  explicit PropertiesDock(EditorDocument* document, QWidget* parent = nullptr);

  void Select(Selection selection);
  // Shows the document's values; a field being typed in keeps its cursor.
  void Refresh();
  // Selects what item `item` belongs to and puts the focus on its field.
  void FocusItem(int item);

 signals:
  void selected(Selection selection);
  // The author changed a field: item `item` should read `text`.
  void textEdited(int item, const QString& text);

 private:
  QWidget* EditorOf(int item) const;

  EditorDocument* document_;
  Selection selection_;
  QComboBox* chooser_;
  QFormLayout* form_;
  QCheckBox* shown_;
  // Caption, target, button picture, window title, background picture.
  std::array<QLineEdit*, 5> lines_{};
};

}  // namespace discmenu::editor
