#include "ui/qt_table_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QColorDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QToolButton>
#include <QWidget>

#include "settings/card_names.h"
#include "ui/card_faces.h"
#include "ui/design.h"
#include "ui/glyphs.h"
#include "ui/utf8_text.h"
#include "ui/widgets.h"

namespace zarvane {

namespace {

QCursor CursorFor(Pointer pointer) {
  switch (pointer) {
    case Pointer::HandPoint:
      return Qt::PointingHandCursor;
    case Pointer::NoDrop: {
      static const QCursor no_drop = NoDropCursor();
      return no_drop;
    }
    case Pointer::NoEntry:
      return Qt::ForbiddenCursor;
    case Pointer::HourGlass:
      return Qt::WaitCursor;
    case Pointer::Normal:
      break;
  }
  return Qt::ArrowCursor;
}

// A tool button that follows a command copies the command's state back at each of its
// changes, so that state is set on the command, where its menu entry sees it too.
QAction* FollowedCommand(QObject* object) {
  auto* button = qobject_cast<QToolButton*>(object);
  return button ? button->defaultAction() : nullptr;
}

QObject* StateHolder(QObject* object) {
  QAction* command = FollowedCommand(object);
  return command ? command : object;
}

bool IsCheckable(QObject* object) {
  object = StateHolder(object);
  if (auto* action = qobject_cast<QAction*>(object))
    return action->isCheckable();
  if (auto* button = qobject_cast<QAbstractButton*>(object))
    return button->isCheckable();
  return false;
}

void ApplyChecked(QObject* object, bool checked) {
  object = StateHolder(object);
  if (auto* action = qobject_cast<QAction*>(object))
    action->setChecked(checked);
  else if (auto* button = qobject_cast<QAbstractButton*>(object))
    button->setChecked(checked);
}

}  // namespace

QString ControlObjectName(Control control, int index) {
  const std::string_view name = ControlName(control);
  QString object_name = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  if (index > 0)
    object_name += QString::number(index);
  return object_name;
}

QtTableView::QtTableView() {
  for (QTimer& timer : timers_)
    timer.setSingleShot(true);
}

QtTableView::~QtTableView() = default;

QTimer& QtTableView::Timer(TimerId timer) {
  return timers_[static_cast<std::size_t>(timer)];
}

void QtTableView::OnTimer(TimerId timer, std::function<void()> handler) {
  QObject::connect(&Timer(timer), &QTimer::timeout, std::move(handler));
}

bool QtTableView::TimerActive(TimerId timer) const {
  return timers_[static_cast<std::size_t>(timer)].isActive();
}

int QtTableView::TimerInterval(TimerId timer) const {
  return timers_[static_cast<std::size_t>(timer)].interval();
}

void QtTableView::Register(Control control, int index, QWidget* widget) {
  widget->setObjectName(ControlObjectName(control, index));
  controls_[{control, index}] = widget;
}

void QtTableView::Register(Control control, int index, QAction* action) {
  action->setObjectName(ControlObjectName(control, index));
  controls_[{control, index}] = action;
}

QObject* QtTableView::Find(Control control, int index) const {
  auto found = controls_.find({control, index});
  return found == controls_.end() ? nullptr : found->second.data();
}

QWidget* QtTableView::Widget(Control control, int index) const {
  return qobject_cast<QWidget*>(Find(control, index));
}

QAction* QtTableView::Action(Control control, int index) const {
  return qobject_cast<QAction*>(Find(control, index));
}

bool QtTableView::IsRegistered(Control control, int index) const {
  return Find(control, index) != nullptr;
}

void QtTableView::SyncChecks() {
  for (const auto& [key, object] : controls_) {
    if (!object || !IsCheckable(object))
      continue;
    auto ticked = checked_.find(key);
    ApplyChecked(object, ticked != checked_.end() && ticked->second);
  }
}

void QtTableView::SetVisible(Control c, int index, bool visible) {
  QObject* object = Find(c, index);
  if (auto* action = qobject_cast<QAction*>(object)) {
    action->setVisible(visible);
    return;
  }
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget)
    return;
  if (!widget->isWindow()) {
    widget->setVisible(visible);
    return;
  }
  if (!visible) {
    widget->hide();
  } else if (c == Control::frmZarvane) {
    ShowMaximised(widget);
  } else {
    widget->show();
    CentreOnScreen(widget);
    widget->raise();
  }
}

void QtTableView::SetEnabled(Control c, int index, bool enabled) {
  QObject* object = StateHolder(Find(c, index));
  if (auto* action = qobject_cast<QAction*>(object))
    action->setEnabled(enabled);
  else if (auto* widget = qobject_cast<QWidget*>(object))
    widget->setEnabled(enabled);
}

void QtTableView::SetChecked(Control c, int index, bool checked) {
  checked_[{c, index}] = checked;
  if (QObject* object = Find(c, index))
    ApplyChecked(object, checked);
}

