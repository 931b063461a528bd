// The file-name and character checks: plain C++ over the values read.
#include <stdlib.h>

#include <algorithm>

#include "config/diagnostics.h"
#include "config/menu_settings.h"
#include "config/text_decoding.h"
#include "platform/posix/native_path.h"
#include "tools/discmenu-tool/ansi_code_pages.h"
#include "tools/discmenu-tool/check.h"
#include "tools/discmenu-tool/menu_folder.h"

namespace discmenu::tool {

namespace {

// `resolved` (a path under `app_path`) written as an install.ini value.
std::string AsValue(const std::string& app_path, const std::string& resolved) {
  if (!resolved.starts_with(app_path + "/")) return resolved;
  std::string value = resolved.substr(app_path.size());
  std::replace(value.begin(), value.end(), '/', '\\');
  return value;
}

// Why the file `read` (named by `quoted`) is not on a copy of the menu folder
// `app_path`, or "" when it is: a `..` that climbs out of the folder, or a
// symbolic link that points out of it.
std::string OutsideFolder(const std::string& app_path, const std::string& read,
                          const std::string& quoted) {
  const std::string folder = app_path.ends_with('/') ? app_path : app_path + "/";
  if (!read.starts_with(folder))
    return quoted + " leaves the menu folder for \"" + EscapeInvalidUtf8(read) + "\"";
  char* real = realpath(read.c_str(), nullptr);
  if (!real) return "";
  const std::string target = real;
  free(real);
  if (target.starts_with(folder)) return "";
  return quoted + " leads through a symbolic link to \"" + EscapeInvalidUtf8(target) +
         "\", outside the menu folder";
}

// One file name, item `item`; `is_target`: a click opens it, so it should
// exist (a picture that is missing is an error of its own).
void CheckPath(const MenuConfig& config, int item, bool is_target, std::vector<Finding>* findings) {
  const std::string& text = config.Value(item).AsText();
  // An empty target opens the menu folder itself; an empty picture field is
  // an error that the picture check reports.
  if (text.empty()) return;
  const std::string joined = config.app_path + text;
  // As both menus read it: Windows folds `..` and drops trailing dots itself.
  const std::string read = posix::WindowsPath(joined);
  const std::string resolved = posix::ResolvePath(joined);
  const std::string quoted = "\"" + text + "\"";

  if (text.front() != '\\' && text.front() != '/') {
    findings->push_back(ItemFinding(
        config, item, Severity::kWarning,
        ItemName(item) + ": " + quoted + " does not start with a backslash, so it joins to \"" +
            EscapeInvalidUtf8(read) + "\"" +
            (PathExists(resolved) ? "" : ", which does not exist") + "; write \"\\" + text + "\""));
    return;
  }
  if (const std::string outside = OutsideFolder(config.app_path, resolved, quoted);
      !outside.empty()) {
    findings->push_back(ItemFinding(
        config, item, Severity::kWarning,
        ItemName(item) + ": " + outside + ": a medium made from the folder does not hold it"));
  }
  if (!PathExists(read) && PathExists(resolved)) {
    findings->push_back(ItemFinding(
        config, item, Severity::kWarning,
        ItemName(item) + ": " + quoted + " matches \"" +
            EscapeInvalidUtf8(AsValue(config.app_path, resolved)) +
            "\" only with other letter case; the menu finds it, but programs on case-sensitive "
            "systems do not: write the name as it is on disk"));
    return;
  }
  if (is_target && !PathExists(resolved)) {
    findings->push_back(ItemFinding(config, item, Severity::kWarning,
                                    ItemName(item) + ": " + quoted +
                                        " does not exist, so a click only reports that it "
                                        "cannot find " +
                                        EscapeInvalidUtf8(resolved)));
  }
}

std::string CharacterList(const std::vector<char32_t>& characters) {
  std::string list;
  for (char32_t cp : characters) {
    if (!list.empty()) list += ", ";
    std::string utf8;
    AppendUtf8(cp, &utf8);
    list += "\"" + utf8 + "\" (" + CodePointName(cp) + ")";
  }
  return list;
}

}  // namespace

void CheckPaths(const MenuConfig& config, std::vector<Finding>* findings) {
  for (int n = 1; n <= kTargets.count; ++n) {
    const int item = kTargets.Item(n);
    if (config.Has(item) && config.Shown(n)) CheckPath(config, item, true, findings);
  }
  for (const FieldGroup& group : kFieldGroups) {
    if (group.kind != FieldKind::kPicture) continue;
    for (int item = group.first_item; item <= group.last_item(); ++item)
      if (config.Has(item)) CheckPath(config, item, false, findings);
  }
}

void CheckCharacters(const MenuConfig& config, AnsiCodePages& code_pages,
                     std::vector<Finding>* findings) {
  for (int item = 1; item <= kItemCount && config.Has(item); ++item) {
    const std::vector<char32_t> missing =
        code_pages.Unrepresentable(config.read.items[item - 1].text);
    if (missing.empty()) continue;
    findings->push_back(ItemFinding(
        config, item, Severity::kWarning,
        ItemName(item) + ": " + CharacterList(missing) + (missing.size() == 1 ? " is" : " are") +
            " in no Windows ANSI code page, so readers that take install.ini as ANSI text "
            "cannot show " +
            (missing.size() == 1 ? "it" : "them")));
  }
}

}  // namespace discmenu::tool
