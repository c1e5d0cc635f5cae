#include "engine/card_play.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "engine/cards.h"
#include "tests/support/deal_builder.h"
#include "tests/support/deal_driver.h"

namespace zarvane {
namespace {

using testing::Join;
using testing::SuitCards;
using testing::Trumps;

constexpr Card kExcuse{0, kAtout, 1};

struct LegalCase {
  const char* name;
  std::vector<Card> hand;
  std::vector<Card> on_table;  // from the leader, West, on
  std::vector<Card> playable;
  std::vector<int> codes;  // the reason of each playable card, in the same order
};

// Lays the cards on the table through the play itself, so that the led suit and the highest
// trump come from the rules, not from the test.
class LegalPlayTable {
 public:
  explicit LegalPlayTable(const LegalCase& c) {
    game.Taker = kNorth;
    game.TrickLeader = kWest;
    game.CurrentSeat = kWest;
    game.TrickNumber = 1;
    int seat = kWest;
    for (const Card& card : c.on_table) {
      game.Hands[seat][1] = card;
      game.Hands[seat][1].InHand = 1;
      game.PlayReason[seat][1].Code = 0;
      PlaceCard(game, seat, 1);
      seat = NextSeat(seat);
    }
    for (int slot = 1; slot <= 18; ++slot)
      game.Hands[seat][slot] = slot <= static_cast<int>(c.hand.size()) ? c.hand[slot - 1] : Card{};
  }

  testing::FakeTableView view;
  Game game{view};
};

TEST(CardPlay, TheLegalCardsAndTheirReasonsFollowTheRulesOfPlay) {
  const Card spade5{5, kPique, 1};
  const std::vector<LegalCase> cases = {
      {"follow the suit led; the Excuse always",
       Join({SuitCards(kPique, {5}), {kExcuse}, Trumps({3, 18})}),
       {{9, kPique, 1}},
       {spade5, kExcuse},
       {-1, -1}},
      {"void, must overtrump the 10",
       Join({Trumps({4, 12}), {kExcuse}, SuitCards(kCoeur, {2})}),
       {{9, kPique, 1}, {10, kAtout, 1}},
       {{12, kAtout, 1}, kExcuse},
       {2, -1}},
      {"void, cannot overtrump: any trump",
       Join({Trumps({4, 7}), SuitCards(kCoeur, {2})}),
       {{9, kPique, 1}, {10, kAtout, 1}},
       {{4, kAtout, 1}, {7, kAtout, 1}},
       {3, 3}},
      {"void, no trump yet: every trump, no plain card",
       Join({Trumps({4, 7}), SuitCards(kCoeur, {2, 13})}),
       {{9, kPique, 1}},
       {{4, kAtout, 1}, {7, kAtout, 1}},
       {1, 1}},
      {"void and no trump: anything",
       SuitCards(kCoeur, {2, 13}),
       {{9, kPique, 1}},
       {{2, kCoeur, 1}, {13, kCoeur, 1}},
       {4, 4}},
      {"trump 15 led: only the 19", Trumps({6, 19}), {{15, kAtout, 1}}, {{19, kAtout, 1}}, {2}},
      {"trump 15 led: 6 and 9 both", Trumps({6, 9}), {{15, kAtout, 1}}, Trumps({6, 9}), {3, 3}},
      {"trump led, none held: anything",
       SuitCards(kCoeur, {2}),
       {{15, kAtout, 1}},
       {{2, kCoeur, 1}},
       {5}},
      {"Excuse led: the next card is free",
       Join({Trumps({4}), SuitCards(kCoeur, {2})}),
       {kExcuse},
       {{4, kAtout, 1}, {2, kCoeur, 1}},
       {0, 0}},
      {"after the Excuse the second card sets the suit",
       Join({Trumps({4}), SuitCards(kCoeur, {2}), SuitCards(kPique, {1})}),
       {kExcuse, {3, kPique, 1}},
       {{1, kPique, 1}},
       {-1}},
      {"the highest trump counts, not the last one",
       Trumps({8, 14}),
       {{9, kPique, 1}, {12, kAtout, 1}, {5, kAtout, 1}},
       {{14, kAtout, 1}},
       {2}},
  };
  for (const LegalCase& c : cases) {
    SCOPED_TRACE(c.name);
    LegalPlayTable table(c);
    Game& game = table.game;
    const int seat = game.CurrentSeat;
    ComputePlayable(game, seat);
    std::vector<Card> playable;
    std::vector<int> codes;
    for (int slot = 1; slot <= 18; ++slot) {
      if (game.Playable[seat][slot] == 1) {
        playable.push_back(game.Hands[seat][slot]);
        codes.push_back(game.PlayReason[seat][slot].Code);
      }
    }
    EXPECT_EQ(playable, c.playable);
    EXPECT_EQ(codes, c.codes);
  }
}

TEST(CardPlay, TheHighestTrumpOrElseTheHighestCardOfTheSuitLedWinsAndTheExcuseNever) {
  struct WinnerCase {
    std::vector<Card> cards;  // from the leader, South, on
    int winner;
  };
  const std::vector<WinnerCase> cases = {
      {{{14, kCoeur, 1}, {3, kCoeur, 1}, {2, kAtout, 1}, kExcuse}, kNorth},
      {{{3, kCoeur, 1}, {14, kCoeur, 1}, {14, kPique, 1}, {13, kCoeur, 1}}, kEast},
      {{kExcuse, {2, kCarreau, 1}, {10, kCarreau, 1}, {14, kTrefle, 1}}, kNorth},
      {{kExcuse, {2, kAtout, 1}, {1, kAtout, 1}, {14, kTrefle, 1}}, kEast},
      {{{1, kAtout, 1}, {14, kPique, 1}, kExcuse, {21, kAtout, 1}}, kWest},
  };
  for (const WinnerCase& c : cases) {
    GameState game;
    game.TrickLeader = kSouth;
    for (int seat = 1; seat <= 4; ++seat)
      game.TrickCards[seat] = c.cards[seat - 1];
    EXPECT_EQ(TrickWinner(game), c.winner);
  }
}

// What the play must hold at every moment, checked while deals are played to their score.
class WholeDealChecks {
 public:
  explicit WholeDealChecks(testing::DealDriver& driver) : d_(driver) {}

