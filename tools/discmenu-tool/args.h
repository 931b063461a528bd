// The command line of discmenu-tool.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace discmenu::tool {

enum class Command { kHelp, kVersion, kCheck, kPreview, kInit, kAutorun, kImage };
enum class Format { kText, kJson };

struct Options {
  Command command = Command::kHelp;
  std::string dir = ".";  // the menu folder
  Format format = Format::kText;
  std::string output;                // preview: the PNG file
  double scale = 1.0;                // preview: the display scale
  bool force = false;                // init, autorun, image: overwrite existing files
  std::optional<std::string> label;  // autorun, image: the medium's label
  std::string programs;              // init, autorun: the menu's programs, if not the installed
  std::string disc;                  // image: the disc image to write
  std::string stick;                 // image: the stick image to write

  bool operator==(const Options&) const = default;
};

// The scales that preview renders at.
inline constexpr double kScales[] = {1.0, 1.25, 1.5, 2.0};

// Parses the arguments after the program name into `*options`. Returns ""
// on success, or what is wrong with them (a usage error).
std::string ParseArgs(const std::vector<std::string>& args, Options* options);

// The text of --help.
std::string UsageText();

}  // namespace discmenu::tool
