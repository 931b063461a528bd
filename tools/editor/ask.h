// The editor's questions and warnings, with buttons in its own words
// ("Convert", "Don't Save") and so in the author's language. Qt's standard
// buttons (Yes, No, Discard) would speak only as far as the machine happens
// to have Qt's own translations installed.
#pragma once

#include <QMessageBox>
#include <QString>
#include <initializer_list>

namespace discmenu::editor {

struct Choice {
  QString text;
  QMessageBox::ButtonRole role;  // AcceptRole, DestructiveRole, ...
};

// Asks `question`, offering `choices` (the first is the default) and then
// Cancel, which Escape and closing the box also give. Returns the role of
// the choice taken; RejectRole for Cancel.
QMessageBox::ButtonRole Ask(QWidget* parent, const QString& title, const QString& question,
                            std::initializer_list<Choice> choices);
// Says `text`, with an OK button.
void Tell(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);

}  // namespace discmenu::editor
