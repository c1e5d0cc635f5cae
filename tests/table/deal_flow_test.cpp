#include <gtest/gtest.h>

#include "flow/bidding.h"
#include "flow/deal_flow.h"
#include "flow/moves.h"
#include "tests/support/deal_driver.h"

namespace zarvane {
namespace {

using testing::DealDriver;

// A new deal in which the computed bids are replaced before anybody speaks, South first.
void DealWithBids(DealDriver& d, int south, int east, int north, int west) {
  d.DealWithBids(south, east, north, west);
}

int CountDealtBubbles(DealDriver& d) {
  int shown = 0;
  for (int seat = 1; seat <= 4; ++seat)
    shown += d.view.Visible(Control::PanelDec, seat);
  return shown;
}

TEST(DealFlow, StartUpWaitsForTheFirstDealWhichWestOpensAndTheNextOneSouth) {
  DealDriver d;
  EXPECT_TRUE(d.view.Visible(Control::PanelLancement));
  EXPECT_FALSE(d.view.Get(Control::menuGameAgain).enabled);
  EXPECT_FALSE(d.view.Get(Control::menuPreviousTrick).enabled);
  EXPECT_FALSE(d.view.Get(Control::SBVoirPliPrecedent).enabled);

  NewDeal(d.game.flow, 0);
  EXPECT_EQ(d.game.flow.state.FirstPlayer, kWest);
  EXPECT_FALSE(d.view.Visible(Control::PanelLancement));
  EXPECT_TRUE(d.view.Get(Control::menuGameAgain).enabled);
  EXPECT_EQ(d.game.flow.PendingBidder, kWest);
  EXPECT_TRUE(d.view.Armed(TimerId::TimerEnchere));
  for (int slot = 1; slot <= 18; ++slot) {
    EXPECT_TRUE(d.view.Visible(Control::Carte3D, slot));
    EXPECT_EQ(*d.view.Get(Control::Carte3D, slot).card, d.game.flow.state.Hands[kSouth][slot]);
    EXPECT_EQ(d.view.Get(Control::Carte3D, slot).left,
              d.game.table.layout.HandLeft + (slot - 1) * d.game.table.layout.CardStep);
  }
  EXPECT_EQ(d.view.Get(Control::frmZarvane).pointer, Pointer::Normal);

  NewDeal(d.game.flow, 0);
  EXPECT_EQ(d.game.flow.state.FirstPlayer, kSouth);
  EXPECT_TRUE(d.view.Visible(Control::BarreEnchere));
}

TEST(DealFlow, AReplayKeepsTheFirstSpeakerAndTheCardsAndTheNextDealMovesOn) {
  DealDriver d;
  // Before the first deal there is nothing to replay.
  ReplayDeal(d.game.flow);
  EXPECT_EQ(d.game.flow.state.ReplayedDeal, 0);
  EXPECT_TRUE(d.view.Visible(Control::PanelLancement));

  NewDeal(d.game.flow, 0);
  NewDeal(d.game.flow, 0);
  const auto hands = d.game.flow.state.Hands;
  const int first = d.game.flow.state.FirstPlayer;
  ReplayDeal(d.game.flow);
  EXPECT_EQ(d.game.flow.state.ReplayedDeal, 1);
  EXPECT_EQ(d.game.flow.state.FirstPlayer, first);
  EXPECT_EQ(d.game.flow.state.Hands, hands);
  NewDeal(d.game.flow, 0);
  EXPECT_EQ(d.game.flow.state.ReplayedDeal, 0);
  EXPECT_EQ(d.game.flow.state.FirstPlayer, NextSeat(first));
}

// A copy of a game (the tests and the benchmarks make them) draws its own table: its hand's
// random offsets come from its own generator and land in its own bookkeeping.
TEST(DealFlow, ACopiedGameDrawsWithItsOwnGeneratorAndBookkeeping) {
  DealDriver d;
  NewDeal(d.game.flow, 0);
  const Game before = d.game;
  Game copy = d.game;
  NewDeal(copy.flow, 0);
  EXPECT_EQ(d.game.flow.state.random.GeneratorState, before.flow.state.random.GeneratorState);
  EXPECT_EQ(d.game.table.SouthCardDrop, before.table.SouthCardDrop);
  EXPECT_NE(copy.flow.state.random.GeneratorState, before.flow.state.random.GeneratorState);
  EXPECT_NE(copy.flow.presenter, d.game.flow.presenter);
}

TEST(DealFlow, WhenAllFourPassTheNextClickDealsAgainWithTheNextFirstSpeaker) {
  DealDriver d;
  DealWithBids(d, 0, 0, 0, 0);
  d.SouthBids(kPasse);
  EXPECT_EQ(d.game.flow.BidsMade, 4);
  EXPECT_EQ(d.game.flow.state.DealPhase, Phase::AuctionOver);
  EXPECT_EQ(d.view.Text(Control::info), "Cliquez n'importe où pour continuer à jouer... !");
  d.Click();
  EXPECT_EQ(d.game.flow.state.FirstPlayer, kEast);
  EXPECT_EQ(d.game.flow.state.TrickNumber, 0);
  EXPECT_EQ(d.game.flow.BidsMade, 0);
  EXPECT_EQ(d.game.flow.PendingBidder, kEast);
}

TEST(DealFlow, GuardWithoutOrAgainstNeverShowsTheDogAndTheNextClickStartsThePlay) {
  for (int bid : {kGardeSans, kGardeContre}) {
    DealDriver d;
    DealWithBids(d, bid, 0, 0, 0);
    d.SouthBids(bid);
    d.Click();
    EXPECT_EQ(d.game.flow.state.Taker, kSouth);
    EXPECT_EQ(d.game.flow.state.TrickNumber, 1);
    EXPECT_EQ(d.game.flow.state.DogWasShown, 0);
    EXPECT_EQ(d.game.flow.state.DealPhase, Phase::PlayReady);
    for (int i = 1; i <= 6; ++i) {
      EXPECT_FALSE(d.view.Visible(Control::CarteChien, i));
      EXPECT_EQ(d.game.flow.state.DiscardOrigin[i], -1);
      EXPECT_TRUE(SameCard(d.game.flow.state.Dog[i], d.game.flow.state.InitialDog[i]));
    }
    EXPECT_EQ(d.view.Text(Control::PanelPreneur), "SUD");
    EXPECT_EQ(d.view.Text(Control::PanelEnchere), d.game.table.BidNames[bid]);
    EXPECT_EQ(d.view.Get(Control::PanelPreneur).colour, 0xF3D79C);

    d.Click();
    EXPECT_TRUE(d.view.Visible(Control::TableRonde));
    EXPECT_TRUE(d.view.Visible(Control::CadrePreneur, kSouth));
    ASSERT_TRUE(d.view.Armed(TimerId::TimerEntreCarte));
    EXPECT_EQ(d.view.timers[TimerId::TimerEntreCarte], 200);
  }
}

TEST(DealFlow, SouthTakesTheDogMakesTheDiscardAndIsToldToPlay) {
  DealDriver d;
  DealWithBids(d, kPrise, 0, 0, 0);
  d.SouthBids(kPrise);
  d.Click();
  EXPECT_EQ(d.game.flow.state.DogWasShown, 1);
  EXPECT_EQ(d.game.flow.state.DealPhase, Phase::DogShown);
  EXPECT_EQ(d.view.Text(Control::info),
            "Et voici le Chien ! A présent, cliquez pour continuer à jouer...");
  const DesignRect south_card = ScaleRect(d.game.table.layout, kCarteTable[0]);
  EXPECT_EQ(d.view.Get(Control::CadrePreneur, kSouth).left,
            south_card.left - RoundHalfEven(5 * d.game.table.layout.XScale));
  for (int i = 1; i <= 6; ++i) {
    EXPECT_TRUE(d.view.Visible(Control::CarteChien, i));
    EXPECT_EQ(*d.view.Get(Control::CarteChien, i).card, d.game.flow.state.Dog[i]);
    EXPECT_EQ(d.view.Get(Control::CarteChien, i).left,
              (i - 1) * d.game.table.layout.CardStep + d.game.table.layout.DogLeft);
    const int drop = d.view.Get(Control::CarteChien, i).top - d.game.table.layout.TableCentreY;
    EXPECT_GE(drop, RoundHalfEven(1 * d.game.table.layout.YScale));
    EXPECT_LE(drop, RoundHalfEven(3 * d.game.table.layout.YScale));
  }

  d.Click();
  EXPECT_EQ(d.game.flow.state.DealPhase, Phase::Discard);
  for (int i = 1; i <= 6; ++i)
    EXPECT_FALSE(d.view.Visible(Control::CarteChien, i));
  // A click elsewhere does nothing while the discard is being chosen.
  d.Click();
  EXPECT_EQ(d.game.flow.state.DealPhase, Phase::Discard);

  d.MakeSouthDiscard();
  EXPECT_EQ(d.game.flow.state.DealPhase, Phase::Playing);
  ASSERT_TRUE(d.view.Armed(TimerId::TimerEntreCarte));
  for (const Card& card : d.game.flow.state.Dog)
    EXPECT_TRUE(IsDiscardable(card));

  d.game.flow.state.CurrentSeat = kSouth;
  d.Fire(TimerId::TimerEntreCarte);
  EXPECT_EQ(d.view.Text(Control::info), "A vous de jouer !");
  EXPECT_EQ(d.game.flow.state.DealPhase, Phase::SouthPlays);
}

TEST(DealFlow, AComputerTakerDiscardsAtOnceAndThePlayStarts) {
  DealDriver d(2);
  DealWithBids(d, 0, kGarde, 0, 0);
  d.SouthBids(kPasse);
  d.Click();
  EXPECT_EQ(d.game.flow.state.Taker, kEast);
  EXPECT_EQ(d.view.Text(Control::PanelPreneur), "EAST");
  EXPECT_EQ(d.view.Text(Control::info),
            "Here is the Dog ! And now, please click anywhere to go on playing...");
  // A click on a dog card hands the dog over too.
  Apply(d.game.flow, Move{MoveKind::DogCard, 3});
  EXPECT_TRUE(d.view.Armed(TimerId::TimerEntreCarte));
  EXPECT_EQ(d.game.flow.state.DealPhase, Phase::Playing);
  for (const Card& card : d.game.flow.state.Dog)
    EXPECT_TRUE(IsDiscardable(card));
}

TEST(DealFlow, SouthsFirstTurnOffersThePoigneeWithTenTrumpsOrMore) {
  DealDriver d;
  DealWithBids(d, kGardeContre, 0, 0, 0);
  d.SouthBids(kGardeContre);
  d.Click();
  d.Click();
  // Fifteen trumps and the Excuse in South's hand, whatever was dealt.
  for (int slot = 1; slot <= 16; ++slot)
    d.game.flow.state.Hands[kSouth][slot] = Card{slot + 5, kAtout, 1};
  d.game.flow.state.Hands[kSouth][16] = Card{0, kAtout, 1};
  d.game.flow.state.CurrentSeat = kSouth;
  d.Fire(TimerId::TimerEntreCarte);
  EXPECT_EQ(d.game.flow.state.DealPhase, Phase::Poignee);
  EXPECT_TRUE(d.view.Visible(Control::PanelPoignee));
  EXPECT_TRUE(d.view.Visible(Control::PanelPoigneeDouble));
  EXPECT_TRUE(d.view.Visible(Control::PanelPoigneeTriple));

  // With nine cards of the trump suit there is nothing to offer.
  DealWithBids(d, kGardeContre, 0, 0, 0);
  d.SouthBids(kGardeContre);
  d.Click();
  d.Click();
  for (int slot = 1; slot <= 18; ++slot) {
    d.game.flow.state.Hands[kSouth][slot] =
        slot <= 9 ? Card{slot + 1, kAtout, 1} : Card{slot - 8, kPique, 1};
  }
  d.game.flow.state.CurrentSeat = kSouth;
  d.Fire(TimerId::TimerEntreCarte);
  EXPECT_EQ(d.game.flow.state.DealPhase, Phase::SouthPlays);
  EXPECT_FALSE(d.view.Visible(Control::PanelPoignee));
}

// Plays a fresh auction to its end and checks it is whole: four speakers, four bubbles.
void ExpectAWholeAuction(DealDriver& d) {
  EXPECT_EQ(d.game.flow.BidsMade, 0);
  EXPECT_EQ(d.game.flow.state.TrickNumber, 0);
  EXPECT_EQ(CountDealtBubbles(d), 0);
  for (int guard = 0; guard < 8 && !WaitsForClick(d.game.flow.state.DealPhase); ++guard) {
    d.RunComputerBids();
    if (d.view.Visible(Control::BarreEnchere))
      Apply(d.game.flow, Move{MoveKind::SouthBid, kPasse});
  }
  EXPECT_EQ(d.game.flow.BidsMade, 4);
  EXPECT_EQ(CountDealtBubbles(d), 4);
  EXPECT_EQ(d.game.flow.state.DealPhase, Phase::AuctionOver);
}

TEST(DealFlow, ANewDealAtAnyMomentStopsEveryPendingTickAndStartsAfresh) {
  enum Moment {
    kComputerBidPending,
    kSouthToBid,
    kAuctionOver,
    kDogShown,
    kDiscarding,
    kPlaying,
    kTrickOnDisplay
  };
  for (int phase = kComputerBidPending; phase <= kTrickOnDisplay; ++phase) {
    DealDriver d;
    DealWithBids(d, kPrise, 0, 0, 0);
    if (phase == kComputerBidPending) {
      Apply(d.game.flow, Move{MoveKind::SouthBid, kPrise});
      ASSERT_TRUE(d.view.Armed(TimerId::TimerEnchere));
    }
    if (phase >= kAuctionOver)
      d.SouthBids(kPrise);
    if (phase >= kDogShown)
      d.Click();
    if (phase >= kDiscarding)
      d.Click();
    if (phase >= kPlaying)
      d.MakeSouthDiscard();
    if (phase == kTrickOnDisplay) {
      d.game.flow.state.DealPhase = Phase::TrickShown;
      d.view.StartTimer(TimerId::TimerTransition, 2000);
    }

    d.game.flow.state.FirstPlayer = kSouth;   // the new deal opens with a computer seat
    d.game.flow.state.ChosenSuitTrumped = 1;  // as a ruff of the taker's long suit leaves it
    NewDeal(d.game.flow, 0);
    EXPECT_EQ(d.game.flow.state.ChosenSuitTrumped, 0) << phase;
    EXPECT_FALSE(d.view.Armed(TimerId::TimerEntreCarte)) << phase;
    EXPECT_FALSE(d.view.Armed(TimerId::TimerTransition)) << phase;
    EXPECT_EQ(d.game.flow.state.DealPhase, Phase::Bidding) << phase;
    EXPECT_FALSE(d.view.Visible(Control::PanelConfirmeEcart)) << phase;
    for (int k = 1; k <= 24; ++k) {
      EXPECT_EQ(d.view.Visible(Control::Carte3D, k), k <= 18) << phase;
    }
    // South's buttons from the old auction do nothing now.
    Apply(d.game.flow, Move{MoveKind::SouthBid, kPasse});
    ExpectAWholeAuction(d);
  }
}

}  // namespace
}  // namespace zarvane
