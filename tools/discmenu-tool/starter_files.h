// The pictures of a starter menu, carried in the tool (made by tools/art into
// resources/starter/), so that `init` needs no toolkit to draw them.
#pragma once

#include <cstddef>

namespace discmenu::tool {

struct EmbeddedFile {
  const char* path;  // relative to resources/starter/: "background.png"
  const unsigned char* bytes;
  size_t size;
};

extern const EmbeddedFile kStarterFiles[];
extern const size_t kStarterFilesCount;

}  // namespace discmenu::tool
