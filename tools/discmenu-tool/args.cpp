#include "tools/discmenu-tool/args.h"

#include <algorithm>
#include <charconv>

namespace discmenu::tool {

namespace {

struct CommandName {
  const char* name;
  Command command;
};
constexpr CommandName kCommands[] = {{"check", Command::kCheck},
                                     {"preview", Command::kPreview},
                                     {"init", Command::kInit},
                                     {"autorun", Command::kAutorun},
                                     {"image", Command::kImage}};

// The options each command takes; those with a value end in '='.
std::vector<std::string> OptionsOf(Command command) {
  switch (command) {
    case Command::kCheck:
      return {"--format="};
    case Command::kPreview:
      return {"--output=", "--scale="};
    case Command::kInit:
      return {"--programs=", "--force"};
    case Command::kAutorun:
      return {"--label=", "--programs=", "--force"};
    case Command::kImage:
      return {"--disc=", "--stick=", "--label=", "--force"};
    default:
      return {};
  }
}

std::string ParseScale(const std::string& text, double* scale) {
  double value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() ||
      std::find(std::begin(kScales), std::end(kScales), value) == std::end(kScales))
    return "--scale must be 1, 1.25, 1.5 or 2, not '" + text + "'";
  *scale = value;
  return "";
}

std::string Apply(const std::string& option, const std::string& value, Options* o) {
  if (option == "--format") {
    if (value == "text") {
      o->format = Format::kText;
    } else if (value == "json") {
      o->format = Format::kJson;
    } else {
      return "--format must be text or json, not '" + value + "'";
    }
  } else if (option == "--output") {
    if (value.empty()) return "-o needs a file name";
    o->output = value;
  } else if (option == "--scale") {
    return ParseScale(value, &o->scale);
  } else if (option == "--label") {
    if (value.find_first_of("\r\n") != std::string::npos) return "--label must be one line";
    o->label = value;
  } else if (option == "--programs") {
    if (value.empty()) return "--programs needs a folder";
    o->programs = value;
  } else if (option == "--disc" || option == "--stick") {
    if (value.empty()) return option + " needs a file name";
    (option == "--disc" ? o->disc : o->stick) = value;
  } else if (option == "--force") {
    o->force = true;
  }
  return "";
}

}  // namespace

std::string ParseArgs(const std::vector<std::string>& args, Options* options) {
  Options o;
  if (args.empty()) return "no command given";
  if (std::find(args.begin(), args.end(), "--help") != args.end() ||
      std::find(args.begin(), args.end(), "-h") != args.end()) {
    *options = Options{};
    return "";
  }
  if (args[0] == "--version") {
    if (args.size() > 1) return "--version takes no arguments";
    o.command = Command::kVersion;
    *options = o;
    return "";
  }
  auto named = std::find_if(std::begin(kCommands), std::end(kCommands),
                            [&](const CommandName& c) { return args[0] == c.name; });
  if (named == std::end(kCommands)) {
    return args[0].starts_with("-") ? "unknown option '" + args[0] + "'"
                                    : "unknown command '" + args[0] + "'";
  }
  o.command = named->command;
  const std::string command = named->name;
  const std::vector<std::string> known = OptionsOf(o.command);

  bool options_end = false, dir_given = false;
  for (size_t k = 1; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (!options_end && arg == "--") {
      options_end = true;
      continue;
    }
    if (options_end || arg.empty() || arg[0] != '-' || arg == "-") {
      if (dir_given) return command + " takes one folder, not also '" + arg + "'";
      o.dir = arg;
      dir_given = true;
      continue;
    }
    std::string name = arg, value;
    bool inline_value = false;
    if (arg.starts_with("-o") && !arg.starts_with("--")) {
      // -o FILE and -oFILE stand for --output.
      name = "--output";
      value = arg.substr(2);
      inline_value = !value.empty();
    } else if (size_t eq = arg.find('='); eq != std::string::npos) {
      name = arg.substr(0, eq);
      value = arg.substr(eq + 1);
      inline_value = true;
    }
    const bool takes_value = std::find(known.begin(), known.end(), name + "=") != known.end();
    if (!takes_value && std::find(known.begin(), known.end(), name) == known.end())
      return "unknown option '" + arg.substr(0, arg.find('=')) + "' for " + command;
    if (!takes_value && inline_value) return "option '" + name + "' takes no value";
    if (takes_value && !inline_value) {
      if (k + 1 >= args.size()) return "option '" + name + "' needs a value";
      value = args[++k];
    }
    if (std::string error = Apply(name, value, &o); !error.empty()) return error;
  }
  if ((o.command == Command::kInit || o.command == Command::kAutorun ||
       o.command == Command::kImage) &&
      !dir_given)
    return command + " needs the menu folder";
  if (o.command == Command::kImage && o.disc.empty() && o.stick.empty())
    return "image needs --disc FILE.iso or --stick FILE.img";
  if (o.command == Command::kPreview && o.output.empty()) return "preview needs -o FILE.png";
  *options = o;
  return "";
}

std::string UsageText() {
  return R"(Usage: discmenu-tool COMMAND [DIR] [OPTIONS]

Tools for authors of discmenu menus. DIR is the menu folder: the folder that
holds install.ini, its pictures and the discmenu executable.

Commands:
  check [DIR] [--format text|json]
      Reads DIR/install.ini (default: the current folder) as the menu does and
      reports every problem, as FILE:LINE:COLUMN: error|warning: message.
      Errors stop the menu from starting; warnings point at something that
      likely looks or works wrong. Exit status 0 without errors, 1 with.
  preview [DIR] -o FILE.png [--scale 1|1.25|1.5|2]
      Renders the menu window exactly as the menu shows it, without a
      display, to a PNG of 640 x 478 pixels times the scale. When the menu
      would refuse to start, prints its error and exits with status 1.
  init DIR [--programs FOLDER] [--force]
      Creates a starter menu in DIR: install.ini, placeholder pictures, small
      target files and the menu's programs (discmenu.exe for Windows,
      discmenu and discmenu-linux/ for Linux). Existing files are kept
      unless --force is given.
  autorun DIR [--label TEXT] [--programs FOLDER] [--force]
      Makes the menu folder DIR a medium: autorun.inf (Windows) and autorun
      (Linux desktops), so that the medium offers the menu when it is
      inserted, README.txt on how to start it, and the menu's programs.
      The programs come from the folder installed with this tool, or from
      --programs FOLDER.
  image DIR [--disc FILE.iso] [--stick FILE.img] [--label TEXT] [--force]
      Writes the medium DIR as a disc image (ISO 9660 with Rock Ridge and
      Joliet, by xorriso) and as a USB stick image (FAT32, by mkfs.fat and
      mtools), labelled with the menu's title as far as each file system
      allows. Refuses files an image cannot hold (symbolic links, names
      Windows or FAT cannot hold, files over 4 GiB on FAT) and warns about
      what FAT changes. With SOURCE_DATE_EPOCH set, all dates are that time
      and the same folder gives the same bytes.

Options:
  -h, --help     show this text
  --version      show the version

Exit status: 0 on success, 1 on errors, 2 on a bad command line.
)";
}

}  // namespace discmenu::tool
