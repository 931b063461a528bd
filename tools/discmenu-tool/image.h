// `discmenu-tool image`: a medium as the files a publisher hands on, a disc
// image (ISO 9660 with Rock Ridge, which keeps the Linux files' execute
// permissions, and Joliet, which gives Windows the long names; written by
// xorriso) and a stick image (FAT32, written by mkfs.fat and mtools, no root
// needed). With SOURCE_DATE_EPOCH set, every date in them is that time and
// the same folder gives the same bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace discmenu::tool {

// The label of a disc for a menu titled `title`: what both name tables hold
// of it, printable ASCII without * / : ; ? \ (others become _), at most 16
// characters (Joliet's limit), no spaces at the ends; "DISCMENU" when
// nothing is left.
std::string DiscLabel(const std::string& title);

// The label of a FAT stick: upper case, the characters FAT allows in a label
// (others become _), at most 11, no spaces at the ends; "" (no label) when
// nothing is left.
std::string StickLabel(const std::string& title);

enum class ImageKind { kDisc, kStick };

// A file or folder in the menu folder, as the image would take it.
struct MediumEntry {
  enum Type { kFile, kFolder, kLink, kOther };
  std::string path;  // relative to the menu folder, with '/'
  Type type = kFile;
  std::uint64_t size = 0;
  bool executable = false;  // a file with an execute permission
};

struct ImageFinding {
  bool error;  // the image cannot be made; otherwise it changes the file
  std::string path;
  std::string message;
};

// What an image of `kind` cannot hold of `entries` (errors) and what it
// changes (warnings), in the order of `entries`.
std::vector<ImageFinding> ImageFindings(const std::vector<MediumEntry>& entries, ImageKind kind);

// Writes the images of the menu folder `dir`: the disc to `disc` and the
// stick to `stick` (either may be ""), labelled `label` or else with the
// menu's title. Nothing is written when the folder has an error for an
// image asked for. Returns the exit status.
int RunImage(const std::string& dir, const std::string& disc, const std::string& stick,
             const std::optional<std::string>& label, bool force, std::ostream& out,
             std::ostream& err);

}  // namespace discmenu::tool
