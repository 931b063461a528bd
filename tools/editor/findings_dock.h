// The findings of `discmenu-tool check` for the document as it stands,
// edits included; choosing one selects what it is about.
#pragma once

#include <QDockWidget>
#include <vector>

#include "tools/discmenu-tool/finding.h"

class QListWidget;

namespace discmenu::editor {

class FindingsDock : public QDockWidget {
  Q_OBJECT

 public:
  explicit FindingsDock(QWidget* parent = nullptr);

  // Shows `findings` about the file named `file`.
  void SetFindings(const std::string& file, const std::vector<tool::Finding>& findings);
  // How many findings it shows.
  int count() const { return count_; }

 signals:
  // A finding about item `item` (0: the whole file) was chosen.
  void chosen(int item);

 private:
  QListWidget* list_;
  int count_ = 0;
};

}  // namespace discmenu::editor
