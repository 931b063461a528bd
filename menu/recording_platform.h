// Test doubles for the platform: an in-memory application directory and a
// window and shell that record every call, in order, as one line each.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "menu/services.h"

namespace discmenu::testing {

using Log = std::vector<std::string>;

class FakeRuntime : public Runtime {
 public:
  explicit FakeRuntime(Log* log) : log_(log) {}

  std::string app_path = "D:\\Menu";
  std::map<std::string, std::string> files;  // full path -> content
  std::set<std::string> bad_pictures;        // paths that are no pictures

  std::string AppPath() override {
    log_->push_back("AppPath");
    return app_path;
  }
  Error OpenForInput(const std::string& path, std::unique_ptr<ByteSource>* file) override;
  const LegacyDecoder& legacy_decoder() override { return decoder_; }
  // A picture of 64 x 64 pixels whose source is `path`.
  Error LoadPicture(const std::string& path, Area area, bool with_twin,
                    PictureRef* picture) override;

 private:
  Log* log_;
  Windows1252Decoder decoder_;
};

class RecordingWindow : public FormWindow {
 public:
  explicit RecordingWindow(Log* log) : log_(log) {}
  void SetCaption(const std::string& text) override;
  void SetCommandVisible(int n, bool visible) override;
  void SetLabelVisible(int n, bool visible) override;
  void SetLabelCaption(int n, const std::string& text) override;
  void SetPicture1Picture(PictureRef picture) override;
  void SetCommandPicture(int n, PictureRef picture) override;
  WindowHandle hWnd() override;
  double scale() const override { return scale_factor; }
  double scale_factor = 1.0;

 private:
  Log* log_;
};

class RecordingShell : public Shell {
 public:
  explicit RecordingShell(Log* log) : log_(log) {}
  ShellOutcome outcome;  // what Open answers
  ShellOutcome Open(WindowHandle owner, std::string_view file) override;

 private:
  Log* log_;
};

}  // namespace discmenu::testing
