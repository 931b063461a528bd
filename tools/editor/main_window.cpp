#include "tools/editor/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include "tools/discmenu-tool/check_render.h"
#include "tools/discmenu-tool/image.h"
#include "tools/discmenu-tool/medium_programs.h"
#include "tools/discmenu-tool/scaffold.h"
#include "tools/editor/ask.h"
#include "tools/editor/document_runtime.h"
#include "tools/editor/dropped_file.h"
#include "tools/editor/editor_document.h"
#include "tools/editor/file_changed_bar.h"
#include "tools/editor/findings_dock.h"
#include "tools/editor/menu_canvas.h"
#include "tools/editor/properties_dock.h"
#include "tools/editor/test_run.h"

namespace discmenu::editor {

namespace {

// The checks run once the canvas has shown a change (keystrokes that
// arrive together are checked once), or after this long if it is not drawn.
constexpr int kCheckDelayMs = 200;
constexpr int kDiskDelayMs = 200;

// The menus built beside the editor: the Linux one, and the Windows one
// among the programs every medium carries.
QString LinuxMenu() {
  return QCoreApplication::applicationDirPath() + "/discmenu";
}

QString WindowsMenu() {
  const std::string programs =
      tool::FindMediumPrograms(QCoreApplication::applicationDirPath().toStdString());
  return programs.empty() ? QString() : QString::fromStdString(programs) + "/discmenu.exe";
}

}  // namespace

MainWindow::MainWindow() : document_(new EditorDocument(this)) {
  canvas_ = new MenuCanvas(document_, this);
  changed_bar_ = new FileChangedBar(this);
  changed_bar_->hide();
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(canvas_);
  scroll->setWidgetResizable(false);
  scroll->setAlignment(Qt::AlignCenter);
  scroll->setFocusPolicy(Qt::NoFocus);
  auto* centre = new QWidget(this);
  auto* column = new QVBoxLayout(centre);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(changed_bar_);
  column->addWidget(scroll, 1);
  setCentralWidget(centre);

  properties_ = new PropertiesDock(document_, this);
  addDockWidget(Qt::RightDockWidgetArea, properties_);
  findings_ = new FindingsDock(this);
  addDockWidget(Qt::BottomDockWidgetArea, findings_);

  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(tr("&New..."), QKeySequence::New, this, &MainWindow::NewFolder);
  file->addAction(tr("&Open..."), QKeySequence::Open, this, &MainWindow::OpenDialog);
  file->addAction(tr("&Save"), QKeySequence::Save, this, &MainWindow::Save);
  file->addSeparator();
  file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  QAction* undo = document_->undo_stack()->createUndoAction(this, tr("&Undo"));
  undo->setShortcut(QKeySequence::Undo);
  QAction* redo = document_->undo_stack()->createRedoAction(this, tr("&Redo"));
  redo->setShortcut(QKeySequence::Redo);
  edit->addAction(undo);
  edit->addAction(redo);

  QMenu* view = menuBar()->addMenu(tr("&View"));
  zooms_ = new QActionGroup(this);
  QActionGroup* zooms = zooms_;
  for (int percent : {100, 125, 150, 200}) {
    QAction* action = view->addAction(tr("%1 %").arg(percent));
    action->setCheckable(true);
    action->setChecked(percent == 100);
    action->setData(percent);
    zooms->addAction(action);
  }
  connect(zooms, &QActionGroup::triggered, this,
          [this](QAction* action) { SetZoom(action->data().toInt() / 100.0); });
  QMenu* run = menuBar()->addMenu(tr("&Run"));
  run->addAction(tr("&Test run"), QKeySequence(Qt::Key_F5), this, [this] { StartTestRun(false); });
  QAction* under_wine =
      run->addAction(tr("Test run under &Wine"), this, [this] { StartTestRun(true); });
  // Looked for when the menu opens, not while the editor starts.
  connect(run, &QMenu::aboutToShow, under_wine, [under_wine] {
    under_wine->setEnabled(!QStandardPaths::findExecutable("wine").isEmpty() &&
                           QFileInfo::exists(WindowsMenu()));
  });
  run->addAction(tr("&Build images..."), this, &MainWindow::BuildDialog);

  view->addSeparator();
  view->addAction(properties_->toggleViewAction());
  view->addAction(findings_->toggleViewAction());

  connect(canvas_, &MenuCanvas::selected, this, &MainWindow::Select);
  connect(canvas_, &MenuCanvas::textTyped, this, &MainWindow::ApplyText);
  connect(canvas_, &MenuCanvas::filesDropped, this, &MainWindow::DropFiles);
  connect(properties_, &PropertiesDock::selected, this, &MainWindow::Select);
  connect(properties_, &PropertiesDock::textEdited, this, &MainWindow::ApplyText);
  connect(findings_, &FindingsDock::chosen, properties_, &PropertiesDock::FocusItem);
  connect(document_, &EditorDocument::changed, this, &MainWindow::OnChanged);
  connect(document_->undo_stack(), &QUndoStack::cleanChanged, this,
          [this](bool clean) { setWindowModified(!clean); });

  check_timer_.setSingleShot(true);
  connect(&check_timer_, &QTimer::timeout, this, &MainWindow::RunChecks);
  connect(canvas_, &MenuCanvas::drawn, this, [this] {
    if (check_timer_.isActive()) check_timer_.start(0);
  });
  disk_timer_.setSingleShot(true);
  disk_timer_.setInterval(kDiskDelayMs);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, &disk_timer_, qOverload<>(&QTimer::start));
  connect(&disk_timer_, &QTimer::timeout, this, [this] {
    WatchFile();  // a file renamed into place is a new file to watch
    if (document_->is_open() && document_->ChangedOnDisk()) changed_bar_->show();
  });
  connect(changed_bar_, &FileChangedBar::reload, this, [this] {
    if (std::string problem = document_->Reload(); !problem.empty())
      Tell(this, QMessageBox::Warning, windowTitle(), QString::fromStdString(problem));
    else
      changed_bar_->hide();
  });
  connect(changed_bar_, &FileChangedBar::keep, this, [this] {
    document_->KeepOwnVersion();
    changed_bar_->hide();
  });

