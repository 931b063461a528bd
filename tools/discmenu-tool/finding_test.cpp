#include "tools/discmenu-tool/finding.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace discmenu::tool {
namespace {

Finding Make(int line, int column, Severity severity, std::string message = "m") {
  return Finding{line, column, severity, 0, "", std::move(message)};
}

TEST(FindingTest, TextLines) {
  Finding f{12, 3, Severity::kWarning, 17, "Target1", "item 17 (Target1): x"};
  EXPECT_EQ(FormatFinding("install.ini", f), "install.ini:12:3: warning: item 17 (Target1): x");
  f.severity = Severity::kError;
  EXPECT_EQ(FormatFinding("m/install.ini", f), "m/install.ini:12:3: error: item 17 (Target1): x");
}

TEST(FindingTest, SummaryCountsInWords) {
  struct Case {
    int errors, warnings;
    const char* summary;
  } cases[] = {{0, 0, "install.ini: 0 errors, 0 warnings"},
               {1, 1, "install.ini: 1 error, 1 warning"},
               {2, 3, "install.ini: 2 errors, 3 warnings"}};
  for (const Case& c : cases) {
    CheckResult result{"install.ini", {}};
    for (int k = 0; k < c.errors; ++k) result.findings.push_back(Make(1, 1, Severity::kError));
    for (int k = 0; k < c.warnings; ++k) result.findings.push_back(Make(1, 1, Severity::kWarning));
    EXPECT_EQ(SummaryLine(result), c.summary);
    EXPECT_EQ(ExitStatus(result), c.errors > 0 ? 1 : 0);
  }
}

TEST(FindingTest, TextReportEndsWithTheSummary) {
  CheckResult result{"install.ini", {Make(2, 1, Severity::kError, "bad")}};
  EXPECT_EQ(TextReport(result), "install.ini:2:1: error: bad\ninstall.ini: 1 error, 0 warnings\n");
}

TEST(FindingTest, SortedByPositionWithErrorsFirst) {
  std::vector<Finding> findings = {
      Make(9, 1, Severity::kWarning, "a"), Make(2, 5, Severity::kWarning, "b"),
      Make(2, 5, Severity::kError, "c"),   Make(2, 1, Severity::kWarning, "d"),
      Make(2, 5, Severity::kWarning, "e"),
  };
  SortFindings(&findings);
  std::string order;
  for (const Finding& f : findings) order += f.message;
  EXPECT_EQ(order, "dcbea");
}

TEST(FindingTest, JsonParsesBackToTheSameValues) {
  const std::string tricky = "quote \" backslash \\ tab \t line\n bell \x07 caf\u00e9 \u2603";
  CheckResult result{"dir \"x\"/install.ini",
                     {Finding{3, 7, Severity::kError, 3, "ShowFlag3", tricky},
                      Finding{40, 1, Severity::kWarning, 0, "", "whole file"}}};
  QJsonParseError error;
  const QJsonDocument doc =
      QJsonDocument::fromJson(QByteArray::fromStdString(JsonReport(result)), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  const QJsonObject top = doc.object();
  EXPECT_EQ(top["file"].toString().toStdString(), result.file);
  EXPECT_EQ(top["errors"].toInt(), 1);
  EXPECT_EQ(top["warnings"].toInt(), 1);
  const QJsonArray findings = top["findings"].toArray();
  ASSERT_EQ(findings.size(), 2);
  const QJsonObject first = findings[0].toObject(), second = findings[1].toObject();
  EXPECT_EQ(first["message"].toString().toStdString(), tricky);
  EXPECT_EQ(first["line"].toInt(), 3);
  EXPECT_EQ(first["column"].toInt(), 7);
  EXPECT_EQ(first["severity"].toString(), "error");
  EXPECT_EQ(first["item"].toInt(), 3);
  EXPECT_EQ(first["field"].toString(), "ShowFlag3");
  EXPECT_EQ(second["severity"].toString(), "warning");
  EXPECT_TRUE(second["item"].isNull());
  EXPECT_TRUE(second["field"].isNull());
}

TEST(FindingTest, JsonOfNoFindings) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(
      QByteArray::fromStdString(JsonReport(CheckResult{"install.ini", {}})), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError);
  EXPECT_TRUE(doc.object()["findings"].isArray());
  EXPECT_TRUE(doc.object()["findings"].toArray().isEmpty());
  EXPECT_EQ(doc.object()["errors"].toInt(-1), 0);
}

}  // namespace
}  // namespace discmenu::tool
