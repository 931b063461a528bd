// The menu's texts in the user's language on Qt: Qt Linguist translations
// (resources/translations/*.ts), compiled into the program.
#pragma once

#include <QTranslator>
#include <string>

#include "config/texts.h"

namespace discmenu::qt {

class QtTextTranslator : public Translator {
 public:
  // Loads the translations of `language`; English needs none.
  explicit QtTextTranslator(Language language);
  std::string Translate(Text text) const override;

 private:
  QTranslator translations_;
};

// Translates `message` with `translator`, as a QString.
QString Tr(const Message& message, const Translator& translator);

}  // namespace discmenu::qt
