#include "ui/widgets.h"

#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace zarvane {

namespace {

// Turns a press and a release of the left button into one call, like a Click event.
class ClickFilter : public QObject {
 public:
  ClickFilter(QWidget* widget, std::function<void()> action, ClickMoment moment,
              std::function<bool(QWidget*, QPoint)> accepts)
      : QObject(widget),
        widget_(widget),
        action_(std::move(action)),
        moment_(moment),
        accepts_(std::move(accepts)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != widget_)
      return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
      return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !widget_->isEnabled())
      return false;
    const QPoint at = mouse->position().toPoint();
    if (!accepts_(widget_, at))
      return false;
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
      pressed_ = true;
      if (moment_ == ClickMoment::Press)
        action_();
      return true;
    }
    const bool click = pressed_ && moment_ == ClickMoment::Release && widget_->rect().contains(at);
    pressed_ = false;
    if (click)
      action_();
    return true;
  }

 private:
  QWidget* widget_;
  std::function<void()> action_;
  ClickMoment moment_;
  std::function<bool(QWidget*, QPoint)> accepts_;
  bool pressed_ = false;
};

}  // namespace

CardImage::CardImage(QWidget* parent, Fit fit) : QWidget(parent), fit_(fit) {}

void CardImage::SetFace(const QPixmap& face, Fit fit, Card card) {
  face_ = face;
  fit_ = fit;
  card_ = card;
  update();
}

void CardImage::ClearFace() {
  face_ = QPixmap();
  card_.reset();
  update();
}

void CardImage::paintEvent(QPaintEvent*) {
  if (face_.isNull())
    return;
  QPainter painter(this);
  if (fit_ == Fit::Stretch) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), face_);
  } else {
    painter.drawPixmap(0, 0, face_);
  }
}

Shape::Shape(Kind kind, const QColor& colour, QWidget* parent)
    : QWidget(parent), kind_(kind), colour_(colour) {
  if (kind == Kind::Outline)
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::SetColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void Shape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (kind_ == Kind::Outline) {
    painter.setPen(QPen(colour_, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    return;
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour_);
  if (kind_ == Kind::Ellipse) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  } else {
    painter.drawRect(rect());
  }
}

CommandButton::CommandButton(QAction* command, const QIcon& icon, QWidget* parent)
    : QToolButton(parent), icon_(icon) {
  setDefaultAction(command);
  setIcon(icon_);
}

void CommandButton::SetIcon(const QIcon& icon) {
  icon_ = icon;
  setIcon(icon_);
}

// Each change of the command copies all of it to the button again, the icon with the rest.
void CommandButton::actionEvent(QActionEvent* event) {
  QToolButton::actionEvent(event);
  if (event->action() == defaultAction())
    setIcon(icon_);
}

KeyHighlight::KeyHighlight(QWidget* window) : QWidget(window), window_(window) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    Follow(now && now != window_ && now->window() == window_ ? now : nullptr);
  });
}

void KeyHighlight::Follow(QWidget* focused) {
  if (target_)
    target_->removeEventFilter(this);
  target_ = focused;
  if (!target_) {
    hide();
    return;
  }
  setParent(target_->parentWidget());
  target_->installEventFilter(this);
  Cover();
}

void KeyHighlight::Cover() {
  if (!target_ || !target_->isVisible()) {
    hide();
    return;
  }
  const int margin = Thickness() / 2;
  setGeometry(PartInView().adjusted(-margin, -margin, margin, margin));
  show();
  raise();
}

// The target's rectangle up to the first control of its kind that lies over its right part.
QRect KeyHighlight::PartInView() const {
  QRect part = target_->geometry();
  const QObjectList& siblings = target_->parentWidget()->children();
  for (qsizetype i = siblings.indexOf(target_) + 1; i < siblings.size(); ++i) {
    const auto* above = qobject_cast<const QWidget*>(siblings[i]);
    if (above == nullptr || above == this || !above->isVisible() ||
        above->metaObject() != target_->metaObject())
      continue;
    const QRect over = above->geometry();
    if (over.intersects(part) && over.left() > part.left())
      part.setRight(over.left() - 1);
  }
  return part;
}

int KeyHighlight::Thickness() const {
  return target_ ? std::max(3, std::min(target_->width(), target_->height()) / 25) : 3;
}

bool KeyHighlight::eventFilter(QObject* watched, QEvent* event) {
  if (watched == target_) {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Show:
      case QEvent::Hide:
        Cover();
        break;
      default:
        break;
    }
  }
  return false;
}

void KeyHighlight::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int pen = Thickness();
  painter.setPen(QPen(QColor(255, 200, 0), pen));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0));
}

void OnClick(QWidget* widget, std::function<void()> action, ClickMoment moment) {
  new ClickFilter(widget, std::move(action), moment, [](QWidget*, QPoint) { return true; });
}

void OnBackgroundClick(QWidget* widget, QWidget* surface, std::function<void()> action) {
  auto free_background = [surface](QWidget* self, QPoint at) {
    const QWidget* child = self->childAt(at);
    return child == nullptr || (child->parentWidget() == surface && !child->isEnabled());
  };
  new ClickFilter(widget, std::move(action), ClickMoment::Release, free_background);
}

void MoveFocusAmong(const QList<QWidget*>& stops, QWidget* focused, int step) {
  if (stops.isEmpty())
    return;
  const qsizetype n = stops.size();
  const qsizetype at = stops.indexOf(focused);
  const qsizetype next = at < 0 ? (step > 0 ? 0 : n - 1) : (at + step + n) % n;
  stops[next]->setFocus(Qt::OtherFocusReason);
}

}  // namespace zarvane
