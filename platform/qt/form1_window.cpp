#include "platform/qt/form1_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

#include "menu/layout.h"
#include "platform/qt/qt_picture.h"

namespace discmenu::qt {

namespace {

// Geometry in device-independent pixels: Qt scales them to the screen, so
// twips convert at 96 per inch here and every scale keeps the design.
constexpr int kLogicalDpi = 96;

QRect Geometry(const layout::Control& c) {
  layout::PixelRect r = layout::ToPixels(c, kLogicalDpi);
  return QRect(r.x, r.y, r.width, r.height);
}

QColor OleColor(uint32_t ole, const QPalette& palette) {
  const presentation::Color c = presentation::DecodeOleColor(ole);
  if (!c.system) return QColor(c.red, c.green, c.blue);
  return palette.color(c.which == presentation::SystemColor::kButtonText ? QPalette::ButtonText
                                                                         : QPalette::Button);
}

// Sets the window's icon right after the window's first paint, then goes.
class IconAfterFirstPaint : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      auto* window = static_cast<QWidget*>(watched);
      QTimer::singleShot(0, window, [window] { window->setWindowIcon(WindowIcon()); });
      window->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }

 private:
  static QIcon WindowIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 256}) {
      // Told the format, the reader loads no image plugin to find it out.
      QImageReader reader(QStringLiteral(":/discmenu/icon/discmenu-%1.png").arg(size), "png");
      reader.setAutoDetectImageFormat(false);
      icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
  }
};

}  // namespace

PictureRef PlaceholderButtonPicture() {
  static PictureRef picture = ResourcePicture(":/discmenu/placeholder/button.jpg", Area::kButton);
  return picture;
}

PictureRef PlaceholderBackgroundPicture() {
  static PictureRef picture =
      ResourcePicture(":/discmenu/placeholder/background.jpg", Area::kPicture1);
  return picture;
}

void PictureButton::SetPicture(PictureRef picture) {
  picture_.Set(std::move(picture));
  update();
}

QRect PictureButton::face() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  p.drawControl(QStyle::CE_PushButtonBevel, option);
  const QRect face = this->face();
  // Until the load step sets a picture, the placeholder shows; it is decoded
  // only if it is ever drawn.
  const Image& image = picture_ ? picture_.ImageFor(Scale()) : PlaceholderButtonPicture()->image();
  const QSize size = LogicalSize(image);
  const Box at =
      presentation::PictureOnButton(width(), height(), size.width(), size.height(), isDown());
  DrawImage(p, image, QPointF(at.x, at.y), face);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = face.adjusted(1, 1, -1, -1);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
  // Enter and Return press the focused button as Space does.
  if (!event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    animateClick();
    return;
  }
  QPushButton::keyPressEvent(event);
}

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(layout::kStyle.picture_border_px);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, OleColor(layout::kStyle.picture_back, palette));
  setPalette(palette);
}

void PictureBox::SetPicture(PictureRef picture) {
  picture_.Set(std::move(picture));
  update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  {
    QPainter p(this);
    const Image& image =
        picture_ ? picture_.ImageFor(Scale()) : PlaceholderBackgroundPicture()->image();
    DrawImage(p, image, contentsRect().topLeft(), contentsRect());
  }
  QFrame::paintEvent(event);  // the border
}

namespace {

// What a screen reader is told the window and Picture1 are: a window (not a
// filler) and a picture (not a frame, which is what a window is to it).
QAccessibleInterface* AccessibleOf(const QString&, QObject* object) {
  if (auto* window = dynamic_cast<Form1Window*>(object))
    return new QAccessibleWidget(window, QAccessible::Window);
  if (auto* box = dynamic_cast<PictureBox*>(object))
    return new QAccessibleWidget(box, QAccessible::Graphic);
  return nullptr;
}

}  // namespace

