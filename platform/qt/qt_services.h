// The platform services on Qt (and POSIX underneath).
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

#include "menu/form1.h"
#include "menu/services.h"
#include "platform/posix/launcher.h"
#include "platform/posix/legacy_text.h"

namespace discmenu::qt {

class QtRuntime : public Runtime {
 public:
  // Finds the executable's folder; app_path_known() tells whether it could.
  QtRuntime();
  bool app_path_known() const { return !first_app_path_.empty(); }

  // The executable's folder, read anew; the one found at the start if the
  // system cannot tell any more. Never another folder.
  std::string AppPath() override;
  std::string ShownName(const std::string& path) override;
  Error OpenForInput(const std::string& path, std::unique_ptr<ByteSource>* file) override;
  const LegacyDecoder& legacy_decoder() override { return decoder_; }
  // Takes a picture that Preload decoded when it is asked for again, for
  // the same control, without a twin, and its file is unchanged.
  Error LoadPicture(const std::string& path, Area area, bool with_twin,
                    PictureRef* picture) override;

  // Decodes the JPEG pictures of `pictures` that need no toolkit, for
  // LoadPicture to take: run on another core while the toolkit starts.
  // Nothing else is done with them; errors are left for the load step.
  void Preload(const std::vector<PictureToLoad>& pictures);

 private:
  struct Preloaded {
    Area area;
    std::string identity;  // the file's device, inode, size and times
    PictureRef picture;
  };
  std::map<std::string, Preloaded> preloaded_;
  posix::DetectingDecoder decoder_;
  std::string first_app_path_;
};

// Reaps started programs from the event loop, as each one ends.
class EventLoopReaper : public posix::ChildWatcher {
 public:
  void Watch(pid_t pid) override;

 private:
  posix::ThreadReaper fallback_;
};

// Opens files like a desktop shell. A target that does not exist gets the
// shell's own short message, owned by `window` when the request names it as
// the owner; the menu is told nothing.
class QtShell : public Shell {
 public:
  // `translator` gives the message in the user's language (English without).
  explicit QtShell(QWidget* window = nullptr, const Translator* translator = nullptr)
      : window_(window), translator_(translator) {}
  ShellOutcome Open(WindowHandle owner, std::string_view file) override;

 private:
  QPointer<QWidget> window_;
  const Translator* translator_;
  EventLoopReaper reaper_;
};

// A message box owned by nothing, and the same as one line on stderr, in
// the user's language through `translator` (English without).
class QtErrorReport : public ErrorReport {
 public:
  explicit QtErrorReport(const Translator* translator = nullptr) : translator_(translator) {}
  void Report(const Error& error) override;

 private:
  const Translator* translator_;
};

}  // namespace discmenu::qt
