#include "core/strategy/expert.h"

#include <algorithm>
#include <vector>

#include "core/card_play.h"
#include "core/scoring.h"
#include "core/strategy/auction_reading.h"
#include "core/strategy/hidden_cards.h"
#include "core/strategy/rehearsal.h"
#include "core/strategy/sampled_world.h"
#include "core/strategy/shared_operations.h"

namespace zarvane {

namespace {

// The thinking's budget, in trial deals, fixed so that a replayed deal thinks alike: every
// card worth comparing on a first few drawn deals, then the best few on more. Each deal is the
// likeliest of a few draws in the light of the auction.
constexpr int kFirstWorlds = 24;
constexpr int kKeptCards = 3;
constexpr int kMoreWorlds = 100;
constexpr int kDrawsPerWorld = 32;
constexpr int kProLevel = 4;

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

Generator ThinkingGenerator(const Core& game, int seat) {
  Generator thinking;
  thinking.GeneratorState = game.random.GeneratorState ^
                            static_cast<std::uint32_t>(seat * 0x9E3779B9u) ^
                            static_cast<std::uint32_t>(game.TrickNumber * 131 + game.CardsInTrick);
  return thinking;
}

// Trial deals of the cards the seat cannot see, each played to the end once per card.
class Trials {
 public:
  Trials(const Core& game, int seat)
      : game_(game),
        seat_(seat),
        sign_(seat == game.Taker ? 1 : -1),
        thinking_(ThinkingGenerator(game, seat)),
        base_(game),
        world_(game),
        trial_(game) {
    base_.options.Level = kProLevel;
  }

  // Adds to each card's total the taker's score, seen from the seat's side, of that many new
  // drawn deals.
  void Play(const std::vector<int>& slots, std::vector<long>& totals, int worlds) {
    for (int w = 0; w < worlds; ++w) {
      world_ = base_;
      SetUpWorld(world_, game_, seat_,
                 DrawDealAfterAuction(game_, seat_, thinking_, kDrawsPerWorld));
      // Every card meets the same draws of the other seats in this world.
      world_.random.GeneratorState = static_cast<std::uint32_t>(RandomBelow(thinking_, ~0u));
      for (std::size_t c = 0; c < slots.size(); ++c) {
        trial_ = world_;
        ComputePlayableCards(trial_, seat_);
        PlayCard(trial_, seat_, slots[c]);
        PlayToTheEnd(trial_);
        totals[c] += sign_ * TakerScore(trial_);
      }
    }
  }

 private:
  const Core& game_;
  int seat_;
  int sign_;
  Generator thinking_;
  // Plain copies of the rules' state: the real game's, the drawn deal's, one card's trial.
  Core base_;
  Core world_;
  Core trial_;
};

// The cards with the best totals, at most `count`, in slot order.
std::vector<int> BestSlots(const std::vector<int>& slots, const std::vector<long>& totals,
                           std::size_t count) {
  std::vector<std::size_t> order(slots.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return totals[a] > totals[b]; });
  order.resize(std::min(count, order.size()));
  std::sort(order.begin(), order.end());
  std::vector<int> best;
  for (std::size_t i : order)
    best.push_back(slots[i]);
  return best;
}

int BestSlot(const Core& game, int seat, const std::vector<int>& slots) {
  Trials trials(game, seat);
  std::vector<long> totals(slots.size(), 0);
  trials.Play(slots, totals, kFirstWorlds);
  const std::vector<int> kept = BestSlots(slots, totals, kKeptCards);
  std::vector<long> kept_totals;
  for (int slot : kept)
    kept_totals.push_back(totals[std::find(slots.begin(), slots.end(), slot) - slots.begin()]);
  trials.Play(kept, kept_totals, kMoreWorlds);
  return BestSlots(kept, kept_totals, 1).front();
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

void ChooseExpertCard(Core& game, int seat) {
  const std::vector<int> slots = DistinctPlayableSlots(game, seat);
  if (slots.size() <= 1) {
    if (!slots.empty())
      ChooseSlot(game, seat, slots.front());
    return;
  }
  ChooseSlot(game, seat, BestSlot(game, seat, slots));
}

}  // namespace zarvane
