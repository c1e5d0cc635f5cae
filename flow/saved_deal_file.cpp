#include "flow/saved_deal_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>

#include "core/deal_code.h"
#include "settings/options_file.h"

namespace zarvane {

namespace {

using Json = nlohmann::json;

constexpr std::string_view kProgram = "Zarvane";
constexpr int kFormat = 1;
// A player's deal never comes near these; they keep a foreign file from costing much.
constexpr std::size_t kMostMoves = 20'000;
constexpr int kLargestArgument = 1000;

std::optional<std::int64_t> IntegerIn(const Json& value, std::int64_t first, std::int64_t last) {
  std::int64_t number = 0;
  if (value.is_number_unsigned()) {
    const auto unsigned_number = value.get<std::uint64_t>();
    if (unsigned_number > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
      return std::nullopt;
    number = static_cast<std::int64_t>(unsigned_number);
  } else if (value.is_number_integer()) {
    number = value.get<std::int64_t>();
  } else {
    return std::nullopt;
  }
  if (number < first || number > last)
    return std::nullopt;
  return number;
}

std::optional<std::int64_t> Field(const Json& object, const char* key, std::int64_t first,
                                  std::int64_t last) {
  const auto found = object.find(key);
  if (found == object.end())
    return std::nullopt;
  return IntegerIn(*found, first, last);
}

// The 78 card numbers once each; or, for a saved deck never dealt, 78 zeros.
std::optional<Table<int, 1, 78>> PackOrder(const Json& object, const char* key,
                                           bool zeros_allowed) {
  const auto found = object.find(key);
  if (found == object.end() || !found->is_array() || found->size() != 78)
    return std::nullopt;
  Table<int, 1, 78> order{};
  std::array<bool, 79> seen{};
  int zeros = 0;
  for (int k = 1; k <= 78; ++k) {
    const auto number = IntegerIn((*found)[static_cast<std::size_t>(k - 1)], 0, 78);
    if (!number)
      return std::nullopt;
    order[k] = static_cast<int>(*number);
    if (*number == 0) {
      ++zeros;
    } else if (seen[static_cast<std::size_t>(*number)]) {
      return std::nullopt;
    } else {
      seen[static_cast<std::size_t>(*number)] = true;
    }
  }
  if (zeros != 0 && !(zeros_allowed && zeros == 78))
    return std::nullopt;
  return order;
}

Json PackOrderJson(const Table<int, 1, 78>& order) {
  Json array = Json::array();
  for (const int number : order)
    array.push_back(number);
  return array;
}

std::optional<Move> MoveFrom(const Json& entry) {
  if (!entry.is_array() || entry.empty() || entry.size() > 2 || !entry[0].is_string())
    return std::nullopt;
  const std::string& name = entry[0].get_ref<const std::string&>();
  Move move;
  const auto kind = MoveKindNamed(name);
  if (!kind)
    return std::nullopt;
  move.kind = *kind;
  if (entry.size() == 2) {
    const auto arg = IntegerIn(entry[1], -kLargestArgument, kLargestArgument);
    if (!arg)
      return std::nullopt;
    move.arg = static_cast<int>(*arg);
  }
  return move;
}

std::optional<DealCheck> CheckFrom(const Json& object) {
  const auto after = object.find("after");
  if (after == object.end() || !after->is_object())
    return std::nullopt;
  const auto generator = Field(*after, "generator", 0, 0xFFFF'FFFF);
  const auto phase = Field(*after, "phase", 0, static_cast<int>(Phase::Thinking));
  const auto trick = Field(*after, "trick", 0, 19);
  const auto cards = Field(*after, "cards_in_trick", 0, 4);
  if (!generator || !phase || !trick || !cards)
    return std::nullopt;
  return DealCheck{static_cast<std::uint32_t>(*generator), static_cast<int>(*phase),
                   static_cast<int>(*trick), static_cast<int>(*cards)};
}

// Absent in a deal still in progress; when present, a deal's line of the history.
std::optional<std::optional<ScoredDeal>> SettledFrom(const Json& object) {
  const auto found = object.find("settled");
  if (found == object.end())
    return std::optional<ScoredDeal>{};
  if (!found->is_string())
    return std::nullopt;
  const auto entry = ParseHistoryLine(found->get_ref<const std::string&>());
  if (!entry || entry->new_series)
    return std::nullopt;
  return entry->deal;
}

}  // namespace

std::string EncodeSavedDeal(const SavedDeal& saved) {
  const DealRecord& record = saved.record;
  Json moves = Json::array();
  for (const Move& move : record.Moves) {
    Json entry = Json::array({MoveName(move.kind)});
    if (move.arg != 0)
      entry.push_back(move.arg);
    moves.push_back(std::move(entry));
  }
  Json file = {
      {"program", kProgram},
      {"format", kFormat},
      {"deal", EncodeCompactDealCode(record.Deal)},
      {"replayed", record.ReplayedDeal},
      {"from_code", record.FromCode},
      {"generator", record.Generator},
      {"level", record.Level},
      {"deal_order", PackOrderJson(record.DealOrder)},
      {"saved_deck", PackOrderJson(record.SavedDeck)},
      {"moves", std::move(moves)},
      {"after",
       {{"generator", saved.check.Generator},
        {"phase", saved.check.Phase},
        {"trick", saved.check.TrickNumber},
        {"cards_in_trick", saved.check.CardsInTrick}}},
  };
  if (saved.settled)
    file["settled"] = DealLine(*saved.settled);
  return file.dump() + '\n';
}

std::optional<SavedDeal> DecodeSavedDeal(std::string_view text) {
  if (text.size() > kSavedDealLimit)
    return std::nullopt;
  const Json file = Json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (file.is_discarded() || !file.is_object())
    return std::nullopt;
  const auto program = file.find("program");
  if (program == file.end() || *program != kProgram ||
      Field(file, "format", kFormat, kFormat) == std::nullopt)
    return std::nullopt;

  SavedDeal saved;
  DealRecord& record = saved.record;
  const auto deal = file.find("deal");
  if (deal == file.end() || !deal->is_string())
    return std::nullopt;
  const DecodedDealCode decoded = DecodeDealCode(deal->get_ref<const std::string&>());
  if (!decoded.deal)
    return std::nullopt;
  record.Deal = *decoded.deal;

  const auto replayed = Field(file, "replayed", 0, 1);
  const auto generator = Field(file, "generator", 0, 0xFFFF'FFFF);
  const auto level = Field(file, "level", kLevelRange.first, kLevelRange.last);
  const auto from_code = file.find("from_code");
  const auto deal_order = PackOrder(file, "deal_order", false);
  const auto saved_deck = PackOrder(file, "saved_deck", true);
  const auto check = CheckFrom(file);
  const auto settled = SettledFrom(file);
  const auto moves = file.find("moves");
  if (!replayed || !generator || !level || from_code == file.end() || !from_code->is_boolean() ||
      !deal_order || !saved_deck || !check || !settled || moves == file.end() ||
      !moves->is_array() || moves->size() > kMostMoves) {
    return std::nullopt;
  }
  record.Open = true;
  record.ReplayedDeal = static_cast<int>(*replayed);
  record.FromCode = from_code->get<bool>();
  record.Generator = static_cast<std::uint32_t>(*generator);
  record.Level = static_cast<int>(*level);
  record.DealOrder = *deal_order;
  record.SavedDeck = *saved_deck;
  for (const Json& entry : *moves) {
    const auto move = MoveFrom(entry);
    if (!move)
      return std::nullopt;
    record.Moves.push_back(*move);
  }
  saved.check = *check;
  saved.settled = *settled;
  return saved;
}

}  // namespace zarvane
