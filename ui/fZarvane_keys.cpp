#include <QAbstractButton>
#include <QAction>
#include <initializer_list>
#include <span>

#include "table/key_stops.h"
#include "ui/fZarvane.h"
#include "ui/widgets.h"

namespace zarvane {

namespace {

// The buttons of each panel that waits for South's answer, in the order the arrows take them.
constexpr Control kBidStops[] = {Control::evMaMain,        Control::ButtonPasse,
                                 Control::ButtonPrise,     Control::ButtonGarde,
                                 Control::ButtonGardeSans, Control::ButtonGardeContre};
constexpr Control kPoigneeStops[] = {Control::PanelPoigneeSimple, Control::PanelPoigneeDouble,
                                     Control::PanelPoigneeTriple, Control::PanelPoigneeAucune};
constexpr Control kResultStops[] = {Control::panelRejouerDonne, Control::PanelVoirMains,
                                    Control::PanelVoirPlis, Control::PanelScoreDetaille,
                                    Control::PanelPanelNewPartie};
constexpr Control kStartStops[] = {Control::PanelLancement};

}  // namespace

// The arrows, Space and Enter, for the whole window; each press ends in a handler the mouse
// runs too.
void TfrmZarvane::CreateKeys() {
  new KeyHighlight(this);
  const auto key = [this](std::initializer_list<QKeySequence> keys, Handler handler) {
    auto* action = new QAction(this);
    action->setShortcuts(QList<QKeySequence>(keys));
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  };
  key({QKeySequence(Qt::Key_Left)}, &TfrmZarvane::LeftKey);
  key({QKeySequence(Qt::Key_Right)}, &TfrmZarvane::RightKey);
  key({QKeySequence(Qt::Key_Space)}, &TfrmZarvane::SpaceKey);
  key({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
       QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)},
      &TfrmZarvane::EnterKey);
}

// The answer buttons of the panel on show, else South's cards.
QList<QWidget*> TfrmZarvane::KeyStops() const {
  const auto shown = [this](std::span<const Control> controls) {
    QList<QWidget*> stops;
    for (Control control : controls) {
      QWidget* widget = view_.Widget(control);
      if (widget && widget->isVisible() && widget->isEnabled())
        stops.append(widget);
    }
    return stops;
  };
  const auto panel_shown = [this](Control panel) { return view_.Widget(panel)->isVisible(); };
  if (panel_shown(Control::BarreEnchere))
    return shown(kBidStops);
  if (panel_shown(Control::PanelPoignee))
    return shown(kPoigneeStops);
  if (panel_shown(Control::PanelResultat))
    return shown(kResultStops);
  if (panel_shown(Control::PanelLancement))
    return shown(kStartStops);
  QList<QWidget*> cards;
  for (int k : HandKeyStops(game_)) {
    QWidget* card = view_.Widget(Control::Carte3D, k);
    if (card->isVisible() && card->isEnabled())
      cards.append(card);
  }
  return cards;
}

void TfrmZarvane::MoveHighlight(int step) {
  MoveFocusAmong(KeyStops(), focusWidget(), step);
}

void TfrmZarvane::LeftKey() {
  MoveHighlight(-1);
}

void TfrmZarvane::RightKey() {
  MoveHighlight(1);
}

// Where the table waits for a click anywhere, the key is that click; otherwise it presses the
// highlighted button or clicks the highlighted card.
void TfrmZarvane::SpaceKey() {
  if (WaitsForClick(game_.DealPhase) || game_.DealPhase == Phase::DogShown) {
    Run(&TfrmZarvane::FormClick);
    return;
  }
  QWidget* focused = focusWidget();
  if (!focused || !KeyStops().contains(focused))
    return;
  if (auto* button = qobject_cast<QAbstractButton*>(focused)) {
    button->click();
    return;
  }
  for (int k = 1; k <= 24; ++k) {
    if (view_.Widget(Control::Carte3D, k) == focused)
      Run(&TfrmZarvane::Carte3DClick, k);
  }
}

// Enter also accepts the six cards of a complete discard.
void TfrmZarvane::EnterKey() {
  if (game_.DealPhase == Phase::Discard && view_.Widget(Control::PanelConfirmeEcart)->isVisible()) {
    Run(&TfrmZarvane::PanelConfirmeEcartClick);
    return;
  }
  SpaceKey();
}

}  // namespace zarvane
