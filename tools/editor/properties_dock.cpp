#include "tools/editor/properties_dock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include "config/variant.h"
#include "tools/editor/editor_document.h"

namespace discmenu::editor {

namespace {

enum Line { kCaption, kTarget, kPicture, kTitle, kBackgroundPicture };

// The line of an item's field, by the kind of the item's group.
int LineOf(int item) {
  switch (GroupOf(item).kind) {
    case FieldKind::kCaption:
      return kCaption;
    case FieldKind::kTarget:
      return kTarget;
    case FieldKind::kTitle:
      return kTitle;
    case FieldKind::kPicture:
      return item == kBackground.first_item ? kBackgroundPicture : kPicture;
    case FieldKind::kShowFlag:
      break;
  }
  return -1;
}

}  // namespace

PropertiesDock::PropertiesDock(EditorDocument* document, QWidget* parent)
    : QDockWidget(tr("Properties"), parent), document_(document) {
  setObjectName("properties");
  auto* body = new QWidget(this);
  form_ = new QFormLayout(body);
  chooser_ = new QComboBox(body);
  chooser_->addItem(tr("Window"));
  for (int n = 1; n <= kEntryCount; ++n) chooser_->addItem(tr("Entry %1").arg(n));
  chooser_->setAccessibleName(tr("Selected control"));
  form_->addRow(tr("&Control:"), chooser_);
  connect(chooser_, &QComboBox::activated, this, [this](int index) {
    Select({index, false});
    emit selected(selection_);
  });

  shown_ = new QCheckBox(tr("Shown"), body);
  shown_->setAccessibleName(tr("Entry shown"));
  form_->addRow(QString(), shown_);
  connect(shown_, &QCheckBox::clicked, this, [this](bool checked) {
    emit textEdited(kShowFlags.Item(selection_.entry), checked ? "1" : "0");
  });

  const QString names[] = {tr("C&aption:"), tr("&Target:"), tr("&Picture:"), tr("&Title:"),
                           tr("&Background:")};
  const QString accessible[] = {tr("Caption"), tr("Target"), tr("Button picture"),
                                tr("Window title"), tr("Background picture")};
  for (int k = 0; k < static_cast<int>(lines_.size()); ++k) {
    lines_[k] = new QLineEdit(body);
    lines_[k]->setAccessibleName(accessible[k]);
    form_->addRow(names[k], lines_[k]);
    connect(lines_[k], &QLineEdit::textEdited, this, [this, k](const QString& text) {
      for (int item : selection_.Items())
        if (item && LineOf(item) == k) emit textEdited(item, text);
    });
  }
  setWidget(body);
  Select({});
}

void PropertiesDock::Select(Selection selection) {
  selection_ = selection;
  chooser_->setCurrentIndex(selection.entry);
  const bool entry = selection.entry != 0;
  form_->setRowVisible(shown_, entry);
  for (int k : {kCaption, kTarget, kPicture}) form_->setRowVisible(lines_[k], entry);
  for (int k : {kTitle, kBackgroundPicture}) form_->setRowVisible(lines_[k], !entry);
  Refresh();
}

void PropertiesDock::Refresh() {
  setEnabled(document_->is_open());
  if (!document_->is_open()) return;
  for (int item : selection_.Items()) {
    if (!item) continue;
    if (GroupOf(item).kind == FieldKind::kShowFlag) {
      shown_->setChecked(EqualsOne(document_->ini().Value(item)).value_or(false));
      continue;
    }
    QLineEdit* line = lines_[LineOf(item)];
    const QString text = QString::fromStdString(document_->Text(item));
    if (line->text() != text) line->setText(text);
  }
}

QWidget* PropertiesDock::EditorOf(int item) const {
  if (GroupOf(item).kind == FieldKind::kShowFlag) return shown_;
  return lines_[LineOf(item)];
}

void PropertiesDock::FocusItem(int item) {
  if (item < 1 || item > kItemCount) return;
  Select(SelectionOf(item));
  emit selected(selection_);
  EditorOf(item)->setFocus(Qt::OtherFocusReason);
}

}  // namespace discmenu::editor