  // Before a tick of the card timer: the seat to play has a legal card, and the card it plays
  // is among them.
  void BeforeTurn() {
    before_ = d_.game;
    ComputePlayableCards(before_, before_.CurrentSeat);
    const auto& flags = before_.Playable[before_.CurrentSeat];
    ASSERT_TRUE(std::count(flags.begin(), flags.end(), 1) >= 1);
  }
  void AfterTurn() {
    const int seat = before_.CurrentSeat;
    const int trick = before_.TrickNumber;
    const int slot = d_.game.PlayedSlot[seat][trick];
    if (before_.Hands[seat][slot].InHand == 1 && d_.game.Hands[seat][slot].InHand == 0) {
      EXPECT_EQ(before_.Playable[seat][slot], 1);
    }
  }

  // After each trick: one card of each seat, the right winner leads on.
  void AfterTrick() {
    std::vector<Card> trick;
    for (int seat = 1; seat <= 4; ++seat) {
      ASSERT_NE(d_.game.TrickCards[seat].Suit, kNoSuit);
      cards_.insert(testing::CardNumber(d_.game.TrickCards[seat]));
    }
    EXPECT_EQ(d_.game.TrickLeader, ExpectedWinner());
    EXPECT_EQ(d_.game.CurrentSeat, d_.game.TrickLeader);
    ++tricks_;
  }

  void AtTheEnd() {
    for (const Card& card : d_.game.Dog)
      cards_.insert(testing::CardNumber(card));
    EXPECT_EQ(tricks_, 18);
    EXPECT_EQ(cards_.size(), 78u);
    EXPECT_EQ(d_.game.TakerPoints + d_.game.DefencePoints, 182);
    EXPECT_EQ(d_.game.TakerBouts + d_.game.DefenceBouts, 3);
    for (const Hand& hand : d_.game.Hands) {
      for (const Card& card : hand)
        EXPECT_EQ(card.InHand, 0);
    }
  }

 private:
  // Worked out apart from the engine: the highest trump, else the highest card of the first
  // suit led that is not the Excuse.
  int ExpectedWinner() const {
    const GameState& g = d_.game;
    const int leader = g.TrickLeaders[g.TrickNumber - 1];
    int best_trump = 0;
    int winner = -1;
    for (int seat = 1; seat <= 4; ++seat) {
      if (IsTrump(g.TrickCards[seat]) && g.TrickCards[seat].Value > best_trump) {
        best_trump = g.TrickCards[seat].Value;
        winner = seat;
      }
    }
    if (winner != -1)
      return winner;
    int led = kNoSuit;
    for (int seat = leader, n = 0; n < 4 && led == kNoSuit; seat = NextSeat(seat), ++n) {
      if (!IsExcuse(g.TrickCards[seat]))
        led = g.TrickCards[seat].Suit;
    }
    int best = 0;
    for (int seat = 1; seat <= 4; ++seat) {
      if (g.TrickCards[seat].Suit == led && g.TrickCards[seat].Value > best) {
        best = g.TrickCards[seat].Value;
        winner = seat;
      }
    }
    return winner;
  }

  testing::DealDriver& d_;
  GameState before_;
  std::set<int> cards_;
  int tricks_ = 0;
};

TEST(CardPlay, SeededWholeDealsKeepEveryRuleOfPlayAndOfTheCount) {
  std::mt19937 choices(20261207);
  for (int run = 0; run < 40; ++run) {
    testing::DealDriver driver(1 + run % 2, 1000 * run);
    driver.game.options.AtLeastOneTaker = 1;
    for (int deal = 0; deal < 25; ++deal) {
      SCOPED_TRACE(::testing::Message() << "run " << run << " deal " << deal);
      NewDeal(driver.game, 0);
      int total_before = 0;
      for (int seat = 1; seat <= 4; ++seat)
        total_before += driver.game.options.Scores[seat];
      WholeDealChecks checks(driver);
      int steps = 0;
      bool moving = true;
      while (moving && steps++ < 5000) {
        const bool card_turn = driver.view.Armed(TimerId::TimerEntreCarte) &&
                               driver.game.ContinueState == 0 && driver.game.TrickNumber >= 1 &&
                               driver.game.TrickNumber <= 18 &&
                               !driver.view.Armed(TimerId::TimerEnchere);
        const bool computer_turn = card_turn && driver.game.CurrentSeat != driver.game.HumanSeat;
        if (computer_turn)
          checks.BeforeTurn();
        const int trick = driver.game.TrickNumber;
        moving = driver.Step(choices);
        if (computer_turn)
          checks.AfterTurn();
        if (driver.game.TrickNumber == trick + 1 && trick >= 1 && driver.game.TrickOnDisplay == 1)
          checks.AfterTrick();
        if (driver.game.TrickNumber == 2 && trick == 1) {
          EXPECT_TRUE(driver.view.Get(Control::menuPreviousTrick).enabled);
        }
      }
      ASSERT_FALSE(moving) << "the deal never reached its score";
      checks.AtTheEnd();
      int total_after = 0;
      for (int seat = 1; seat <= 4; ++seat)
        total_after += driver.game.options.Scores[seat];
      EXPECT_EQ(total_after, total_before);
    }
  }
}

}  // namespace
}  // namespace zarvane
