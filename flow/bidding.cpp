#include "flow/bidding.h"

#include <algorithm>

#include "core/strategy/expert_bid.h"
#include "settings/texts.h"

namespace zarvane {

namespace {

void EndAuction(Flow& game) {
  game.presenter->Say(kContinuePrompt);
  game.state.DealPhase = Phase::AuctionOver;
}

void OfferBidsToSouth(Flow& game) {
  game.state.DealPhase = Phase::SouthBids;
  game.presenter->OfferBids();
}

// After a seat has spoken: the next seat, or the end of the auction at the fourth bid.
void NextBidder(Flow& game, int seat) {
  ++game.BidsMade;
  if (game.BidsMade >= 4) {
    EndAuction(game);
  } else {
    StartBidTurn(game, NextSeat(seat));
  }
}

// The Expert looks ahead for its bid, and advises South alike. A deal kept because some hand
// would take is kept for that hand: with "at least one taker" the Expert never bids below
// what the hand's evaluation bids.
int BidOf(const GameState& game, int seat) {
  if (game.options.Level != kExpertLevel)
    return game.ComputedBid[seat];
  const int bid = *ExpertBid(game, seat);
  return game.options.AtLeastOneTaker == 1 ? std::max(bid, game.ComputedBid[seat]) : bid;
}

}  // namespace

void StartBidTurn(Flow& game, int seat) {
  game.state.AnnouncedBid[seat] = static_cast<std::int8_t>(BidOf(game.state, seat));
  if (game.state.AnnouncedBid[seat] <= game.state.HighestBid) {
    game.state.AnnouncedBid[seat] = kPasse;
  } else if (seat != kSouth) {
    game.state.HighestBid = game.state.AnnouncedBid[seat];
  }
  if (seat == kSouth) {
    OfferBidsToSouth(game);
    return;
  }
  game.PendingBidder = seat;
  game.presenter->StartTimer(TimerId::TimerEnchere, 10);
}

void ShowPendingBid(Flow& game) {
  game.presenter->StopTimer(TimerId::TimerEnchere);
  const int seat = game.PendingBidder;
  // A tick with nobody pending belongs to no auction: the one that armed it was replaced.
  if (seat < kEast || seat > kWest)
    return;
  game.PendingBidder = 0;
  game.presenter->ShowBid(seat, game.state.AnnouncedBid[seat]);
  NextBidder(game, seat);
}

void TakeSouthBid(Flow& game, int code) {
  if (game.state.DealPhase != Phase::SouthBids || code < kPasse || code > kGardeContre)
    return;
  if (code != kPasse && game.state.HighestBid >= code) {
    game.presenter->Say(kBetterBidPrompt);
    return;
  }
  game.state.DealPhase = Phase::Bidding;
  game.presenter->HideBids();
  game.presenter->ShowBid(kSouth, code);
  game.state.AnnouncedBid[kSouth] = code;
  if (code != kPasse)
    game.state.HighestBid = code;
  // East always follows South.
  NextBidder(game, kSouth);
}

}  // namespace zarvane
