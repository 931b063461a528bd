#include "tools/editor/picture_cache.h"

#include <algorithm>

#include "menu/form1.h"
#include "menu/picture_loading.h"
#include "menu/presentation.h"
#include "platform/posix/file_input.h"
#include "platform/posix/native_path.h"
#include "tools/discmenu-tool/folder_runtime.h"
#include "tools/discmenu-tool/menu_folder.h"

namespace discmenu::editor {

namespace {

// The file's identity and its twin's: a twin that appears, goes or changes
// changes what is loaded too. Empty when the file is no regular file.
std::string Identity(const std::string& native, bool with_twin) {
  std::string identity = posix::FileIdentity(native);
  if (identity.empty() || !with_twin) return identity;
  return identity + "|" + posix::FileIdentity(TwinPath(native));
}

}  // namespace

Error PictureCache::Load(const std::string& native, Area area, bool with_twin, const Loader& load,
                         PictureRef* picture) {
  const std::string identity = Identity(native, with_twin);
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->native != native || it->area != area || it->with_twin != with_twin) continue;
    if (it->identity == identity) {
      *picture = it->picture;
      entries_.splice(entries_.begin(), entries_, it);
      return Error();
    }
    entries_.erase(it);
    break;
  }
  Error e = load(picture);
  // Kept only when the files did not change while they were read.
  if (e.ok() && !identity.empty() && identity == Identity(native, with_twin)) {
    entries_.push_front(Entry{native, area, with_twin, identity, *picture});
    if (entries_.size() > kCapacity) entries_.pop_back();
  }
  return e;
}

void PictureCache::Merge(PictureCache&& other) {
  for (Entry& entry : other.entries_) {
    const bool held = std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
      return e.native == entry.native && e.area == entry.area && e.with_twin == entry.with_twin;
    });
    if (!held && entries_.size() < kCapacity) entries_.push_back(std::move(entry));
  }
  other.entries_.clear();
}

PictureCache Prefetch(const std::string& folder, double zoom) {
  tool::FolderRuntime runtime(tool::MenuFolderPath(folder));  // as the document names it
  PictureCache cache;
  const bool twins = presentation::WantsTwin(zoom);
  for (const PictureToLoad& p : PicturesToLoad(runtime)) {
    PictureRef picture;
    (void)cache.Load(
        posix::ResolvePath(p.path), p.area, twins,
        [&](PictureRef* loaded) { return runtime.LoadPicture(p.path, p.area, twins, loaded); },
        &picture);
  }
  return cache;
}

}  // namespace discmenu::editor
