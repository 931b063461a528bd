#include "tools/editor/test_run.h"

#include <strings.h>

#include <QProcess>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace discmenu::editor {

namespace fs = std::filesystem;

std::string LayOutTestRun(const std::string& folder, const std::string& ini,
                          const std::string& program, const std::string& run_dir) {
  std::error_code error;
  const std::string name = fs::path(program).filename().string();
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    const std::string entry_name = entry.path().filename().string();
    // The folder's own install.ini and menu programs give way to the run's.
    if (strcasecmp(entry_name.c_str(), "install.ini") == 0 || entry_name == name) continue;
    fs::create_symlink(fs::absolute(entry.path()), fs::path(run_dir) / entry_name, error);
    if (error) return run_dir + "/" + entry_name + ": cannot be linked: " + error.message();
  }
  if (error) return folder + ": cannot be read: " + error.message();
  fs::copy_file(program, fs::path(run_dir) / name, error);
  if (error) return program + ": cannot be copied: " + error.message();
  std::ofstream(run_dir + "/install.ini", std::ios::binary) << ini;
  return "";
}

TestRun::TestRun(const std::string& folder, const std::string& ini, const std::string& program,
                 const QString& wine, QObject* parent)
    : QObject(parent) {
  if (!dir_.isValid()) {
    problem_ = dir_.errorString();
    return;
  }
  const std::string run_dir = dir_.path().toStdString();
  if (std::string problem = LayOutTestRun(folder, ini, program, run_dir); !problem.empty()) {
    problem_ = QString::fromStdString(problem);
    return;
  }
  const QString menu = dir_.filePath(QString::fromStdString(fs::path(program).filename().string()));
  process_ = new QProcess(this);
  process_->setWorkingDirectory(dir_.path());
  process_->setProcessChannelMode(QProcess::ForwardedChannels);
  connect(process_, &QProcess::finished, this, [this](int status) { emit finished(status); });
  connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
    if (e == QProcess::FailedToStart) emit finished(-1);
  });
  if (wine.isEmpty())
    process_->start(menu, {});
  else
    process_->start(wine, {menu});
}

TestRun::~TestRun() {
  // Closing the editor ends a run still open, and reaps it.
  if (process_ && process_->state() != QProcess::NotRunning) {
    process_->kill();
    process_->waitForFinished(2000);
  }
}

}  // namespace discmenu::editor
