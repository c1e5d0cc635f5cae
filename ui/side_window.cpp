#include "ui/side_window.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "table/game.h"
#include "ui/design.h"
#include "ui/qt_table_view.h"

namespace zarvane {

SideWindow::SideWindow(const Layout& layout, int design_width, int design_height,
                       const QColor& background, QWidget* parent)
    : QDialog(parent), layout_(layout) {
  SetUpReviewWindow(this, layout, design_width, design_height, background);
}

void SideWindow::Attach(Game& game, QtTableView& view) {
  game_ = &game;
  for (const auto& [control, index, widget] : controls_)
    view.Register(control, index, widget);
}

void SideWindow::Run(const std::function<void(Game&)>& step) {
  if (game_)
    step(*game_);
}

void SideWindow::Add(Control control, int index, QWidget* widget) {
  controls_.emplace_back(control, index, widget);
}

QFrame* SideWindow::NewPanel(Control control, QWidget* parent, DesignRect place,
                             const QColor& fill) {
  auto* panel = new QFrame(parent);
  panel->setGeometry(Scaled(layout_, place));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Paint(panel, fill);
  Add(control, 0, panel);
  return panel;
}

QLabel* SideWindow::NewCaption(Control control, QWidget* parent, DesignRect place,
                               const QColor& fill, int type_pixels, const QString& text) {
  auto* caption = new QLabel(text, parent);
  caption->setGeometry(Scaled(layout_, place));
  caption->setAlignment(Qt::AlignCenter);
  caption->setFrameStyle(QFrame::Panel | QFrame::Raised);
  caption->setFont(DesignFont(layout_, kSerif, type_pixels, true));
  Paint(caption, fill, Qt::black);
  Add(control, 0, caption);
  return caption;
}

QPushButton* SideWindow::NewButton(Control control, QWidget* parent, DesignRect place,
                                   int type_pixels, const QString& caption,
                                   std::function<void()> click) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(Scaled(layout_, place));
  button->setFont(DesignFont(layout_, kSerif, type_pixels, true));
  button->setCursor(Qt::PointingHandCursor);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, std::move(click));
  Add(control, 0, button);
  return button;
}

CardImage* SideWindow::NewCardImage(Control control, int index, QWidget* parent, QRect place,
                                    CardImage::Fit fit) {
  auto* image = new CardImage(parent, fit);
  image->setGeometry(place);
  Add(control, index, image);
  return image;
}

CardImage* SideWindow::NewCornerImage(Control control, int index, QWidget* parent, Spot spot) {
  return NewCardImage(control, index, parent,
                      QRect(spot.left, spot.top, layout_.CornerWidth, layout_.CornerHeight),
                      CardImage::Fit::TopLeft);
}

Shape* SideWindow::NewFrame(Control control, int index, const QColor& colour) {
  auto* frame = new Shape(Shape::Kind::Outline, colour, this);
  frame->resize(FrameWidth(layout_), FrameHeight(layout_));
  frame->hide();
  Add(control, index, frame);
  return frame;
}

}  // namespace zarvane
