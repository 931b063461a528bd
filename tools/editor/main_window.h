// The editor's main window: the canvas in the centre under the bar for a
// file changed on disk, the properties and findings docks, and the File,
// Edit and View menus. Every edit goes through the document's undo stack.
#pragma once

#include <QFileSystemWatcher>
#include <QMainWindow>
#include <QTimer>
#include <string>

#include "tools/editor/selection.h"

class QActionGroup;

namespace discmenu::editor {

class EditorDocument;
class FileChangedBar;
class FindingsDock;
class MenuCanvas;
class PropertiesDock;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow();

  // Opens the menu folder `folder`; false, after telling the user, if not.
  bool OpenFolder(const QString& folder);
  void SetZoom(double zoom);

  EditorDocument* document() const { return document_; }
  MenuCanvas* canvas() const { return canvas_; }
  FindingsDock* findings() const { return findings_; }

  // Makes item `item` read `text`; where the file's encoding cannot hold it,
  // asks whether to convert the file to UTF-8 first. False if nothing changed.
  bool ApplyText(int item, const QString& text);
  // Sets what files dropped on `on` stand for: a picture its face (or the
  // background), another file an entry's target, all as one step. A file
  // from outside the folder is copied in when the author agrees. False if
  // nothing changed; the status bar says why.
  bool DropFiles(Selection on, const QStringList& paths);
  // Starts the menu on the folder as it stands, the Linux one or (`windows`)
  // the Windows one under Wine; false, saying why, if it cannot start.
  bool StartTestRun(bool windows);
  // Writes the folder's disc and stick images into `out_dir` (the folder
  // must be saved); "" on success, else what went wrong.
  QString BuildImages(const QString& out_dir);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void NewFolder();
  void OpenDialog();
  bool Save();
  // True when there are no unsaved edits, or the user saved or dropped them.
  bool MayDropEdits();
  void Select(Selection selection);
  void OnChanged();
  // Grows the window to show the whole canvas beside the panels.
  void FitWindow();
  void RunChecks();
  void WatchFile();
  void BuildDialog();
  // Where the folder choosers start.
  QString StartingFolder() const;

  EditorDocument* document_;
  MenuCanvas* canvas_;
  FileChangedBar* changed_bar_;
  PropertiesDock* properties_;
  FindingsDock* findings_;
  QActionGroup* zooms_;
  QFileSystemWatcher watcher_;
  QTimer check_timer_;  // findings, once the canvas shows the last change
  QTimer disk_timer_;   // the file on disk, once a burst of writes is over
};

}  // namespace discmenu::editor
