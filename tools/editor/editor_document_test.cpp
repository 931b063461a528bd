#include "tools/editor/editor_document.h"

#include <sys/stat.h>

#include <QTemporaryDir>
#include <algorithm>
#include <fstream>

#include <gtest/gtest.h>

#include "tools/editor/selection.h"

namespace discmenu::editor {
namespace {

// 34 items, one a line, with `end` after each; captions quoted.
std::string Ini(const std::string& end, const std::string& caption1 = "One") {
  std::string ini;
  for (int n = 1; n <= 8; ++n) ini += "1" + end;
  ini += "\"" + caption1 + "\"" + end;
  for (int n = 2; n <= 8; ++n) ini += "\"Entry " + std::to_string(n) + "\"" + end;
  for (int n = 1; n <= 8; ++n) ini += "\\docs\\t" + std::to_string(n) + ".txt" + end;
  ini += "Title" + end + "\\menu\\background.png" + end;
  for (int n = 1; n <= 8; ++n) ini += "\\menu\\button" + std::to_string(n) + ".png" + end;
  return ini + "after the items" + end;
}

class DocumentTest : public testing::Test {
 protected:
  std::string Folder(const std::string& bytes, mode_t mode = 0640) {
    const std::string path = dir_.path().toStdString() + "/install.ini";
    std::ofstream(path, std::ios::binary) << bytes;
    chmod(path.c_str(), mode);
    return dir_.path().toStdString();
  }
  std::string OnDisk() {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(document_.file(), &bytes));
    return bytes;
  }

