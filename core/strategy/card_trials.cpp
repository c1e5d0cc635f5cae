#include "core/strategy/card_trials.h"

#include "core/card_play.h"
#include "core/scoring.h"
#include "core/strategy/auction_reading.h"
#include "core/strategy/play_reading.h"
#include "core/strategy/rehearsal.h"
#include "core/strategy/sampled_world.h"

namespace zarvane {

namespace {

// Each drawn deal is the likeliest of a few draws in the light of the auction.
constexpr int kCardDrawsPerWorld = 32;

// The decision's seed: the game's generator, the seat and the moment of the deal.
std::uint32_t DecisionSeed(const Core& game, int seat) {
  return game.random.GeneratorState ^ static_cast<std::uint32_t>(seat * 0x9E3779B9u) ^
         static_cast<std::uint32_t>(game.TrickNumber * 131 + game.CardsInTrick);
}

}  // namespace

CardTrials::CardTrials(const Core& game, int seat, const Thinking& thinking)
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

const Core& CardTrials::World(int thread, int index) {
  Core& world = worlds_[thread];
  Generator draws = TrialGenerator(seed_, index);
  if (thinking_.sees_every_hand)
    world = *base_;
  else
    SetUpDrawnWorld(world, scratch_[thread], draws);
  world.random.GeneratorState = static_cast<std::uint32_t>(RandomBelow(draws, ~0u));
  return world;
}

const Core& CardTrials::PlayedOut(int thread, const Core& world, int slot) {
  Core& trial = trials_[thread];
  trial = world;
  ComputePlayableCards(trial, seat_);
  PlayCard(trial, seat_, slot);
  PlayToTheEnd(trial);
  return trial;
}

void CardTrials::PlayDeal(int thread, int index, const std::vector<int>& slots,
                          std::vector<long>& sums) {
  const Core& world = World(thread, index);
  for (std::size_t c = 0; c < slots.size(); ++c)
    sums[c] += sign_ * TakerScore(PlayedOut(thread, world, slots[c]));
}

// The world of a drawn deal that agrees with the auction and, unless measuring without, with
// the cards played so far.
void CardTrials::SetUpDrawnWorld(Core& world, Core& scratch, Generator& draws) {
  if (thinking_.reads_plays) {
    SetUpLikeliestWorld(world, scratch, *base_, game_, seat_, drawer_, draws,
                        thinking_.reads_partners);
    return;
  }
  world = *base_;
  SetUpWorld(world, game_, seat_,
             DrawDealAfterAuction(game_, seat_, drawer_, draws, kCardDrawsPerWorld));
}

}  // namespace zarvane
