#include "tools/editor/file_changed_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace discmenu::editor {

FileChangedBar::FileChangedBar(QWidget* parent) : QFrame(parent) {
  setObjectName("fileChanged");
  setFrameStyle(QFrame::StyledPanel);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(0xff, 0xf3, 0xc4));
  p.setColor(QPalette::WindowText, Qt::black);
  setPalette(p);
  auto* row = new QHBoxLayout(this);
  auto* text = new QLabel(tr("install.ini was changed on disk by another program."), this);
  row->addWidget(text, 1);
  auto* reload = new QPushButton(tr("&Reload"), this);
  reload->setAccessibleName(tr("Reload the file from disk"));
  auto* keep = new QPushButton(tr("&Keep mine"), this);
  keep->setAccessibleName(tr("Keep my version"));
  row->addWidget(reload);
  row->addWidget(keep);
  connect(reload, &QPushButton::clicked, this, &FileChangedBar::reload);
  connect(keep, &QPushButton::clicked, this, &FileChangedBar::keep);
  setAccessibleName(text->text());
}

}  // namespace discmenu::editor
