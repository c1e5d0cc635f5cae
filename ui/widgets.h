#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/game_state.h"

namespace zarvane {

// An image area: a card face drawn stretched over it, or only its top-left corner at the size
// it was rendered (the review windows show just the index).
class CardImage : public QWidget {
 public:
  enum class Fit { Stretch, TopLeft };

  explicit CardImage(QWidget* parent = nullptr, Fit fit = Fit::Stretch);
  // The face of the card, kept with it so that a new size draws it again.
  void SetFace(const QPixmap& face, Fit fit, Card card);
  void ClearFace();
  const QPixmap& Face() const { return face_; }
  std::optional<Card> ShownCard() const { return card_; }
  // How the image draws a card face.
  Fit fit() const { return fit_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap face_;
  Fit fit_ = Fit::Stretch;
  std::optional<Card> card_;
};

// A filled ellipse (the table) or rectangle (the taker's frame), or the two-pixel border of a
// rectangle, clear inside and letting clicks through (the frames of the review windows).
class Shape : public QWidget {
 public:
  enum class Kind { Ellipse, Rectangle, Outline };

  Shape(Kind kind, const QColor& colour, QWidget* parent = nullptr);
  void SetColour(const QColor& colour);
  QColor Colour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
  QColor colour_;
};

// A tool bar button that runs a command of the menus: it takes the command's enabled state,
// tick, hint and caption, as any button with a default action, but keeps an icon of its own,
// since a command with an icon widens every menu it sits in.
class CommandButton : public QToolButton {
 public:
  CommandButton(QAction* command, const QIcon& icon, QWidget* parent = nullptr);
  void SetIcon(const QIcon& icon);

 protected:
  void actionEvent(QActionEvent* event) override;

 private:
  QIcon icon_;
};

// The keyboard's highlight: a gold frame over whichever control of the window has the focus,
// above its neighbours. In a fanned hand it frames only the part of the card in view, so that
// it plainly holds one card and not the two that lie over it.
class KeyHighlight : public QWidget {
 public:
  explicit KeyHighlight(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Follow(QWidget* focused);
  void Cover();
  QRect PartInView() const;
  int Thickness() const;

  QWidget* window_;
  QPointer<QWidget> target_;
};

// A left click on the widget (press and release inside it), or already the press for the
// controls that act on mouse down.
enum class ClickMoment { Release, Press };
void OnClick(QWidget* widget, std::function<void()> action,
             ClickMoment moment = ClickMoment::Release);

// A click on the free background of `widget`: not on any of its controls, except a disabled
// control lying directly on `surface`, which lets the click through to the table as it did in
// the original window (a greyed card image does not catch the mouse).
void OnBackgroundClick(QWidget* widget, QWidget* surface, std::function<void()> action);

// The keyboard's highlight moved `step` stops from the focused one, round at both ends; from
// nowhere it starts at the first stop going right, the last going left.
void MoveFocusAmong(const QList<QWidget*>& stops, QWidget* focused, int step);

}  // namespace zarvane
