#pragma once

#include <QDialog>
#include <functional>
#include <tuple>
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

 protected:
  SideWindow(const Layout& layout, int design_width, int design_height, const QColor& background,
             QWidget* parent);

  const Layout& layout() const { return layout_; }
  // Runs an engine step on the attached game.
  void Run(const std::function<void(Game&)>& step);

  void Add(Control control, int index, QWidget* widget);
  QFrame* NewPanel(Control control, QWidget* parent, DesignRect place, const QColor& fill);
  QLabel* NewCaption(Control control, QWidget* parent, DesignRect place, const QColor& fill,
                     int type_pixels, const QString& text = QString());
  QPushButton* NewButton(Control control, QWidget* parent, DesignRect place, int type_pixels,
                         const QString& caption, std::function<void()> click);
  CardImage* NewCardImage(Control control, int index, QWidget* parent, QRect place,
                          CardImage::Fit fit);
  // A small image of a review window at a place the engine computes: the corner of a face.
  CardImage* NewCornerImage(Control control, int index, QWidget* parent, Spot spot);
  // A two-pixel frame around a small image, hidden until the game places it.
  Shape* NewFrame(Control control, int index, const QColor& colour);

 private:
  Layout layout_;
  Game* game_ = nullptr;
  std::vector<std::tuple<Control, int, QWidget*>> controls_;
};

}  // namespace zarvane