void QtTableView::SetText(Control c, int index, std::string_view utf8) {
  const QString text = FromUtf8(utf8);
  QObject* object = Find(c, index);
  // A button's caption is its command's icon text; the command's text is its menu entry's.
  if (QAction* command = FollowedCommand(object)) {
    command->setIconText(text);
  } else if (auto* action = qobject_cast<QAction*>(object)) {
    action->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(object)) {
    label->setText(text);
    label->setAccessibleName(text);  // a screen reader reads each new message
  } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
    button->setText(text);
    button->setAccessibleName(text);
  } else if (auto* box = qobject_cast<QGroupBox*>(object)) {
    box->setTitle(text);
  } else if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow()) {
    widget->setWindowTitle(text);
  }
}

void QtTableView::SetHint(Control c, int index, std::string_view utf8) {
  const QString hint = FromUtf8(utf8);
  QObject* object = StateHolder(Find(c, index));
  if (auto* action = qobject_cast<QAction*>(object))
    action->setToolTip(hint);
  else if (auto* widget = qobject_cast<QWidget*>(object))
    widget->setToolTip(hint);
  // A bar button shows a picture or a sign: its hint names it; a panel's hint says what its
  // value is.
  if (auto* tool = qobject_cast<QToolButton*>(Find(c, index)))
    tool->setAccessibleName(hint);
  else if (auto* widget = Widget(c, index))
    widget->setAccessibleDescription(hint);
}

void QtTableView::SetColour(Control c, int index, int colour) {
  const QColor fill = FromColourValue(colour);
  if (c == Control::frmZarvane && background_) {
    Paint(background_, fill);
    return;
  }
  auto* widget = Widget(c, index);
  if (!widget)
    return;
  if (auto* shape = dynamic_cast<Shape*>(widget)) {
    shape->SetColour(fill);
    return;
  }
  // The text keeps its own colour; only the fill changes.
  Paint(widget, fill, widget->palette().color(QPalette::WindowText));
}

void QtTableView::SetFontSize(Control c, int index, int points) {
  // Points at the design's 96 pixels per inch, then scaled like every other type size.
  const int pixels = PointsToDesignPixels(points);
  QObject* object = Find(c, index);
  if (auto* action = qobject_cast<QAction*>(object)) {
    QFont font = action->font();
    font.setPixelSize(layout_ ? ScaleFont(*layout_, pixels) : pixels);
    action->setFont(font);
  } else if (auto* widget = qobject_cast<QWidget*>(object); widget && layout_) {
    SetDesignFontPixels(widget, *layout_, pixels);
  }
}

void QtTableView::SetFocus(Control c, int index) {
  auto* widget = Widget(c, index);
  if (!widget || !widget->isVisible())
    return;
  // The focus of a window is the window brought back in front, its keys working again.
  if (widget->isWindow()) {
    widget->raise();
    widget->activateWindow();
  } else {
    widget->setFocus(Qt::OtherFocusReason);
  }
}

void QtTableView::SetPointer(Control c, int index, Pointer p) {
  if (auto* widget = Widget(c, index))
    widget->setCursor(CursorFor(p));
}

void QtTableView::Place(Control c, int index, int left, int top) {
  if (auto* widget = Widget(c, index))
    widget->move(left, top);
}

void QtTableView::SetWidth(Control c, int index, int width) {
  auto* widget = Widget(c, index);
  if (!widget)
    return;
  // A window keeps the fixed size it was scaled to, in the new width.
  if (widget->isWindow())
    widget->setFixedWidth(width);
  else
    widget->resize(width, widget->height());
}

void QtTableView::ShowCard(Control c, int index, Card card) {
  auto* image = dynamic_cast<CardImage*>(Widget(c, index));
  if (!image)
    return;
  // The small images of the review windows show only the index in the face's corner.
  if (image->fit() == CardImage::Fit::TopLeft && layout_)
    DrawCardCorner(image, card, *layout_);
  else
    DrawCardFace(image, card);
  image->setAccessibleName(
      QString::fromStdString(CardName(language_ ? *language_ : 0, card.Value, card.Suit)));
}

void QtTableView::StartTimer(TimerId t, int milliseconds) {
  Timer(t).start(milliseconds);
}

void QtTableView::StopTimer(TimerId t) {
  Timer(t).stop();
}

void QtTableView::Inform(std::string_view text) {
  QMessageBox box(QMessageBox::Information, kWindowTitle, FromUtf8(text), QMessageBox::Ok,
                  dialog_parent_);
  box.exec();
  GiveFocusBack();
}

bool QtTableView::Ask(std::string_view text) {
  QMessageBox box(QMessageBox::Question, kWindowTitle, FromUtf8(text),
                  QMessageBox::Yes | QMessageBox::No, dialog_parent_);
  box.setDefaultButton(QMessageBox::Yes);
  const bool yes = box.exec() == QMessageBox::Yes;
  GiveFocusBack();
  return yes;
}

// Once a box closes the keys go to the game window again, even with no window manager.
void QtTableView::GiveFocusBack() {
  if (dialog_parent_ && dialog_parent_->isVisible())
    dialog_parent_->activateWindow();
}

std::optional<int> QtTableView::ChooseColour(int current) {
  const QColor chosen =
      QColorDialog::getColor(FromColourValue(current), dialog_parent_, kWindowTitle);
  GiveFocusBack();
  if (!chosen.isValid())
    return std::nullopt;
  return ToColourValue(chosen);
}

}  // namespace zarvane
