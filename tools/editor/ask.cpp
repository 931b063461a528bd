#include "tools/editor/ask.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPushButton>

namespace discmenu::editor {

namespace {

QMessageBox::ButtonRole Show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                             const QString& text, std::initializer_list<Choice> choices,
                             const QString& last) {
  QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
  for (const Choice& choice : choices) {
    QPushButton* button = box.addButton(choice.text, choice.role);
    if (!box.defaultButton()) box.setDefaultButton(button);
  }
  QPushButton* escape =
      box.addButton(last, choices.size() ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
  if (!box.defaultButton()) box.setDefaultButton(escape);
  box.setEscapeButton(escape);
  box.exec();
  return box.buttonRole(box.clickedButton() ? box.clickedButton() : escape);
}

}  // namespace

QMessageBox::ButtonRole Ask(QWidget* parent, const QString& title, const QString& question,
                            std::initializer_list<Choice> choices) {
  return Show(parent, QMessageBox::Question, title, question, choices,
              QCoreApplication::translate("Ask", "Cancel"));
}

void Tell(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
  Show(parent, icon, title, text, {}, QCoreApplication::translate("Ask", "OK"));
}

}  // namespace discmenu::editor