  setWindowTitle(tr("discmenu-editor"));
  resize(1100, 760);
  resizeDocks({properties_}, {360}, Qt::Horizontal);
  resizeDocks({findings_}, {120}, Qt::Vertical);
}

bool MainWindow::OpenFolder(const QString& folder) {
  bool declined = false;
  const auto add_missing = [this, &declined](const std::string& file, int held) {
    declined = Ask(this, tr("Add the missing items?"),
                   tr("%1 holds %2 of the 34 items the menu reads; the menu stops where they "
                      "end.\n\nAdd the missing items at the end of the file? Added show flags "
                      "are 0, which hides their entries; an added button picture repeats the "
                      "one before it; other added items are empty, and the findings say what "
                      "still needs a value. Nothing before them changes, and the file is "
                      "written only when you save.")
                       .arg(QString::fromStdString(file), QString::number(held)),
                   {{tr("&Add Items"), QMessageBox::AcceptRole}}) != QMessageBox::AcceptRole;
    return !declined;
  };
  if (std::string problem = document_->Open(folder.toStdString(), add_missing); !problem.empty()) {
    if (!declined)
      Tell(this, QMessageBox::Warning, tr("discmenu-editor"), QString::fromStdString(problem));
    return false;
  }
  changed_bar_->hide();
  setWindowTitle(tr("%1[*] - discmenu-editor").arg(QString::fromStdString(document_->file())));
  setWindowModified(document_->modified());  // items added to a short file are not saved yet
  WatchFile();
  Select({});
  canvas_->setFocus();
  FitWindow();
  return true;
}

void MainWindow::SetZoom(double zoom) {
  for (QAction* action : zooms_->actions())
    action->setChecked(action->data().toInt() == qRound(zoom * 100));
  canvas_->SetZoom(zoom);
  FitWindow();
}

void MainWindow::FitWindow() {
  canvas_->adjustSize();
  // Room for the whole window beside the panels, as far as the screen has.
  const QSize wanted = canvas_->sizeHint() + QSize(420, 240);
  const QSize room = screen()->availableGeometry().size();
  resize(std::max(width(), std::min(wanted.width(), room.width())),
         std::max(height(), std::min(wanted.height(), room.height())));
}

void MainWindow::WatchFile() {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (document_->is_open()) watcher_.addPath(QString::fromStdString(document_->file()));
}

