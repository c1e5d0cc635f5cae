#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/card_play.h"
#include "core/cards.h"
#include "core/consistency.h"
#include "core/deal.h"
#include "core/play_preparation.h"
#include "tests/support/fixed_clock.h"

namespace zarvane {
namespace {

// A deal five cards into its play, taken by North: one trick done and a second begun.
GameState DealInPlay() {
  GameState game;
  BuildCardTable(game);
  for (int k = 1; k <= 78; ++k)
    game.DealOrder[k] = k;
  DealUntilAccepted(game, testing::FixedClock({9, 30, 0, 0}));
  game.Taker = kNorth;
  game.AnnouncedBid[kNorth] = kGarde;
  game.InitialDog = game.Dog;
  PreparePlay(game);
  game.DealPhase = Phase::Playing;
  game.TrickNumber = 1;
  game.TrickLeader = kEast;
  game.CurrentSeat = kEast;
  for (int card = 1; card <= 5; ++card) {
    if (game.DealPhase == Phase::TrickShown)
      ClearTrick(game);
    const int seat = game.CurrentSeat;
    ComputePlayableCards(game, seat);
    int slot = 1;
    while (game.Playable[seat][slot] != 1)
      ++slot;
    PlayCard(game, seat, slot);
  }
  return game;
}

bool Names(const std::vector<std::string>& faults, const std::string& words) {
  for (const std::string& fault : faults) {
    if (fault.find(words) != std::string::npos)
      return true;
  }
  return false;
}

// The check finds nothing wrong in a sound state, and names each kind of damage a wrong edit
// of the flow or the rules could leave.
TEST(StateFaults, ASoundDealPassesAndEachDamageIsNamed) {
  const GameState sound = DealInPlay();
  ASSERT_EQ(sound.TrickNumber, 2);
  ASSERT_EQ(sound.CardsInTrick, 1);
  EXPECT_TRUE(StateFaults(sound).empty());

  GameState late = sound;
  late.TrickNumber = 20;
  EXPECT_TRUE(Names(StateFaults(late), "TrickNumber is 20"));

  GameState twice = sound;
  twice.Dog[1] = twice.Hands[kSouth][1];
  EXPECT_TRUE(Names(StateFaults(twice), "places"));

  GameState unplayed = sound;
  for (Card& card : unplayed.Hands[kEast]) {
    if (card.InHand == 0) {
      card.InHand = 1;
      break;
    }
  }
  EXPECT_TRUE(Names(StateFaults(unplayed), "seat 2 has played"));

  GameState miscounted = sound;
  miscounted.TakerPoints += 2;
  EXPECT_TRUE(Names(StateFaults(miscounted), "half points"));

  GameState lost_bout = sound;
  lost_bout.TakerBouts += 1;
  EXPECT_TRUE(Names(StateFaults(lost_bout), "bouts"));
}

}  // namespace
}  // namespace zarvane
