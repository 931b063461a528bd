#include "tools/editor/editor_translator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

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
  // The toolkit's own dialogs speak the language too.
  EXPECT_EQ(EditorTranslator(Language::kGerman).translate("QFileDialog", "Look in:"),
            QString::fromUtf8("Suchen in:"));
}

// What a translation must keep of its source: the arguments, and a
// keyboard mnemonic where the source has one.
QStringList Kept(const QString& text) {
  QStringList kept;
  for (const QRegularExpressionMatch& m : QRegularExpression("%\\d|&[^&\\s]").globalMatch(text))
    kept << (m.captured().startsWith('&') ? "&" : m.captured());
  kept.sort();
  return kept;
}

TEST(EditorTranslatorTest, EveryTextIsTranslatedInEveryLanguageKeepingArgumentsAndMnemonics) {
  const QStringList files = QDir(DISCMENU_TRANSLATIONS_DIR).entryList({"editor_*.ts"}, QDir::Files);
  EXPECT_EQ(files.size(), 7);
  for (const QString& name : files) {
    QFile file(QDir(DISCMENU_TRANSLATIONS_DIR).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement) continue;
      if (xml.name() == u"source") source = xml.readElementText();
      if (xml.name() != u"translation") continue;
      const QStringView type = xml.attributes().value("type");
      if (type == u"vanished" || type == u"obsolete") continue;
      const bool unfinished = type == u"unfinished";
      const QString translation = xml.readElementText();
      const std::string where = (name + ": " + source).toStdString();
      EXPECT_FALSE(unfinished || translation.isEmpty()) << where;
      EXPECT_EQ(Kept(translation), Kept(source)) << where;
    }
    EXPECT_FALSE(xml.hasError()) << name.toStdString();
  }
}

}  // namespace
}  // namespace discmenu::editor
