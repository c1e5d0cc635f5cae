#pragma once

#include <QDialog>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include "table/controls.h"
#include "table/game.h"
#include "table/layout.h"
#include "table/review_layout.h"
#include "ui/widgets.h"

class QFrame;
class QLabel;
class QPushButton;

namespace zarvane {

struct Game;
class QtTableView;

// A window beside the game window: a dialog frame without system buttons, scaled, hidden
// until the game fills and shows it. Its controls are reached by the game through the same
// door as the table, and its buttons act on the game.
class SideWindow : public QDialog {
 public:
  // Registers the window's controls with the game's screen; the buttons act on this game.
  void Attach(Game& game, QtTableView& view);
  // The game window took another scale: the window, its controls and its cards follow it.
  void Relayout(const Layout& layout);

 protected:
  SideWindow(const Layout& layout, int design_width, int design_height, const QColor& background,
             QWidget* parent);

  const Layout& layout() const { return layout_; }
  // Runs a step of the flow or the presenter on the attached game.
  void Run(const std::function<void(Game&)>& step);

  void Add(Control control, int index, QWidget* widget);
  QFrame* NewPanel(Control control, QWidget* parent, DesignRect place, const QColor& fill);
  QLabel* NewCaption(Control control, QWidget* parent, DesignRect place, const QColor& fill,
                     int type_pixels, const QString& text = QString());
  QPushButton* NewButton(Control control, QWidget* parent, DesignRect place, int type_pixels,
                         const QString& caption, std::function<void()> click);
  // A card image at a design place, or at the card size of the layout where the game places it.
  CardImage* NewCardImage(Control control, int index, QWidget* parent, DesignRect place);
  CardImage* NewCardImage(Control control, int index, QWidget* parent);
  // A small image of a review window at a place the presenter computes: the corner of a face.
  CardImage* NewCornerImage(Control control, int index, QWidget* parent,
                            std::function<Spot(const Layout&)> spot);
  // A two-pixel frame around a small image, hidden until the game places it.
  Shape* NewFrame(Control control, int index, const QColor& colour);

 private:
  Layout layout_;
  int design_width_;
  int design_height_;
  Game* game_ = nullptr;
  std::vector<std::tuple<Control, int, QWidget*>> controls_;
  // What the design does not place by rectangle, placed again at each new scale.
  std::vector<CardImage*> card_sized_;
  std::vector<std::pair<CardImage*, std::function<Spot(const Layout&)>>> corners_;
  std::vector<Shape*> frames_;
};

}  // namespace zarvane
