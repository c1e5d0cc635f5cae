#include "core/strategy/rule_order.h"

#include <array>

namespace zarvane {

namespace {

constexpr std::array<int, 70> kRuleOrder = {
    15,  250, 251, 191, 370, 103, 104, 350, 351, 385, 381, 383, 301, 318, 319, 310, 315, 316,
    317, 320, 325, 203, 21,  170, 4,   201, 7,   181, 118, 252, 172, 9,   10,  190, 333, 16,
    204, 130, 182, 180, 160, 119, 120, 152, 150, 151, 386, 384, 112, 113, 11,  340, 330, 331,
    332, 300, 116, 115, 114, 101, 22,  19,  13,  18,  2,   3,   5,   14,  6,   1};

struct LevelMinimum {
  int number;
  int level;
};

// Rules the lower levels play without; every other rule runs at every level.
constexpr std::array<LevelMinimum, 22> kLevelMinimums = {{
    {104, 2}, {381, 2}, {201, 2}, {340, 2}, {350, 3}, {385, 3}, {383, 3}, {301, 3},
    {310, 3}, {203, 3}, {333, 3}, {16, 3},  {182, 3}, {152, 3}, {150, 3}, {151, 3},
    {351, 4}, {318, 4}, {319, 4}, {320, 4}, {325, 4}, {180, 4},
}};

}  // namespace

std::span<const int> RuleOrder() {
  return kRuleOrder;
}

int MinimumLevel(int number) {
  for (const LevelMinimum& minimum : kLevelMinimums) {
    if (minimum.number == number)
      return minimum.level;
  }
  return 1;
}

}  // namespace zarvane
