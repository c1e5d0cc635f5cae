#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/cards.h"
#include "core/deal.h"
#include "core/deal_code.h"
#include "tests/support/fixed_clock.h"

namespace zarvane {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

// The cards of the pack, in order, shared out as `place_of(card number)` says (5 the dog).
template <typename PlaceOf>
DealtDeal SharedOut(PlaceOf place_of, int first_player) {
  DealtDeal deal;
  deal.FirstPlayer = first_player;
  Table<int, 1, 5> filled{};
  for (int card = 1; card <= 78; ++card) {
    const int place = place_of(card);
    if (place == 5)
      deal.Dog[++filled[5]] = kPack[card];
    else
      deal.Hands[place][++filled[place]] = kPack[card];
  }
  return deal;
}

// The same cards in each hand and in the dog, compared once sorted as the table sorts them.
void ExpectSameDeal(const DealtDeal& expected, const DealtDeal& actual) {
  GameState a;
  GameState b;
  DealGivenHands(a, expected);
  DealGivenHands(b, actual);
  EXPECT_EQ(a.InitialHands, b.InitialHands);
  EXPECT_EQ(a.InitialDog, b.InitialDog);
  EXPECT_EQ(expected.FirstPlayer, actual.FirstPlayer);
}

DealtDeal Decoded(const std::string& code) {
  const DecodedDealCode decoded = DecodeDealCode(code);
  EXPECT_EQ(decoded.fault, CodeFault::None) << code;
  return decoded.deal.value_or(DealtDeal{});
}

// Dealt deals of every hand strength, and the first and the last of all the deals (every
// card's place the lowest or the highest it can be), come back card for card.
TEST(DealCode, EachDealComesBackCardForCard) {
  for (int force = 1; force <= 6; ++force) {
    for (int first = 1; first <= 4; ++first) {
      GameState game;
      BuildCardTable(game);
      for (int k = 1; k <= 78; ++k)
        game.DealOrder[k] = k;
      game.options.ForceOption = force;
      game.FirstPlayer = first;
      DealUntilAccepted(game, testing::SteppingClock(1000 * force + first));
      const DealtDeal dealt = DealAsDealt(game);
      const std::string code = EncodeDealCode(dealt);
      EXPECT_EQ(code.size(), static_cast<std::size_t>(kDealCodeLength));
      EXPECT_EQ(code.find_first_not_of(kAlphabet), std::string::npos) << code;
      ExpectSameDeal(dealt, Decoded(code));
      // A pasted code may bring spaces and a line end.
      ExpectSameDeal(dealt, Decoded("  " + code + "\n"));
    }
  }
  const DealtDeal lowest =
      SharedOut([](int card) { return card <= 72 ? 1 + (card - 1) / 18 : 5; }, 1);
  const DealtDeal highest =
      SharedOut([](int card) { return card <= 6 ? 5 : 4 - (card - 7) / 18; }, 4);
  EXPECT_EQ(EncodeDealCode(lowest).substr(0, kDealCodeLength - 1),
            std::string(kDealCodeLength - 1, 'A'));
  ExpectSameDeal(lowest, Decoded(EncodeDealCode(lowest)));
  ExpectSameDeal(highest, Decoded(EncodeDealCode(highest)));
  EXPECT_NE(EncodeDealCode(lowest), EncodeDealCode(highest));
}

// A slip of one character anywhere never deals another deal, and each kind of bad code says
// what is wrong with it.
TEST(DealCode, AMistypedCodeIsRefusedAndSaysWhy) {
  GameState game;
  BuildCardTable(game);
  for (int k = 1; k <= 78; ++k)
    game.DealOrder[k] = k;
  DealUntilAccepted(game, testing::SteppingClock(4242));
  const std::string code = EncodeDealCode(DealAsDealt(game));
  for (std::size_t at = 0; at < code.size(); ++at) {
    for (const char c : kAlphabet) {
      if (c == code[at])
        continue;
      std::string slip = code;
      slip[at] = c;
      EXPECT_FALSE(DecodeDealCode(slip).deal.has_value()) << slip;
    }
  }

  EXPECT_EQ(DecodeDealCode(code.substr(1)).fault, CodeFault::Length);
  EXPECT_EQ(DecodeDealCode(code + "A").fault, CodeFault::Length);
  EXPECT_EQ(DecodeDealCode("").fault, CodeFault::Length);
  std::string foreign = code;
  foreign[3] = '+';
  EXPECT_EQ(DecodeDealCode(foreign).fault, CodeFault::Character);
  std::string slip = code;
  slip[5] = slip[5] == 'B' ? 'C' : 'B';
  EXPECT_EQ(DecodeDealCode(slip).fault, CodeFault::Check);
  // Past the last deal: the largest number the characters can hold, with its check character.
  std::string too_far(kDealCodeLength - 1, '_');
  int past_the_check = 0;
  for (const char check : kAlphabet) {
    const CodeFault fault = DecodeDealCode(too_far + check).fault;
    if (fault == CodeFault::Check)
      continue;
    ++past_the_check;
    EXPECT_EQ(fault, CodeFault::NotADeal);
  }
  EXPECT_EQ(past_the_check, 1);
}

}  // namespace
}  // namespace zarvane
