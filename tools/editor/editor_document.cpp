#include "tools/editor/editor_document.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <fstream>
#include <iterator>
#include <memory>

#include "menu/form1.h"
#include "platform/posix/file_output.h"
#include "platform/posix/native_path.h"
#include "tools/discmenu-tool/menu_folder.h"
#include "tools/editor/convert_to_utf8.h"
#include "tools/editor/set_item_text.h"
#include "tools/editor/set_items.h"

namespace discmenu::editor {

bool ReadWholeFile(const std::string& path, std::string* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

EditorDocument::EditorDocument(QObject* parent) : QObject(parent) {}

std::string EditorDocument::Open(const std::string& folder, const AddMissing& add_missing) {
  const std::string dir = tool::MenuFolderPath(folder);
  const std::string file = posix::ResolvePath(dir + kConfigFileName);
  std::string bytes;
  if (!ReadWholeFile(file, &bytes)) return file + ": cannot be read";
  IniDocument ini;
  if (Error e = IniDocument::Open(bytes, file, decoder_, &ini, true); !e.ok()) return e.ToString();
  IniDocument completed = ini;
  if (ini.held() < kItemCount &&
      !(add_missing && completed.Complete() == EditOutcome::kDone && add_missing(file, ini.held())))
    return IniDocument::Open(bytes, file, decoder_, &ini).ToString();  // the reader's word
  folder_ = dir;
  file_ = file;
  on_disk_ = std::move(bytes);
  ini_ = std::move(ini);
  undo_.clear();
  if (completed.bytes() != ini_.bytes())
    undo_.push(new SetItems(this, tr("Add the missing items"), ini_.bytes(), completed.bytes()));
  emit changed();
  return "";
}

std::string EditorDocument::Reload() {
  return Open(folder_);
}

EditOutcome EditorDocument::SetText(int n, const std::string& text) {
  // Typing that merges into the step before is an edit of the item as it
  // was before that step: a state passed through on the way (a trailing
  // blank that needed quotes) leaves no trace in the file.
  IniDocument edited = ini_;
  const auto* typing = dynamic_cast<const SetItemText*>(undo_.command(undo_.index() - 1));
  if (typing && typing->item() == n && undo_.index() == undo_.count() &&
      undo_.index() != undo_.cleanIndex())
    if (!IniDocument::Open(typing->before(), file_, decoder_, &edited).ok()) edited = ini_;
  const EditOutcome outcome = edited.SetText(n, text);
  if (outcome != EditOutcome::kDone && outcome != EditOutcome::kUnchanged) return outcome;
  if (edited.bytes() == ini_.bytes()) return EditOutcome::kUnchanged;
  undo_.push(new SetItemText(this, n, ini_.bytes(), edited.bytes()));
  return EditOutcome::kDone;
}

EditOutcome EditorDocument::SetTexts(const std::vector<std::pair<int, std::string>>& edits,
                                     const QString& what) {
  IniDocument edited = ini_;
  for (const auto& [n, text] : edits)
    if (EditOutcome outcome = edited.SetText(n, text);
        outcome != EditOutcome::kDone && outcome != EditOutcome::kUnchanged)
      return outcome;
  if (edited.bytes() == ini_.bytes()) return EditOutcome::kUnchanged;
  undo_.push(new SetItems(this, what, ini_.bytes(), edited.bytes()));
  return EditOutcome::kDone;
}

EditOutcome EditorDocument::ConvertToUtf8() {
  IniDocument converted = ini_;
  const EditOutcome outcome = converted.ConvertToUtf8();
  if (outcome == EditOutcome::kDone)
    undo_.push(new editor::ConvertToUtf8(this, ini_.bytes(), converted.bytes()));
  return outcome;
}

void EditorDocument::SetBytes(const std::string& bytes) {
  IniDocument ini;
  // The bytes come from this document's own states, which all read (the
  // first may end early).
  if (!IniDocument::Open(bytes, file_, decoder_, &ini, true).ok()) return;
  ini_ = std::move(ini);
  emit changed();
}

std::string EditorDocument::Save() {
  struct stat st;
  const unsigned mode = stat(file_.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
  const std::string name = file_.substr(file_.rfind('/') + 1);
  if (std::string problem = posix::WriteBelow(folder_, name, ini_.bytes(), mode, true);
      !problem.empty())
    return problem;
  on_disk_ = ini_.bytes();
  undo_.setClean();
  return "";
}

bool EditorDocument::ChangedOnDisk() const {
  std::string bytes;
  return !ReadWholeFile(file_, &bytes) || bytes != on_disk_;
}

void EditorDocument::KeepOwnVersion() {
  undo_.resetClean();
}

}  // namespace discmenu::editor
