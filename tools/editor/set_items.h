// The undo command that sets several items at once, as one step: a file
// dropped on the canvas, a picture and a target dropped together.
#pragma once

#include <QString>
#include <QUndoCommand>
#include <string>

namespace discmenu::editor {

class EditorDocument;

class SetItems : public QUndoCommand {
 public:
  // `before` and `after` are the whole file's bytes around the step.
  SetItems(EditorDocument* document, const QString& text, std::string before, std::string after);

  void undo() override;
  void redo() override;

 private:
  EditorDocument* document_;
  std::string before_;
  std::string after_;
};

}  // namespace discmenu::editor