  QTemporaryDir dir_;
  EditorDocument document_;
};

TEST_F(DocumentTest, SavingWritesTheEditedItemOnlyAndKeepsThePermissions) {
  struct Case {
    std::string end, typed, caption_after;
  } cases[] = {{"\r\n", "One more", "One more"}, {"\n", "Ünï", "Ünï"}, {"\r", "a, b", "a, b"}};
  for (const Case& c : cases) {
    ASSERT_EQ(document_.Open(Folder(Ini(c.end))), "");
    ASSERT_EQ(document_.SetText(9, c.typed), EditOutcome::kDone);
    EXPECT_TRUE(document_.modified());
    ASSERT_EQ(document_.Save(), "");
    EXPECT_FALSE(document_.modified());
    EXPECT_EQ(OnDisk(), Ini(c.end, c.caption_after)) << c.typed;
    struct stat st;
    ASSERT_EQ(stat(document_.file().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
  }
}

TEST_F(DocumentTest, TypingInOneItemIsOneUndoStep) {
  ASSERT_EQ(document_.Open(Folder(Ini("\r\n"))), "");
  for (const char* text : {"O", "On", "One!"}) document_.SetText(10, text);
  document_.SetText(11, "Other");
  document_.SetText(10, "Again");
  QUndoStack* stack = document_.undo_stack();
  EXPECT_EQ(stack->count(), 3);
  stack->undo();
  stack->undo();
  EXPECT_EQ(document_.Text(10), "One!");
  EXPECT_EQ(document_.Text(11), "Entry 3");
  stack->undo();
  EXPECT_EQ(document_.bytes(), Ini("\r\n"));
  EXPECT_FALSE(document_.modified());
}

TEST_F(DocumentTest, QuotesNeededOnlyWhileTypingLeaveNoTrace) {
  ASSERT_EQ(document_.Open(Folder(Ini("\n"))), "");
  for (const char* text : {"Title ", "Title 2"}) document_.SetText(25, text);
  std::string expected = Ini("\n");
  expected.replace(expected.find("Title"), 5, "Title 2");
  EXPECT_EQ(document_.bytes(), expected);
  EXPECT_EQ(document_.SetText(25, "Title"), EditOutcome::kDone);
  EXPECT_EQ(document_.bytes(), Ini("\n"));
  EXPECT_EQ(document_.undo_stack()->count(), 0);
  EXPECT_FALSE(document_.modified());
}

TEST_F(DocumentTest, TextTheEncodingCannotHoldIsRefusedUntilConverted) {
  std::string latin1 = Ini("\r\n", "Caf\xe9");
  ASSERT_EQ(document_.Open(Folder(latin1)), "");
  EXPECT_EQ(document_.SetText(9, "\xe4\xb8\xad"), EditOutcome::kNotEncodable);
  EXPECT_EQ(document_.undo_stack()->count(), 0);
  EXPECT_EQ(document_.bytes(), latin1);
  ASSERT_EQ(document_.ConvertToUtf8(), EditOutcome::kDone);
  ASSERT_EQ(document_.SetText(9, "\xe4\xb8\xad"), EditOutcome::kDone);
  EXPECT_EQ(document_.bytes(), "\xef\xbb\xbf" + Ini("\r\n", "\xe4\xb8\xad"));
  document_.undo_stack()->undo();
  document_.undo_stack()->undo();
  EXPECT_EQ(document_.bytes(), latin1);
}

TEST_F(DocumentTest, OnlyAnotherProgramsWriteCountsAsAChangeOnDisk) {
  const std::string folder = Folder(Ini("\n"));
  ASSERT_EQ(document_.Open(folder), "");
  document_.SetText(25, "Mine");
  ASSERT_EQ(document_.Save(), "");
  EXPECT_FALSE(document_.ChangedOnDisk());
  std::ofstream(document_.file(), std::ios::binary) << Ini("\n", "Theirs");
  EXPECT_TRUE(document_.ChangedOnDisk());
  document_.KeepOwnVersion();
  EXPECT_TRUE(document_.modified());
  ASSERT_EQ(document_.Reload(), "");
  EXPECT_EQ(document_.Text(9), "Theirs");
  EXPECT_FALSE(document_.modified());
}

TEST_F(DocumentTest, AFileTheMenuCannotReadIsNotOpened) {
  ASSERT_EQ(document_.Open(Folder(Ini("\n"))), "");
  const std::string before = document_.bytes();
  QTemporaryDir other;
  EXPECT_EQ(document_.Open(other.path().toStdString()),
            other.path().toStdString() + "/install.ini: cannot be read");
  std::ofstream(other.path().toStdString() + "/install.ini") << "1\n1\n";
  EXPECT_NE(document_.Open(other.path().toStdString()), "");
  EXPECT_EQ(document_.bytes(), before);
}

TEST(SelectionTest, ItemsBelongToTheirEntryOrTheWindow) {
  struct Case {
    int item;
    Selection selection;
  } cases[] = {{1, {1, false}},  {9, {1, true}},   {16, {8, true}},  {17, {1, false}},
               {25, {0, false}}, {26, {0, false}}, {34, {8, false}}, {0, {0, false}}};
  for (const Case& c : cases) {
    EXPECT_EQ(SelectionOf(c.item), c.selection) << c.item;
    const std::array<int, 4> items = c.selection.Items();
    EXPECT_EQ(std::count(items.begin(), items.end(), c.item), c.item ? 1 : 2) << c.item;
  }
}

TEST_F(DocumentTest, AShortFileOpensCompletedAsAnUnsavedStepOnlyWhenTheAuthorAgrees) {
  const std::string short_file = "1\r\n\"One\"";
  const std::string folder = Folder(short_file);
  int asked_held = -1;
  const auto answer = [&asked_held](bool yes) -> EditorDocument::AddMissing {
    return [&asked_held, yes](const std::string&, int held) {
      asked_held = held;
      return yes;
    };
  };
  // Never asked, or declined: the reader's word, naming the file.
  for (const EditorDocument::AddMissing& add : {EditorDocument::AddMissing(), answer(false)}) {
    const std::string problem = document_.Open(folder, add);
    EXPECT_NE(problem.find("install.ini"), std::string::npos) << problem;
    EXPECT_FALSE(document_.is_open());
  }
  EXPECT_EQ(asked_held, 2);
  ASSERT_EQ(document_.Open(folder, answer(true)), "");
  EXPECT_TRUE(document_.modified());
  EXPECT_EQ(document_.bytes().substr(0, short_file.size()), short_file);
  EXPECT_EQ(document_.Text(3), "0");
  EXPECT_EQ(OnDisk(), short_file);
  document_.undo_stack()->undo();
  EXPECT_EQ(document_.bytes(), short_file);
  EXPECT_FALSE(document_.modified());
  EXPECT_EQ(document_.SetText(5, "1"), EditOutcome::kMissing);
  document_.undo_stack()->redo();
  ASSERT_EQ(document_.Save(), "");
  EXPECT_EQ(OnDisk(), document_.bytes());
}

}  // namespace
}  // namespace discmenu::editor
