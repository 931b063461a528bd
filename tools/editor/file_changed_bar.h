// The bar over the canvas that says install.ini was changed on disk since
// it was read or saved, and offers to read it again or to keep the edits.
#pragma once

#include <QFrame>

namespace discmenu::editor {

class FileChangedBar : public QFrame {
  Q_OBJECT

 public:
  explicit FileChangedBar(QWidget* parent = nullptr);

 signals:
  void reload();
  void keep();
};

}  // namespace discmenu::editor
