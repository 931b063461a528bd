#include "menu/recording_platform.h"

namespace discmenu::testing {

namespace {

// Logs its closing.
class LoggedSource : public StringSource {
 public:
  LoggedSource(std::string bytes, Log* log) : StringSource(std::move(bytes)), log_(log) {}
  ~LoggedSource() override { log_->push_back("Close"); }

 private:
  Log* log_;
};

std::string OnOff(bool b) {
  return b ? "true" : "false";
}

std::string PictureName(const PictureRef& p) {
  return p ? p->source() : "?";
}

}  // namespace

Error FakeRuntime::OpenForInput(const std::string& path, std::unique_ptr<ByteSource>* file) {
  log_->push_back("Open " + path);
  auto it = files.find(path);
  if (it == files.end()) return Error::FileNotFound(path);
  *file = std::make_unique<LoggedSource>(it->second, log_);
  return Error();
}

Error FakeRuntime::LoadPicture(const std::string& path, Area area, bool with_twin,
                               PictureRef* picture) {
  log_->push_back("LoadPicture " + path + (area == Area::kButton ? " (button)" : "") +
                  (with_twin ? " and twin" : ""));
  if (!files.count(path)) return Error::FileNotFound(path);
  if (bad_pictures.count(path)) return Error::InvalidPicture(path);
  Image image;
  image.width = image.height = 64;
  *picture = std::make_shared<Picture>(path, std::move(image));
  return Error();
}

void RecordingWindow::SetCaption(const std::string& text) {
  log_->push_back("Caption Form1 '" + text + "'");
}
void RecordingWindow::SetCommandVisible(int n, bool visible) {
  log_->push_back("Visible Command" + std::to_string(n) + " " + OnOff(visible));
}
void RecordingWindow::SetLabelVisible(int n, bool visible) {
  log_->push_back("Visible Label" + std::to_string(n) + " " + OnOff(visible));
}
void RecordingWindow::SetLabelCaption(int n, const std::string& text) {
  log_->push_back("Caption Label" + std::to_string(n) + " '" + text + "'");
}
void RecordingWindow::SetPicture1Picture(PictureRef picture) {
  log_->push_back("Picture Picture1 " + PictureName(picture));
}
void RecordingWindow::SetCommandPicture(int n, PictureRef picture) {
  log_->push_back("Picture Command" + std::to_string(n) + " " + PictureName(picture));
}
WindowHandle RecordingWindow::hWnd() {
  log_->push_back("hWnd");
  return 0x1234;
}

ShellOutcome RecordingShell::Open(WindowHandle owner, std::string_view file) {
  log_->push_back("Open " + std::to_string(owner) + " '" + std::string(file) + "'");
  return outcome;
}

}  // namespace discmenu::testing
