#include "flow/deal_flow.h"

#include "core/cards.h"
#include "core/deal.h"
#include "core/play_preparation.h"
#include "core/scoring.h"
#include "flow/bidding.h"
#include "flow/card_advice.h"
#include "flow/card_play.h"
#include "flow/deal_saving.h"
#include "flow/discard.h"
#include "flow/options_flow.h"
#include "flow/poignee.h"

#include "settings/texts.h"

namespace zarvane {

namespace {

void StopAllTimers(Flow& game) {
  game.presenter->StopTimer(TimerId::TimerEnchere);
  game.presenter->StopTimer(TimerId::TimerEntreCarte);
  game.presenter->StopTimer(TimerId::TimerTransition);
}

// Nothing of the last deal's cards, auction, tricks or points goes on into the new one.
void ResetDealState(Flow& game) {
  Renew<DealState>(game.state);
  Renew<TrickState>(game.state);
  Renew<ScoreState>(game.state);
  Renew<PlayMemory>(game.state);
  game.state.DealPhase = Phase::Bidding;
  game.BidsMade = 0;
  game.PendingBidder = 0;
}

// A turn of play is due: the tricks have begun, and neither the dog, the discard nor a
// finished trick waits for a click.
bool TurnDue(const Core& game) {
  return game.TrickNumber >= 1 && game.TrickNumber <= 18 &&
         (game.DealPhase == Phase::Playing || game.DealPhase == Phase::SouthPlays ||
          game.DealPhase == Phase::Poignee);
}

// From the first bid until the last trick is scored.
bool DealInProgress(const Core& game) {
  return game.DealPhase != Phase::Opening && game.TrickNumber != kLastTrickDone;
}

}  // namespace

void ClearTableForDeal(Flow& game, int replay) {
  // A tick armed for the deal being replaced must never act on the new one.
  StopAllTimers(game);
  StopThinking(game);
  game.state.ReplayedDeal = replay;
  game.CardAdviceOpen = 0;
  game.ThinkingDue = false;
  game.AdviceDue = false;
  game.presenter->ClearForNewDeal();
  ResetDealState(game);
}

void SeatFirstPlayer(Core& game, int seat) {
  game.FirstPlayer = seat;
  game.TrickLeader = seat;
  game.CurrentSeat = seat;
}

// The record of the deal starts once the cards are dealt, before the hand is laid out.
void OpenAuction(Flow& game) {
  OpenDealRecord(game);
  game.presenter->ShowDealtHand();
  StartBidTurn(game, game.state.FirstPlayer);
}

void DealNewHands(Flow& game, int replay) {
  // A replay of a deal given by its code deals that code's hands again.
  const bool from_code = replay == 1 && game.DealFromCode;
  const DealtDeal previous = DealAsDealt(game.state);
  ClearTableForDeal(game, replay);
  SeatFirstPlayer(game.state,
                  replay == 0 ? NextSeat(game.state.FirstPlayer) : game.state.FirstPlayer);
  if (from_code) {
    ReseedFromClock(game.state.random, game.clock);
    DealGivenHands(game.state, previous);
  } else {
    DealUntilAccepted(game.state, game.clock);
    game.DealFromCode = false;
  }
  OpenAuction(game);
}

void NewDeal(Flow& game, int replay) {
  DealNewHands(game, replay);
  SaveDealRecord(game);
}

void PlayDealFromCode(Flow& game, const DealtDeal& deal) {
  ClearTableForDeal(game, 0);
  SeatFirstPlayer(game.state, deal.FirstPlayer);
  ReseedFromClock(game.state.random, game.clock);
  DealGivenHands(game.state, deal);
  game.DealFromCode = true;
  OpenAuction(game);
  SaveDealRecord(game);
}

void PlayDealByCode(Flow& game, const std::function<std::optional<DealtDeal>()>& ask_code) {
  if (DealInProgress(game.state) && !game.presenter->Ask(kDropDealQuestion))
    return;
  if (const std::optional<DealtDeal> deal = ask_code())
    PlayDealFromCode(game, *deal);
}

void ReplayDeal(Flow& game) {
  // Before the first deal no deck is saved: there is nothing to replay.
  if (game.state.SavedDeck[1] == 0 && !game.DealFromCode)
    return;
  game.state.ReplayedDeal = 1;
  NewDeal(game, 1);
}

void GoOn(Flow& game) {
  if (game.state.DealPhase == Phase::PlayReady) {
    StartTheTricks(game);
    return;
  }
  game.presenter->StopTimer(TimerId::TimerTransition);
  switch (game.state.DealPhase) {
    case Phase::TrickShown:
      game.presenter->ClearTrickCards();
      ClearTrick(game.state);
      GoOnPlaying(game);
      break;
    case Phase::AuctionOver:
      game.state.TrickNumber = 1;
      game.state.Taker = FindTaker(game);
      if (game.state.AnnouncedBid[game.state.Taker] == kPasse) {
        DealNewHands(game, 0);
        return;
      }
      game.presenter->AnnounceTaker();
      ShowDog(game);
      break;
    case Phase::DogShown:
      game.presenter->ShowTableAndTakerFrame();
      BeginDiscard(game);
      break;
    default:
      break;
  }
}

int FindTaker(Flow& game) {
  int best = game.state.FirstPlayer;
  for (int seat = NextSeat(best), n = 0; n < 3; seat = NextSeat(seat), ++n) {
    if (game.state.AnnouncedBid[seat] > game.state.AnnouncedBid[best])
      best = seat;
  }
  game.state.HighestBid = game.state.AnnouncedBid[best];
  game.presenter->ShowHighestBid();
  return best;
}

void ShowDog(Flow& game) {
  game.state.DiscardOrigin.Fill(-1);
  if (game.state.AnnouncedBid[game.state.Taker] > kGarde) {
    PreparePlay(game.state);
    game.presenter->ShowDeductions();
    game.state.DealPhase = Phase::PlayReady;
    return;
  }
  game.state.DogWasShown = 1;
  game.presenter->ShowDog();
  game.state.DealPhase = Phase::DogShown;
}

void PlayTurn(Flow& game) {
  game.presenter->StopTimer(TimerId::TimerEntreCarte);
  // A tick that comes when no turn is due (one left over from a replaced deal) plays nothing.
  if (!TurnDue(game.state))
    return;
  ComputePlayable(game, game.state.CurrentSeat);
  if (game.state.CurrentSeat != game.state.HumanSeat) {
    game.state.DealPhase = Phase::Playing;
    PlayComputerCard(game, game.state.CurrentSeat);
    return;
  }
  game.presenter->Say(kPlayPrompt);
  game.state.DealPhase = Phase::SouthPlays;
  EnableCardAdvice(game, CountPlayable(game.state, game.state.HumanSeat) >= 2);
  if (game.state.TrickNumber == 1)
    OfferPoignee(game);
}

void EndTrickPause(Flow& game) {
  game.presenter->StopTimer(TimerId::TimerTransition);
  GoOn(game);
}

void TakeDog(Flow& game, int i) {
  if (i < 1 || i > 6 || game.state.DealPhase != Phase::DogShown)
    return;
  BeginDiscard(game);
}

}  // namespace zarvane