bool MainWindow::ApplyText(int item, const QString& text) {
  const std::string utf8 = text.toStdString();
  switch (document_->SetText(item, utf8)) {
    case EditOutcome::kDone:
    case EditOutcome::kUnchanged:
      return true;
    case EditOutcome::kMissing:
      statusBar()->showMessage(tr("Not changed: install.ini ends before item %1.").arg(item));
      break;
    case EditOutcome::kNotWritable:
      statusBar()->showMessage(
          tr("No item of install.ini can hold this text: a double quote may not stand here."));
      break;
    case EditOutcome::kNotEncodable:
    case EditOutcome::kNeedsUtf8: {
      const QString encoding = QString::fromStdString(document_->ini().encoding().name);
      const auto answer =
          Ask(this, tr("Convert install.ini to UTF-8?"),
              tr("install.ini is written in %1, which cannot hold this text.\n\n"
                 "Convert the whole file to UTF-8 with a byte-order mark? The menu reads it "
                 "the same; every other text stays as it is.")
                  .arg(encoding),
              {{tr("&Convert"), QMessageBox::AcceptRole}});
      if (answer != QMessageBox::AcceptRole) {
        statusBar()->showMessage(tr("Not changed: %1 cannot hold this text.").arg(encoding));
        break;
      }
      QUndoStack* stack = document_->undo_stack();
      stack->beginMacro(tr("Convert to UTF-8 and edit %1").arg(item));
      document_->ConvertToUtf8();
      const EditOutcome outcome = document_->SetText(item, utf8);
      stack->endMacro();
      if (outcome == EditOutcome::kDone || outcome == EditOutcome::kUnchanged) return true;
      break;
    }
  }
  properties_->Refresh();  // the field shows what the file holds
  return false;
}

bool MainWindow::DropFiles(Selection on, const QStringList& paths) {
  if (!document_->is_open()) return false;
  std::vector<std::pair<int, std::string>> edits;
  std::vector<std::pair<QString, DroppedFile>> copies;
  QStringList said;
  const auto refuse = [&](const QString& why) {
    statusBar()->showMessage(why);
    return false;
  };
  for (const QString& path : paths) {
    const bool picture = IsPicture(path.toStdString());
    const int item = picture
                         ? (on.entry == 0 ? kBackground.first_item : kButtonPictures.Item(on.entry))
                     : on.entry != 0 ? kTargets.Item(on.entry)
                                     : 0;
    if (item == 0) return refuse(tr("Not set: the background takes a picture, not %1.").arg(path));
    if (std::any_of(edits.begin(), edits.end(), [item](const auto& e) { return e.first == item; }))
      return refuse(tr("Not set: drop one picture and one other file at most."));
    DroppedFile placed = PlaceDroppedFile(document_->folder(), path.toStdString(),
                                          picture ? kPicturesFolder : kTargetsFolder);
    if (placed.kind == DroppedFile::kRefused)
      return refuse(tr("Not set: %1").arg(QString::fromStdString(placed.reason)));
    if (placed.kind == DroppedFile::kCopy) {
      copies.emplace_back(path, placed);
      said << tr("%1 as %2").arg(path, QString::fromStdString(placed.value).mid(1));
    }
    edits.emplace_back(item, placed.value);
  }
  // One question for all the files from outside, copied only on yes.
  if (!copies.empty()) {
    const auto answer = Ask(this, tr("Copy into the menu folder?"),
                            tr("The menu finds only files inside its folder. Copy into it:\n\n%1?")
                                .arg(said.join("\n")),
                            {{tr("&Copy"), QMessageBox::AcceptRole}});
    if (answer != QMessageBox::AcceptRole)
      return refuse(tr("Not set: %1 is outside the menu folder and was not copied in.")
                        .arg(copies.front().first));
    for (const auto& [path, placed] : copies)
      if (std::string problem = CopyDroppedFile(path.toStdString(), placed); !problem.empty())
        return refuse(tr("Not set: %1").arg(QString::fromStdString(problem)));
  }
  const EditOutcome outcome = document_->SetTexts(
      edits, on.entry == 0 ? tr("Drop on the background") : tr("Drop on entry %1").arg(on.entry));
  if (outcome != EditOutcome::kDone)
    return refuse(outcome == EditOutcome::kUnchanged
                      ? tr("Unchanged: the entry names these files already.")
                  : outcome == EditOutcome::kMissing
                      ? tr("Not set: install.ini ends before this entry's items.")
                      : tr("Not set: install.ini cannot hold these names in its encoding."));
  if (!said.isEmpty()) statusBar()->showMessage(tr("Copied in: %1").arg(said.join("; ")));
  return true;
}

