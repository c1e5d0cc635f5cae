#include <QAbstractButton>
#include <QAction>
#include <cstdlib>
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
constexpr Control kResultStops[] = {Control::panelRejouerDonne,   Control::PanelVoirMains,
                                    Control::PanelVoirPlis,       Control::PanelScoreDetaille,
                                    Control::PanelPanelNewPartie, Control::PanelAnalyse};
constexpr Control kStartStops[] = {Control::PanelLancement};

}  // namespace

// The arrows, Space and Enter, for the whole window; each press ends in a handler the mouse
// runs too.
void TfrmZarvane::CreateKeys() {
  new KeyHighlight(this);
  const auto key = [this](std::initializer_list<QKeySequence> keys, KeyHandler handler) {
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

// South's card image number (1..24) of the widget, or 0 when it is none of them.
int TfrmZarvane::CardImageIndex(const QWidget* widget) const {
  for (int k = 1; k <= 24; ++k) {
    if (widget != nullptr && view_.Widget(Control::Carte3D, k) == widget)
      return k;
  }
  return 0;
}

// Once the deal has moved on, a highlighted card that may no longer be chosen hands the
// highlight to the nearest card that may; with none, the highlight goes until an arrow.
void TfrmZarvane::KeepHighlightOnAStop() {
  QWidget* focused = focusWidget();
  const int k = CardImageIndex(focused);
  if (k == 0)
    return;
  const QList<QWidget*> stops = KeyStops();
  if (stops.contains(focused))
    return;
  QWidget* nearest = nullptr;
  for (QWidget* stop : stops) {
    const int j = CardImageIndex(stop);
    if (j != 0 && (nearest == nullptr || std::abs(j - k) < std::abs(CardImageIndex(nearest) - k)))
      nearest = stop;
  }
  if (nearest != nullptr)
    nearest->setFocus(Qt::OtherFocusReason);
  else
    setFocus(Qt::OtherFocusReason);
}

void TfrmZarvane::LeftKey() {
  MoveHighlight(-1);
}

void TfrmZarvane::RightKey() {
  MoveHighlight(1);
}

// The highlighted button is pressed, even where the table also waits for a click anywhere (the
// last trick stays under the result panel); elsewhere the key is that click, or it clicks the
// highlighted card.
void TfrmZarvane::SpaceKey() {
  QWidget* focused = focusWidget();
  const bool at_stop = focused && KeyStops().contains(focused);
  if (auto* button = qobject_cast<QAbstractButton*>(focused); button && at_stop) {
    button->click();
    return;
  }
  if (WaitsForClick(game_.flow.state.DealPhase) || game_.flow.state.DealPhase == Phase::DogShown) {
    Run(Control::frmZarvane);
    return;
  }
  if (!at_stop)
    return;
  if (const int k = CardImageIndex(focused); k != 0)
    Run(Control::Carte3D, k);
}

// Enter also accepts the six cards of a complete discard.
void TfrmZarvane::EnterKey() {
  if (game_.flow.state.DealPhase == Phase::Discard &&
      view_.Widget(Control::PanelConfirmeEcart)->isVisible()) {
    Run(Control::PanelConfirmeEcart);
    return;
  }
  SpaceKey();
}

}  // namespace zarvane
