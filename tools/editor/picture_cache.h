// The pictures the editor has loaded, kept while their files stay as they
// were. Every edit loads the menu again, for the canvas and for the checks;
// an edit seldom touches a picture file, and decoding the pictures anew
// each time would cost more than the rest of both together.
#pragma once

#include <cstddef>
#include <functional>
#include <list>
#include <string>

#include "config/error.h"
#include "menu/picture.h"
#include "menu/services.h"

namespace discmenu::editor {

class PictureCache {
 public:
  // How a picture is loaded when the cache does not hold it.
  using Loader = std::function<Error(PictureRef*)>;

  // The picture of the file `native` (with its twin when `with_twin`) for
  // a control of `area`: the one loaded before while the file, and its twin,
  // are unchanged; otherwise what `load` gives, kept when it is a picture.
  Error Load(const std::string& native, Area area, bool with_twin, const Loader& load,
             PictureRef* picture);

  // Takes what `other` holds that this cache does not.
  void Merge(PictureCache&& other);

  size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    std::string native;
    Area area;
    bool with_twin;
    std::string identity;  // of the file and of its twin
    PictureRef picture;
  };
  // The most recently used first; the oldest go beyond kCapacity.
  static constexpr size_t kCapacity = 48;
  std::list<Entry> entries_;
};

// The pictures the menu in `folder` shows at `zoom`, loaded as the canvas
// loads them, into a cache of their own: for a worker that decodes them on
// another core while the editor builds its window. Errors are left for the
// canvas to meet.
PictureCache Prefetch(const std::string& folder, double zoom);

}  // namespace discmenu::editor
