#!/bin/sh
# Brings resources/translations/*.ts up to date with the texts in
# config/texts.cpp: new texts appear untranslated, translations of texts that
# are gone are marked obsolete. Translate with Qt Linguist, then rebuild.
set -eu
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -locations none -tr-function-alias QT_TRANSLATE_NOOP+=DISCMENU_TEXT \
  config/texts.cpp -ts resources/translations/discmenu_*.ts
# The editor's texts: its tr() calls, by class (without the namespace).
"$lupdate" -locations none tools/editor -ts resources/translations/editor_*.ts
