#include "tools/editor/set_items.h"

#include "tools/editor/editor_document.h"

namespace discmenu::editor {

SetItems::SetItems(EditorDocument* document, const QString& text, std::string before,
                   std::string after)
    : document_(document), before_(std::move(before)), after_(std::move(after)) {
  setText(text);
}

void SetItems::undo() {
  document_->SetBytes(before_);
}

void SetItems::redo() {
  document_->SetBytes(after_);
}

}  // namespace discmenu::editor
