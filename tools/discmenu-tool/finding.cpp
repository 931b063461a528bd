#include "tools/discmenu-tool/finding.h"

#include <algorithm>
#include <cstdio>

#include "config/text_decoding.h"

namespace discmenu::tool {

namespace {

const char* SeverityName(Severity s) {
  return s == Severity::kError ? "error" : "warning";
}

std::string Counted(int n, const char* noun) {
  return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

// `s` (UTF-8) as a JSON string literal.
std::string JsonString(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

}  // namespace

int CheckResult::errors() const {
  return static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const Finding& f) {
    return f.severity == Severity::kError;
  }));
}

int CheckResult::warnings() const {
  return static_cast<int>(findings.size()) - errors();
}

void SortFindings(std::vector<Finding>* findings) {
  std::stable_sort(findings->begin(), findings->end(), [](const Finding& a, const Finding& b) {
    if (a.line != b.line) return a.line < b.line;
    if (a.column != b.column) return a.column < b.column;
    return a.severity == Severity::kError && b.severity != Severity::kError;
  });
}

std::string FormatFinding(const std::string& file, const Finding& f) {
  return OneLine(file + ":" + std::to_string(f.line) + ":" + std::to_string(f.column) + ": " +
                 SeverityName(f.severity) + ": " + f.message);
}

std::string SummaryLine(const CheckResult& result) {
  return OneLine(result.file + ": " + Counted(result.errors(), "error") + ", " +
                 Counted(result.warnings(), "warning"));
}

std::string TextReport(const CheckResult& result) {
  std::string out;
  for (const Finding& f : result.findings) out += FormatFinding(result.file, f) + "\n";
  return out + SummaryLine(result) + "\n";
}

std::string JsonReport(const CheckResult& result) {
  std::string out = "{\n  \"file\": " + JsonString(result.file) +
                    ",\n  \"errors\": " + std::to_string(result.errors()) +
                    ",\n  \"warnings\": " + std::to_string(result.warnings()) +
                    ",\n  \"findings\": [";
  const char* separator = "\n";
  for (const Finding& f : result.findings) {
    out += separator;
    out += "    {\"line\": " + std::to_string(f.line) +
           ", \"column\": " + std::to_string(f.column) + ", \"severity\": \"" +
           SeverityName(f.severity) +
           "\", \"item\": " + (f.item ? std::to_string(f.item) : "null") +
           ", \"field\": " + (f.field.empty() ? "null" : JsonString(f.field)) +
           ", \"message\": " + JsonString(f.message) + "}";
    separator = ",\n";
  }
  out += result.findings.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

int ExitStatus(const CheckResult& result) {
  return result.errors() > 0 ? 1 : 0;
}

}  // namespace discmenu::tool
