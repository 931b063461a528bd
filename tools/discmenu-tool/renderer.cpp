#include "tools/discmenu-tool/renderer.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/posix/executable.h"
#include "platform/posix/file_input.h"
#include "platform/posix/legacy_text.h"
#include "platform/posix/native_path.h"
#include "tools/discmenu-tool/check.h"
#include "tools/discmenu-tool/menu_folder.h"

namespace discmenu::tool {

namespace {

constexpr const char* kRendererName = "discmenu-tool-render";

// A menu folder's text as the menu reads it, without the toolkit: pictures
// are not loaded.
class TextRuntime : public Runtime {
 public:
  explicit TextRuntime(std::string folder) : folder_(std::move(folder)) {}
  std::string AppPath() override { return folder_; }
  std::string ShownName(const std::string& path) override {
    return EscapeInvalidUtf8(posix::SlashPath(path));
  }
  Error OpenForInput(const std::string& path, std::unique_ptr<ByteSource>* file) override {
    return posix::OpenForInput(posix::ResolvePath(path), ShownName(path), file);
  }
  const LegacyDecoder& legacy_decoder() override { return decoder_; }
  Error LoadPicture(const std::string& path, Area, bool, PictureRef*) override {
    return Error::InvalidPicture(ShownName(path));
  }

 private:
  std::string folder_;
  posix::DetectingDecoder decoder_;
};

}  // namespace

std::string FindRenderer(const std::string& tool_dir) {
  for (const std::string& place :
       {tool_dir + "/" + kRendererName, tool_dir + "/../lib/discmenu/" + kRendererName}) {
    if (access(place.c_str(), X_OK) == 0) return place;
  }
  return "";
}

int RunRendered(const Options& options, char** argv, std::ostream& out, std::ostream& err) {
  const std::string renderer = FindRenderer(posix::ExecutableDirectory());
  if (!renderer.empty()) {
    out.flush();
    err.flush();
    argv[0] = const_cast<char*>(renderer.c_str());
    execv(renderer.c_str(), argv);
  }
  const std::string why = renderer.empty()
                              ? std::string(kRendererName) + " is not installed with the tool"
                              : renderer + ": " + std::strerror(errno);
  if (options.command != Command::kCheck) {
    err << "discmenu-tool: this command needs the toolkit, but " << why << "\n";
    return 1;
  }
  TextRuntime runtime(MenuFolderPath(options.dir));
  const CheckResult result = CheckMenuFolder(options.dir, runtime, nullptr);
  err << "discmenu-tool: pictures and captions were not checked: " << why << "\n";
  return PrintCheck(result, options.format, out);
}

}  // namespace discmenu::tool
