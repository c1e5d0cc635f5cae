#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>

#include "core/card_play.h"
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
      game.options.Level = level;
      game.options.AtLeastOneTaker = 1;
      for (int deal = 0; deal < kDealsPerRun; ++deal) {
        SCOPED_TRACE(::testing::Message()
                     << "level " << level << " run " << run << " deal " << deal);
        NewDeal(game, 0);
        bool moving = true;
        for (int steps = 0; moving && steps < 5000; ++steps) {
          const int seat = game.CurrentSeat;
          const int trick = game.TrickNumber;
          const bool computer_card = driver.view.Armed(TimerId::TimerEntreCarte) &&
                                     !driver.view.Armed(TimerId::TimerEnchere) &&
                                     !WaitsForClick(game.DealPhase) && trick >= 1 && trick <= 18 &&
                                     seat != game.HumanSeat;
          // The rules' state alone: the strategy reads nothing else, and a copy of the whole game
          // at every step made this test slow.
          Core ahead = game;
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
          EXPECT_EQ(ahead.Playable[seat][game.PlayedSlot[seat][trick]], 1);
          if (asked == 1) {
            EXPECT_EQ(game.RuleState[16], level >= 3 ? 1 : 0);
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
  return game.DealPhase == Phase::SouthPlays && game.CurrentSeat == game.HumanSeat &&
         !driver.view.Armed(TimerId::TimerEntreCarte) && !WaitsForClick(game.DealPhase) &&
         game.DealPhase != Phase::Poignee && game.TrickNumber >= 1 && game.TrickNumber <= 18;
}

void ExpectSameCourse(const Game& a, const Game& b) {
  EXPECT_EQ(a.SavedDeck, b.SavedDeck);
  EXPECT_EQ(a.PlayedSlot, b.PlayedSlot);
  EXPECT_EQ(a.TrickLeaders, b.TrickLeaders);
  EXPECT_EQ(a.TakerPoints, b.TakerPoints);
  EXPECT_EQ(a.options.Scores, b.options.Scores);
  EXPECT_EQ(a.random.GeneratorState, b.random.GeneratorState);
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
      driver->game.options.Level = level;
      driver->game.options.AtLeastOneTaker = 1;
    }
    Game& game = advised.game;
    int asked = 0;
    int first_card_advised = 0;
    const int last_trick = level == 1 ? 19 : 5;
    for (int deal = 0; deal < (level == 1 ? 8 : 1); ++deal) {
      NewDeal(plain.game, 0);
      NewDeal(game, 0);
      while (plain.game.TrickNumber < last_trick && plain.Step(plain_choices)) {
      }
      do {
        if (!advised.view.Get(Control::SBConseilCarte).enabled) {
          // The key pressed while the advice is closed lifts nothing.
          Apply(game, Move{MoveKind::CardAdvice});
          EXPECT_FALSE(game.AdvisedSlot.has_value());
        }
        if (!SouthToPlay(advised))
          continue;
        const bool open = advised.view.Get(Control::SBConseilCarte).enabled;
        EXPECT_EQ(open, advised.view.Get(Control::menuConseilCarte).enabled);
        // The card advised at an earlier turn went back down with South's card.
        for (int slot = 1; slot <= 18; ++slot) {
          if (game.Hands[game.HumanSeat][slot].InHand == 1) {
            EXPECT_EQ(advised.view.Get(Control::Carte3D, slot).top, SouthCardTop(game, slot));
          }
        }
        for (int again = 0; again < (level == 1 ? 3 : 1) && open; ++again) {
          Apply(game, Move{MoveKind::CardAdvice});
          ASSERT_TRUE(game.AdvisedSlot.has_value());
          const int slot = *game.AdvisedSlot;
          EXPECT_EQ(game.Playable[game.HumanSeat][slot], 1);
          EXPECT_EQ(advised.view.Get(Control::Carte3D, slot).top,
                    SouthCardTop(game, slot) - game.layout.SelectLift);
          ++asked;
          first_card_advised += slot == 1 ? 1 : 0;
        }
      } while (game.TrickNumber < last_trick && advised.Step(advised_choices));
      if (game.TrickNumber == 19) {
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
    driver->game.options.Level = kExpertLevel;
    driver->game.options.AtLeastOneTaker = 1;
    NewDeal(driver->game, 0);
  }
  // Both deals as far as the sixth trick: the Expert's thinking is slow.
  while (quiet.game.TrickNumber < 6 && quiet.Step(quiet_choices)) {
  }
  // The language changes while a computer seat's card is pending, twice in the deal.
  Game& game = switched.game;
  int changes = 0;
  do {
    if (switched.TurnPending() && game.CurrentSeat != game.HumanSeat &&
        ((game.TrickNumber == 2 && changes == 0) || (game.TrickNumber == 5 && changes == 1))) {
      ChooseLanguage(game, game.Language == 1 ? 2 : 1);
      ++changes;
    }
  } while (game.TrickNumber < 6 && switched.Step(switched_choices));
  EXPECT_EQ(changes, 2);
  ExpectSameCourse(quiet.game, game);

  // A new deal while a computer seat's card is pending: the pending card is dropped and the new
  // deal, at Pro, is played to its score.
  game.options.Level = 4;
  NewDeal(game, 0);
  bool moving = true;
  while (moving &&
         !(switched.TurnPending() && game.TrickNumber == 3 && game.CurrentSeat != game.HumanSeat)) {
    moving = switched.Step(switched_choices);
  }
  ASSERT_TRUE(moving);
  NewDeal(game, 0);
  EXPECT_FALSE(switched.view.Armed(TimerId::TimerEntreCarte));
  while (switched.Step(switched_choices)) {
  }
  EXPECT_EQ(game.TrickNumber, 19);
  EXPECT_EQ(game.TakerPoints + game.DefencePoints, 182);
}

}  // namespace
}  // namespace zarvane
