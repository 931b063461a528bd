// Form1: the menu's load and click handlers, written against the platform's
// services. The window instance owns MenuSettings for its whole life.
#pragma once

#include <string>
#include <vector>

#include "config/error.h"
#include "config/menu_settings.h"
#include "menu/services.h"

namespace discmenu {

class Form1 {
 public:
  Form1(Runtime& runtime, FormWindow& window, Shell& shell)
      : runtime_(runtime), window_(window), shell_(shell) {}

  // Reads install.ini and fills the window: visibility, label captions,
  // window caption, background picture, button pictures, in that order. On
  // error what was set before the failing step stays set; the caller reports
  // the error and ends the program without showing the window.
  Error Form_Load();

  // Opens target `n` under the application directory with the shell. What
  // the shell did is not examined; an error means the shell could not be
  // reached. REQUIRES: 1 <= n <= 8.
  Error CommandClick(int n);

  const MenuSettings& settings() const { return settings_; }

 private:
  // The application directory, read anew, followed by `value` up to its
  // first NUL (as Windows reads a name): every file name the menu uses is
  // made here.
  std::string FileName(const std::string& value);
  Error ReadConfiguration();

  Runtime& runtime_;
  FormWindow& window_;
  Shell& shell_;
  MenuSettings settings_;
};

// The name of install.ini as joined to the application directory.
inline constexpr const char* kConfigFileName = "\\install.ini";

// A picture file that Form_Load loads, for a control of `area`.
struct PictureToLoad {
  std::string path;
  Area area;
  bool operator==(const PictureToLoad&) const = default;
};

// The picture files Form_Load loads, in its order, as install.ini names them
// now; none when it cannot be read. For a platform that starts decoding them
// early, on another core while its toolkit starts: Form_Load still loads and
// checks each one in turn.
std::vector<PictureToLoad> PicturesToLoad(Runtime& runtime);

}  // namespace discmenu
