// The smallest Qt Widgets program that shows what the menu shows at least:
// a window of the menu's size with one label on it. It is the baseline that
// the menu's start-up is compared with.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare"));
  window.resize(640, 478);
  auto* label = new QLabel(QStringLiteral("Install Aurora Studio"), &window);
  label->setGeometry(96, 64, 213, 65);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, QColor(128, 255, 255));
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  window.show();
  return app.exec();
}
