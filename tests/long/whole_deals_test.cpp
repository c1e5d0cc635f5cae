// Whole deals by the thousand through the real flow, each checked as it goes: built optimised.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <vector>

#include "core/card_play.h"
#include "core/cards.h"
#include "core/strategy/strategy.h"
#include "flow/card_advice.h"
#include "flow/deal_flow.h"
#include "flow/moves.h"
#include "flow/start.h"
#include "table/game.h"
#include "table/hand_layout.h"
#include "tests/support/deal_driver.h"

namespace zarvane {
namespace {

constexpr int kRunsPerLevel = 40;
constexpr int kDealsPerRun = 25;

// Whole deals at each level: before every computer card the strategy is run on a copy of the
// game, which draws as the real turn will, so the card really played must be among those it
// left, and those must be legal and never none.
TEST(Strategy, SeededWholeDealsAtEachLevelPlayOnlyLegalCardsTheStrategyLeft) {
  std::mt19937 choices(977);
  for (int level = 1; level <= 4; ++level) {
    for (int run = 0; run < kRunsPerLevel; ++run) {
      testing::DealDriver driver(1, 7'000 * run + level);
      Game& game = driver.game;
      game.flow.state.options.Level = level;
      game.flow.state.options.AtLeastOneTaker = 1;
      for (int deal = 0; deal < kDealsPerRun; ++deal) {
        SCOPED_TRACE(::testing::Message()
                     << "level " << level << " run " << run << " deal " << deal);
        NewDeal(game.flow, 0);
        bool moving = true;
        for (int steps = 0; moving && steps < 5000; ++steps) {
          const int seat = game.flow.state.CurrentSeat;
          const int trick = game.flow.state.TrickNumber;
          const bool computer_card = driver.view.Armed(TimerId::TimerEntreCarte) &&
                                     !driver.view.Armed(TimerId::TimerEnchere) &&
                                     !WaitsForClick(game.flow.state.DealPhase) && trick >= 1 &&
                                     trick <= 18 && seat != game.flow.state.HumanSeat;
          // The rules' state alone: the strategy reads nothing else, and a copy of the whole game
          // at every step made this test slow.
          Core ahead = game.flow.state;
          Table<std::int8_t, 1, 18> legal{};
          int asked = 0;
          if (computer_card) {
            ComputePlayableCards(ahead, seat);
            legal = ahead.Playable[seat];
            if (std::count(legal.begin(), legal.end(), 1) >= 2) {
              ChooseComputerCard(ahead, seat);
              asked = 1;
            }
          }
          moving = driver.Step(choices);
          if (!computer_card)
            continue;
          int left = 0;
          for (int slot = 1; slot <= 18; ++slot) {
            left += ahead.Playable[seat][slot];
            EXPECT_LE(ahead.Playable[seat][slot], legal[slot]) << "slot " << slot;
          }
          EXPECT_GE(left, 1);
          EXPECT_EQ(ahead.Playable[seat][game.flow.state.PlayedSlot[seat][trick]], 1);
          if (asked == 1) {
            EXPECT_EQ(game.flow.state.RuleState[16], level >= 3 ? 1 : 0);
          }
        }
        ASSERT_FALSE(moving) << "the deal never reached its score";
      }
    }
  }
}

// South's turn has come: his tick has run and he may click a card.
bool SouthToPlay(testing::DealDriver& driver) {
  const Game& game = driver.game;
  return game.flow.state.DealPhase == Phase::SouthPlays &&
         game.flow.state.CurrentSeat == game.flow.state.HumanSeat &&
         !driver.view.Armed(TimerId::TimerEntreCarte) &&
         !WaitsForClick(game.flow.state.DealPhase) && game.flow.state.DealPhase != Phase::Poignee &&
         game.flow.state.TrickNumber >= 1 && game.flow.state.TrickNumber <= 18;
}

void ExpectSameCourse(const Game& a, const Game& b) {
  EXPECT_EQ(a.flow.state.SavedDeck, b.flow.state.SavedDeck);
  EXPECT_EQ(a.flow.state.PlayedSlot, b.flow.state.PlayedSlot);
  EXPECT_EQ(a.flow.state.TrickLeaders, b.flow.state.TrickLeaders);
  EXPECT_EQ(a.flow.state.TakerPoints, b.flow.state.TakerPoints);
  EXPECT_EQ(a.flow.state.options.Scores, b.flow.state.options.Scores);
  EXPECT_EQ(a.flow.state.random.GeneratorState, b.flow.state.random.GeneratorState);
}

// Several deals at the first level, so that the first card of the hand is advised too, and
// asked again and again; at Expert, whose thinking is slow, four tricks, asked once a turn.
TEST(CardAdvice, AskingLiftsAPlayableCardAndTheDealEndsAsIfNobodyHadAsked) {
  for (int level : {1, kExpertLevel}) {
    SCOPED_TRACE(::testing::Message() << "level " << level);
    testing::DealDriver plain(1, 50'000'000);
    testing::DealDriver advised(1, 50'000'000);
    std::mt19937 plain_choices(8);
    std::mt19937 advised_choices(8);
    for (testing::DealDriver* driver : {&plain, &advised}) {
      driver->game.flow.state.options.Level = level;
      driver->game.flow.state.options.AtLeastOneTaker = 1;
    }
    Game& game = advised.game;
    int asked = 0;
    int first_card_advised = 0;
    const int last_trick = level == 1 ? 19 : 5;
    for (int deal = 0; deal < (level == 1 ? 8 : 1); ++deal) {
      NewDeal(plain.game.flow, 0);
      NewDeal(game.flow, 0);
      while (plain.game.flow.state.TrickNumber < last_trick && plain.Step(plain_choices)) {
      }
      do {
        if (!advised.view.Get(Control::SBConseilCarte).enabled) {
          // The key pressed while the advice is closed lifts nothing.
          Apply(game.flow, Move{MoveKind::CardAdvice});
          EXPECT_FALSE(game.table.AdvisedSlot.has_value());
        }
        if (!SouthToPlay(advised))
          continue;
        const bool open = advised.view.Get(Control::SBConseilCarte).enabled;
        EXPECT_EQ(open, advised.view.Get(Control::menuConseilCarte).enabled);
        // The card advised at an earlier turn went back down with South's card.
        for (int slot = 1; slot <= 18; ++slot) {
          if (game.flow.state.Hands[game.flow.state.HumanSeat][slot].InHand == 1) {
            EXPECT_EQ(advised.view.Get(Control::Carte3D, slot).top, SouthCardTop(game, slot));
          }
        }
        for (int again = 0; again < (level == 1 ? 3 : 1) && open; ++again) {
          Apply(game.flow, Move{MoveKind::CardAdvice});
          ASSERT_TRUE(game.table.AdvisedSlot.has_value());
          const int slot = *game.table.AdvisedSlot;
          EXPECT_EQ(game.flow.state.Playable[game.flow.state.HumanSeat][slot], 1);
          EXPECT_EQ(advised.view.Get(Control::Carte3D, slot).top,
                    SouthCardTop(game, slot) - game.table.layout.SelectLift);
          ++asked;
          first_card_advised += slot == 1 ? 1 : 0;
        }
      } while (game.flow.state.TrickNumber < last_trick && advised.Step(advised_choices));
      if (game.flow.state.TrickNumber == 19) {
        EXPECT_FALSE(advised.view.Get(Control::SBConseilCarte).enabled);
      }
      ExpectSameCourse(plain.game, game);
    }
    EXPECT_GT(asked, 0);
    if (level == 1) {
      EXPECT_GT(first_card_advised, 0);
    }
  }
}

TEST(Expert, ALanguageChangeOrANewDealWhileAComputerSeatIsToPlayLeavesItsPlaySound) {
  testing::DealDriver quiet(1, 61'000'000);
  testing::DealDriver switched(1, 61'000'000);
  std::mt19937 quiet_choices(3);
  std::mt19937 switched_choices(3);
  for (testing::DealDriver* driver : {&quiet, &switched}) {
    driver->game.flow.state.options.Level = kExpertLevel;
    driver->game.flow.state.options.AtLeastOneTaker = 1;
    NewDeal(driver->game.flow, 0);
  }
  // Both deals as far as the sixth trick: the Expert's thinking is slow.
  while (quiet.game.flow.state.TrickNumber < 6 && quiet.Step(quiet_choices)) {
  }
  // The language changes while a computer seat's card is pending, twice in the deal.
  Game& game = switched.game;
  int changes = 0;
  do {
    if (switched.TurnPending() && game.flow.state.CurrentSeat != game.flow.state.HumanSeat &&
        ((game.flow.state.TrickNumber == 2 && changes == 0) ||
         (game.flow.state.TrickNumber == 5 && changes == 1))) {
      ChooseLanguage(game.flow, game.flow.Language == 1 ? 2 : 1);
      ++changes;
    }
  } while (game.flow.state.TrickNumber < 6 && switched.Step(switched_choices));
  EXPECT_EQ(changes, 2);
  ExpectSameCourse(quiet.game, game);

  // A new deal while a computer seat's card is pending: the pending card is dropped and the new
  // deal, at Pro, is played to its score.
  game.flow.state.options.Level = 4;
  NewDeal(game.flow, 0);
  bool moving = true;
  while (moving && !(switched.TurnPending() && game.flow.state.TrickNumber == 3 &&
                     game.flow.state.CurrentSeat != game.flow.state.HumanSeat)) {
    moving = switched.Step(switched_choices);
  }
  ASSERT_TRUE(moving);
  NewDeal(game.flow, 0);
  EXPECT_FALSE(switched.view.Armed(TimerId::TimerEntreCarte));
  while (switched.Step(switched_choices)) {
  }
  EXPECT_EQ(game.flow.state.TrickNumber, 19);
  EXPECT_EQ(game.flow.state.TakerPoints + game.flow.state.DefencePoints, 182);
}

// What the play must hold at every moment, checked while deals are played to their score.
class WholeDealChecks {
 public:
  explicit WholeDealChecks(testing::DealDriver& driver) : d_(driver) {}

  // Before a tick of the card timer: the seat to play has a legal card, and the card it plays
  // is among them.
  void BeforeTurn() {
    before_ = d_.game.flow.state;
    ComputePlayableCards(before_, before_.CurrentSeat);
    const auto& flags = before_.Playable[before_.CurrentSeat];
    ASSERT_TRUE(std::count(flags.begin(), flags.end(), 1) >= 1);
  }
  void AfterTurn() {
    const int seat = before_.CurrentSeat;
    const int trick = before_.TrickNumber;
    const int slot = d_.game.flow.state.PlayedSlot[seat][trick];
    if (before_.Hands[seat][slot].InHand == 1 && d_.game.flow.state.Hands[seat][slot].InHand == 0) {
      EXPECT_EQ(before_.Playable[seat][slot], 1);
    }
  }

  // After each trick: one card of each seat, the right winner leads on.
  void AfterTrick() {
    std::vector<Card> trick;
    for (int seat = 1; seat <= 4; ++seat) {
      ASSERT_NE(d_.game.flow.state.TrickCards[seat].Suit, kNoSuit);
      cards_.insert(CardNumber(d_.game.flow.state.TrickCards[seat]));
    }
    EXPECT_EQ(d_.game.flow.state.TrickLeader, ExpectedWinner());
    EXPECT_EQ(d_.game.flow.state.CurrentSeat, d_.game.flow.state.TrickLeader);
    ++tricks_;
  }

  void AtTheEnd() {
    for (const Card& card : d_.game.flow.state.Dog)
      cards_.insert(CardNumber(card));
    EXPECT_EQ(tricks_, 18);
    EXPECT_EQ(cards_.size(), 78u);
    EXPECT_EQ(d_.game.flow.state.TakerPoints + d_.game.flow.state.DefencePoints, 182);
    EXPECT_EQ(d_.game.flow.state.TakerBouts + d_.game.flow.state.DefenceBouts, 3);
    for (const Hand& hand : d_.game.flow.state.Hands) {
      for (const Card& card : hand)
        EXPECT_EQ(card.InHand, 0);
    }
  }

 private:
  // Worked out apart from the rules: the highest trump, else the highest card of the first
  // suit led that is not the Excuse.
  int ExpectedWinner() const {
    const GameState& g = d_.game.flow.state;
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
    driver.game.flow.state.options.AtLeastOneTaker = 1;
    for (int deal = 0; deal < 25; ++deal) {
      SCOPED_TRACE(::testing::Message() << "run " << run << " deal " << deal);
      NewDeal(driver.game.flow, 0);
      int total_before = 0;
      for (int seat = 1; seat <= 4; ++seat)
        total_before += driver.game.flow.state.options.Scores[seat];
      WholeDealChecks checks(driver);
      int steps = 0;
      bool moving = true;
      while (moving && steps++ < 5000) {
        const bool card_turn = driver.view.Armed(TimerId::TimerEntreCarte) &&
                               !WaitsForClick(driver.game.flow.state.DealPhase) &&
                               driver.game.flow.state.TrickNumber >= 1 &&
                               driver.game.flow.state.TrickNumber <= 18 &&
                               !driver.view.Armed(TimerId::TimerEnchere);
        const bool computer_turn =
            card_turn && driver.game.flow.state.CurrentSeat != driver.game.flow.state.HumanSeat;
        if (computer_turn)
          checks.BeforeTurn();
        const int trick = driver.game.flow.state.TrickNumber;
        moving = driver.Step(choices);
        if (computer_turn)
          checks.AfterTurn();
        if (driver.game.flow.state.TrickNumber == trick + 1 && trick >= 1 &&
            driver.game.flow.state.DealPhase == Phase::TrickShown)
          checks.AfterTrick();
        if (driver.game.flow.state.TrickNumber == 2 && trick == 1) {
          EXPECT_TRUE(driver.view.Get(Control::menuPreviousTrick).enabled);
        }
      }
      ASSERT_FALSE(moving) << "the deal never reached its score";
      EXPECT_EQ(driver.view.Text(Control::info), "");
      checks.AtTheEnd();
      int total_after = 0;
      for (int seat = 1; seat <= 4; ++seat)
        total_after += driver.game.flow.state.options.Scores[seat];
      EXPECT_EQ(total_after, total_before);
    }
  }
}

}  // namespace
}  // namespace zarvane
