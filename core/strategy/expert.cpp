#include "core/strategy/expert.h"

#include <algorithm>
#include <vector>

#include "core/card_play.h"
#include "core/strategy/card_trials.h"
#include "core/strategy/computer_card.h"
#include "core/strategy/trials.h"

namespace zarvane {

namespace {

// The thinking's budget, in trial deals, fixed so that a replayed deal thinks alike: every
// card worth comparing on a first few drawn deals, then the best few on more.
constexpr TrialBudget kCardBudget{.first_deals = 24, .kept = 3, .more_deals = 100};

// A card worth no more than the lowest: a plain card up to the 10, a trump from 2 to 20.
bool LowCard(const Card& card) {
  return card.Suit == kAtout ? card.Value >= 2 && card.Value <= 20 : card.Value <= 10;
}

// Cards of that suit strictly between the two values that are neither played nor the seat's.
bool NothingOutsideBetween(const Core& game, int seat, int suit, int low, int high) {
  for (int v = low + 1; v < high; ++v) {
    const int status = suit == kAtout ? game.TrumpStatus[seat][v] : game.CardStatus[seat][suit][v];
    if (status != kPlayed && status != seat)
      return false;
  }
  return true;
}

bool SamePlay(const Core& game, int seat, const Card& a, const Card& b) {
  return a.Suit == b.Suit && LowCard(a) && LowCard(b) &&
         NothingOutsideBetween(game, seat, a.Suit, std::min(a.Value, b.Value),
                               std::max(a.Value, b.Value));
}

// The slot of the card the "Pro" rules would play, or of the one among `slots` that plays alike.
int RulesCardSlot(const Core& game, int seat, const std::vector<int>& slots) {
  Core rules = game;
  rules.options.Level = kProLevel;
  ComputePlayableCards(rules, seat);
  MarkedRules unused;
  // The seat has two cards or more that play differently: the rules find one.
  return DistinctSlotFor(game, seat, slots, ComputerCardSlot(rules, seat, unused).value());
}

// The last trick at which the taker asks his own proof against the rules' card.
constexpr int kLastTakerTrickOfLessProof = 12;

double ProofAgainstRules(const Core& game, int seat, const Thinking& thinking) {
  const bool less = seat == game.Taker && game.TrickNumber <= kLastTakerTrickOfLessProof;
  return less ? thinking.taker_proof_before_last_tricks : thinking.proof_against_rules;
}

}  // namespace

std::vector<int> DistinctPlayableSlots(const Core& game, int seat) {
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

int DistinctSlotFor(const Core& game, int seat, const std::vector<int>& distinct, int slot) {
  for (int other : distinct) {
    if (other == slot || SamePlay(game, seat, game.Hands[seat][other], game.Hands[seat][slot]))
      return other;
  }
  return slot;
}

std::optional<int> ExpertCardSlot(const Core& game, int seat, const Thinking& thinking) {
  const std::vector<int> slots = DistinctPlayableSlots(game, seat);
  if (slots.empty())
    return std::nullopt;
  if (slots.size() == 1)
    return slots.front();
  CardTrials trials(game, seat, thinking);
  const TrialBudget budget{kCardBudget.first_deals * thinking.trial_scale, kCardBudget.kept,
                           kCardBudget.more_deals * thinking.trial_scale};
  const double proof = ProofAgainstRules(game, seat, thinking);
  Favourite rules_card;
  if (proof >= 0)
    rules_card = {RulesCardSlot(game, seat, slots), proof};
  return BestByTrials(
      slots, budget, thinking,
      [&](int thread, int index, const std::vector<int>& choices, std::vector<long>& sums) {
        trials.PlayDeal(thread, index, choices, sums);
      },
      rules_card);
}

}  // namespace zarvane
