#include "tools/editor/editor_translator.h"

#include <QCoreApplication>
#include <QSet>

#include <gtest/gtest.h>

namespace discmenu::editor {
namespace {

TEST(EditorTranslatorTest, EveryLanguageTranslatesTheClassesInTheirNamespace) {
  const Language languages[] = {Language::kGerman,
                                Language::kFrench,
                                Language::kSpanish,
                                Language::kJapanese,
                                Language::kKorean,
                                Language::kSimplifiedChinese,
                                Language::kTraditionalChinese};
  QSet<QString> seen;
  for (Language language : languages) {
    const EditorTranslator translator(language);
    for (const char* context : {"discmenu::editor::MainWindow", "discmenu-editor"}) {
      const char* source = context[8] == ':' ? "&File" : "Edit %1";
      const QString text = translator.translate(context, source);
      EXPECT_FALSE(text.isEmpty()) << LanguageCode(language) << " " << context;
      EXPECT_NE(text, QString::fromLatin1(source)) << LanguageCode(language);
      seen.insert(translator.translate("discmenu::editor::PropertiesDock", "Properties"));
    }
  }
  EXPECT_EQ(seen.size(), 7);  // no language shows another's
  EXPECT_TRUE(EditorTranslator(Language::kEnglish).isEmpty());
}

}  // namespace
}  // namespace discmenu::editor
