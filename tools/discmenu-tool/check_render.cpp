#include "tools/discmenu-tool/check_render.h"

#include <fcntl.h>
#include <unistd.h>

#include <QString>
#include <algorithm>

#include "config/diagnostics.h"
#include "menu/layout.h"
#include "menu/presentation.h"
#include "platform/posix/native_path.h"
#include "platform/qt/form1_window.h"
#include "platform/qt/qt_picture.h"
#include "tools/discmenu-tool/folder_runtime.h"
#include "tools/discmenu-tool/menu_folder.h"
#include "tools/discmenu-tool/window_metrics.h"

namespace discmenu::tool {

namespace {

// The picture's size on screen, in the pixels that the window's geometry
// uses.
QSize ShownSize(const PictureRef& picture) {
  return qt::LogicalSize(picture->image());
}

std::string SizeText(QSize size) {
  return std::to_string(size.width()) + " x " + std::to_string(size.height());
}

// True when the file `path` starts as a JPEG, PNG, BMP, GIF, ICO or TIFF
// does: the formats that both menus read. The Linux menu reads more (PPM,
// XPM, WebP, ...), the Windows menu only these wherever it runs.
bool EveryMenuReads(const std::string& path) {
  unsigned char head[8] = {};
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return true;  // the load said what is wrong
  const ssize_t n = read(fd, head, sizeof head);
  close(fd);
  if (n < 4) return false;
  const std::string_view h(reinterpret_cast<const char*>(head), static_cast<size_t>(n));
  for (std::string_view magic :
       {std::string_view("\xFF\xD8\xFF"), std::string_view("\x89PNG\r\n\x1A\n"),
        std::string_view("BM"), std::string_view("GIF87a"), std::string_view("GIF89a"),
        std::string_view("\0\0\1\0", 4), std::string_view("II*\0", 4),
        std::string_view("MM\0*", 4)}) {
    if (h.starts_with(magic)) return true;
  }
  return false;
}

// Loads the picture of item `item`; returns null after an error finding.
PictureRef Load(const MenuConfig& config, Runtime& runtime, int item, int entry,
                std::vector<Finding>* findings) {
  const std::string& text = config.Value(item).AsText();
  PictureRef picture;
  // Twins are checked where the menu would show them.
  const Error e =
      runtime.LoadPicture(config.app_path + text, entry == 0 ? Area::kPicture1 : Area::kButton,
                          entry == 0 || config.Shown(entry), &picture);
  if (e.ok() && !EveryMenuReads(posix::ResolvePath(config.app_path + text))) {
    findings->push_back(
        ItemFinding(config, item, Severity::kError,
                    ItemName(item) + ": " + runtime.ShownName(config.app_path + text) +
                        " is in a format that the Windows menu cannot read (it stops with error " +
                        std::to_string(Error::kInvalidPicture) +
                        "): save it as JPEG, PNG, BMP, GIF, ICO or TIFF"));
  }
  if (e.ok()) {
    // A twin the menu would pass over costs sharpness on dense screens,
    // and nothing else shows it: say so.
    const std::string& why_not = picture->twin_refused();
    if (!why_not.empty()) {
      findings->push_back(ItemFinding(
          config, item, Severity::kWarning,
          ItemName(item) + ": the @2x twin " + TwinPath(text) +
              " is not used; windows at 150 % and more draw the picture scaled instead: " +
              why_not));
    }
    return picture;
  }
  std::string what = text.empty() ? " is empty, so it names the menu folder itself"
                                  : ": the picture cannot be loaded";
  if (entry > 0 && !config.Shown(entry))
    what += "; pictures are loaded even for hidden entries like entry " + std::to_string(entry);
  findings->push_back(
      ItemFinding(config, item, Severity::kError,
                  ItemName(item) + what + " (the menu stops with " + e.ToString() + ")"));
  return nullptr;
}

}  // namespace

void CheckPictures(const MenuConfig& config, Runtime& runtime, const qt::Form1Window& window,
                   std::vector<Finding>* findings) {
  if (config.Has(kBackground.first_item)) {
    if (PictureRef picture = Load(config, runtime, kBackground.first_item, 0, findings)) {
      const Box box = presentation::VisibleBackground();
      const QSize size = ShownSize(picture), visible(box.width, box.height);
      if (size.width() < visible.width() || size.height() < visible.height()) {
        findings->push_back(
            ItemFinding(config, kBackground.first_item, Severity::kWarning,
                        ItemName(kBackground.first_item) + ": the picture is " + SizeText(size) +
                            " pixels, smaller than the " + SizeText(visible) +
                            " pixels the window shows of it: the rest stays plain"));
      }
    }
  }
  for (int n = 1; n <= kButtonPictures.count; ++n) {
    const int item = kButtonPictures.Item(n);
    if (!config.Has(item)) continue;
    PictureRef picture = Load(config, runtime, item, n, findings);
    if (!picture || !config.Shown(n)) continue;
    const QSize size = ShownSize(picture), face = ButtonFace(window, n).size();
    // The buttons are made for pictures of the designed size, whose outer
    // row may lie under the raised edge: only larger ones are worth a word.
    const int designed = layout::kStyle.button_picture_px;
    if (size.width() > std::max(face.width(), designed) ||
        size.height() > std::max(face.height(), designed)) {
      findings->push_back(ItemFinding(
          config, item, Severity::kWarning,
          ItemName(item) + ": the picture is " + SizeText(size) + " pixels, larger than the " +
              SizeText(face) + " pixel face of button " + std::to_string(n) +
              ", which shows only " + SizeText(size.boundedTo(face)) + " of it"));
    }
  }
}

void CheckCaptions(const MenuConfig& config, const qt::Form1Window& window,
                   std::vector<Finding>* findings) {
  for (int n = 1; n <= kCaptions.count; ++n) {
    const int item = kCaptions.Item(n);
    if (!config.Has(item) || !config.Shown(n)) continue;
    const std::string& caption = config.Value(item).AsText();
    const CaptionFit fit = FitCaption(window, n, QString::fromStdString(caption));
    if (fit.fits) continue;
    const std::string label = "label " + std::to_string(n);
    const std::string why = fit.lines_needed > fit.lines_shown
                                ? "takes " + std::to_string(fit.lines_needed) + " lines, but " +
                                      label + " shows " + std::to_string(fit.lines_shown)
                                : "is " + std::to_string(fit.width_needed) + " pixels wide, but " +
                                      label + " only " + std::to_string(fit.width_shown);
    findings->push_back(
        ItemFinding(config, item, Severity::kWarning,
                    ItemName(item) + ": the caption " + why + ": the rest is cut off"));
  }
}

namespace {

// The checks that need the menu's window: pictures and captions.
MoreChecks LooksOf(Runtime& runtime) {
  return [&runtime](const MenuConfig& config, std::vector<Finding>* findings) {
    const qt::Form1Window window;
    CheckPictures(config, runtime, window, findings);
    CheckCaptions(config, window, findings);
  };
}

}  // namespace

std::vector<Finding> CheckMenu(Runtime& runtime) {
  std::vector<Finding> findings;
  MenuConfig config;
  if (CheckText(runtime, &config, &findings)) LooksOf(runtime)(config, &findings);
  SortFindings(&findings);
  return findings;
}

CheckResult CheckMenuFolder(const std::string& dir) {
  FolderRuntime runtime(MenuFolderPath(dir));
  return CheckMenuFolder(dir, runtime, LooksOf(runtime));
}

}  // namespace discmenu::tool
