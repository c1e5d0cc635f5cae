#include "core/strategy/expert.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/card_play.h"
#include "core/scoring.h"
#include "core/strategy/auction_reading.h"
#include "core/strategy/computer_card.h"
#include "core/strategy/hidden_cards.h"
#include "core/strategy/play_reading.h"
#include "core/strategy/rehearsal.h"
#include "core/strategy/sampled_world.h"
#include "core/strategy/trials.h"

namespace zarvane {

namespace {

// The thinking's budget, in trial deals, fixed so that a replayed deal thinks alike: every
// card worth comparing on a first few drawn deals, then the best few on more. Each deal is the
// likeliest of a few draws in the light of the auction.
constexpr TrialBudget kBudget{.first_deals = 24, .kept = 3, .more_deals = 100};
constexpr int kDrawsPerWorld = 32;

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

// Trial deals of the cards the seat cannot see, each played to the end once per card.
class CardTrials {
 public:
  CardTrials(const Core& game, int seat, const Thinking& thinking)
      : game_(game),
        seat_(seat),
        sign_(seat == game.Taker ? 1 : -1),
        seed_(DecisionSeed(game, seat)),
        thinking_(thinking),
        drawer_(game, seat),
        base_(std::make_unique<Core>(game)),
        worlds_(thinking, *base_),
        scratch_(thinking, *base_),
        trials_(thinking, *base_) {
    base_->options.Level = kProLevel;
  }

  // Adds to each card's sum the taker's score, seen from the seat's side, of trial deal
  // `index`: every card meets the same draws of the other seats.
  void PlayDeal(int thread, int index, const std::vector<int>& slots, std::vector<long>& sums) {
    Core& world = worlds_[thread];
    Core& trial = trials_[thread];
    Generator draws = TrialGenerator(seed_, index);
    if (thinking_.sees_every_hand)
      world = *base_;
    else
      SetUpDrawnWorld(world, scratch_[thread], draws);
    world.random.GeneratorState = static_cast<std::uint32_t>(RandomBelow(draws, ~0u));
    for (std::size_t c = 0; c < slots.size(); ++c) {
      trial = world;
      ComputePlayableCards(trial, seat_);
      PlayCard(trial, seat_, slots[c]);
      PlayToTheEnd(trial);
      sums[c] += sign_ * TakerScore(trial);
    }
  }

 private:
  // The world of a drawn deal that agrees with the auction and, unless measuring without,
  // with the cards played so far.
  void SetUpDrawnWorld(Core& world, Core& scratch, Generator& draws) {
    if (thinking_.reads_plays) {
      SetUpLikeliestWorld(world, scratch, *base_, game_, seat_, drawer_, draws,
                          thinking_.reads_partners);
      return;
    }
    world = *base_;
    SetUpWorld(world, game_, seat_,
               DrawDealAfterAuction(game_, seat_, drawer_, draws, kDrawsPerWorld));
  }

  const Core& game_;
  int seat_;
  int sign_;
  std::uint32_t seed_;
  Thinking thinking_;
  HiddenDealDrawer drawer_;
  // The real game's rules' state with the Pro rules at every seat; each thread copies it into
  // a drawn deal's world and one card's trial.
  std::unique_ptr<Core> base_;
  ThreadCopies<Core> worlds_;
  ThreadCopies<Core> scratch_;
  ThreadCopies<Core> trials_;
};

// The slot of the card the "Pro" rules would play, or of the one among `slots` that plays alike.
int RulesCardSlot(const Core& game, int seat, const std::vector<int>& slots) {
  Core rules = game;
  rules.options.Level = kProLevel;
  ComputePlayableCards(rules, seat);
  MarkedRules unused;
  const int slot = ComputerCardSlot(rules, seat, unused);
  for (int distinct : slots) {
    if (distinct == slot ||
        SamePlay(game, seat, game.Hands[seat][distinct], game.Hands[seat][slot]))
      return distinct;
  }
  return slot;
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

int ExpertCardSlot(const Core& game, int seat, const Thinking& thinking) {
  const std::vector<int> slots = DistinctPlayableSlots(game, seat);
  if (slots.size() <= 1)
    return slots.empty() ? -1 : slots.front();
  CardTrials trials(game, seat, thinking);
  const TrialBudget budget{kBudget.first_deals * thinking.trial_scale, kBudget.kept,
                           kBudget.more_deals * thinking.trial_scale};
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
