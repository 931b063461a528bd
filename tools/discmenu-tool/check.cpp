#include "tools/discmenu-tool/check.h"
#include "tools/discmenu-tool/signatures.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string_view>

#include "config/diagnostics.h"
#include "config/text_decoding.h"
#include "menu/form1.h"
#include "platform/posix/native_path.h"
#include "tools/discmenu-tool/ansi_code_pages.h"
#include "tools/discmenu-tool/menu_folder.h"

namespace discmenu::tool {

namespace {

Finding FileFinding(Position at, Severity severity, int item, std::string message) {
  return Finding{at.line,
                 at.column,
                 severity,
                 item,
                 item >= 1 && item <= kItemCount ? FieldName(item) : "",
                 std::move(message)};
}

std::string Plural(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// Warns when install.ini is on disk only with other letter case, or more
// than once: Windows shows one file of such names, and which one depends on
// how the medium is written.
void CheckConfigName(const std::string& app_path, std::vector<Finding>* findings) {
  const std::string wanted = std::string(kConfigFileName).substr(1);
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(app_path, ec)) {
    std::string name = entry.path().filename().string();
    if (posix::EqualsIgnoringCase(name, wanted)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  const bool exact = std::find(names.begin(), names.end(), wanted) != names.end();
  if (names.size() == 1 && !exact) {
    findings->push_back(FileFinding({}, Severity::kWarning, 0,
                                    wanted + " is named \"" + EscapeInvalidUtf8(names[0]) +
                                        "\" on disk: the menu finds it, but programs on "
                                        "case-sensitive systems do not: name it " +
                                        wanted));
  } else if (names.size() > 1) {
    std::string list;
    for (const std::string& name : names)
      list += (list.empty() ? "\"" : ", \"") + EscapeInvalidUtf8(name) + "\"";
    findings->push_back(FileFinding(
        {}, Severity::kWarning, 0,
        std::to_string(names.size()) + " files are named " + wanted +
            " without regard to letter case (" + list + "): the menu reads \"" +
            EscapeInvalidUtf8(exact ? wanted : names[0]) +
            "\", but Windows sees one of them only, whichever the medium lists: keep one"));
  }
}

}  // namespace

bool MenuConfig::Shown(int n) const {
  if (!Has(n)) return false;
  std::optional<bool> shown = EqualsOne(Value(n));
  return !shown || *shown;
}

Finding ItemFinding(const MenuConfig& config, int item, Severity severity, std::string message) {
  const Item& at = config.read.items[item - 1];
  return FileFinding({at.line, at.column}, severity, item, std::move(message));
}

std::string StopsWith(const Error& error) {
  return " (the menu stops with error " + std::to_string(error.number()) + ": " + error.text() +
         ")";
}

bool ReadMenuConfig(Runtime& runtime, MenuConfig* config, std::vector<Finding>* findings) {
  config->app_path = runtime.AppPath();
  const std::string path = config->app_path + kConfigFileName;
  std::unique_ptr<ByteSource> file;
  if (Error e = runtime.OpenForInput(path, &file); !e.ok()) {
    findings->push_back(FileFinding({}, Severity::kError, 0, e.ToString()));
    return false;
  }
  CheckConfigName(config->app_path, findings);
  const Error e = ReadItems(*file, runtime.ShownName(path), runtime.legacy_decoder(),
                            ReadScope::kWholeFile, &config->read);
  const ItemsRead& read = config->read;
  const int found = static_cast<int>(read.items.size());
  for (int n = 1; n <= found; ++n) config->values[n - 1] = ItemValue(read.items[n - 1], n);
  if (e.number() == Error::kInputPastEndOfFile) {
    findings->push_back(FileFinding(read.stopped_at, Severity::kError, found + 1,
                                    MissingItemSentence(found).Render() + StopsWith(e)));
  } else if (!e.ok()) {
    // The reader gave up: on a read error, or on an item that never ends.
    const int item = e.number() == Error::kOutOfMemory ? found + 1 : 0;
    findings->push_back(FileFinding(read.stopped_at, Severity::kError, item, e.ToString()));
    return false;
  }
  if (read.after_count > 0) {
    const Item& first = read.after.front();
    findings->push_back(FileFinding(
        {first.line, first.column}, Severity::kWarning, first.number,
        "item " + std::to_string(first.number) + ": " + (read.complete ? "" : "at least ") +
            Plural(read.after_count, "item after the 34th is", "items after the 34th are") +
            " ignored: the menu reads only the first " + std::to_string(kItemCount)));
  }
  return found > 0;
}

void CheckShowFlags(const MenuConfig& config, std::vector<Finding>* findings) {
  for (int n = 1; n <= kEntryCount && config.Has(n); ++n) {
    const Variant& flag = config.Value(n);
    const std::optional<bool> shown = EqualsOne(flag);
    if (!shown) {
      findings->push_back(ItemFinding(config, n, Severity::kError,
                                      ShowFlagNotANumberSentence(n, flag.AsText()).Render() +
                                          StopsWith(Error::TypeMismatch(""))));
      continue;
    }
    if (*shown || flag.IsEmpty()) continue;
    // A hidden entry: fine when the flag says 0, likely a slip otherwise
    // (-1, the "true" of some languages, or 2).
    if (FlagNumber(flag) == 0.0) continue;
    findings->push_back(ItemFinding(config, n, Severity::kWarning,
                                    ItemName(n) + " is " + std::string(flag.AsText()) +
                                        ", which hides entry " + std::to_string(n) +
                                        ": only a value equal to 1 shows it, 0 hides it"));
  }
}

bool CheckText(Runtime& runtime, MenuConfig* config, std::vector<Finding>* findings) {
  if (!ReadMenuConfig(runtime, config, findings)) return false;
  CheckShowFlags(*config, findings);
  CheckPaths(*config, findings);
  CheckSignatures(*config, findings);
  AnsiCodePages code_pages;
  CheckCharacters(*config, code_pages, findings);
  return true;
}

CheckResult CheckMenuFolder(const std::string& dir, Runtime& runtime, const MoreChecks& more) {
  CheckResult result;
  result.file = ShownConfigName(dir);
  MenuConfig config;
  if (CheckText(runtime, &config, &result.findings) && more) more(config, &result.findings);
  SortFindings(&result.findings);
  return result;
}

int PrintCheck(const CheckResult& result, Format format, std::ostream& out) {
  out << (format == Format::kJson ? JsonReport(result) : TextReport(result));
  return ExitStatus(result);
}

}  // namespace discmenu::tool
