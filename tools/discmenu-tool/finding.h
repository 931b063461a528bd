// What `discmenu-tool check` reports: findings as values, and their text and
// JSON forms.
#pragma once

#include <string>
#include <vector>

namespace discmenu::tool {

enum class Severity {
  kError,    // the menu would not start
  kWarning,  // the menu starts, but something is likely wrong
};

struct Finding {
  int line = 1;  // 1-based position in install.ini, in characters
  int column = 1;
  Severity severity = Severity::kError;
  int item = 0;       // 1-34, or the first ignored item after them; 0: the whole file
  std::string field;  // "ShowFlag3", ...; empty when no field is concerned
  std::string message;

  bool operator==(const Finding&) const = default;
};

struct CheckResult {
  std::string file;  // install.ini as the user named it
  std::vector<Finding> findings;

  int errors() const;
  int warnings() const;
};

// Puts findings in file order; at one position errors come first.
void SortFindings(std::vector<Finding>* findings);

// "install.ini:3:1: error: item 3 (ShowFlag3) ..."
std::string FormatFinding(const std::string& file, const Finding& finding);

// "install.ini: 2 errors, 3 warnings"
std::string SummaryLine(const CheckResult& result);

// Every finding line, then the summary line, each ending with a line end.
std::string TextReport(const CheckResult& result);

// {"file": ..., "errors": N, "warnings": N, "findings": [{"line", "column",
// "severity", "item", "field", "message"}, ...]}; item and field are null
// when a finding concerns the whole file.
std::string JsonReport(const CheckResult& result);

// 0 without errors, 1 with errors.
int ExitStatus(const CheckResult& result);

}  // namespace discmenu::tool
