#include "tools/editor/convert_to_utf8.h"

#include <QCoreApplication>

#include "tools/editor/editor_document.h"

namespace discmenu::editor {

ConvertToUtf8::ConvertToUtf8(EditorDocument* document, std::string before, std::string after,
                             QUndoCommand* parent)
    : QUndoCommand(parent),
      document_(document),
      before_(std::move(before)),
      after_(std::move(after)) {
  setText(QCoreApplication::translate("discmenu-editor", "Convert to UTF-8"));
}

void ConvertToUtf8::undo() {
  document_->SetBytes(before_);
}

void ConvertToUtf8::redo() {
  document_->SetBytes(after_);
}

}  // namespace discmenu::editor
