#include "tests/support/soak.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace zarvane::testing {
namespace {

// Random clicks, menu commands and timer ticks, in any order: after every event the pack is
// whole, the tricks add up, something moves the game on and the totals are safe.
// Half the runs favour the moves that go forward, so that deals reach their score; the other
// half draw every reachable event alike, so that every command is tried many times.
TEST(Soak, ThousandsOfRandomEventsLeaveTheGameSound) {
  std::int64_t events = 0;
  std::int64_t deals = 0;
  std::vector<std::int64_t> fired(SoakEvents().size(), 0);
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    const SoakResult result = RunSoak(seed, 2000, SoakFolder("run"), seed % 2 == 0);
    ASSERT_EQ(result.failure, "") << "replay with:\n" << result.log;
    events += result.events;
    deals += result.deals_scored;
    for (std::size_t e = 0; e < fired.size(); ++e)
      fired[e] += result.fired[e];
  }
  EXPECT_EQ(events, 8000);
  EXPECT_GE(deals, 5);
  // The rarest (a triple poignee) need the long run; most are reached here.
  std::size_t reached = 0;
  for (std::int64_t count : fired)
    reached += count > 0 ? 1 : 0;
  EXPECT_GE(4 * reached, 3 * fired.size());
}

TEST(Soak, ARunReplaysExactlyFromItsLog) {
  const SoakResult first = RunSoak(99, 800, SoakFolder("first"));
  ASSERT_EQ(first.failure, "");
  EXPECT_EQ(ReplaySoak(first.log, SoakFolder("replay")), "");
  const SoakResult again = RunSoak(99, 800, SoakFolder("again"));
  EXPECT_EQ(again.log, first.log);
}

TEST(Soak, AReplayRefusesAnEventThePlayerCannotReach) {
  // Before the first deal there is no card to click.
  EXPECT_NE(ReplaySoak("seed 1: Carte3DClick:3", SoakFolder("refused")), "");
  EXPECT_NE(ReplaySoak("seed 1: NoSuchEvent", SoakFolder("unknown")), "");
}

}  // namespace
}  // namespace zarvane::testing
