#include "engine/bidding.h"

#include "engine/messages.h"

namespace zarvane {

namespace {

constexpr Control kBidButtons[] = {Control::ButtonPasse, Control::ButtonPrise, Control::ButtonGarde,
                                   Control::ButtonGardeSans, Control::ButtonGardeContre};

// A bid bubble: the name in large type, a pass in small.
void ShowBidBubble(Game& game, int seat, int bid) {
  game.view.SetText(Control::PanelDec, seat, game.BidNames[bid]);
  game.view.SetFontSize(Control::PanelDec, seat, bid == kPasse ? 10 : 14);
  game.view.SetVisible(Control::PanelDec, seat, true);
}

void EndAuction(Game& game) {
  Say(game, kContinuePrompt);
  game.DealPhase = Phase::AuctionOver;
}

void OfferBidsToSouth(Game& game) {
  game.DealPhase = Phase::SouthBids;
  for (Control button : kBidButtons)
    game.view.SetVisible(button, 0, true);
  for (int code = kPrise; code <= kGardeContre; ++code) {
    if (game.HighestBid >= code)
      game.view.SetVisible(kBidButtons[code], 0, false);
  }
  const std::string advice =
      std::string(game.AdviceWord) + ": " + std::string(game.BidNames[game.AnnouncedBid[kSouth]]);
  game.view.SetText(Control::evMaMain, 0, advice);
  Say(game, kBidPrompt);
  game.view.SetVisible(Control::BarreEnchere, 0, true);
  if (game.options.BidAdvice == 1)
    game.view.SetFocus(Control::evMaMain, 0);
}

// After a seat has spoken: the next seat, or the end of the auction at the fourth bid.
void NextBidder(Game& game, int seat) {
  ++game.BidsMade;
  if (game.BidsMade >= 4) {
    EndAuction(game);
  } else {
    StartBidTurn(game, NextSeat(seat));
  }
}

}  // namespace

void StartBidTurn(Game& game, int seat) {
  game.AnnouncedBid[seat] = game.ComputedBid[seat];
  if (game.AnnouncedBid[seat] <= game.HighestBid) {
    game.AnnouncedBid[seat] = kPasse;
  } else if (seat != kSouth) {
    game.HighestBid = game.AnnouncedBid[seat];
  }
  if (seat == kSouth) {
    OfferBidsToSouth(game);
    return;
  }
  game.PendingBidder = seat;
  game.view.StartTimer(TimerId::TimerEnchere, 10);
}

void TimerEnchereTimer(Game& game) {
  game.view.StopTimer(TimerId::TimerEnchere);
  const int seat = game.PendingBidder;
  // A tick with nobody pending belongs to no auction: the one that armed it was replaced.
  if (seat < kEast || seat > kWest)
    return;
  game.PendingBidder = 0;
  ShowBidBubble(game, seat, game.AnnouncedBid[seat]);
  NextBidder(game, seat);
}

void SouthBid(Game& game, int code) {
  if (game.DealPhase != Phase::SouthBids || code < kPasse || code > kGardeContre)
    return;
  if (code != kPasse && game.HighestBid >= code) {
    Say(game, kBetterBidPrompt);
    return;
  }
  game.DealPhase = Phase::Bidding;
  game.view.SetVisible(Control::BarreEnchere, 0, false);
  ShowBidBubble(game, kSouth, code);
  game.AnnouncedBid[kSouth] = code;
  if (code != kPasse)
    game.HighestBid = code;
  // East always follows South.
  NextBidder(game, kSouth);
}

void EvMaMainClick(Game& game) {
  SouthBid(game, game.AnnouncedBid[kSouth]);
}

}  // namespace zarvane
