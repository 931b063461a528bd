// Where a file dropped on the editor stands in the menu folder, and the
// value install.ini names it by. The menu finds its files below its own
// folder only, so a file from elsewhere is copied into a sub-folder of it
// or not used at all: never named by an absolute path.
#pragma once

#include <string>
#include <string_view>

namespace discmenu::editor {

struct DroppedFile {
  enum Kind {
    kInside,   // already below the folder: `value` names it
    kCopy,     // outside: copied to `copy_to`, it would be `value`
    kRefused,  // cannot be used: `reason` says why
  };
  Kind kind = kRefused;
  std::string value;  // as install.ini holds it: \sub\name.ext
  std::string copy_to;
  std::string reason;
};

// The sub-folders files from outside are copied into.
inline constexpr std::string_view kTargetsFolder = "files";
inline constexpr std::string_view kPicturesFolder = "menu";

// True for a file the menu shows as a picture, by its name.
bool IsPicture(std::string_view path);

// Places `path`, dropped on the menu folder `folder`; a file from outside
// goes to `sub` under a name not yet taken there (or to the file of the same
// name there that holds the same bytes already).
DroppedFile PlaceDroppedFile(const std::string& folder, const std::string& path,
                             std::string_view sub);

// Copies `from` to where `placed` says, making its sub-folder and taking a
// picture's @2x twin beside it along. "" on success, else what went wrong.
std::string CopyDroppedFile(const std::string& from, const DroppedFile& placed);

}  // namespace discmenu::editor
