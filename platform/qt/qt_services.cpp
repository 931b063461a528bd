#include "platform/qt/qt_services.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QSocketNotifier>
#include <cstdio>
#include <cstring>

#include "menu/presentation.h"
#include "platform/posix/executable.h"
#include "platform/posix/file_input.h"
#include "platform/posix/native_path.h"
#include "platform/qt/qt_picture.h"

namespace discmenu::qt {

namespace {

QString ToQString(std::string_view s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

}  // namespace

QtRuntime::QtRuntime() : first_app_path_(posix::ExecutableDirectory()) {}

std::string QtRuntime::AppPath() {
  std::string path = posix::ExecutableDirectory();
  return path.empty() ? first_app_path_ : path;
}

std::string QtRuntime::ShownName(const std::string& path) {
  return EscapeInvalidUtf8(posix::SlashPath(path));
}

Error QtRuntime::OpenForInput(const std::string& path, std::unique_ptr<ByteSource>* file) {
  return posix::OpenForInput(posix::ResolvePath(path), ShownName(path), file);
}

Error QtRuntime::LoadPicture(const std::string& path, Area area, bool with_twin,
                             PictureRef* picture) {
  const std::string native = posix::ResolvePath(path);
  if (auto it = preloaded_.find(path); it != preloaded_.end()) {
    const Preloaded found = std::move(it->second);
    preloaded_.erase(it);
    if (!with_twin && found.area == area && found.identity == posix::FileIdentity(native)) {
      *picture = found.picture;
      return Error();
    }
  }
  return LoadQtPicture(native, ShownName(path), area, with_twin, picture);
}

void QtRuntime::Preload(const std::vector<PictureToLoad>& pictures) {
  for (const PictureToLoad& p : pictures) {
    const std::string native = posix::ResolvePath(p.path);
    Preloaded loaded{p.area, posix::FileIdentity(native), nullptr};
    if (loaded.identity.empty() || preloaded_.count(p.path)) continue;
    if (LoadQtPicture(native, ShownName(p.path), p.area, false, &loaded.picture, false).ok() &&
        loaded.identity == posix::FileIdentity(native))
      preloaded_.emplace(p.path, std::move(loaded));
  }
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

ShellOutcome QtShell::Open(WindowHandle owner, std::string_view file) {
  const posix::LaunchOutcome outcome = posix::OpenPath(std::string(file), reaper_);
  if (outcome.result == posix::LaunchResult::kStarted)
    return ShellOutcome{ShellResult::kStarted, Error()};
  const bool not_found = outcome.result == posix::LaunchResult::kNotFound;

  QWidget* parent =
      window_ && static_cast<WindowHandle>(window_->winId()) == owner ? window_.data() : nullptr;
  const std::string shown = EscapeInvalidUtf8(outcome.native_path);
  const Message message = not_found ? Message(Text::kCannotFind, {shown})
                          : outcome.result == posix::LaunchResult::kNoOpener
                              ? Message(Text::kNoProgramToOpen, {shown})
                              : Message(Text::kCannotOpen, {shown, std::strerror(outcome.error)});
  const QString text = ToQString(message.Render(translator_));
  auto* box = new QMessageBox(
      QMessageBox::Warning, parent ? parent->windowTitle() : ToQString(presentation::kProgramName),
      text, QMessageBox::Ok, parent);
  box->setObjectName("ShellMessage");
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::WindowModal);
  box->open();  // like the shell's own message, but the menu does not wait on it
  return ShellOutcome{not_found ? ShellResult::kNotFound : ShellResult::kRefused, Error()};
}

void QtErrorReport::Report(const Error& error) {
  std::fprintf(stderr, "%s\n", presentation::ErrorLine(error, translator_).c_str());
  std::fflush(stderr);
  if (!qApp) return;
  QMessageBox box(QMessageBox::Critical, ToQString(presentation::kProgramName),
                  ToQString(presentation::ErrorBoxText(error, translator_)), QMessageBox::Ok);
  box.button(QMessageBox::Ok)->setText(ToQString(Message(Text::kOk, {}).Render(translator_)));
  box.setObjectName("ErrorReport");
  box.exec();
}

}  // namespace discmenu::qt
