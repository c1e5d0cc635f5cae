#include <gtest/gtest.h>

#include "common/random.h"
#include "tests/support/fixed_clock.h"

namespace zarvane {
namespace {

TEST(Generator, FromStateZeroTheFirstDrawIsZeroAndTheStateMovesOnByTheMultiplier) {
  for (std::uint32_t n : {1u, 2u, 78u, 100u, 4294967295u}) {
    Generator generator;
    EXPECT_EQ(RandomBelow(generator, n), 0u) << n;
    EXPECT_EQ(generator.GeneratorState, 1u);
    RandomBelow(generator, n);
    EXPECT_EQ(generator.GeneratorState, 134775813u + 1u);
  }
}

TEST(Generator, TheDrawIsTheHighHalfOfTheProductSoItScalesWithTheStateNotItsLowBits) {
  Generator generator{.GeneratorState = 0x7FFFFFFFu};
  const std::uint32_t next = 0x7FFFFFFFu * 134775813u + 1u;
  const std::uint32_t draw = RandomBelow(generator, 1000);
  EXPECT_EQ(generator.GeneratorState, next);
  EXPECT_EQ(draw, static_cast<std::uint32_t>(double(next) / 4294967296.0 * 1000));
}

TEST(Generator, RandomUpToStaysWithinOneToNAndReachesBothEnds) {
  Generator generator{.GeneratorState = 12345};
  bool saw_one = false;
  bool saw_six = false;
  for (int i = 0; i < 1000; ++i) {
    const int draw = RandomUpTo(generator, 6);
    ASSERT_GE(draw, 1);
    ASSERT_LE(draw, 6);
    saw_one |= draw == 1;
    saw_six |= draw == 6;
  }
  EXPECT_TRUE(saw_one);
  EXPECT_TRUE(saw_six);
}

TEST(Generator, ReseedingTakesTheMillisecondsSinceMidnight) {
  Generator generator;
  ReseedFromClock(generator, testing::FixedClock({12, 34, 56, 789}));
  EXPECT_EQ(generator.GeneratorState, ((12u * 60 + 34) * 60 + 56) * 1000 + 789);

  ReseedFromClock(generator, testing::FixedClock({23, 59, 59, 999}));
  EXPECT_EQ(generator.GeneratorState, 86'399'999u);
}

TEST(Generator, TheRealClockGivesATimeOfDay) {
  const TimeOfDay now = UtcTimeOfDay();
  EXPECT_GE(now.hours, 0);
  EXPECT_LT(now.hours, 24);
  EXPECT_LT(now.minutes, 60);
  EXPECT_LT(now.seconds, 61);
  EXPECT_LT(now.milliseconds, 1000);
}

}  // namespace
}  // namespace zarvane
