#include "platform/qt/qt_services.h"

#include <sys/wait.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSocketNotifier>

#include <cstdio>
#include <cstring>

#include "platform/posix/file_input.h"
#include "platform/posix/launcher.h"
#include "platform/posix/native_path.h"
#include "platform/qt/qt_picture.h"

namespace discmenu::qt {

namespace {
constexpr const char* kProgramName = "discmenu";
}

std::string QtRuntime::AppPath() {
  return QCoreApplication::applicationDirPath().toStdString();
}

std::string QtRuntime::NativeName(const std::string& path) {
  return posix::SlashPath(path);
}

Error QtRuntime::OpenForInput(const std::string& path, std::unique_ptr<ByteSource>* file) {
  return posix::OpenForInput(posix::ResolvePath(path), NativeName(path), file);
}

Error QtRuntime::LoadPicture(const std::string& path, PictureRef* picture) {
  QScreen* screen = QGuiApplication::primaryScreen();
  qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
  return LoadQtPicture(posix::ResolvePath(path), NativeName(path), ratio, picture);
}

void EventLoopReaper::Watch(pid_t pid) {
  const int fd = posix::ProcessExitDescriptor(pid);
  if (fd < 0 || !QCoreApplication::instance()) {
    if (fd >= 0) close(fd);
    fallback_.Watch(pid);
    return;
  }
  auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier, fd, pid] {
    waitpid(pid, nullptr, WNOHANG);
    notifier->setEnabled(false);
    close(fd);
    notifier->deleteLater();
  });
}

int QtShell::ShellExecute(WindowHandle owner, std::string_view operation, std::string_view file,
                          const char* parameters, const char* directory, int show) {
  // Only "open", without parameters or directory, is asked for.
  (void)operation, (void)parameters, (void)directory, (void)show;
  posix::LaunchOutcome outcome = posix::OpenPath(std::string(file), reaper_);
  if (outcome.result == posix::LaunchResult::kStarted) return 42;

  QWidget* parent = QWidget::find(static_cast<WId>(owner));
  QString text =
      outcome.result == posix::LaunchResult::kNotFound
          ? QStringLiteral("cannot find \"%1\". Make sure the name is right, then try again.")
                .arg(QString::fromStdString(outcome.native_path))
          : QStringLiteral("cannot open \"%1\": %2")
                .arg(QString::fromStdString(outcome.native_path),
                     QString::fromLocal8Bit(std::strerror(outcome.error)));
  auto* box = new QMessageBox(QMessageBox::Warning,
                              parent ? parent->windowTitle() : QString::fromLatin1(kProgramName),
                              text, QMessageBox::Ok, parent);
  box->setObjectName("ShellMessage");
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::WindowModal);
  box->open();  // like the shell's own message, but the menu does not wait on it
  return outcome.result == posix::LaunchResult::kNotFound ? 2 : 0;
}

QString ErrorMessage(const Error& error) {
  return QStringLiteral("Run-time error %1:\n\n%2\n\n%3")
      .arg(error.number())
      .arg(QString::fromLatin1(error.text()), QString::fromStdString(error.detail()));
}

void QtErrorReport::Report(const Error& error) {
  std::fprintf(stderr, "%s: %s\n", kProgramName, error.ToString().c_str());
  std::fflush(stderr);
  if (!qApp) return;
  QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kProgramName), ErrorMessage(error),
                  QMessageBox::Ok);
  box.setObjectName("ErrorReport");
  box.exec();
}

}  // namespace discmenu::qt
