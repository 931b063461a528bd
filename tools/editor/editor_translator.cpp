#include "tools/editor/editor_translator.h"

#include <QLibraryInfo>
#include <cstring>

namespace discmenu::editor {

EditorTranslator::EditorTranslator(Language language) {
  const std::string_view code = LanguageCode(language);
  if (code.empty()) return;
  const QString name = QString::fromLatin1(code.data(), qsizetype(code.size()));
  (void)load(QStringLiteral(":/discmenu/editor-translations/editor_%1.qm").arg(name));
  (void)toolkit_.load(QStringLiteral("qtbase_") + name,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString EditorTranslator::translate(const char* context, const char* source,
                                    const char* disambiguation, int n) const {
  static constexpr char kNamespace[] = "discmenu::editor::";
  if (context && std::strncmp(context, kNamespace, sizeof kNamespace - 1) == 0)
    context += sizeof kNamespace - 1;
  const QString text = QTranslator::translate(context, source, disambiguation, n);
  return text.isEmpty() ? toolkit_.translate(context, source, disambiguation, n) : text;
}

}  // namespace discmenu::editor
