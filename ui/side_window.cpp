#include "ui/side_window.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "table/game.h"
#include "ui/card_faces.h"
#include "ui/design.h"
#include "ui/qt_table_view.h"

namespace zarvane {

SideWindow::SideWindow(const Layout& layout, int design_width, int design_height,
                       const QColor& background, QWidget* parent)
    : QDialog(parent), layout_(layout), design_width_(design_width), design_height_(design_height) {
  SetUpReviewWindow(this, layout, design_width, design_height, background);
}

void SideWindow::Relayout(const Layout& layout) {
  layout_ = layout;
  setFixedSize(Scaled(layout_, {0, 0, design_width_, design_height_}).size());
  Rescale(this, layout_);
  for (CardImage* image : card_sized_)
    image->resize(layout_.CardWidth, layout_.CardHeight);
  for (const auto& [image, spot] : corners_) {
    const Spot at = spot(layout_);
    image->setGeometry(at.left, at.top, layout_.CornerWidth, layout_.CornerHeight);
  }
  for (Shape* frame : frames_)
    frame->resize(FrameWidth(layout_), FrameHeight(layout_));
  RedrawCardFaces(this, layout_);
  if (isVisible())
    CentreOnScreen(this);
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
  SetDesignGeometry(panel, layout_, place);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Paint(panel, fill);
  Add(control, 0, panel);
  return panel;
}

QLabel* SideWindow::NewCaption(Control control, QWidget* parent, DesignRect place,
                               const QColor& fill, int type_pixels, const QString& text) {
  auto* caption = new QLabel(text, parent);
  SetDesignGeometry(caption, layout_, place);
  caption->setAlignment(Qt::AlignCenter);
  caption->setFrameStyle(QFrame::Panel | QFrame::Raised);
  SetDesignFont(caption, layout_, {kSerif, type_pixels, true});
  Paint(caption, fill, Qt::black);
  Add(control, 0, caption);
  return caption;
}

QPushButton* SideWindow::NewButton(Control control, QWidget* parent, DesignRect place,
                                   int type_pixels, const QString& caption,
                                   std::function<void()> click) {
  auto* button = new QPushButton(caption, parent);
  SetDesignGeometry(button, layout_, place);
  SetDesignFont(button, layout_, {kSerif, type_pixels, true});
  button->setCursor(Qt::PointingHandCursor);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, std::move(click));
  Add(control, 0, button);
  return button;
}

CardImage* SideWindow::NewCardImage(Control control, int index, QWidget* parent, DesignRect place) {
  auto* image = new CardImage(parent);
  SetDesignGeometry(image, layout_, place);
  Add(control, index, image);
  return image;
}

CardImage* SideWindow::NewCardImage(Control control, int index, QWidget* parent) {
  auto* image = new CardImage(parent);
  image->resize(layout_.CardWidth, layout_.CardHeight);
  card_sized_.push_back(image);
  Add(control, index, image);
  return image;
}

CardImage* SideWindow::NewCornerImage(Control control, int index, QWidget* parent,
                                      std::function<Spot(const Layout&)> spot) {
  auto* image = new CardImage(parent, CardImage::Fit::TopLeft);
  const Spot at = spot(layout_);
  image->setGeometry(at.left, at.top, layout_.CornerWidth, layout_.CornerHeight);
  corners_.emplace_back(image, std::move(spot));
  Add(control, index, image);
  return image;
}

Shape* SideWindow::NewFrame(Control control, int index, const QColor& colour) {
  auto* frame = new Shape(Shape::Kind::Outline, colour, this);
  frame->resize(FrameWidth(layout_), FrameHeight(layout_));
  frame->hide();
  frames_.push_back(frame);
  Add(control, index, frame);
  return frame;
}

}  // namespace zarvane
