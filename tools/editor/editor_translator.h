// The editor's texts in the user's language: the Qt Linguist files
// resources/translations/editor_*.ts, compiled into the program, chosen from
// the locale as the menu chooses its own. The toolkit's own texts (the file
// dialogs, a field's context menu) come from the toolkit's translations
// where the system has them.
#pragma once

#include <QTranslator>

#include "config/texts.h"

namespace discmenu::editor {

class EditorTranslator : public QTranslator {
 public:
  // Loads the translations of `language`; English needs none.
  explicit EditorTranslator(Language language);

  // The files name each class without its namespace, as lupdate reads them.
  QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                    int n = -1) const override;
  bool isEmpty() const override { return QTranslator::isEmpty() && toolkit_.isEmpty(); }

 private:
  QTranslator toolkit_;
};

}  // namespace discmenu::editor
