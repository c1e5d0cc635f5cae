#include "core/strategy/choice_values.h"

#include <gtest/gtest.h>

namespace zarvane {
namespace {

// Four play-outs of three choices, paired: the second beats the first by 20, 0, 20 and 20,
// which averages 15 with a spread of 10 between play-outs, so a standard error of 5; the third
// does as well as the second on average.
PlayOuts FourPlayOuts() {
  const int points[4][3] = {{10, 30, 30}, {20, 20, 30}, {30, 50, 45}, {40, 60, 55}};
  const bool made[4][3] = {
      {true, true, true}, {true, true, false}, {false, true, false}, {false, false, false}};
  PlayOuts play_outs(4, std::vector<PlayOutEnd>(3));
  for (int p = 0; p < 4; ++p) {
    for (int c = 0; c < 3; ++c)
      play_outs[p][c] = {points[p][c], made[p][c]};
  }
  return play_outs;
}

// The best is the highest average, the first of two equals, unless the chosen one is among
// them; the cost's error is that of the differences play-out by play-out, not of each average.
TEST(ChoiceValues, TheBestAgainstTheChosenWithTheErrorOfTheirPairedDifference) {
  const ChoiceComparison first = CompareChoices(FourPlayOuts(), 0);
  EXPECT_EQ(first.best, 1u);
  EXPECT_DOUBLE_EQ(first.chosen_points, 25);
  EXPECT_DOUBLE_EQ(first.best_points, 40);
  EXPECT_DOUBLE_EQ(first.cost, 15);
  EXPECT_DOUBLE_EQ(first.cost_error, 5);
  EXPECT_DOUBLE_EQ(first.chosen_made, 0.5);
  EXPECT_DOUBLE_EQ(first.best_made, 0.75);

  // Over the first two play-outs alone the third is the best, by 20 and 10: an error of 5.
  PlayOuts two = FourPlayOuts();
  two.resize(2);
  EXPECT_EQ(CompareChoices(two, 0).best, 2u);
  EXPECT_DOUBLE_EQ(CompareChoices(two, 0).cost_error, 5);

  const ChoiceComparison third = CompareChoices(FourPlayOuts(), 2);
  EXPECT_EQ(third.best, 2u);
  EXPECT_DOUBLE_EQ(third.cost, 0);
  EXPECT_DOUBLE_EQ(third.cost_error, 0);
  EXPECT_DOUBLE_EQ(third.best_made, 0.25);
}

}  // namespace
}  // namespace zarvane
