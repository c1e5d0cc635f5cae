#include "flow/bidding.h"
#include "flow/deal_flow.h"
#include "flow/discard.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "flow/poignee.h"
#include "table/review.h"
#include "table/score_sheet.h"
#include "table/scores.h"
#include "tests/support/soak.h"

namespace zarvane::testing {

namespace {

// What the player can reach: a control that is shown (and enabled, for the cards), a menu
// entry that is enabled, a timer that is armed. The game window takes no input while the
// poignee window is open.
bool GameWindowOpen(Soak& soak) {
  return soak.view().Get(Control::frmZarvane).enabled;
}
bool Always(Soak& soak, int) {
  return GameWindowOpen(soak);
}
template <Control C>
bool Shown(Soak& soak, int index) {
  return GameWindowOpen(soak) && soak.view().Visible(C, index);
}
template <Control C>
bool Clickable(Soak& soak, int index) {
  return Shown<C>(soak, index) && soak.view().Get(C, index).enabled;
}
template <Control C>
bool EntryEnabled(Soak& soak, int) {
  return GameWindowOpen(soak) && soak.view().Get(C).enabled;
}
template <Control Panel, Control Button>
bool ShownIn(Soak& soak, int) {
  return GameWindowOpen(soak) && soak.view().Visible(Panel) && soak.view().Visible(Button);
}
// A control of another window, shown with it.
template <Control Window, Control C>
bool InWindow(Soak& soak, int index) {
  return soak.view().Visible(Window) && soak.view().Visible(C, index);
}
template <Control Window>
bool WindowShown(Soak& soak, int) {
  return soak.view().Visible(Window);
}
template <TimerId T>
bool Armed(Soak& soak, int) {
  return soak.view().Armed(T);
}
// A tick the event loop would not deliver: the game must shrug it off.
template <TimerId T>
bool NotArmed(Soak& soak, int) {
  return !soak.view().Armed(T);
}

void ResetTotals(Soak& soak, bool yes) {
  soak.view().answers.push_back(yes);
  soak.ExpectReset(yes);
  ResetScores(soak.game().flow);
}

void Quit(Soak& soak, bool yes) {
  soak.view().answers.push_back(yes);
  if (QuitRequested(soak.game().flow))
    soak.Restart();
}

void PickColour(Soak& soak, bool chosen) {
  if (chosen)
    soak.view().colour_choice = static_cast<int>(soak.draws()() & 0xFFFFFF);
  else
    soak.view().colour_choice.reset();
  ChooseBackgroundColour(soak.game().flow);
}

// Forward moves weigh a thousand times more than the commands that leave a deal, so that
// most deals are played to the end.
constexpr int kForward = 3000;
constexpr int kAside = 3;
constexpr int kRare = 1;

// clang-format off
constexpr SoakEvent kEvents[] = {
  // The table.
  {"FormClick", 500, 0, Always, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::Continue}); }},
  {"TableRondeMouseDown", 150, 0, Shown<Control::TableRonde>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::Continue}); }},
  {"PanelDecClick", 150, 4, Shown<Control::PanelDec>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::Continue}); }},
  {"Carte3DClick", 1500, 24, Clickable<Control::Carte3D>, [](Soak& s, int k) { Apply(s.game().flow, Move{MoveKind::HandCard, k}); }},
  {"CarteChienClick", 150, 6, Shown<Control::CarteChien>, [](Soak& s, int i) { Apply(s.game().flow, Move{MoveKind::DogCard, i}); }},
  {"CarteTableClick", 30, 4, Shown<Control::CarteTable>, [](Soak& s, int) { ToggleScores(s.game()); }},
  {"panelScoreTotalClick", 30, 4, Shown<Control::panelScoreTotal>, [](Soak& s, int) { ToggleScores(s.game()); }},
  {"PanelLancementClick", kForward, 0, Shown<Control::PanelLancement>, [](Soak& s, int) { NewDeal(s.game().flow, 0); }},
  {"PanelConfirmeEcartClick", kForward, 0, Shown<Control::PanelConfirmeEcart>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::ConfirmDiscard}); }},
  // The auction.
  {"ButtonPasseClick", 600, 0, ShownIn<Control::BarreEnchere, Control::ButtonPasse>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::SouthBid, kPasse}); }},
  {"ButtonPriseClick", 600, 0, ShownIn<Control::BarreEnchere, Control::ButtonPrise>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::SouthBid, kPrise}); }},
  {"ButtonGardeClick", 600, 0, ShownIn<Control::BarreEnchere, Control::ButtonGarde>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::SouthBid, kGarde}); }},
  {"ButtonGardeSansClick", 600, 0, ShownIn<Control::BarreEnchere, Control::ButtonGardeSans>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::SouthBid, kGardeSans}); }},
  {"ButtonGardeContreClick", 600, 0, ShownIn<Control::BarreEnchere, Control::ButtonGardeContre>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::SouthBid, kGardeContre}); }},
  {"evMaMainClick", 600, 0, ShownIn<Control::BarreEnchere, Control::evMaMain>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::BidAdvice}); }},
  // The poignee question.
  {"PanelPoigneeAucuneClick", kForward, 0, Shown<Control::PanelPoignee>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::NoPoignee}); }},
  {"PanelPoigneeSimpleClick", 300, 0, Shown<Control::PanelPoignee>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::PoigneeLevel, 1}); }},
  {"PanelPoigneeDoubleClick", 300, 0, ShownIn<Control::PanelPoignee, Control::PanelPoigneeDouble>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::PoigneeLevel, 2}); }},
  {"PanelPoigneeTripleClick", 300, 0, ShownIn<Control::PanelPoignee, Control::PanelPoigneeTriple>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::PoigneeLevel, 3}); }},
  {"CartePoigneeClick", kForward, 18, InWindow<Control::frmPoignee, Control::CartePoignee>, [](Soak& s, int j) { Apply(s.game().flow, Move{MoveKind::PoigneeCard, j}); }},
  {"PanelBoutonParesseuxClick", 300, 0, WindowShown<Control::frmPoignee>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::LazyPoignee}); }},
  {"PanelOkPoigneeClick", kForward, 0, InWindow<Control::frmPoignee, Control::PanelOkPoignee>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::PoigneeOk}); }},
  {"PanelAnnulerPoigneeClick", 100, 0, WindowShown<Control::frmPoignee>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::PoigneeCancel}); }},
  // The result panel.
  {"PanelPanelNewPartieClick", kForward, 0, Shown<Control::PanelResultat>, [](Soak& s, int) { NewDeal(s.game().flow, 0); }},
  {"panelRejouerDonneClick", 500, 0, Shown<Control::PanelResultat>, [](Soak& s, int) { ReplayDeal(s.game().flow); }},
  {"PanelScoreDetailleClick", 1500, 0, Shown<Control::PanelResultat>, [](Soak& s, int) { ShowScoreSheet(s.game()); }},
  {"PanelVoirMainsClick", 1500, 0, Shown<Control::PanelResultat>, [](Soak& s, int) { FillHands(s.game()); }},
  {"PanelVoirPlisClick", 1500, 0, Shown<Control::PanelResultat>, [](Soak& s, int) { FillAllTricks(s.game()); }},
  // The review windows.
  {"menuPreviousTrickClick", kAside, 0, EntryEnabled<Control::menuPreviousTrick>, [](Soak& s, int) { ShowPreviousTrick(s.game()); }},
  {"SBVoirPliPrecedentClick", kAside, 0, EntryEnabled<Control::SBVoirPliPrecedent>, [](Soak& s, int) { ShowPreviousTrick(s.game()); }},
  {"PanelEffacerClick", 300, 0, WindowShown<Control::frmTousPlis>, [](Soak& s, int) { PanelEffacerClick(s.game()); }},
  {"PanelPasApasClick", 300, 0, WindowShown<Control::frmTousPlis>, [](Soak& s, int) { PanelPasApasClick(s.game()); }},
  {"PanelVoirToutClick", 300, 0, WindowShown<Control::frmTousPlis>, [](Soak& s, int) { PanelVoirToutClick(s.game()); }},
  // The timers.
  {"TimerEnchereTimer", kForward, 0, Armed<TimerId::TimerEnchere>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::BidTick}); }},
  {"TimerEntreCarteTimer", kForward, 0, Armed<TimerId::TimerEntreCarte>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::CardTick}); }},
  {"TimerTransitionTimer", 600, 0, Armed<TimerId::TimerTransition>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::TransitionTick}); }},
  {"StaleTimerEnchere", kRare, 0, NotArmed<TimerId::TimerEnchere>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::BidTick}); }},
  {"StaleTimerEntreCarte", kRare, 0, NotArmed<TimerId::TimerEntreCarte>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::CardTick}); }},
  {"StaleTimerTransition", kRare, 0, NotArmed<TimerId::TimerTransition>, [](Soak& s, int) { Apply(s.game().flow, Move{MoveKind::TransitionTick}); }},
  // The game menu and the button bar.
  {"menuNewGameClick", kRare, 0, Always, [](Soak& s, int) { NewDeal(s.game().flow, 0); }},
  {"SBNewGameClick", kRare, 0, Always, [](Soak& s, int) { NewDeal(s.game().flow, 0); }},
  {"menuGameAgainClick", kRare, 0, EntryEnabled<Control::menuGameAgain>, [](Soak& s, int) { ReplayDeal(s.game().flow); }},
  {"SBGameAgainClick", kRare, 0, EntryEnabled<Control::SBGameAgain>, [](Soak& s, int) { ReplayDeal(s.game().flow); }},
  {"menuInitScoresYes", kRare, 0, Always, [](Soak& s, int) { ResetTotals(s, true); }},
  {"menuInitScoresNo", kRare, 0, Always, [](Soak& s, int) { ResetTotals(s, false); }},
  {"SBInitScoresYes", kRare, 0, Always, [](Soak& s, int) { ResetTotals(s, true); }},
  {"menuQuitNo", kRare, 0, Always, [](Soak& s, int) { Quit(s, false); }},
  {"menuQuitYes", kRare, 0, Always, [](Soak& s, int) { Quit(s, true); }},
  {"WindowClosedByFrame", kRare, 0, Always, [](Soak& s, int) { WindowClosed(s.game().flow); s.Restart(); }},
  // What the table shows.
  {"menuScoresGlobauxClick", kAside, 0, Always, [](Soak& s, int) { ToggleScores(s.game()); }},
  {"SBVoirScoresGlobauxClick", kAside, 0, Always, [](Soak& s, int) { ToggleScores(s.game()); }},
  {"menuConseilEnchClick", kAside, 0, Always, [](Soak& s, int) { ToggleBidAdvice(s.game().flow); }},
  {"menuPointsPartieEnCoursClick", kAside, 0, Always, [](Soak& s, int) { ToggleDealPoints(s.game().flow); }},
  {"menuDeductionsClick", kAside, 0, Always, [](Soak& s, int) { ToggleDeductions(s.game().flow); }},
  {"SBVoirDeductionsClick", kAside, 0, Always, [](Soak& s, int) { ToggleDeductions(s.game().flow); }},
  {"SBFondEcranChosen", kRare, 0, Always, [](Soak& s, int) { PickColour(s, true); }},
  {"SBFondEcranCancelled", kRare, 0, Always, [](Soak& s, int) { PickColour(s, false); }},
  // Levels 1..4, forced strengths 1..6, card speeds 1..5, trick waits 0..3 (index - 1).
  {"SetLevel", kAside, 4, Always, [](Soak& s, int n) { Apply(s.game().flow, Move{MoveKind::Level, n}); }},
  {"SetForceOption", kAside, 6, Always, [](Soak& s, int n) { SetForceOption(s.game().flow, n); }},
  {"menuAtLeastClick", kAside, 0, Always, [](Soak& s, int) { ToggleAtLeastOneTaker(s.game().flow); }},
  {"SetCardSpeed", kAside, 5, Always, [](Soak& s, int n) { SetCardSpeed(s.game().flow, n); }},
  {"SetTrickWait", kAside, 4, Always, [](Soak& s, int n) { SetTrickWait(s.game().flow, n - 1); }},
};
// clang-format on

}  // namespace

std::span<const SoakEvent> SoakEvents() {
  return kEvents;
}

}  // namespace zarvane::testing
