#include "platform/qt/qt_translator.h"

namespace discmenu::qt {

QtTextTranslator::QtTextTranslator(Language language) {
  const std::string_view code = LanguageCode(language);
  if (code.empty()) return;
  // A language without translations shows English, as the texts are written.
  (void)translations_.load(QStringLiteral(":/discmenu/translations/discmenu_%1.qm")
                               .arg(QString::fromLatin1(code.data(), qsizetype(code.size()))));
}

std::string QtTextTranslator::Translate(Text text) const {
  const std::string_view english = EnglishText(text);
  return translations_.translate("discmenu", english.data()).toStdString();
}

QString Tr(const Message& message, const Translator& translator) {
  return QString::fromStdString(message.Render(&translator));
}

}  // namespace discmenu::qt
