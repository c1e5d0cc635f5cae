#include <gtest/gtest.h>

#include "flow/deal_flow.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "settings/options_file.h"
#include "table/game.h"
#include "tests/support/deal_driver.h"
#include "tests/support/soak.h"

namespace zarvane::testing {
namespace {

// Faults the soak found, each kept by the events that first showed it.

// A card tick that comes during the auction, when no turn of play is due, used to play a
// card for the seat to speak and then read the taker's tables with no taker yet.
TEST(SoakReplay, ACardTickDuringTheAuctionPlaysNothing) {
  EXPECT_EQ(ReplaySoak("seed 1: PanelLancementClick StaleTimerEntreCarte", SoakFolder("stale")),
            "");

  DealDriver driver;
  NewDeal(driver.game.flow, 0);
  Apply(driver.game.flow, Move{MoveKind::CardTick});
  for (int seat = 1; seat <= 4; ++seat)
    EXPECT_FALSE(driver.view.Visible(Control::CarteTable, seat));
  EXPECT_EQ(driver.game.flow.state.CardsInTrick, 0);
  EXPECT_TRUE(driver.view.Armed(TimerId::TimerEnchere));
}

// The same tick while the dog is on show, before the taker has taken it.
TEST(SoakReplay, ACardTickWhileTheDogIsShownPlaysNothing) {
  DealDriver driver;
  driver.game.flow.state.options.ForceOption = 3;  // South's hand is worth PRISE
  NewDeal(driver.game.flow, 0);
  std::mt19937 choices(1);
  while (driver.game.flow.state.DealPhase != Phase::DogShown &&
         driver.game.flow.state.DealPhase != Phase::Discard)
    ASSERT_TRUE(driver.Step(choices));
  ASSERT_EQ(driver.game.flow.state.DealPhase, Phase::DogShown);
  Apply(driver.game.flow, Move{MoveKind::CardTick});
  EXPECT_EQ(driver.game.flow.state.CardsInTrick, 0);
  for (int seat = 1; seat <= 4; ++seat)
    EXPECT_FALSE(driver.view.Visible(Control::CarteTable, seat));
}

// The timers tick while the quit question is open; a deal that ended meanwhile used to lose
// its score, written only before the question.
TEST(SoakReplay, ADealEndingWhileTheQuitQuestionIsOpenReachesTheFile) {
  DealDriver driver;
  std::mt19937 choices(3);
  Game& game = driver.game;
  // Up to the last card of a deal, to be played by a computer seat on the next card tick.
  while (!(game.flow.state.TrickNumber == 18 && game.flow.state.CardsInTrick == 3 &&
           game.flow.state.CurrentSeat != kSouth && driver.view.Armed(TimerId::TimerEntreCarte))) {
    if (!driver.Step(choices))
      NewDeal(game.flow, 0);
  }
  driver.view.while_a_box_is_open = [&driver] { driver.Fire(TimerId::TimerEntreCarte); };
  driver.view.answers.push_back(true);
  ASSERT_TRUE(QuitRequested(game.flow));
  ASSERT_EQ(game.flow.state.TrickNumber, 19);
  Options on_disk;
  ASSERT_EQ(ReadOptionsFile(game.flow.OptionsPath, on_disk), ReadStatus::Ok);
  EXPECT_NE(game.flow.state.options.Scores[1], 0);
  EXPECT_EQ(on_disk.Scores, game.flow.state.options.Scores);
}

}  // namespace
}  // namespace zarvane::testing
