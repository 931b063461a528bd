// The undo command that rewrites the whole of install.ini as UTF-8 with a
// byte-order mark: taken only when the author agrees to it.
#pragma once

#include <QUndoCommand>
#include <string>

namespace discmenu::editor {

class EditorDocument;

class ConvertToUtf8 : public QUndoCommand {
 public:
  // `before` and `after` are the whole file's bytes around the conversion.
  ConvertToUtf8(EditorDocument* document, std::string before, std::string after,
                QUndoCommand* parent = nullptr);

  void undo() override;
  void redo() override;

 private:
  EditorDocument* document_;
  std::string before_;
  std::string after_;
};

}  // namespace discmenu::editor
