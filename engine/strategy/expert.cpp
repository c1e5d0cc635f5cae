#include "engine/strategy/expert.h"

#include <algorithm>
#include <vector>

#include "engine/card_play.h"
#include "engine/scoring.h"
#include "engine/strategy/hidden_cards.h"
#include "engine/strategy/rehearsal.h"
#include "engine/strategy/sampled_world.h"
#include "engine/strategy/shared_operations.h"

namespace zarvane {

namespace {

// The thinking's budget: a fixed number of trial deals, shared among the cards worth
// comparing, so that one decision takes about the same time early and late in the deal.
constexpr int kTrialBudget = 240;
constexpr int kFewestWorlds = 8;
constexpr int kMostWorlds = 40;
constexpr int kProLevel = 4;

// A card worth no more than the lowest: a plain card up to the 10, a trump from 2 to 20.
bool LowCard(const Card& card) {
  return card.Suit == kAtout ? card.Value >= 2 && card.Value <= 20 : card.Value <= 10;
}

// Cards of that suit strictly between the two values that are neither played nor the seat's.
bool NothingOutsideBetween(const GameState& game, int seat, int suit, int low, int high) {
  for (int v = low + 1; v < high; ++v) {
    const int status = suit == kAtout ? game.TrumpStatus[seat][v] : game.CardStatus[seat][suit][v];
    if (status != kPlayed && status != seat)
      return false;
  }
  return true;
}

bool SamePlay(const GameState& game, int seat, const Card& a, const Card& b) {
  return a.Suit == b.Suit && LowCard(a) && LowCard(b) &&
         NothingOutsideBetween(game, seat, a.Suit, std::min(a.Value, b.Value),
                               std::max(a.Value, b.Value));
}

Generator ThinkingGenerator(const Game& game, int seat) {
  Generator thinking;
  thinking.GeneratorState = game.random.GeneratorState ^
                            static_cast<std::uint32_t>(seat * 0x9E3779B9u) ^
                            static_cast<std::uint32_t>(game.TrickNumber * 131 + game.CardsInTrick);
  return thinking;
}

// The taker's score of each trial deal, seen from the seat's side, added up per card.
std::vector<long> TrialTotals(const Game& game, int seat, const std::vector<int>& slots) {
  Generator thinking = ThinkingGenerator(game, seat);
  Rehearsal base(game);
  base.game.options.Level = kProLevel;
  Rehearsal world(base.game);
  Rehearsal trial(base.game);
  const int sign = seat == game.Taker ? 1 : -1;
  const int worlds =
      std::clamp(kTrialBudget / static_cast<int>(slots.size()), kFewestWorlds, kMostWorlds);
  std::vector<long> totals(slots.size(), 0);
  for (int w = 0; w < worlds; ++w) {
    world.CopyFrom(base);
    SetUpWorld(world.game, game, seat, DrawHiddenDeal(game, seat, thinking));
    // Every card meets the same draws of the other seats in this world.
    world.game.random.GeneratorState = static_cast<std::uint32_t>(RandomBelow(thinking, ~0u));
    for (std::size_t c = 0; c < slots.size(); ++c) {
      trial.CopyFrom(world);
      ComputePlayableCards(trial.game, seat);
      PlaceCard(trial.game, seat, slots[c]);
      PlayToTheEnd(trial.game);
      totals[c] += sign * TakerScore(trial.game);
    }
  }
  return totals;
}

}  // namespace

std::vector<int> DistinctPlayableSlots(const GameState& game, int seat) {
  std::vector<int> distinct;
  for (int slot = 1; slot <= 18; ++slot) {
    if (game.Playable[seat][slot] != 1)
      continue;
    const Card& card = game.Hands[seat][slot];
    const bool seen = std::any_of(distinct.begin(), distinct.end(), [&](int other) {
      return SamePlay(game, seat, game.Hands[seat][other], card);
    });
    if (!seen)
      distinct.push_back(slot);
  }
  return distinct;
}

void ChooseExpertCard(Game& game, int seat) {
  const std::vector<int> slots = DistinctPlayableSlots(game, seat);
  if (slots.size() <= 1) {
    if (!slots.empty())
      ChooseSlot(game, seat, slots.front());
    return;
  }
  const std::vector<long> totals = TrialTotals(game, seat, slots);
  const auto best = std::max_element(totals.begin(), totals.end()) - totals.begin();
  ChooseSlot(game, seat, slots[static_cast<std::size_t>(best)]);
}

}  // namespace zarvane
