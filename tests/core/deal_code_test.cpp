#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/cards.h"
#include "core/deal.h"
#include "core/deal_code.h"
#include "tests/support/fixed_clock.h"

namespace zarvane {
namespace {

constexpr std::string_view kCompactAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr std::string_view kReadableAlphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

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

// A deal drawn at random among all the deals, every place as likely as the rules allow.
DealtDeal RandomDeal(std::mt19937& draw) {
  std::vector<int> places;
  for (int place = 1; place <= 5; ++place)
    places.insert(places.end(), place == 5 ? 6 : 18, place);
  std::shuffle(places.begin(), places.end(), draw);
  return SharedOut([&](int card) { return places[static_cast<std::size_t>(card - 1)]; },
                   static_cast<int>(draw() % 4) + 1);
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

// The readable form as shown: 7 groups of 5 characters of its alphabet, joined by dashes.
void ExpectShownForm(const std::string& code) {
  ASSERT_EQ(code.size(), static_cast<std::size_t>(kShownDealCodeLength)) << code;
  for (std::size_t at = 0; at < code.size(); ++at) {
    if (at % 6 == 5)
      EXPECT_EQ(code[at], '-') << code;
    else
      EXPECT_NE(kReadableAlphabet.find(code[at]), std::string_view::npos) << code;
  }
}

// The place in the shown code of the k-th character that counts (0-based).
std::size_t ShownPlace(int k) {
  return static_cast<std::size_t>(k + k / kDealCodeGroupSize);
}

std::string WithoutDashes(std::string code) {
  std::erase(code, '-');
  return code;
}

std::string Lowered(std::string code) {
  for (char& c : code)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return code;
}

// Every 0 and 1 of the code written as `zero` and `one`.
std::string LookAlikes(std::string code, char zero, char one) {
  std::replace(code.begin(), code.end(), '0', zero);
  std::replace(code.begin(), code.end(), '1', one);
  return code;
}

DealtDeal SampleDeal() {
  GameState game;
  BuildCardTable(game);
  for (int k = 1; k <= 78; ++k)
    game.DealOrder[k] = k;
  DealUntilAccepted(game, testing::SteppingClock(4242));
  return DealAsDealt(game);
}

std::string SampleCode() {
  return EncodeDealCode(SampleDeal());
}

// Dealt deals of every hand strength, deals drawn at random among all of them, and the first
// and the last of all the deals (every card's place the lowest or the highest it can be) come
// back card for card from both forms of their code.
TEST(DealCode, EachDealComesBackCardForCardFromBothForms) {
  const auto expect_both_forms_give = [](const DealtDeal& deal) {
    const std::string readable = EncodeDealCode(deal);
    const std::string compact = EncodeCompactDealCode(deal);
    ExpectShownForm(readable);
    EXPECT_EQ(compact.size(), static_cast<std::size_t>(kCompactDealCodeLength));
    EXPECT_EQ(compact.find_first_not_of(kCompactAlphabet), std::string::npos) << compact;
    ExpectSameDeal(deal, Decoded(readable));
    ExpectSameDeal(deal, Decoded(compact));
    // A pasted code may bring spaces and a line end.
    ExpectSameDeal(deal, Decoded("  " + readable + "\n"));
    ExpectSameDeal(deal, Decoded("  " + compact + "\n"));
  };
  for (int force = 1; force <= 6; ++force) {
    for (int first = 1; first <= 4; ++first) {
      GameState game;
      BuildCardTable(game);
      for (int k = 1; k <= 78; ++k)
        game.DealOrder[k] = k;
      game.options.ForceOption = force;
      game.FirstPlayer = first;
      DealUntilAccepted(game, testing::SteppingClock(1000 * force + first));
      expect_both_forms_give(DealAsDealt(game));
    }
  }
  std::mt19937 draw(20240611);
  for (int k = 0; k < 2000; ++k)
    expect_both_forms_give(RandomDeal(draw));

  const DealtDeal lowest =
      SharedOut([](int card) { return card <= 72 ? 1 + (card - 1) / 18 : 5; }, 1);
  const DealtDeal highest =
      SharedOut([](int card) { return card <= 6 ? 5 : 4 - (card - 7) / 18; }, 4);
  EXPECT_EQ(EncodeDealCode(lowest), "00000-00000-00000-00000-00000-00000-00000");
  EXPECT_EQ(EncodeCompactDealCode(lowest).substr(0, kCompactDealCodeLength - 1),
            std::string(kCompactDealCodeLength - 1, 'A'));
  expect_both_forms_give(lowest);
  expect_both_forms_give(highest);
  EXPECT_NE(EncodeDealCode(lowest), EncodeDealCode(highest));
}

// The readable form is read whatever the case, the spaces and the dashes, and with O for 0, I
// and L for 1.
TEST(DealCode, CaseSeparatorsAndLookAlikesReadTheSame) {
  std::mt19937 draw(99);
  int zeros_and_ones = 0;
  for (int k = 0; k < 40; ++k) {
    const DealtDeal deal = RandomDeal(draw);
    const std::string code = EncodeDealCode(deal);
    zeros_and_ones += code.find('0') != std::string::npos && code.find('1') != std::string::npos;
    std::string spaced = code;
    std::replace(spaced.begin(), spaced.end(), '-', ' ');
    std::string untidy;
    for (const char c : WithoutDashes(code))
      untidy += std::string(untidy.size() % 3 == 0 ? " -" : "") + c;
    for (const std::string& variant :
         {Lowered(code), WithoutDashes(code), Lowered(WithoutDashes(code)), spaced,
          "\t" + spaced + " \r\n", untidy, LookAlikes(code, 'O', 'I'), LookAlikes(code, 'o', 'i'),
          LookAlikes(code, 'O', 'L'), LookAlikes(Lowered(code), 'o', 'l')}) {
      const DecodedDealCode decoded = DecodeDealCode(variant);
      ASSERT_TRUE(decoded.deal.has_value()) << variant;
      ExpectSameDeal(deal, *decoded.deal);
    }
  }
  EXPECT_GT(zeros_and_ones, 10);
}

// A slip of one character anywhere is refused and named with its group, a character the
// alphabet does not have too, and two neighbours swapped never read as another deal.
TEST(DealCode, ASlipIsRefusedWithItsGroup) {
  const std::string code = SampleCode();
  for (int k = 0; k < kDealCodeLength; ++k) {
    const std::size_t at = ShownPlace(k);
    const int group = k / kDealCodeGroupSize + 1;
    for (const char c : kReadableAlphabet) {
      if (c == code[at])
        continue;
      std::string slip = code;
      slip[at] = c;
      const DecodedDealCode decoded = DecodeDealCode(slip);
      EXPECT_FALSE(decoded.deal.has_value()) << slip;
      EXPECT_EQ(decoded.fault, CodeFault::Check) << slip;
      EXPECT_EQ(decoded.group, group) << slip;
    }
    for (const std::string_view foreign : {"U", "u", "+", "_", "\xC3\xA9"}) {
      std::string slip = code;
      slip.replace(at, 1, foreign);
      const DecodedDealCode decoded = DecodeDealCode(slip);
      EXPECT_EQ(decoded.fault, CodeFault::Character) << slip;
      EXPECT_EQ(decoded.group, group) << slip;
    }
  }
  const std::string bare = WithoutDashes(code);
  for (std::size_t at = 0; at + 1 < bare.size(); ++at) {
    if (bare[at] == bare[at + 1])
      continue;
    std::string swapped = bare;
    std::swap(swapped[at], swapped[at + 1]);
    EXPECT_EQ(DecodeDealCode(swapped).fault, CodeFault::Check) << swapped;
  }
}

// A code handed out in the compact form still deals its deal, which has the same code in the
// readable form as ever. The compact form is read as it was written, case and all: a slip of
// one character there, a change of case included, never deals another deal.
TEST(DealCode, ACompactCodeHandedOutBeforeStillDealsItsDeal) {
  const DealtDeal deal = SampleDeal();
  const std::string code = "GZoR_f65yitGBUhirlSK3TNtpibW_";
  EXPECT_EQ(EncodeCompactDealCode(deal), code);
  ExpectSameDeal(deal, Decoded(code));
  EXPECT_EQ(EncodeDealCode(deal), "SK88Z-VZNSS-8NMC1-A8CAQ-592PX-6DPT4-C9PPG");
  for (std::size_t at = 0; at < code.size(); ++at) {
    for (const char c : kCompactAlphabet) {
      if (c == code[at])
        continue;
      std::string slip = code;
      slip[at] = c;
      EXPECT_FALSE(DecodeDealCode(slip).deal.has_value()) << slip;
    }
  }
  std::string slip = code;
  slip[5] = slip[5] == 'B' ? 'C' : 'B';
  EXPECT_EQ(DecodeDealCode(slip).fault, CodeFault::Check);
  EXPECT_EQ(DecodeDealCode(slip).group, 0);
  // Past the last deal: the largest number the characters can hold, with its check character.
  const std::string too_far(kCompactDealCodeLength - 1, '_');
  int past_the_check = 0;
  for (const char check : kCompactAlphabet) {
    const CodeFault fault = DecodeDealCode(too_far + check).fault;
    if (fault == CodeFault::Check)
      continue;
    ++past_the_check;
    EXPECT_EQ(fault, CodeFault::NotADeal);
  }
  EXPECT_EQ(past_the_check, 1);
}

// A code of the wrong length says so, whatever its characters; the largest number the readable
// form can hold, with the only check characters that fit it, is no deal.
TEST(DealCode, WrongLengthsAndNumbersPastTheLastDeal) {
  const std::string bare = WithoutDashes(SampleCode());
  for (const std::string& wrong :
       {std::string(), bare.substr(1), bare + "0", bare.substr(0, 30) + "++++",
        std::string(kCompactDealCodeLength - 1, 'A'), std::string(kCompactDealCodeLength + 1, 'A'),
        std::string("   ")}) {
    EXPECT_EQ(DecodeDealCode(wrong).fault, CodeFault::Length) << wrong;
  }

  // Every data character at its highest: the check characters close groups 6 and 7.
  std::string too_far(kDealCodeLength, 'Z');
  int past_the_check = 0;
  for (const char first : kReadableAlphabet) {
    for (const char second : kReadableAlphabet) {
      too_far[6 * kDealCodeGroupSize - 1] = first;
      too_far[kDealCodeLength - 1] = second;
      const CodeFault fault = DecodeDealCode(too_far).fault;
      if (fault == CodeFault::Check)
        continue;
      ++past_the_check;
      EXPECT_EQ(fault, CodeFault::NotADeal);
    }
  }
  EXPECT_EQ(past_the_check, 1);
}

}  // namespace
}  // namespace zarvane
