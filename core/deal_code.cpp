#include "core/deal_code.h"

#include <array>
#include <cstdint>

#include "core/cards.h"

namespace zarvane {

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr std::uint32_t kBase = 64;
constexpr int kNumberLength = kDealCodeLength - 1;

// Each card's place: a seat 1..4, or 5 for the dog.
constexpr int kDogPlace = 5;
constexpr std::array<int, kDogPlace + 1> kPlaceSizes = {0, 18, 18, 18, 18, 6};

// An unsigned number wide enough for a deal's number (about 2^165), with the few operations
// the ranking needs, each by a small factor.
class Wide {
 public:
  explicit Wide(std::uint32_t value = 0) { limbs_[0] = value; }

  void MultiplyBy(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint64_t product = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
  }
  // Returns the remainder.
  std::uint32_t DivideBy(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (auto limb = limbs_.rbegin(); limb != limbs_.rend(); ++limb) {
      const std::uint64_t current = (remainder << 32) | *limb;
      *limb = static_cast<std::uint32_t>(current / divisor);
      remainder = current % divisor;
    }
    return static_cast<std::uint32_t>(remainder);
  }
  void Add(const Wide& other) {
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
      const std::uint64_t sum = std::uint64_t{limbs_[i]} + other.limbs_[i] + carry;
      limbs_[i] = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
  }
  // Only ever called with other <= *this.
  void Subtract(const Wide& other) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
      std::int64_t difference = std::int64_t{limbs_[i]} - other.limbs_[i] - borrow;
      borrow = difference < 0 ? 1 : 0;
      limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
    }
  }
  friend bool operator<(const Wide& a, const Wide& b) {
    for (std::size_t i = a.limbs_.size(); i-- > 0;) {
      if (a.limbs_[i] != b.limbs_[i])
        return a.limbs_[i] < b.limbs_[i];
    }
    return false;
  }

 private:
  std::array<std::uint32_t, 6> limbs_{};
};

// Counts of the places still to fill, and how many ways they can be filled.
struct Remaining {
  std::array<int, kDogPlace + 1> left = kPlaceSizes;
  int cards = 78;
  Wide ways = AllWays();

  // The ways left once one more card goes to `place`.
  Wide WaysAfter(int place) const {
    Wide after = ways;
    after.MultiplyBy(static_cast<std::uint32_t>(left[place]));
    after.DivideBy(static_cast<std::uint32_t>(cards));
    return after;
  }
  void Fill(int place) {
    ways = WaysAfter(place);
    --left[place];
    --cards;
  }

  // 78! / (18!^4 6!), built as a product of binomials so that every division is exact.
  static Wide AllWays() {
    Wide ways(1);
    int placed = 0;
    for (int place = 1; place <= kDogPlace; ++place) {
      for (int k = 1; k <= kPlaceSizes[place]; ++k) {
        ++placed;
        ways.MultiplyBy(static_cast<std::uint32_t>(placed));
        ways.DivideBy(static_cast<std::uint32_t>(k));
      }
    }
    return ways;
  }
};

// Luhn's check over an alphabet of 64: any single character changed, and most swaps of two
// neighbours, change the sum.
int CheckDigitSum(std::string_view digits, bool last_is_check) {
  int sum = 0;
  bool doubled = !last_is_check;
  for (auto c = digits.rbegin(); c != digits.rend(); ++c) {
    int addend = static_cast<int>(kAlphabet.find(*c));
    if (doubled) {
      addend *= 2;
      addend = addend / static_cast<int>(kBase) + addend % static_cast<int>(kBase);
    }
    sum += addend;
    doubled = !doubled;
  }
  return sum % static_cast<int>(kBase);
}

std::array<int, 79> PlacesOf(const DealtDeal& deal) {
  std::array<int, 79> places{};
  for (int seat = 1; seat <= 4; ++seat) {
    for (const Card& card : deal.Hands[seat])
      places[static_cast<std::size_t>(CardNumber(card))] = seat;
  }
  for (const Card& card : deal.Dog)
    places[static_cast<std::size_t>(CardNumber(card))] = kDogPlace;
  return places;
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos)
    return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string EncodeDealCode(const DealtDeal& deal) {
  const std::array<int, 79> places = PlacesOf(deal);
  Wide number;
  Remaining remaining;
  for (int card = 1; card <= 78; ++card) {
    const int place = places[static_cast<std::size_t>(card)];
    for (int lower = 1; lower < place; ++lower) {
      if (remaining.left[lower] > 0)
        number.Add(remaining.WaysAfter(lower));
    }
    remaining.Fill(place);
  }
  number.MultiplyBy(4);
  number.Add(Wide(static_cast<std::uint32_t>(deal.FirstPlayer - 1)));
  std::string code(kNumberLength, 'A');
  for (int i = kNumberLength - 1; i >= 0; --i)
    code[static_cast<std::size_t>(i)] = kAlphabet[number.DivideBy(kBase)];
  const int check =
      (static_cast<int>(kBase) - CheckDigitSum(code, false)) % static_cast<int>(kBase);
  code += kAlphabet[static_cast<std::size_t>(check)];
  return code;
}

DecodedDealCode DecodeDealCode(std::string_view text) {
  const std::string_view code = Trimmed(text);
  if (code.size() != static_cast<std::size_t>(kDealCodeLength))
    return {std::nullopt, CodeFault::Length};
  if (code.find_first_not_of(kAlphabet) != std::string_view::npos)
    return {std::nullopt, CodeFault::Character};
  if (CheckDigitSum(code, true) != 0)
    return {std::nullopt, CodeFault::Check};
  Wide number;
  for (int i = 0; i < kNumberLength; ++i) {
    number.MultiplyBy(kBase);
    number.Add(Wide(static_cast<std::uint32_t>(kAlphabet.find(code[static_cast<std::size_t>(i)]))));
  }
  DealtDeal deal;
  deal.FirstPlayer = static_cast<int>(number.DivideBy(4)) + 1;
  Remaining remaining;
  if (!(number < remaining.ways))
    return {std::nullopt, CodeFault::NotADeal};
  std::array<int, kDogPlace + 1> filled{};
  for (int card = 1; card <= 78; ++card) {
    int place = 1;
    for (;; ++place) {
      if (remaining.left[place] == 0)
        continue;
      const Wide ways = remaining.WaysAfter(place);
      if (number < ways)
        break;
      number.Subtract(ways);
    }
    remaining.Fill(place);
    const int at = ++filled[static_cast<std::size_t>(place)];
    if (place == kDogPlace)
      deal.Dog[at] = kPack[card];
    else
      deal.Hands[place][at] = kPack[card];
  }
  return {deal, CodeFault::None};
}

}  // namespace zarvane
