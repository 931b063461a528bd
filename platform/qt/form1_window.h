// Form1 on Qt Widgets, built from the design table: Picture1 behind eight
// picture buttons, with eight labels on Picture1.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "menu/layout.h"
#include "menu/presentation.h"
#include "menu/services.h"

namespace discmenu::qt {

// A graphical push button: the picture centred on its face, unscaled and
// cut off at the face's edges; no text.
class PictureButton : public QPushButton {
 public:
  explicit PictureButton(QWidget* parent) : QPushButton(parent) {}
  // Takes `picture` at the button's scale (its twin where the scale wants one).
  void SetPicture(PictureRef picture);
  // Where the picture shows: the button less its raised edge.
  QRect face() const;
  // Chooses pictures for `scale` instead of the screen's (0: the screen's).
  void SetPictureScale(double scale) { scale_ = scale; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  double Scale() const { return scale_ > 0 ? scale_ : devicePixelRatioF(); }

  presentation::ShownPicture picture_;
  double scale_ = 0;
};

// The background picture box: a sunken border, the picture at the top-left
// of its inner area, unscaled and cut off. It takes the focus but shows no
// focus mark and reacts to no key.
class PictureBox : public QFrame {
 public:
  explicit PictureBox(QWidget* parent);
  // Takes `picture` at the box's scale (its twin where the scale wants one).
  void SetPicture(PictureRef picture);
  // Chooses pictures for `scale` instead of the screen's (0: the screen's).
  void SetPictureScale(double scale) { scale_ = scale; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double Scale() const { return scale_ > 0 ? scale_ : devicePixelRatioF(); }

  presentation::ShownPicture picture_;
  double scale_ = 0;
};

class Form1Window : public QWidget, public FormWindow {
 public:
  // `translator` gives the window's own words (Picture1's accessible name)
  // in the user's language; English without.
  explicit Form1Window(const Translator* translator = nullptr);

  // FormWindow:
  void SetCaption(const std::string& text) override;
  void SetCommandVisible(int n, bool visible) override;
  void SetLabelVisible(int n, bool visible) override;
  void SetLabelCaption(int n, const std::string& text) override;
  void SetPicture1Picture(PictureRef picture) override;
  void SetCommandPicture(int n, PictureRef picture) override;
  WindowHandle hWnd() override;
  // The scale pictures are chosen for: the screen's, or SetPictureScale's.
  double scale() const override {
    return picture_scale_ > 0 ? picture_scale_ : devicePixelRatioF();
  }

  // Calls `on_click(n)` when button n (1-8) is clicked or pressed.
  void OnCommandClick(std::function<void(int)> on_click);
  // Gives the focus to the first visible control in tab order.
  void FocusFirst();
  // Picks pictures and their twins for a window drawn at `scale` rather than
  // at its screen's: one rendered into an image (an editor's canvas). Call
  // before the load step, which loads the twins that scale wants.
  void SetPictureScale(double scale);

  PictureButton* command(int n) const { return controls_.commands[n - 1]; }
  QLabel* label(int n) const { return controls_.labels[n - 1]; }
  PictureBox* picture1() const { return controls_.picture1; }

 private:
  presentation::Controls<QWidget*, PictureBox*, PictureButton*, QLabel*> controls_;
  std::function<void(int)> on_click_;
  double picture_scale_ = 0;
};

// Placeholder pictures carried in the program, shown until the load step.
PictureRef PlaceholderButtonPicture();
PictureRef PlaceholderBackgroundPicture();

}  // namespace discmenu::qt
