#include "tools/editor/dropped_file.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace discmenu::editor {
namespace {

TEST(DroppedFileTest, InsideIsNamedAsTheMenuReadsItOutsideGoesToAFreeNameOrIsRefused) {
  QTemporaryDir dir;
  const std::string root = dir.path().toStdString();
  const std::string menu = root + "/menu", away = root + "/away";
  for (const char* sub : {"/menu/docs/deep", "/menu/files", "/away/sub"})
    std::filesystem::create_directories(root + sub);
  const auto write = [](const std::string& path, const char* bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  };
  write(menu + "/docs/deep/a b.txt", "x");
  write(menu + "/files/same.txt", "same");
  write(away + "/same.txt", "same");
  write(menu + "/files/taken.txt", "one");
  write(menu + "/files/taken-2.txt", "two");
  write(away + "/taken.txt", "three");
  struct Case {
    std::string path;
    DroppedFile::Kind kind;
    std::string value;
  } cases[] = {
      {menu + "/docs/deep/a b.txt", DroppedFile::kInside, "\\docs\\deep\\a b.txt"},
      {menu + "/docs/../docs/deep", DroppedFile::kInside, "\\docs\\deep"},
      {away + "/same.txt", DroppedFile::kInside, "\\files\\same.txt"},  // copied in before
      {away + "/taken.txt", DroppedFile::kCopy, "\\files\\taken-3.txt"},
      {away + "/sub", DroppedFile::kRefused, ""},
      {menu, DroppedFile::kRefused, ""},
      {away + "/none.txt", DroppedFile::kRefused, ""},
  };
  for (const Case& c : cases) {
    const DroppedFile placed = PlaceDroppedFile(menu, c.path, kTargetsFolder);
    EXPECT_EQ(placed.kind, c.kind) << c.path;
    if (c.kind == DroppedFile::kRefused) {
      EXPECT_NE(placed.reason.find(c.path), std::string::npos);
    } else {
      EXPECT_EQ(placed.value, c.value) << c.path;
    }
  }
}

TEST(DroppedFileTest, ACopiedPictureTakesItsTwinAlong) {
  QTemporaryDir dir;
  const std::string root = dir.path().toStdString();
  std::filesystem::create_directories(root + "/menu");
  std::ofstream(root + "/face.PNG") << "1x";
  std::ofstream(root + "/face@2x.PNG") << "2x";
  ASSERT_TRUE(IsPicture(root + "/face.PNG"));
  ASSERT_FALSE(IsPicture(root + "/face.png.txt"));
  const DroppedFile placed = PlaceDroppedFile(root + "/menu", root + "/face.PNG", kPicturesFolder);
  ASSERT_EQ(placed.kind, DroppedFile::kCopy);
  EXPECT_EQ(placed.value, "\\menu\\face.PNG");
  EXPECT_EQ(CopyDroppedFile(root + "/face.PNG", placed), "");
  EXPECT_TRUE(std::filesystem::exists(root + "/menu/menu/face@2x.PNG"));
}

}  // namespace
}  // namespace discmenu::editor
