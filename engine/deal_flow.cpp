#include "engine/deal_flow.h"

#include "core/cards.h"
#include "core/deal.h"
#include "core/play_preparation.h"
#include "engine/bidding.h"
#include "engine/card_advice.h"
#include "engine/card_play.h"
#include "engine/deductions_panel.h"
#include "engine/discard.h"
#include "engine/hand_layout.h"
#include "engine/language.h"
#include "engine/messages.h"
#include "engine/options_flow.h"
#include "engine/poignee.h"
#include "engine/scores.h"

namespace zarvane {

namespace {

// South, East, North, West: bid bubbles, taker frames and total panels.
constexpr int kSeatColours[5] = {0, 0xF3D79C, 0xEFD2FD, 0x93FDF0, 0xA8FBAE};

void SetPreviousTrickCommands(Game& game, bool enabled) {
  game.view.SetEnabled(Control::menuPreviousTrick, 0, enabled);
  game.view.SetEnabled(Control::SBVoirPliPrecedent, 0, enabled);
}

void StopAllTimers(Game& game) {
  game.view.StopTimer(TimerId::TimerEnchere);
  game.view.StopTimer(TimerId::TimerEntreCarte);
  game.view.StopTimer(TimerId::TimerTransition);
}

void HideReviewWindows(Game& game) {
  for (Control window : {Control::frmTousPlis, Control::frmMains, Control::frmPliPrecedent,
                         Control::frmScoreDetaille}) {
    game.view.SetVisible(window, 0, false);
  }
}

void ClearTheTable(Game& game) {
  SetPreviousTrickCommands(game, false);
  EnableCardAdvice(game, false);
  game.AdvisedSlot = -1;
  for (Control single : {Control::PanelPreneur, Control::PanelEnchere, Control::PanelLancement,
                         Control::PanelPoignee, Control::BarreEnchere, Control::PanelConfirmeEcart,
                         Control::PanelResultat, Control::TableRonde}) {
    game.view.SetVisible(single, 0, false);
  }
  for (int k = 1; k <= 24; ++k) {
    game.view.SetVisible(Control::Carte3D, k, false);
    game.view.SetPointer(Control::Carte3D, k, Pointer::NoDrop);
    game.view.SetEnabled(Control::Carte3D, k, false);
  }
  for (int seat = 1; seat <= 4; ++seat) {
    game.view.SetVisible(Control::CarteTable, seat, false);
    game.view.SetVisible(Control::CadrePreneur, seat, false);
    game.view.SetVisible(Control::PanelDec, seat, false);
  }
}

// Nothing of the last deal's cards, auction, tricks or points goes on into the new one.
void ResetDealState(Game& game) {
  Renew<DealState>(game);
  Renew<TrickState>(game);
  Renew<ScoreState>(game);
  Renew<PlayMemory>(game);
  game.DealPhase = Phase::Bidding;
  game.BidsMade = 0;
  game.PendingBidder = 0;
  for (Control panel :
       {Control::nPointsAttaque, Control::nPointsDefense, Control::nBoutsPreneur,
        Control::nBoutsDefense, Control::PanelEnchere, Control::nContrat, Control::PanelPreneur}) {
    game.view.SetText(panel, 0, "");
  }
}

void ShowTableAndTakerFrame(Game& game) {
  game.view.SetVisible(Control::TableRonde, 0, true);
  game.view.SetVisible(Control::CadrePreneur, game.Taker, true);
}

// The taker is named: the frame behind his trick card, the side panels in his colour.
void AnnounceTaker(Game& game) {
  for (int seat = 1; seat <= 4; ++seat)
    game.view.SetVisible(Control::PanelDec, seat, false);
  const DesignRect card = ScaleRect(game.layout, kCarteTable[game.Taker - 1]);
  game.view.Place(Control::CadrePreneur, game.Taker,
                  card.left - RoundHalfEven(5 * game.layout.XScale),
                  card.top - RoundHalfEven(5 * game.layout.YScale));
  const int colour = kSeatColours[game.Taker];
  for (Control panel : {Control::nPointsAttaque, Control::nBoutsPreneur, Control::nContrat,
                        Control::PanelEnchere, Control::PanelPreneur}) {
    game.view.SetColour(panel, 0, colour);
  }
  game.view.SetText(Control::PanelPreneur, 0, game.SeatNames[game.Taker]);
  game.view.SetText(Control::PanelEnchere, 0, game.BidNames[game.AnnouncedBid[game.Taker]]);
  game.view.SetVisible(Control::PanelPreneur, 0, true);
  game.view.SetVisible(Control::PanelEnchere, 0, true);
  for (int k = 1; k <= 24; ++k)
    game.view.SetEnabled(Control::Carte3D, k, true);
}

// The click after a trick, the dog or the discard: the table again, and the next turn soon.
void GoOnPlaying(Game& game) {
  game.view.SetText(Control::info, 0, "");
  ShowTableAndTakerFrame(game);
  game.view.StartTimer(TimerId::TimerEntreCarte, game.CardTimerInterval);
}

// A turn of play is due: the tricks have begun, and neither the dog, the discard nor a
// finished trick waits for a click.
bool TurnDue(const Game& game) {
  return game.TrickNumber >= 1 && game.TrickNumber <= 18 &&
         (game.DealPhase == Phase::Playing || game.DealPhase == Phase::SouthPlays ||
          game.DealPhase == Phase::Poignee);
}

}  // namespace

void StartUp(Game& game) {
  ReadOptions(game);
  SetLanguageTexts(game);
  ApplyOptions(game);
  SetPreviousTrickCommands(game, false);
  EnableCardAdvice(game, false);
  game.view.SetEnabled(Control::menuGameAgain, 0, false);
  game.view.SetEnabled(Control::SBGameAgain, 0, false);
  game.ReplayedDeal = 0;
  game.DealPhase = Phase::Opening;
  game.ScoresShown = 0;
  game.RuleState.Fill(1);
  for (Card& card : game.TrickCards)
    card.Suit = kNoSuit;
  game.HumanSeat = kSouth;
  game.FirstPlayer = kNorth;
  BuildCardTable(game);
  for (int k = 1; k <= 78; ++k)
    game.DealOrder[k] = k;
  ApplyOptions(game);
  game.view.SetVisible(Control::PanelLancement, 0, true);
}

void NewDeal(Game& game, int replay) {
  // A tick armed for the deal being replaced must never act on the new one.
  StopAllTimers(game);
  game.ReplayedDeal = replay;
  game.ScoresShown = 1;
  ToggleScores(game);
  HideReviewWindows(game);
  ResetDeductionsPanel(game);
  ClearTheTable(game);
  ResetDealState(game);
  game.view.SetPointer(Control::frmZarvane, 0, Pointer::HourGlass);
  if (replay == 0)
    game.FirstPlayer = NextSeat(game.FirstPlayer);
  game.TrickLeader = game.FirstPlayer;
  game.CurrentSeat = game.FirstPlayer;
  DealUntilAccepted(game, game.clock);
  LayOutSouthHand(game);
  game.view.SetEnabled(Control::menuGameAgain, 0, true);
  game.view.SetEnabled(Control::SBGameAgain, 0, true);
  game.view.SetPointer(Control::frmZarvane, 0, Pointer::Normal);
  StartBidTurn(game, game.FirstPlayer);
}

void ReplayDeal(Game& game) {
  // Before the first deal no deck is saved: there is nothing to replay.
  if (game.SavedDeck[1] == 0)
    return;
  game.ReplayedDeal = 1;
  NewDeal(game, 1);
}

void Continue(Game& game) {
  game.view.StopTimer(TimerId::TimerTransition);
  switch (game.DealPhase) {
    case Phase::TrickShown:
      // After the last trick its four cards stay on the table.
      if (game.TrickNumber != 19) {
        for (int seat = 1; seat <= 4; ++seat)
          game.view.SetVisible(Control::CarteTable, seat, false);
      }
      ClearTrick(game);
      GoOnPlaying(game);
      break;
    case Phase::PlayReady:
      game.DealPhase = Phase::Playing;
      GoOnPlaying(game);
      break;
    case Phase::AuctionOver:
      game.TrickNumber = 1;
      game.Taker = FindTaker(game);
      if (game.AnnouncedBid[game.Taker] == kPasse) {
        NewDeal(game, 0);
        return;
      }
      AnnounceTaker(game);
      ShowDog(game);
      break;
    case Phase::DogShown:
      ShowTableAndTakerFrame(game);
      BeginDiscard(game);
      break;
    default:
      break;
  }
}

int FindTaker(Game& game) {
  int best = game.FirstPlayer;
  for (int seat = NextSeat(best), n = 0; n < 3; seat = NextSeat(seat), ++n) {
    if (game.AnnouncedBid[seat] > game.AnnouncedBid[best])
      best = seat;
  }
  game.HighestBid = game.AnnouncedBid[best];
  game.view.SetText(Control::PanelEnchere, 0, game.BidNames[game.HighestBid]);
  return best;
}

void ShowDog(Game& game) {
  game.DiscardOrigin.Fill(-1);
  if (game.AnnouncedBid[game.Taker] > kGarde) {
    PreparePlay(game);
    RefreshDeductions(game);
    game.DealPhase = Phase::PlayReady;
    return;
  }
  game.DogWasShown = 1;
  for (int i = 1; i <= 6; ++i) {
    const int top =
        game.layout.TableCentreY + RoundHalfEven(RandomUpTo(game.random, 3) * game.layout.YScale);
    game.view.Place(Control::CarteChien, i, (i - 1) * game.layout.CardStep + game.layout.DogLeft,
                    top);
    game.view.SetPointer(Control::CarteChien, i, Pointer::Normal);
    game.view.ShowCard(Control::CarteChien, i, game.Dog[i]);
    game.view.SetVisible(Control::CarteChien, i, true);
  }
  Say(game, kDogShownPrompt);
  game.DealPhase = Phase::DogShown;
  for (int k = 1; k <= 18; ++k)
    game.view.SetPointer(Control::Carte3D, k, Pointer::NoDrop);
}

void TimerEntreCarteTimer(Game& game) {
  game.view.StopTimer(TimerId::TimerEntreCarte);
  // A tick that comes when no turn is due (one left over from a replaced deal) plays nothing.
  if (!TurnDue(game))
    return;
  ComputePlayable(game, game.CurrentSeat);
  if (game.CurrentSeat != game.HumanSeat) {
    game.DealPhase = Phase::Playing;
    PlayComputerCard(game, game.CurrentSeat);
    return;
  }
  Say(game, kPlayPrompt);
  game.DealPhase = Phase::SouthPlays;
  int playable = 0;
  for (int flag : game.Playable[game.HumanSeat])
    playable += flag;
  EnableCardAdvice(game, playable >= 2);
  if (game.TrickNumber == 1)
    OfferPoignee(game);
}

void TimerTransitionTimer(Game& game) {
  game.view.StopTimer(TimerId::TimerTransition);
  Continue(game);
}

void Carte3DClick(Game& game, int k) {
  if (k < 1 || k > 24)
    return;
  PlayHumanCard(game, k);
}

void CarteChienClick(Game& game, int i) {
  if (i < 1 || i > 6 || game.DealPhase != Phase::DogShown)
    return;
  BeginDiscard(game);
}

}  // namespace zarvane
