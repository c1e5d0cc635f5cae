#include "ui/fPoignee.h"

#include <QAction>
#include <QCloseEvent>
#include <QPushButton>
#include <functional>
#include <initializer_list>
#include <utility>

#include "flow/moves.h"
#include "table/game.h"
#include "ui/widgets.h"

namespace zarvane {

TfrmPoignee::TfrmPoignee(const Layout& layout, QWidget* parent)
    : SideWindow(layout, 620, 250, QColor(0, 128, 128), parent) {
  for (int j = 1; j <= 18; ++j) {
    CardImage* image = NewCardImage(Control::CartePoignee, j, this);
    image->setCursor(Qt::PointingHandCursor);
    image->hide();
    OnClick(image, [this, j] { CartePoigneeClick(j); });
    images_[static_cast<std::size_t>(j - 1)] = image;
  }
  buttons_[0] =
      NewButton(Control::PanelBoutonParesseux, this, kPoigneeButtons[0], 14,
                QStringLiteral("Bouton paresseux..."), [this] { PanelBoutonParesseuxClick(); });
  buttons_[1] = NewButton(Control::PanelOkPoignee, this, kPoigneeButtons[1], 14,
                          QStringLiteral("OK"), [this] { PanelOkPoigneeClick(); });
  buttons_[1]->hide();
  buttons_[2] =
      NewButton(Control::PanelAnnulerPoignee, this, kPoigneeButtons[2], 14,
                QStringLiteral("Annuler la Poignée !"), [this] { PanelAnnulerPoigneeClick(); });
  CreateKeys();
}

void TfrmPoignee::CreateKeys() {
  new KeyHighlight(this);
  const auto key = [this](std::initializer_list<QKeySequence> keys, std::function<void()> step) {
    auto* action = new QAction(this);
    action->setShortcuts(QList<QKeySequence>(keys));
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, std::move(step));
  };
  key({QKeySequence(Qt::Key_Left)}, [this] { MoveHighlight(-1); });
  key({QKeySequence(Qt::Key_Right)}, [this] { MoveHighlight(1); });
  key({QKeySequence(Qt::Key_Space)}, [this] { SpaceKey(); });
  key({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
       QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)},
      [this] { EnterKey(); });
}

QList<QWidget*> TfrmPoignee::KeyStops() const {
  QList<QWidget*> stops;
  for (CardImage* image : images_) {
    if (image->isVisible())
      stops.append(image);
  }
  for (QPushButton* button : buttons_) {
    if (button->isVisible())
      stops.append(button);
  }
  return stops;
}

void TfrmPoignee::MoveHighlight(int step) {
  MoveFocusAmong(KeyStops(), focusWidget(), step);
}

void TfrmPoignee::SpaceKey() {
  QWidget* focused = focusWidget();
  if (!focused || !KeyStops().contains(focused))
    return;
  if (auto* button = qobject_cast<QPushButton*>(focused)) {
    button->click();
    return;
  }
  for (int j = 1; j <= 18; ++j) {
    if (images_[static_cast<std::size_t>(j - 1)] == focused)
      CartePoigneeClick(j);
  }
}

void TfrmPoignee::EnterKey() {
  if (buttons_[1]->isVisible())
    PanelOkPoigneeClick();
  else
    SpaceKey();
}

void TfrmPoignee::CartePoigneeClick(int j) {
  Run([j](Game& game) { Apply(game.flow, Move{MoveKind::PoigneeCard, j}); });
}

void TfrmPoignee::PanelBoutonParesseuxClick() {
  Run([](Game& game) { Apply(game.flow, Move{MoveKind::LazyPoignee}); });
}

void TfrmPoignee::PanelOkPoigneeClick() {
  Run([](Game& game) { Apply(game.flow, Move{MoveKind::PoigneeOk}); });
}

void TfrmPoignee::PanelAnnulerPoigneeClick() {
  Run([](Game& game) { Apply(game.flow, Move{MoveKind::PoigneeCancel}); });
}

void TfrmPoignee::reject() {}

void TfrmPoignee::closeEvent(QCloseEvent* event) {
  event->ignore();
}

// The highlight starts on the lazy button: Enter then makes the poignee at once.
void TfrmPoignee::showEvent(QShowEvent* event) {
  SideWindow::showEvent(event);
  activateWindow();
  buttons_[0]->setFocus(Qt::OtherFocusReason);
}

}  // namespace zarvane
