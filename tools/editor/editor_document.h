// A menu folder open in the editor: install.ini as an IniDocument, the undo
// stack its edits go through, and what the file on disk held when it was
// read or last saved. Commands change the bytes through SetBytes(); every
// change is announced by changed().
#pragma once

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "config/ini_document.h"
#include "platform/posix/legacy_text.h"
#include "tools/editor/picture_cache.h"

namespace discmenu::editor {

class EditorDocument : public QObject {
  Q_OBJECT

 public:
  explicit EditorDocument(QObject* parent = nullptr);

  // Asked when the one fault of install.ini is that it ends before item
  // 34: the file and how many items it holds; true to add the missing ones.
  using AddMissing = std::function<bool(const std::string& file, int held)>;

  // Reads install.ini of the menu folder `folder` (found as the menu finds
  // it, letter case aside). "" on success; otherwise the document is as it
  // was and the message names the file and what is wrong. A file that ends
  // early opens when `add_missing` agrees, with the missing items added as
  // the first undo step: the file on disk is unchanged until saved.
  std::string Open(const std::string& folder, const AddMissing& add_missing = {});

  bool is_open() const { return !folder_.empty(); }
  const std::string& folder() const { return folder_; }
  const std::string& file() const { return file_; }  // the path of install.ini
  const IniDocument& ini() const { return ini_; }
  const std::string& bytes() const { return ini_.bytes(); }
  // Item `n` as its text: what an edit field shows.
  const std::string& Text(int n) const { return ini_.item(n).text; }
  QUndoStack* undo_stack() { return &undo_; }
  // The folder's pictures as the canvas and the checks loaded them.
  PictureCache& pictures() { return pictures_; }
  bool modified() const { return !undo_.isClean(); }

  // Edits item `n` to read `text` through an undo command; typing into one
  // item merges into one step. Anything but kDone leaves the document and
  // the stack as they were.
  EditOutcome SetText(int n, const std::string& text);
  // Sets each item of `edits` to its text, all as one step named `what`;
  // the first that cannot be written leaves everything as it was.
  EditOutcome SetTexts(const std::vector<std::pair<int, std::string>>& edits, const QString& what);
  // Rewrites the whole file as UTF-8 with a byte-order mark, as one step.
  EditOutcome ConvertToUtf8();

  // For the undo commands: makes `bytes`, which read as a document before,
  // the document.
  void SetBytes(const std::string& bytes);

  // Writes the bytes to install.ini through a temporary file in the folder
  // renamed over it, keeping the file's permissions. "" on success, else
  // what went wrong, naming the file.
  std::string Save();

  // True when install.ini on disk no longer holds what was read or saved.
  bool ChangedOnDisk() const;
  // Reads install.ini again, dropping the edits and their undo steps; as
  // Open() on error.
  std::string Reload();
  // Keeps the edits against a changed file: the document counts as
  // modified until it is saved.
  void KeepOwnVersion();

 signals:
  void changed();

 private:
  std::string folder_;
  std::string file_;
  std::string on_disk_;  // the bytes read or last written
  posix::DetectingDecoder decoder_;
  IniDocument ini_;
  QUndoStack undo_;
  PictureCache pictures_;
};

// Reads the whole of `path` into `*bytes`; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string* bytes);

}  // namespace discmenu::editor
