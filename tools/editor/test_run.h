// A test run: the real menu started on the folder as it stands in the
// editor, unsaved edits included. The menu reads install.ini beside its own
// executable, so the run gets a folder of its own: the menu's program, the
// document's bytes as install.ini and links to everything else in the menu
// folder. The process is started without a shell and reaped when it ends;
// the editor never waits for it.
#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <memory>
#include <string>

class QProcess;

namespace discmenu::editor {

// Lays out `run_dir` for a run of `program` (copied in under its own name)
// on the menu folder `folder` with `ini` as its install.ini. "" on
// success, else what went wrong, naming the file.
std::string LayOutTestRun(const std::string& folder, const std::string& ini,
                          const std::string& program, const std::string& run_dir);

class TestRun : public QObject {
  Q_OBJECT

 public:
  // `wine`: the program to start `program` with (a Windows menu), or "".
  TestRun(const std::string& folder, const std::string& ini, const std::string& program,
          const QString& wine, QObject* parent);
  ~TestRun() override;

  // "" once started; else why it was not.
  const QString& problem() const { return problem_; }

 signals:
  // The menu ended with `status`; the process is reaped.
  void finished(int status);

 private:
  QTemporaryDir dir_;
  QProcess* process_ = nullptr;
  QString problem_;
};

}  // namespace discmenu::editor
