#include "tools/editor/set_item_text.h"

#include <QCoreApplication>

#include "config/fields.h"
#include "tools/editor/editor_document.h"

namespace discmenu::editor {

SetItemText::SetItemText(EditorDocument* document, int item, std::string before, std::string after)
    : document_(document), item_(item), before_(std::move(before)), after_(std::move(after)) {
  setText(QCoreApplication::translate("discmenu-editor", "Edit %1")
              .arg(QString::fromStdString(FieldName(item))));
}

void SetItemText::undo() {
  document_->SetBytes(before_);
}

void SetItemText::redo() {
  document_->SetBytes(after_);
}

bool SetItemText::mergeWith(const QUndoCommand* other) {
  const auto* next = static_cast<const SetItemText*>(other);
  if (next->item_ != item_ || next->before_ != after_) return false;
  after_ = next->after_;
  // Typed back to what it was: the step goes.
  setObsolete(after_ == before_);
  return true;
}

}  // namespace discmenu::editor
