#include "core/deal_code.h"

#include <array>
#include <cstdint>

#include "core/cards.h"

namespace zarvane {

namespace {

constexpr std::string_view kCompactAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr int kCompactBase = 64;
constexpr int kCompactNumberLength = kCompactDealCodeLength - 1;

// Crockford's: no I, L, O or U, so that nothing written can be read two ways.
constexpr std::string_view kReadableAlphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kReadableBase = 32;
// The check characters close the last two groups; the number's digits fill the other places.
constexpr int kFirstCheckPlace = (kDealCodeGroups - 1) * kDealCodeGroupSize - 1;
constexpr int kSecondCheckPlace = kDealCodeLength - 1;

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
int CompactCheckSum(std::string_view digits, bool last_is_check) {
  int sum = 0;
  bool doubled = !last_is_check;
  for (auto c = digits.rbegin(); c != digits.rend(); ++c) {
    int addend = static_cast<int>(kCompactAlphabet.find(*c));
    if (doubled) {
      addend *= 2;
      addend = addend / kCompactBase + addend % kCompactBase;
    }
    sum += addend;
    doubled = !doubled;
  }
  return sum % kCompactBase;
}

// The field of 32 elements (x^5 + x^2 + 1), one element per character of the readable form.
struct FieldTables {
  std::array<int, 62> power{};  // power[n] = x^n, written twice over so sums of logs need no mod
  std::array<int, 32> log{};
};

constexpr FieldTables MakeFieldTables() {
  FieldTables tables;
  int element = 1;
  for (int n = 0; n < 31; ++n) {
    tables.power[static_cast<std::size_t>(n)] = element;
    tables.power[static_cast<std::size_t>(n + 31)] = element;
    tables.log[static_cast<std::size_t>(element)] = n;
    element <<= 1;
    if (element & 32)
      element ^= 0b100101;
  }
  return tables;
}

constexpr FieldTables kField = MakeFieldTables();

int Power(int n) {
  return kField.power[static_cast<std::size_t>(n)];
}
int Times(int a, int b) {
  if (a == 0 || b == 0)
    return 0;
  return Power(kField.log[static_cast<std::size_t>(a)] + kField.log[static_cast<std::size_t>(b)]);
}
// b is never 0.
int Over(int a, int b) {
  if (a == 0)
    return 0;
  return Power(kField.log[static_cast<std::size_t>(a)] + 31 -
               kField.log[static_cast<std::size_t>(b)]);
}

using ReadableValues = std::array<int, kDealCodeLength>;

// Each character counts in two sums of the field, where adding is an exclusive or: once weighed
// by its place in its group (x^0..x^4), once more weighed by its group too (x^0..x^6). A whole
// code leaves both sums at nothing. A single slip e at place k of group g leaves e x^k and
// e x^k x^g, whose ratio x^g names the group; two neighbours never weigh the same, so two
// neighbours swapped show too.
struct CheckSums {
  int by_place = 0;
  int by_group = 0;
};

int PlaceWeight(int at) {
  return Power(at % kDealCodeGroupSize);
}
int GroupWeight(int at) {
  return Power(at / kDealCodeGroupSize);
}

CheckSums SumsOf(const ReadableValues& values) {
  CheckSums sums;
  for (int at = 0; at < kDealCodeLength; ++at) {
    const int weighed = Times(values[static_cast<std::size_t>(at)], PlaceWeight(at));
    sums.by_place ^= weighed;
    sums.by_group ^= Times(weighed, GroupWeight(at));
  }
  return sums;
}

// Sets the two check characters so that both sums come to nothing. With A and B the sums of the
// other characters, P and Q the checks weighed by place, and gP and gQ their groups' weights:
// P + Q = A and gP P + gQ Q = B, so Q = (B + gP A) / (gP + gQ) and P = A + Q.
void SetCheckCharacters(ReadableValues& values) {
  values[kFirstCheckPlace] = 0;
  values[kSecondCheckPlace] = 0;
  const CheckSums sums = SumsOf(values);
  const int first_group = GroupWeight(kFirstCheckPlace);
  const int second_group = GroupWeight(kSecondCheckPlace);
  const int q = Over(sums.by_group ^ Times(first_group, sums.by_place), first_group ^ second_group);
  const int p = sums.by_place ^ q;
  values[kFirstCheckPlace] = Over(p, PlaceWeight(kFirstCheckPlace));
  values[kSecondCheckPlace] = Over(q, PlaceWeight(kSecondCheckPlace));
}

// The group (1..7) a single slip would lie in to leave these sums; 0 when none would.
int SlipGroup(const CheckSums& sums) {
  if (sums.by_place == 0)
    return 0;
  const int ratio = Over(sums.by_group, sums.by_place);
  for (int group = 0; group < kDealCodeGroups; ++group) {
    if (Power(group) == ratio)
      return group + 1;
  }
  return 0;
}

bool IsCheckPlace(int at) {
  return at == kFirstCheckPlace || at == kSecondCheckPlace;
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

// The deal's rank among all the deals, times 4, plus the first player's seat less one.
Wide DealNumber(const DealtDeal& deal) {
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
  return number;
}

DecodedDealCode DealOfNumber(Wide number) {
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

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos)
    return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

bool IsCompactForm(std::string_view code) {
  return code.size() == static_cast<std::size_t>(kCompactDealCodeLength) &&
         code.find_first_not_of(kCompactAlphabet) == std::string_view::npos;
}

DecodedDealCode DecodeCompact(std::string_view code) {
  if (CompactCheckSum(code, true) != 0)
    return {std::nullopt, CodeFault::Check};
  Wide number;
  for (int i = 0; i < kCompactNumberLength; ++i) {
    number.MultiplyBy(kCompactBase);
    number.Add(
        Wide(static_cast<std::uint32_t>(kCompactAlphabet.find(code[static_cast<std::size_t>(i)]))));
  }
  return DealOfNumber(number);
}

bool IsSeparator(char c) {
  return c == '-' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The second and later bytes of a character written in UTF-8: the first byte alone stands
// for the character.
bool ContinuesCharacter(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A character's value 0..31, case ignored and the look-alikes read for what they stand for.
std::optional<int> ReadableValue(char c) {
  if (c >= 'a' && c <= 'z')
    c = static_cast<char>(c - 'a' + 'A');
  if (c == 'O')
    c = '0';
  else if (c == 'I' || c == 'L')
    c = '1';
  const auto value = kReadableAlphabet.find(c);
  if (value == std::string_view::npos)
    return std::nullopt;
  return static_cast<int>(value);
}

DecodedDealCode DecodeReadable(std::string_view text) {
  ReadableValues values{};
  int count = 0;
  int unknown_at = -1;
  for (const char c : text) {
    if (IsSeparator(c) || ContinuesCharacter(c))
      continue;
    if (count < kDealCodeLength) {
      const std::optional<int> value = ReadableValue(c);
      if (!value && unknown_at < 0)
        unknown_at = count;
      values[static_cast<std::size_t>(count)] = value.value_or(0);
    }
    ++count;
  }
  if (count != kDealCodeLength)
    return {std::nullopt, CodeFault::Length};
  if (unknown_at >= 0)
    return {std::nullopt, CodeFault::Character, unknown_at / kDealCodeGroupSize + 1};
  const CheckSums sums = SumsOf(values);
  if (sums.by_place != 0 || sums.by_group != 0)
    return {std::nullopt, CodeFault::Check, SlipGroup(sums)};
  Wide number;
  for (int at = 0; at < kDealCodeLength; ++at) {
    if (IsCheckPlace(at))
      continue;
    number.MultiplyBy(kReadableBase);
    number.Add(Wide(static_cast<std::uint32_t>(values[static_cast<std::size_t>(at)])));
  }
  return DealOfNumber(number);
}

}  // namespace

std::string EncodeDealCode(const DealtDeal& deal) {
  Wide number = DealNumber(deal);
  ReadableValues values{};
  for (int at = kDealCodeLength - 1; at >= 0; --at) {
    if (!IsCheckPlace(at))
      values[static_cast<std::size_t>(at)] = static_cast<int>(number.DivideBy(kReadableBase));
  }
  SetCheckCharacters(values);
  std::string code;
  code.reserve(kShownDealCodeLength);
  for (int at = 0; at < kDealCodeLength; ++at) {
    if (at > 0 && at % kDealCodeGroupSize == 0)
      code += '-';
    code += kReadableAlphabet[static_cast<std::size_t>(values[static_cast<std::size_t>(at)])];
  }
  return code;
}

std::string EncodeCompactDealCode(const DealtDeal& deal) {
  Wide number = DealNumber(deal);
  std::string code(kCompactNumberLength, 'A');
  for (int i = kCompactNumberLength - 1; i >= 0; --i)
    code[static_cast<std::size_t>(i)] = kCompactAlphabet[number.DivideBy(kCompactBase)];
  const int check = (kCompactBase - CompactCheckSum(code, false)) % kCompactBase;
  code += kCompactAlphabet[static_cast<std::size_t>(check)];
  return code;
}

DecodedDealCode DecodeDealCode(std::string_view text) {
  const std::string_view code = Trimmed(text);
  if (IsCompactForm(code))
    return DecodeCompact(code);
  return DecodeReadable(code);
}

}  // namespace zarvane
