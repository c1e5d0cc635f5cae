#include "flow/deal_flow.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "table/review.h"
#include "table/score_sheet.h"
#include "table/scores.h"
#include "ui/fZarvane.h"

namespace zarvane {

namespace {

// What a control of the game window does: a move of the deal, handed to the one entry, or a
// command of the program. The index is the control's number in its family.
using Command = void (*)(TfrmZarvane& window, int index);

template <MoveKind Kind, int Arg = 0>
void MoveOf(TfrmZarvane& window, int) {
  Apply(window.game().flow, Move{Kind, Arg});
}
// The control's number is the move's: one of South's cards, a dog card.
template <MoveKind Kind>
void MoveAt(TfrmZarvane& window, int index) {
  Apply(window.game().flow, Move{Kind, index});
}

struct ControlCommand {
  Control control;
  Command command;
};

// clang-format off
const ControlCommand kCommands[] = {
  // The table: a click that goes on, South's cards, the dog, the totals.
  {Control::frmZarvane, MoveOf<MoveKind::Continue>},
  {Control::TableRonde, MoveOf<MoveKind::Continue>},
  {Control::PanelDec, MoveOf<MoveKind::Continue>},
  {Control::Carte3D, MoveAt<MoveKind::HandCard>},
  {Control::CarteChien, MoveAt<MoveKind::DogCard>},
  {Control::CarteTable, [](TfrmZarvane& w, int) { ToggleScores(w.game()); }},
  {Control::panelScoreTotal, [](TfrmZarvane& w, int) { ToggleScores(w.game()); }},
  {Control::PanelConfirmeEcart, MoveOf<MoveKind::ConfirmDiscard>},
  // The auction.
  {Control::ButtonPasse, MoveOf<MoveKind::SouthBid, kPasse>},
  {Control::ButtonPrise, MoveOf<MoveKind::SouthBid, kPrise>},
  {Control::ButtonGarde, MoveOf<MoveKind::SouthBid, kGarde>},
  {Control::ButtonGardeSans, MoveOf<MoveKind::SouthBid, kGardeSans>},
  {Control::ButtonGardeContre, MoveOf<MoveKind::SouthBid, kGardeContre>},
  {Control::evMaMain, MoveOf<MoveKind::BidAdvice>},
  // The poignee question.
  {Control::PanelPoigneeSimple, MoveOf<MoveKind::PoigneeLevel, 1>},
  {Control::PanelPoigneeDouble, MoveOf<MoveKind::PoigneeLevel, 2>},
  {Control::PanelPoigneeTriple, MoveOf<MoveKind::PoigneeLevel, 3>},
  {Control::PanelPoigneeAucune, MoveOf<MoveKind::NoPoignee>},
  // New deals, from the start button, the menu and the result panel, and the replay.
  {Control::PanelLancement, [](TfrmZarvane& w, int) { NewDeal(w.game().flow, 0); }},
  {Control::menuNewGame, [](TfrmZarvane& w, int) { NewDeal(w.game().flow, 0); }},
  {Control::PanelPanelNewPartie, [](TfrmZarvane& w, int) { NewDeal(w.game().flow, 0); }},
  {Control::menuGameAgain, [](TfrmZarvane& w, int) { ReplayDeal(w.game().flow); }},
  {Control::panelRejouerDonne, [](TfrmZarvane& w, int) { ReplayDeal(w.game().flow); }},
  {Control::menuJouerDonne, [](TfrmZarvane& w, int) { w.PlayDealOfACode(); }},
  {Control::menuInitScores, [](TfrmZarvane& w, int) { ResetScores(w.game().flow); }},
  {Control::menuQuit, [](TfrmZarvane& w, int) { w.Quit(); }},
  // The review windows.
  {Control::PanelVoirMains, [](TfrmZarvane& w, int) { FillHands(w.game()); }},
  {Control::PanelVoirPlis, [](TfrmZarvane& w, int) { FillAllTricks(w.game()); }},
  {Control::PanelScoreDetaille, [](TfrmZarvane& w, int) { ShowScoreSheet(w.game()); }},
  {Control::menuPreviousTrick, [](TfrmZarvane& w, int) { ShowPreviousTrick(w.game()); }},
  {Control::menuHistorique, [](TfrmZarvane& w, int) { w.ShowHistory(); }},
  {Control::PanelAnalyse, [](TfrmZarvane& w, int) { w.ShowAnalysis(); }},
  {Control::menuAnalyse, [](TfrmZarvane& w, int) { w.ShowAnalysis(); }},
  // What the table shows, and its colour.
  {Control::menuScoresGlobaux, [](TfrmZarvane& w, int) { ToggleScores(w.game()); }},
  {Control::menuConseilEnch, [](TfrmZarvane& w, int) { ToggleBidAdvice(w.game().flow); }},
  {Control::menuPointsPartieEnCours, [](TfrmZarvane& w, int) { ToggleDealPoints(w.game().flow); }},
  {Control::menuDeductions, [](TfrmZarvane& w, int) { ToggleDeductions(w.game().flow); }},
  {Control::menuCouleurFond, [](TfrmZarvane& w, int) { ChooseBackgroundColour(w.game().flow); }},
  {Control::menuConseilCarte, MoveOf<MoveKind::CardAdvice>},
  // The level, a move during the auction; the options.
  {Control::menuDebutant, MoveOf<MoveKind::Level, 1>},
  {Control::menuAmateur, MoveOf<MoveKind::Level, 2>},
  {Control::menuBon, MoveOf<MoveKind::Level, 3>},
  {Control::menuPro, MoveOf<MoveKind::Level, 4>},
  {Control::menuExpert, MoveOf<MoveKind::Level, kExpertLevel>},
  {Control::menuForceDefense, [](TfrmZarvane& w, int) { SetForceOption(w.game().flow, 1); }},
  {Control::menuForceNormale, [](TfrmZarvane& w, int) { SetForceOption(w.game().flow, 2); }},
  {Control::menuForcePrise, [](TfrmZarvane& w, int) { SetForceOption(w.game().flow, 3); }},
  {Control::menuForceGarde, [](TfrmZarvane& w, int) { SetForceOption(w.game().flow, 4); }},
  {Control::menuForceGardeSans, [](TfrmZarvane& w, int) { SetForceOption(w.game().flow, 5); }},
  {Control::menuForceGardeContre, [](TfrmZarvane& w, int) { SetForceOption(w.game().flow, 6); }},
  {Control::menuAtLeast, [](TfrmZarvane& w, int) { ToggleAtLeastOneTaker(w.game().flow); }},
  {Control::menuEscargot, [](TfrmZarvane& w, int) { SetCardSpeed(w.game().flow, 1); }},
  {Control::menuLent, [](TfrmZarvane& w, int) { SetCardSpeed(w.game().flow, 2); }},
  {Control::menuNormal, [](TfrmZarvane& w, int) { SetCardSpeed(w.game().flow, 3); }},
  {Control::menuRapide, [](TfrmZarvane& w, int) { SetCardSpeed(w.game().flow, 4); }},
  {Control::menuInstantane, [](TfrmZarvane& w, int) { SetCardSpeed(w.game().flow, 5); }},
  {Control::menuClickObligatoire, [](TfrmZarvane& w, int) { SetTrickWait(w.game().flow, 0); }},
  {Control::menuUneSeconde, [](TfrmZarvane& w, int) { SetTrickWait(w.game().flow, 1); }},
  {Control::menuDeuxSecondes, [](TfrmZarvane& w, int) { SetTrickWait(w.game().flow, 2); }},
  {Control::menuCinqSecondes, [](TfrmZarvane& w, int) { SetTrickWait(w.game().flow, 3); }},
  // Help.
  {Control::menuSommaire, [](TfrmZarvane& w, int) { w.ShowHelp(); }},
  {Control::menuApropos, [](TfrmZarvane& w, int) { w.ShowAbout(); }},
};
// clang-format on

}  // namespace

void TfrmZarvane::Run(Control control, int index) {
  for (const ControlCommand& entry : kCommands) {
    if (entry.control == control) {
      entry.command(*this, index);
      break;
    }
  }
  AfterEvent();
}

// Puts back any tick Qt flipped on its own (the flow sets them all), and keeps the highlight
// where a key may act.
void TfrmZarvane::AfterEvent() {
  view_.SyncChecks();
  KeepHighlightOnAStop();
}

}  // namespace zarvane
