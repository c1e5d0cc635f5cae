#include <gtest/gtest.h>

#include "flow/bidding.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "tests/support/deal_driver.h"

namespace zarvane {
namespace {

using testing::DealDriver;

// Starts an auction on the dealt cards with chosen computed bids and first speaker.
void StartAuction(DealDriver& d, int first, int south, int east, int north, int west) {
  NewDeal(d.game.flow, 0);
  d.view.StopTimer(TimerId::TimerEnchere);
  d.game.flow.state.ComputedBid[kSouth] = south;
  d.game.flow.state.ComputedBid[kEast] = east;
  d.game.flow.state.ComputedBid[kNorth] = north;
  d.game.flow.state.ComputedBid[kWest] = west;
  d.game.flow.state.AnnouncedBid.Fill(kNotSpoken);
  d.game.flow.state.HighestBid = 0;
  d.game.flow.BidsMade = 0;
  d.game.flow.state.FirstPlayer = first;
  StartBidTurn(d.game.flow, first);
  d.RunComputerBids();
}

TEST(Auction, SouthSeesOnlyTheBidsAboveTheHighestAndTheAdviceThatBeatsIt) {
  DealDriver d;
  StartAuction(d, kEast, 3, 1, 0, 2);
  EXPECT_EQ(d.view.Text(Control::PanelDec, kEast), "PRISE");
  EXPECT_EQ(d.view.Get(Control::PanelDec, kEast).font_size, 14);
  EXPECT_EQ(d.view.Text(Control::PanelDec, kNorth), "PASSE");
  EXPECT_EQ(d.view.Get(Control::PanelDec, kNorth).font_size, 10);
  EXPECT_EQ(d.view.Text(Control::PanelDec, kWest), "GARDE");
  EXPECT_EQ(d.game.flow.BidsMade, 3);

  EXPECT_TRUE(d.view.Visible(Control::BarreEnchere));
  EXPECT_TRUE(d.view.Visible(Control::ButtonPasse));
  EXPECT_FALSE(d.view.Visible(Control::ButtonPrise));
  EXPECT_FALSE(d.view.Visible(Control::ButtonGarde));
  EXPECT_TRUE(d.view.Visible(Control::ButtonGardeSans));
  EXPECT_TRUE(d.view.Visible(Control::ButtonGardeContre));
  EXPECT_EQ(d.view.Text(Control::evMaMain), "Conseil: GARDE SANS");
  EXPECT_EQ(d.view.Text(Control::info), "Cliquez sur l'enchère que vous désirez annoncer !");
  ASSERT_TRUE(d.view.focus.has_value());
  EXPECT_EQ(d.view.focus->first, Control::evMaMain);

  // The advice button is the advised bid; South speaks last here, so the auction ends.
  Apply(d.game.flow, Move{MoveKind::BidAdvice});
  EXPECT_EQ(d.game.flow.state.AnnouncedBid[kSouth], kGardeSans);
  EXPECT_EQ(d.game.flow.state.HighestBid, kGardeSans);
  EXPECT_FALSE(d.view.Visible(Control::BarreEnchere));
  EXPECT_EQ(d.view.Text(Control::PanelDec, kSouth), "GARDE SANS");
  EXPECT_EQ(d.game.flow.state.DealPhase, Phase::AuctionOver);
  EXPECT_EQ(d.view.Text(Control::info), "Cliquez n'importe où pour continuer à jouer... !");
}

TEST(Auction, AComputedBidEqualToTheHighestPassesAndSouthsAdviceThenSaysPass) {
  DealDriver d(2);
  StartAuction(d, kEast, 2, 2, 2, 1);
  EXPECT_EQ(d.view.Text(Control::PanelDec, kEast), "GUARD");
  EXPECT_EQ(d.view.Text(Control::PanelDec, kNorth), "PASS");
  EXPECT_EQ(d.view.Text(Control::PanelDec, kWest), "PASS");
  EXPECT_EQ(d.game.flow.state.AnnouncedBid[kNorth], kPasse);
  EXPECT_EQ(d.view.Text(Control::evMaMain), "Advice: PASS");
  EXPECT_EQ(d.view.Text(Control::info), "Click on the bid you want to do.");
}

TEST(Auction, ABidNotAboveTheHighestIsRefusedAndSouthStillHasTheFloor) {
  DealDriver d;
  StartAuction(d, kNorth, 0, 0, 2, 0);
  ASSERT_TRUE(d.view.Visible(Control::BarreEnchere));
  Apply(d.game.flow, Move{MoveKind::SouthBid, kGarde});
  EXPECT_EQ(d.view.Text(Control::info), "Vous devez faire une meilleure enchère ou passer !");
  EXPECT_TRUE(d.view.Visible(Control::BarreEnchere));
  EXPECT_EQ(d.game.flow.BidsMade, 2);

  Apply(d.game.flow, Move{MoveKind::SouthBid, 7});  // out of range: ignored
  Apply(d.game.flow, Move{MoveKind::SouthBid, -1});
  EXPECT_EQ(d.game.flow.BidsMade, 2);

  d.SouthBids(kGardeContre);
  EXPECT_EQ(d.game.flow.state.AnnouncedBid[kSouth], kGardeContre);
  EXPECT_EQ(d.game.flow.BidsMade, 4);
  EXPECT_EQ(d.view.Text(Control::PanelDec, kEast), "PASSE");

  // Once South has spoken, his buttons do nothing more.
  Apply(d.game.flow, Move{MoveKind::SouthBid, kPasse});
  EXPECT_EQ(d.game.flow.BidsMade, 4);
  EXPECT_EQ(d.game.flow.state.AnnouncedBid[kSouth], kGardeContre);
}

TEST(Auction, SpeakingFirstSouthSeesAllFiveButtonsAndAPassLetsTheOthersSpeak) {
  DealDriver d;
  StartAuction(d, kSouth, 1, 0, 3, 4);
  for (Control button : {Control::ButtonPasse, Control::ButtonPrise, Control::ButtonGarde,
                         Control::ButtonGardeSans, Control::ButtonGardeContre}) {
    EXPECT_TRUE(d.view.Visible(button));
  }
  EXPECT_EQ(d.view.Text(Control::evMaMain), "Conseil: PRISE");
  d.SouthBids(kPasse);
  EXPECT_EQ(d.view.Text(Control::PanelDec, kSouth), "PASSE");
  EXPECT_EQ(d.view.Text(Control::PanelDec, kNorth), "GARDE SANS");
  EXPECT_EQ(d.view.Text(Control::PanelDec, kWest), "GARDE CONTRE");
  EXPECT_EQ(d.game.flow.state.HighestBid, kGardeContre);
  EXPECT_EQ(d.game.flow.state.DealPhase, Phase::AuctionOver);
}

TEST(Auction, WithTheAdviceOffTheAdviceButtonIsHiddenGetsNoFocusButItsCaptionMovesOn) {
  DealDriver d;
  ToggleBidAdvice(d.game.flow);
  EXPECT_FALSE(d.view.Visible(Control::evMaMain));
  d.view.focus.reset();
  StartAuction(d, kSouth, 2, 0, 0, 0);
  EXPECT_FALSE(d.view.focus.has_value());
  EXPECT_FALSE(d.view.Visible(Control::evMaMain));
  EXPECT_EQ(d.view.Text(Control::evMaMain), "Conseil: GARDE");
}

}  // namespace
}  // namespace zarvane
