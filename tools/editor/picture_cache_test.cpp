#include "tools/editor/picture_cache.h"

#include <QTemporaryDir>
#include <fstream>

#include <gtest/gtest.h>

namespace discmenu::editor {
namespace {

// A changed file or twin is loaded again; an error is never kept.
TEST(PictureCacheTest, ServesAPictureOnlyWhileItsFilesStayAsTheyWere) {
  QTemporaryDir dir;
  const std::string file = dir.path().toStdString() + "/b.png";
  const std::string twin = dir.path().toStdString() + "/b@2x.png";
  const auto write = [](const std::string& path, const char* bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  };
  write(file, "one");
  PictureCache cache;
  int loads = 0;
  Error next;  // what the next load gives
  const auto load = [&](PictureRef* picture) {
    ++loads;
    *picture = std::make_shared<Picture>(file, Image());
    return next;
  };
  struct Step {
    const char* what;
    std::function<void()> change;
    Area area;
    bool with_twin;
    int loads;
  } steps[] = {
      {"first", [] {}, Area::kButton, false, 1},
      {"unchanged", [] {}, Area::kButton, false, 1},
      {"another area", [] {}, Area::kPicture1, false, 2},
      {"rewritten", [&] { write(file, "two!"); }, Area::kButton, false, 3},
      {"with its twin", [] {}, Area::kButton, true, 4},
      {"twin unchanged", [] {}, Area::kButton, true, 4},
      {"twin changed", [&] { write(twin, "2x"); }, Area::kButton, true, 5},
      {"without a twin, the twin's change is no matter", [] {}, Area::kButton, false, 5},
      {"an error", [&] { write(file, "three"), next = Error::InvalidPicture("bad"); },
       Area::kButton, false, 6},
      {"an error again", [] {}, Area::kButton, false, 7},
  };
  for (const Step& step : steps) {
    step.change();
    PictureRef picture;
    EXPECT_EQ(cache.Load(file, step.area, step.with_twin, load, &picture).ok(), next.ok())
        << step.what;
    EXPECT_EQ(loads, step.loads) << step.what;
    EXPECT_NE(picture, nullptr) << step.what;
  }
}

}  // namespace
}  // namespace discmenu::editor
