#include "tools/discmenu-tool/check.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "menu/form1.h"
#include "platform/qt/form1_window.h"
#include "tools/discmenu-tool/ansi_code_pages.h"
#include "tools/discmenu-tool/menu_folder.h"

namespace discmenu::tool {

namespace {

struct Position {
  int line = 1;
  int column = 1;
};

// Where `text` ends, counted as the reader counts: CR LF, LF and CR each end
// a line; columns count characters.
Position EndOf(std::string_view text) {
  Position end;
  for (size_t k = 0; k < text.size(); ++k) {
    const char c = text[k];
    const bool crlf = c == '\r' && k + 1 < text.size() && text[k + 1] == '\n';
    if (c == '\n' || (c == '\r' && !crlf)) {
      ++end.line;
      end.column = 1;
    } else if (!crlf && (static_cast<unsigned char>(c) & 0xC0) != 0x80) {
      ++end.column;
    }
  }
  return end;
}

// What the whole file holds beyond what the menu reads.
struct FileScan {
  Position end;                 // where the file's text ends
  std::vector<Position> items;  // where items 1-35 start
  int ignored = 0;              // items after the 34th that hold something
  int first_ignored = 0;        // the number of the first of those
  Position first_ignored_at;
  bool complete = true;            // false when the file is larger than the scan
  int items_in_reader_window = 0;  // items that end within the reader's limit
};

FileScan ScanWholeFile(Runtime& runtime, const std::string& path) {
  FileScan scan;
  std::unique_ptr<ByteSource> file;
  std::string bytes;
  bool eof = false;
  if (!runtime.OpenForInput(path, &file).ok()) return scan;
  // Read in growing steps: most files are small, and a step is allocated
  // whole before it is read.
  for (size_t step = 64 * 1024; !eof && bytes.size() < kMaxScannedBytes; step *= 2) {
    if (!file->Read(std::min(step, kMaxScannedBytes - bytes.size()), &bytes, &eof).ok())
      return scan;
  }
  scan.complete = eof;
  {
    const bool whole = eof && bytes.size() <= kMaxConfigBytes;
    const std::string_view head = std::string_view(bytes).substr(0, kMaxConfigBytes);
    const DecodedText text = DecodeText(head, whole, runtime.legacy_decoder());
    Tokenizer tokenizer(text.utf8, whole);
    Item item;
    while (scan.items_in_reader_window < kItemCount &&
           tokenizer.Next(&item) == Tokenizer::Result::kItem)
      ++scan.items_in_reader_window;
  }
  const DecodedText text = DecodeText(bytes, eof, runtime.legacy_decoder());
  scan.end = EndOf(text.utf8);
  Tokenizer tokenizer(text.utf8, eof);
  Item item;
  for (int n = 1; tokenizer.Next(&item) == Tokenizer::Result::kItem; ++n) {
    if (n <= kItemCount + 1) scan.items.push_back({item.line, item.column});
    // Blank lines after the last item are harmless; anything else is lost.
    if (n > kItemCount && (item.quoted || !item.text.empty()) && scan.ignored++ == 0) {
      scan.first_ignored = n;
      scan.first_ignored_at = {item.line, item.column};
    }
  }
  return scan;
}

Variant ValueOf(const Item& item, int number) {
  if (item.quoted || number == kItemCount) return Variant::Text(item.text);
  return VariantFromUnquoted(item.text);
}

std::string Plural(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

Finding FileFinding(Position at, Severity severity, int item, std::string message) {
  return Finding{at.line,
                 at.column,
                 severity,
                 item,
                 item >= 1 && item <= kItemCount ? FieldName(item) : "",
                 std::move(message)};
}

}  // namespace

bool MenuConfig::Shown(int n) const {
  if (!Has(n)) return false;
  std::optional<bool> shown = EqualsOne(Value(n));
  return !shown || *shown;
}

std::string ItemName(int item) {
  return "item " + std::to_string(item) + " (" + FieldName(item) + ")";
}

Finding ItemFinding(const MenuConfig& config, int item, Severity severity, std::string message) {
  const Item& at = config.report.items[item - 1];
  return FileFinding({at.line, at.column}, severity, item, std::move(message));
}

bool ReadMenuConfig(Runtime& runtime, MenuConfig* config, std::vector<Finding>* findings) {
  config->app_path = runtime.AppPath();
  const std::string path = config->app_path + kConfigFileName;
  std::unique_ptr<ByteSource> file;
  if (Error e = runtime.OpenForInput(path, &file); !e.ok()) {
    findings->push_back(FileFinding({}, Severity::kError, 0, e.ToString()));
    return false;
  }
  MenuSettings settings;
  const Error e =
      ReadMenuSettings(*file, path, runtime.legacy_decoder(), &settings, &config->report);
  file.reset();
  const FileScan scan = ScanWholeFile(runtime, path);
  if (e.number() == Error::kOutOfMemory || e.number() == Error::kPathFileAccess) {
    // The reader gives up before it reports any item.
    const int item = e.number() == Error::kOutOfMemory ? scan.items_in_reader_window + 1 : 0;
    const Position at =
        item > 0 && item <= static_cast<int>(scan.items.size()) ? scan.items[item - 1] : Position{};
    findings->push_back(FileFinding(at, Severity::kError, item, e.ToString()));
    return false;
  }

  const int found = config->report.items_found;
  for (int n = 1; n <= found; ++n) config->values[n - 1] = ValueOf(config->report.items[n - 1], n);
  if (found < kItemCount) {
    const int missing = found + 1;
    findings->push_back(FileFinding(
        scan.end, Severity::kError, missing,
        ItemName(missing) + " is missing: " +
            (found == 0 ? std::string("the file holds no items")
                        : "the file ends after " + std::to_string(found) + " of the " +
                              std::to_string(kItemCount) + " items") +
            " (the menu stops with error " + std::to_string(e.number()) + ": " + e.text() + ")"));
  }
  if (scan.ignored > 0) {
    findings->push_back(FileFinding(
        scan.first_ignored_at, Severity::kWarning, scan.first_ignored,
        "item " + std::to_string(scan.first_ignored) + ": " + (scan.complete ? "" : "at least ") +
            Plural(scan.ignored, "item after the 34th is", "items after the 34th are") +
            " ignored: the menu reads only the first " + std::to_string(kItemCount)));
  }
  return found > 0;
}

void CheckShowFlags(const MenuConfig& config, std::vector<Finding>* findings) {
  for (int n = 1; n <= kEntryCount && config.Has(n); ++n) {
    const Variant& flag = config.Value(n);
    const std::optional<bool> shown = EqualsOne(flag);
    const std::string entry = "entry " + std::to_string(n);
    if (!shown) {
      findings->push_back(ItemFinding(
          config, n, Severity::kError,
          ItemName(n) + " is the text \"" + flag.AsText() +
              "\", which is not a number: write 1 to show " + entry + " or 0 to hide it " +
              "(the menu stops with error 13: " + Error::TypeMismatch("").text() + ")"));
      continue;
    }
    if (*shown || flag.IsEmpty()) continue;
    // A hidden entry: fine when the flag says 0, likely a slip otherwise
    // (-1, the "true" of some languages, or 2).
    std::string_view text = flag.AsText();
    const size_t first = text.find_first_not_of(" \t");
    text = first == std::string_view::npos
               ? ""
               : text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (ParseDecimal(text) == 0.0) continue;
    findings->push_back(ItemFinding(config, n, Severity::kWarning,
                                    ItemName(n) + " is " + std::string(flag.AsText()) +
                                        ", which hides " + entry +
                                        ": only a value equal to 1 shows it, 0 hides it"));
  }
}

CheckResult CheckMenuFolder(const std::string& dir) {
  CheckResult result;
  result.file = ShownConfigName(dir);
  FolderRuntime runtime(MenuFolderPath(dir));
  MenuConfig config;
  if (ReadMenuConfig(runtime, &config, &result.findings)) {
    CheckShowFlags(config, &result.findings);
    CheckPaths(config, &result.findings);
    AnsiCodePages code_pages;
    CheckCharacters(config, code_pages, &result.findings);
    const qt::Form1Window window;
    CheckPictures(config, runtime, window, &result.findings);
    CheckCaptions(config, window, &result.findings);
  }
  SortFindings(&result.findings);
  return result;
}

}  // namespace discmenu::tool