bool MainWindow::StartTestRun(bool windows) {
  if (!document_->is_open()) return false;
  const QString program = windows ? WindowsMenu() : LinuxMenu();
  auto* run = new TestRun(document_->folder(), document_->bytes(), program.toStdString(),
                          windows ? QStandardPaths::findExecutable("wine") : QString(), this);
  if (!run->problem().isEmpty()) {
    statusBar()->showMessage(tr("No test run: %1").arg(run->problem()));
    delete run;
    return false;
  }
  connect(run, &TestRun::finished, this, [this, run](int status) {
    statusBar()->showMessage(tr("The test run ended (status %1).").arg(status), 5000);
    run->deleteLater();
  });
  statusBar()->showMessage(tr("Test run of %1 started.").arg(program), 5000);
  return true;
}

QString MainWindow::BuildImages(const QString& out_dir) {
  if (document_->modified()) return tr("Save install.ini first: the images hold the saved folder.");
  const QString name = QFileInfo(QString::fromStdString(document_->folder())).fileName();
  std::ostringstream out, err;
  const int status =
      tool::RunImage(document_->folder(), (out_dir + "/" + name + ".iso").toStdString(),
                     (out_dir + "/" + name + ".img").toStdString(), std::nullopt, false, out, err);
  return status == 0 ? QString() : QString::fromStdString(err.str());
}

void MainWindow::BuildDialog() {
  if (!document_->is_open()) return;
  const QString out_dir = QFileDialog::getExistingDirectory(
      this, tr("Where to write the disc and stick images"), StartingFolder());
  if (out_dir.isEmpty()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const QString problem = BuildImages(out_dir);
  QApplication::restoreOverrideCursor();
  if (problem.isEmpty())
    statusBar()->showMessage(tr("Images written to %1").arg(out_dir));
  else
    Tell(this, QMessageBox::Warning, tr("No images"), problem);
}

void MainWindow::Select(Selection selection) {
  canvas_->Select(selection);
  properties_->Select(selection);
}

void MainWindow::OnChanged() {
  canvas_->Refresh();
  canvas_->adjustSize();
  properties_->Refresh();
  check_timer_.start(kCheckDelayMs);
}

void MainWindow::RunChecks() {
  if (!document_->is_open()) return;
  DocumentRuntime runtime(document_->folder(), document_->bytes(), document_->pictures());
  findings_->SetFindings("install.ini", tool::CheckMenu(runtime));
}

bool MainWindow::Save() {
  if (!document_->is_open()) return false;
  if (std::string problem = document_->Save(); !problem.empty()) {
    Tell(this, QMessageBox::Critical, tr("Not saved"), QString::fromStdString(problem));
    return false;
  }
  changed_bar_->hide();
  statusBar()->showMessage(tr("Saved %1").arg(QString::fromStdString(document_->file())), 3000);
  return true;
}

bool MainWindow::MayDropEdits() {
  if (!document_->modified()) return true;
  const auto answer = Ask(
      this, tr("Unsaved changes"), tr("install.ini has changes that are not saved. Save them?"),
      {{tr("&Save"), QMessageBox::AcceptRole}, {tr("Do&n't Save"), QMessageBox::DestructiveRole}});
  if (answer == QMessageBox::AcceptRole) return Save();
  return answer == QMessageBox::DestructiveRole;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (MayDropEdits())
    event->accept();
  else
    event->ignore();
}

QString MainWindow::StartingFolder() const {
  // Beside the folder that is open: where its neighbours and its images go.
  if (document_->is_open())
    return QFileInfo(QString::fromStdString(document_->folder())).absolutePath();
  return QDir::homePath();
}

void MainWindow::OpenDialog() {
  if (!MayDropEdits()) return;
  const QString folder =
      QFileDialog::getExistingDirectory(this, tr("Open a menu folder"), StartingFolder());
  if (!folder.isEmpty()) OpenFolder(folder);
}

void MainWindow::NewFolder() {
  if (!MayDropEdits()) return;
  const QString folder = QFileDialog::getExistingDirectory(
      this, tr("Choose or create an empty folder for the menu"), StartingFolder());
  if (folder.isEmpty()) return;
  std::ostringstream out, err;
  const std::string programs =
      tool::FindMediumPrograms(QCoreApplication::applicationDirPath().toStdString());
  if (tool::RunInit(folder.toStdString(), false, programs, out, err) != 0) {
    Tell(this, QMessageBox::Warning, tr("No new menu"), QString::fromStdString(err.str()));
    return;
  }
  OpenFolder(folder);
}

}  // namespace discmenu::editor
