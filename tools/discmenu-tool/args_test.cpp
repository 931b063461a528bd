#include "tools/discmenu-tool/args.h"

#include <gtest/gtest.h>

namespace discmenu::tool {
namespace {

Options With(Command command, std::function<void(Options&)> change = nullptr) {
  Options o;
  o.command = command;
  if (change) change(o);
  return o;
}

TEST(ArgsTest, GoodCommandLines) {
  struct Case {
    std::vector<std::string> args;
    Options expected;
  } cases[] = {
      {{"--help"}, With(Command::kHelp)},
      {{"check", "-h"}, With(Command::kHelp)},
      {{"--version"}, With(Command::kVersion)},
      {{"check"}, With(Command::kCheck)},
      {{"check", "menu"}, With(Command::kCheck, [](Options& o) { o.dir = "menu"; })},
      {{"check", "--format", "json", "m"},
       With(Command::kCheck,
            [](Options& o) {
              o.format = Format::kJson;
              o.dir = "m";
            })},
      {{"check", "--format=text"}, With(Command::kCheck)},
      {{"check", "--", "-odd"}, With(Command::kCheck, [](Options& o) { o.dir = "-odd"; })},
      {{"preview", "-o", "a.png"}, With(Command::kPreview, [](Options& o) { o.output = "a.png"; })},
      {{"preview", "m", "-oa.png", "--scale", "1.25"},
       With(Command::kPreview,
            [](Options& o) {
              o.dir = "m";
              o.output = "a.png";
              o.scale = 1.25;
            })},
      {{"preview", "--output=a.png", "--scale=2"},
       With(Command::kPreview,
            [](Options& o) {
              o.output = "a.png";
              o.scale = 2;
            })},
      {{"init", "new"}, With(Command::kInit, [](Options& o) { o.dir = "new"; })},
      {{"init", "--force", "new"},
       With(Command::kInit,
            [](Options& o) {
              o.dir = "new";
              o.force = true;
            })},
      {{"autorun", "disc", "--label", "My Disc"},
       With(Command::kAutorun,
            [](Options& o) {
              o.dir = "disc";
              o.label = "My Disc";
            })},
      {{"autorun", "disc", "--programs", "/opt/kit"},
       With(Command::kAutorun,
            [](Options& o) {
              o.dir = "disc";
              o.programs = "/opt/kit";
            })},
      {{"autorun", "disc", "--label=", "--force"},
       With(Command::kAutorun,
            [](Options& o) {
              o.dir = "disc";
              o.label = "";
              o.force = true;
            })},
      {{"image", "m", "--stick=s.img", "--disc", "d.iso", "--label", "L"},
       With(Command::kImage,
            [](Options& o) {
              o.dir = "m";
              o.stick = "s.img";
              o.disc = "d.iso";
              o.label = "L";
            })},
  };
  for (const Case& c : cases) {
    Options got;
    EXPECT_EQ(ParseArgs(c.args, &got), "") << c.args[0];
    EXPECT_EQ(got, c.expected) << ::testing::PrintToString(c.args);
  }
}

TEST(ArgsTest, UsageErrors) {
  struct Case {
    std::vector<std::string> args;
    const char* error;
  } cases[] = {
      {{}, "no command given"},
      {{"chek"}, "unknown command 'chek'"},
      {{"--verbose"}, "unknown option '--verbose'"},
      {{"--version", "x"}, "--version takes no arguments"},
      {{"check", "a", "b"}, "check takes one folder, not also 'b'"},
      {{"check", "--format"}, "option '--format' needs a value"},
      {{"check", "--format", "yaml"}, "--format must be text or json, not 'yaml'"},
      {{"check", "--force"}, "unknown option '--force' for check"},
      {{"check", "-o", "x.png"}, "unknown option '-o' for check"},
      {{"preview", "m"}, "preview needs -o FILE.png"},
      {{"preview", "-o", "a.png", "--scale", "3"}, "--scale must be 1, 1.25, 1.5 or 2, not '3'"},
      {{"preview", "-o", "a.png", "--scale", "1.5x"},
       "--scale must be 1, 1.25, 1.5 or 2, not '1.5x'"},
      {{"preview", "-o", "a.png", "--label", "x"}, "unknown option '--label' for preview"},
      {{"init"}, "init needs the menu folder"},
      {{"init", "d", "--force=yes"}, "option '--force' takes no value"},
      {{"autorun"}, "autorun needs the menu folder"},
      {{"autorun", "d", "--label", "two\nlines"}, "--label must be one line"},
      {{"init", "d", "--programs="}, "--programs needs a folder"},
      {{"image", "--disc", "d.iso"}, "image needs the menu folder"},
      {{"image", "m"}, "image needs --disc FILE.iso or --stick FILE.img"},
      {{"image", "m", "--stick="}, "--stick needs a file name"},
      {{"image", "m", "--disc", "d.iso", "--programs", "p"},
       "unknown option '--programs' for image"},
  };
  for (const Case& c : cases) {
    Options got;
    EXPECT_EQ(ParseArgs(c.args, &got), c.error) << ::testing::PrintToString(c.args);
  }
}

TEST(ArgsTest, UsageNamesEveryCommand) {
  const std::string usage = UsageText();
  for (const char* command : {"check", "preview", "init", "autorun", "image", "--disc", "--stick",
                              "--format", "--scale", "--label", "--force", "--version"})
    EXPECT_NE(usage.find(command), std::string::npos) << command;
}

}  // namespace
}  // namespace discmenu::tool
