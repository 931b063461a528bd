#include "tools/editor/findings_dock.h"

#include <QListWidget>

namespace discmenu::editor {

FindingsDock::FindingsDock(QWidget* parent) : QDockWidget(tr("Findings"), parent) {
  setObjectName("findings");
  list_ = new QListWidget(this);
  list_->setAccessibleName(tr("Findings"));
  list_->setWordWrap(true);
  setWidget(list_);
  connect(list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* row) { emit chosen(row->data(Qt::UserRole).toInt()); });
  connect(list_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* row) { emit chosen(row->data(Qt::UserRole).toInt()); });
}

void FindingsDock::SetFindings(const std::string& file,
                               const std::vector<tool::Finding>& findings) {
  list_->clear();
  count_ = static_cast<int>(findings.size());
  for (const tool::Finding& finding : findings) {
    auto* row = new QListWidgetItem(QString::fromStdString(tool::FormatFinding(file, finding)));
    row->setData(Qt::UserRole, finding.item);
    list_->addItem(row);
  }
  if (findings.empty()) list_->addItem(tr("No findings: the menu starts as designed."));
}

}  // namespace discmenu::editor
