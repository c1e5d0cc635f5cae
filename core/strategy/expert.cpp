#include "core/strategy/expert.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "core/card_play.h"
#include "core/scoring.h"
#include "core/strategy/auction_reading.h"
#include "core/strategy/hidden_cards.h"
#include "core/strategy/rehearsal.h"
#include "core/strategy/sampled_world.h"

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

// The decision's seed: the game's generator, the seat and the moment of the deal.
std::uint32_t DecisionSeed(const Core& game, int seat) {
  return game.random.GeneratorState ^ static_cast<std::uint32_t>(seat * 0x9E3779B9u) ^
         static_cast<std::uint32_t>(game.TrickNumber * 131 + game.CardsInTrick);
}

// One trial deal's generator: the decision's seed and the deal's index, mixed so that
// neighbouring indices draw unrelated deals.
Generator TrialGenerator(std::uint32_t seed, int index) {
  std::uint32_t h = seed ^ (static_cast<std::uint32_t>(index) * 0x9E3779B9u);
  h ^= h >> 16;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return Generator{h};
}

// Trial deals of the cards the seat cannot see, each played to the end once per card. Trial
// deal w is the same deal whichever thread plays it, and the totals are sums, so the threads
// may share the deals out in any order.
class Trials {
 public:
  Trials(const Core& game, int seat, const Thinking& thinking)
      : game_(game),
        seat_(seat),
        sign_(seat == game.Taker ? 1 : -1),
        seed_(DecisionSeed(game, seat)),
        thinking_(thinking),
        base_(std::make_unique<Core>(game)) {
    base_->options.Level = kProLevel;
  }

  bool Stopped() const { return thinking_.cancel && thinking_.cancel->load(); }

  // Adds to each card's total the taker's score, seen from the seat's side, of the trial
  // deals numbered from `first` to `first + count - 1`.
  void Play(const std::vector<int>& slots, std::vector<long>& totals, int first, int count) {
    std::atomic<int> next{first};
    const int threads = std::max(1, thinking_.threads);
    std::vector<std::vector<long>> sums(threads, std::vector<long>(slots.size(), 0));
    const auto work = [&](std::vector<long>& sum) {
      auto world = std::make_unique<Core>(*base_);
      auto trial = std::make_unique<Core>(*base_);
      for (int w = next++; w < first + count && !Stopped(); w = next++)
        PlayDeal(w, slots, sum, *world, *trial);
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
      helpers.emplace_back(work, std::ref(sums[t]));
    work(sums[0]);
    for (std::thread& helper : helpers)
      helper.join();
    for (const std::vector<long>& sum : sums) {
      for (std::size_t c = 0; c < totals.size(); ++c)
        totals[c] += sum[c];
    }
  }

 private:
  void PlayDeal(int index, const std::vector<int>& slots, std::vector<long>& sum, Core& world,
                Core& trial) const {
    Generator draws = TrialGenerator(seed_, index);
    world = *base_;
    if (!thinking_.sees_every_hand)
      SetUpWorld(world, game_, seat_, DrawDealAfterAuction(game_, seat_, draws, kDrawsPerWorld));
    // Every card meets the same draws of the other seats in this deal.
    world.random.GeneratorState = static_cast<std::uint32_t>(RandomBelow(draws, ~0u));
    for (std::size_t c = 0; c < slots.size(); ++c) {
      trial = world;
      ComputePlayableCards(trial, seat_);
      PlayCard(trial, seat_, slots[c]);
      PlayToTheEnd(trial);
      sum[c] += sign_ * TakerScore(trial);
    }
  }

  const Core& game_;
  int seat_;
  int sign_;
  std::uint32_t seed_;
  Thinking thinking_;
  // The real game's rules' state with the Pro rules at every seat; each thread copies it into
  // a drawn deal's world and one card's trial.
  std::unique_ptr<Core> base_;
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

int BestSlot(const Core& game, int seat, const std::vector<int>& slots, const Thinking& thinking) {
  Trials trials(game, seat, thinking);
  std::vector<long> totals(slots.size(), 0);
  trials.Play(slots, totals, 0, kFirstWorlds);
  const std::vector<int> kept = BestSlots(slots, totals, kKeptCards);
  std::vector<long> kept_totals;
  for (int slot : kept)
    kept_totals.push_back(totals[std::find(slots.begin(), slots.end(), slot) - slots.begin()]);
  trials.Play(kept, kept_totals, kFirstWorlds, kMoreWorlds);
  return trials.Stopped() ? -1 : BestSlots(kept, kept_totals, 1).front();
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

int ExpertCardSlot(const Core& game, int seat, const Thinking& thinking) {
  const std::vector<int> slots = DistinctPlayableSlots(game, seat);
  if (slots.size() <= 1)
    return slots.empty() ? -1 : slots.front();
  return BestSlot(game, seat, slots, thinking);
}

}  // namespace zarvane
