// The undo command of an edit of one item. Consecutive edits of the same
// item merge into one step, so that typing a caption undoes as a whole.
#pragma once

#include <QUndoCommand>
#include <string>

namespace discmenu::editor {

class EditorDocument;

// Merge ids of the editor's commands.
enum CommandId { kSetItemTextId = 1 };

class SetItemText : public QUndoCommand {
 public:
  // `before` and `after` are the whole file's bytes around the edit of item `item`.
  SetItemText(EditorDocument* document, int item, std::string before, std::string after);

  void undo() override;
  void redo() override;
  int id() const override { return kSetItemTextId; }
  bool mergeWith(const QUndoCommand* other) override;

  int item() const { return item_; }
  const std::string& before() const { return before_; }

 private:
  EditorDocument* document_;
  int item_;
  std::string before_;
  std::string after_;
};

}  // namespace discmenu::editor
