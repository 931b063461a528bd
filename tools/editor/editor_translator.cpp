#include "tools/editor/editor_translator.h"

#include <cstring>

namespace discmenu::editor {

EditorTranslator::EditorTranslator(Language language) {
  const std::string_view code = LanguageCode(language);
  if (code.empty()) return;
  (void)load(QStringLiteral(":/discmenu/editor-translations/editor_%1.qm")
                 .arg(QString::fromLatin1(code.data(), qsizetype(code.size()))));
}

QString EditorTranslator::translate(const char* context, const char* source,
                                    const char* disambiguation, int n) const {
  static constexpr char kNamespace[] = "discmenu::editor::";
  if (context && std::strncmp(context, kNamespace, sizeof kNamespace - 1) == 0)
    context += sizeof kNamespace - 1;
  return QTranslator::translate(context, source, disambiguation, n);
}

}  // namespace discmenu::editor