Form1Window::Form1Window(const Translator* translator) {
  static const bool accessible = [] {
    QAccessible::installFactory(AccessibleOf);
    return true;
  }();
  (void)accessible;
  setObjectName(QString::fromLatin1(layout::kForm.name));
  setWindowTitle(QString::fromLatin1(layout::kForm.caption));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, OleColor(layout::kForm.back_color, palette));
  setPalette(palette);
  setAutoFillBackground(true);
  resize(layout::TwipsToPixels(layout::kForm.client_width, kLogicalDpi),
         layout::TwipsToPixels(layout::kForm.client_height, kLogicalDpi));

  QFont font{QString::fromLatin1(layout::kStyle.label_font.face)};
  font.setPixelSize(layout::PointsToPixels(layout::kStyle.label_font.points, kLogicalDpi));
  font.setWeight(QFont::Weight(layout::kStyle.label_font.weight));
  font.setStyleHint(QFont::SansSerif);  // when Arial is missing, a sans-serif face
  const int border = layout::kStyle.picture_border_px;

  controls_.picture1 = new PictureBox(this);
  controls_.picture1->setObjectName(QString::fromLatin1(layout::Picture1().name));
  // The background takes the focus: a listener hears what it is.
  controls_.picture1->setAccessibleName(
      QString::fromStdString(Message(Text::kBackgroundPicture, {}).Render(translator)));
  controls_.picture1->setGeometry(Geometry(layout::Picture1()));

  for (int n = 1; n <= 8; ++n) {
    auto* button = new PictureButton(this);
    button->setObjectName(QString::fromLatin1(layout::CommandN(n).name));
    button->setGeometry(Geometry(layout::CommandN(n)));
    button->setFocusPolicy(Qt::StrongFocus);
    controls_.commands[n - 1] = button;

    // Labels live on Picture1, their positions measured inside its border.
    auto* label = new QLabel(QString::fromLatin1(layout::LabelN(n).name), controls_.picture1);
    label->setObjectName(QString::fromLatin1(layout::LabelN(n).name));
    label->setGeometry(Geometry(layout::LabelN(n)).translated(border, border));
    label->setFixedSize(label->size());
    label->setTextFormat(Qt::PlainText);
    // From the top-left corner whatever the caption's direction: a Hebrew
    // or Arabic caption reads right to left inside, but starts at the left.
    label->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFocusPolicy(Qt::NoFocus);
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette lp = label->palette();
    lp.setColor(QPalette::Window, OleColor(layout::kStyle.label_back, lp));
    lp.setColor(QPalette::WindowText, OleColor(layout::kStyle.label_fore, lp));
    label->setPalette(lp);
    controls_.labels[n - 1] = label;
  }

  // Stacking: raise siblings from the back to the front.
  for (const layout::Control* c : presentation::BackToFront()) controls_.Of(*c)->raise();

  // Tab order by tab index, over the controls that can take the focus.
  QWidget* previous = nullptr;
  for (const layout::Control* c : presentation::TabOrder()) {
    if (previous) setTabOrder(previous, controls_.Of(*c));
    previous = controls_.Of(*c);
  }

  for (int n = 1; n <= 8; ++n)
    connect(controls_.commands[n - 1], &QPushButton::clicked, this, [this, n] {
      if (on_click_) on_click_(n);
    });
  // The window icon is four pictures to decode: it is set once the window
  // has drawn itself, so that it does not delay the first picture.
  installEventFilter(new IconAfterFirstPaint(this));
}

void Form1Window::SetCaption(const std::string& text) {
  setWindowTitle(QString::fromStdString(text));
}

void Form1Window::SetCommandVisible(int n, bool visible) {
  controls_.commands[n - 1]->setVisible(visible);
}

void Form1Window::SetLabelVisible(int n, bool visible) {
  controls_.labels[n - 1]->setVisible(visible);
}

void Form1Window::SetLabelCaption(int n, const std::string& text) {
  QString caption = QString::fromStdString(text);
  controls_.labels[n - 1]->setText(caption);
  // A screen reader names the button by what its label says.
  controls_.commands[n - 1]->setAccessibleName(caption);
}

void Form1Window::SetPicture1Picture(PictureRef picture) {
  controls_.picture1->SetPicture(std::move(picture));
}

void Form1Window::SetCommandPicture(int n, PictureRef picture) {
  controls_.commands[n - 1]->SetPicture(std::move(picture));
}

WindowHandle Form1Window::hWnd() {
  return static_cast<WindowHandle>(winId());
}

void Form1Window::OnCommandClick(std::function<void(int)> on_click) {
  on_click_ = std::move(on_click);
}

void Form1Window::SetPictureScale(double scale) {
  picture_scale_ = scale;
  controls_.picture1->SetPictureScale(scale);
  for (PictureButton* button : controls_.commands) button->SetPictureScale(scale);
}

void Form1Window::FocusFirst() {
  const layout::Control& first = presentation::FirstFocus(
      [this](const layout::Control& c) { return controls_.Of(c)->isVisibleTo(this); });
  controls_.Of(first)->setFocus(Qt::TabFocusReason);
}

}  // namespace discmenu::qt
