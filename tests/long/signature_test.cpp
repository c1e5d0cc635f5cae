#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/consistency.h"
#include "flow/deal_flow.h"
#include "table/game.h"
#include "tests/support/deal_driver.h"
#include "tests/support/running_hash.h"

namespace zarvane {
namespace {

// Fixed-seed whole deals at one level, through the real flow and the recording screen, as one
// number: the generator after every move, every card played, every score and every change the
// screen received.
std::uint64_t CourseOfDeals(int level, int deals) {
  testing::DealDriver driver(level % 2 + 1, 45'000'000 + level * 1'000);
  Game& game = driver.game;
  game.flow.state.options.Level = level;
  std::mt19937 choices(static_cast<std::uint32_t>(level));
  testing::RunningHash course;
  for (int deal = 1; deal <= deals; ++deal) {
    NewDeal(game.flow, 0);
    while (driver.Step(choices)) {
      course.Add(game.flow.state.random.GeneratorState);
      const std::vector<std::string> faults = StateFaults(game.flow.state);
      EXPECT_TRUE(faults.empty()) << "level " << level << ", deal " << deal << ": " << faults[0];
    }
    for (int seat = 1; seat <= 4; ++seat) {
      for (int trick = 1; trick <= 18; ++trick)
        course.Add(game.flow.state.PlayedSlot[seat][trick]);
      course.Add(game.flow.state.options.Scores[seat]);
    }
    course.Add(game.flow.state.TakerPoints);
    course.Add(game.flow.state.DefencePoints);
  }
  course.Add(static_cast<std::int64_t>(driver.view.changes.value));
  return course.value;
}

// What the program does, recorded: a change of one of these numbers is a change of what the
// player sees or of how the computer plays, never a side effect of moving code.
TEST(Signature, FixedSeedDealsAtEveryLevelGoAsRecorded) {
  struct Recorded {
    int level;
    int deals;
    std::uint64_t signature;
  };
  const Recorded recorded[] = {
      {1, 12, 0x37157f69ea866574u},           {2, 12, 0x1b384159a924acf5u},
      {3, 12, 0xfe52d19dff8143e2u},           {4, 12, 0x85ae53b325be5f64u},
      {kExpertLevel, 2, 0x98f3c68784c84c48u},
  };
  for (const Recorded& r : recorded) {
    const std::uint64_t signature = CourseOfDeals(r.level, r.deals);
    EXPECT_EQ(signature, r.signature)
        << "level " << r.level << std::hex << std::showbase << ": " << signature;
  }
}

}  // namespace
}  // namespace zarvane
