#include "flow/deal_analysis.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "core/scoring.h"
#include "core/strategy/choice_values.h"
#include "core/strategy/expert.h"
#include "core/strategy/expert_bid.h"
#include "core/strategy/expert_discard.h"
#include "flow/deal_saving.h"
#include "flow/interrupted_deal.h"
#include "flow/moves.h"
#include "flow/poignee.h"
#include "flow/silent_presenter.h"

namespace zarvane {

namespace {

// One of South's decisions as the deal played again met it.
struct MetDecision {
  DecisionKind kind = DecisionKind::Card;
  // The rules' state when South had to decide and, for his discard, once he had made it.
  std::unique_ptr<GameState> position;
  std::unique_ptr<GameState> made;
  int choice = 0;
};

// The decision the table waits on South for, if any.
std::optional<DecisionKind> DecisionDue(const Core& game) {
  switch (game.DealPhase) {
    case Phase::SouthBids:
      return DecisionKind::Bid;
    case Phase::Discard:
      return DecisionKind::Discard;
    case Phase::Poignee:
      return DecisionKind::Poignee;
    case Phase::SouthPlays:
      if (game.CurrentSeat == kSouth)
        return DecisionKind::Card;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

// The slot of South's card that has left his hand since the position, if one has.
std::optional<int> SlotPlayed(const GameState& position, const Core& game) {
  for (int slot = 1; slot <= 18; ++slot) {
    if (position.Hands[kSouth][slot].InHand == 1 && game.Hands[kSouth][slot].InHand == 0)
      return slot;
  }
  return std::nullopt;
}

// South's choice once a move has made it: a move the table refused, or one on the way (a card
// picked for the discard, a trump marked for the poignee), makes none.
std::optional<int> ChoiceMade(const MetDecision& met, const Flow& game) {
  switch (met.kind) {
    case DecisionKind::Bid:
      if (game.state.DealPhase == Phase::SouthBids)
        return std::nullopt;
      return game.state.AnnouncedBid[kSouth];
    case DecisionKind::Discard:
      if (game.state.DealPhase == Phase::Discard)
        return std::nullopt;
      return 0;
    case DecisionKind::Poignee:
      if (game.state.DealPhase == Phase::Poignee)
        return std::nullopt;
      return game.state.PoigneeLevel;
    case DecisionKind::Card:
      return SlotPlayed(*met.position, game.state);
  }
  return std::nullopt;
}

// A copy of the game that shows nothing, stops no thinking of the game's and writes no file: a
// move played again from a record saves nothing, and a level chosen in the auction leaves the
// options file alone.
void Quieten(Flow& copy, Presenter& silent) {
  copy.presenter = &silent;
  copy.thinker = nullptr;
  copy.OptionsFileLeftAlone = true;
}

// South's decisions, met by playing the deal again from its record on a quiet copy of the game;
// none when the copy does not end where the game stands, for then it was not this deal.
std::optional<std::vector<MetDecision>> MeetSouthDecisions(const Flow& game) {
  const DealRecord record = game.Record;
  const DealCheck end = CheckOf(game.state);
  Flow copy = game;
  SilentPresenter silent(copy.state.random);
  Quieten(copy, silent);
  DealRecordedDealAgain(copy, record);
  std::vector<MetDecision> met;
  std::optional<MetDecision> pending;
  for (const Move& move : record.Moves) {
    if (copy.state.TrickNumber == kLastTrickDone)
      break;
    if (!pending) {
      if (const std::optional<DecisionKind> due = DecisionDue(copy.state))
        pending = MetDecision{*due, std::make_unique<GameState>(copy.state), nullptr, 0};
    }
    Apply(copy, move, MoveOrigin::Record);
    if (!pending)
      continue;
    if (const std::optional<int> choice = ChoiceMade(*pending, copy)) {
      pending->choice = *choice;
      if (pending->kind == DecisionKind::Discard)
        pending->made = std::make_unique<GameState>(copy.state);
      met.push_back(std::move(*pending));
      pending.reset();
    }
  }
  if (!(CheckOf(copy.state) == end))
    return std::nullopt;
  return met;
}

// How the decisions are weighed: the play-outs see every hand; the Expert sees what South saw.
struct Weighing {
  Thinking seeing;
  Thinking expert;
  int play_outs = kPlayOutsPerChoice;
};

std::size_t IndexOf(const std::vector<int>& choices, int choice) {
  return static_cast<std::size_t>(std::find(choices.begin(), choices.end(), choice) -
                                  choices.begin());
}

DecisionCost Forced(DecisionKind kind, int choice) {
  return {.kind = kind,
          .south_choice = choice,
          .best_choice = choice,
          .expert_choice = choice,
          .forced = true};
}

DecisionCost Costed(DecisionKind kind, const PlayOuts& play_outs, const std::vector<int>& choices,
                    std::size_t chosen, int expert_choice) {
  const ChoiceComparison comparison = CompareChoices(play_outs, chosen);
  return {.kind = kind,
          .south_choice = choices[chosen],
          .best_choice = choices[comparison.best],
          .expert_choice = expert_choice,
          .south_points = comparison.chosen_points,
          .best_points = comparison.best_points,
          .cost = comparison.cost,
          .cost_error = comparison.cost_error,
          .south_made = comparison.chosen_made,
          .best_made = comparison.best_made};
}

bool Stopped(const Weighing& weighing) {
  return Stopped(weighing.seeing);
}

// PASSE and every bid above the highest at his turn, each followed by the auction, the dog and
// the discard as the computer would make them.
std::optional<DecisionCost> WeighBid(const MetDecision& met, const Weighing& weighing) {
  const GameState& position = *met.position;
  const std::vector<int> bids = PossibleBids(position);
  if (bids.size() <= 1)
    return Forced(DecisionKind::Bid, met.choice);
  const std::optional<int> expert = ExpertBid(position, kSouth, weighing.expert);
  const PlayOuts play_outs =
      PlayOutBids(position, kSouth, bids, weighing.play_outs, weighing.seeing);
  if (Stopped(weighing))
    return std::nullopt;
  return Costed(DecisionKind::Bid, play_outs, bids, IndexOf(bids, met.choice), *expert);
}

bool SameDiscard(const Core& a, const Core& b) {
  return std::equal(a.Dog.begin(), a.Dog.end(), b.Dog.begin(), SameCard);
}

// South's own discard against the Expert's from his 24 cards; one choice when they agree.
std::optional<DecisionCost> WeighDiscard(const MetDecision& met, const Weighing& weighing) {
  auto expert = std::make_unique<GameState>(*met.position);
  ExpertDiscard(*expert, weighing.expert);
  std::vector<const Core*> discards{met.made.get()};
  if (!SameDiscard(*expert, *met.made))
    discards.push_back(expert.get());
  const PlayOuts play_outs = PlayOutDiscards(discards, kSouth, weighing.play_outs, weighing.seeing);
  if (Stopped(weighing))
    return std::nullopt;
  const int expert_choice = static_cast<int>(discards.size()) - 1;
  return Costed(DecisionKind::Discard, play_outs, {0, 1}, 0, expert_choice);
}

// The highest poignee South's trumps allow.
int HighestPoignee(const GameState& position) {
  int level = 0;
  while (level < 3 && SouthTrumpSuitCount(position) >= PoigneeRequired(level + 1))
    ++level;
  return level;
}

// Every level his trumps allow; the Expert's is the one that does best over deals drawn from
// what South knew, none of equals.
std::optional<DecisionCost> WeighPoignee(const MetDecision& met, const Weighing& weighing) {
  const GameState& position = *met.position;
  const int highest = HighestPoignee(position);
  const PlayOuts play_outs =
      PlayOutPoignees(position, kSouth, highest, weighing.play_outs, weighing.seeing);
  const PlayOuts expert_play_outs =
      PlayOutPoignees(position, kSouth, highest, weighing.play_outs, weighing.expert);
  if (Stopped(weighing))
    return std::nullopt;
  std::vector<int> levels;
  for (int level = 0; level <= highest; ++level)
    levels.push_back(level);
  const auto expert = static_cast<int>(CompareChoices(expert_play_outs, 0).best);
  return Costed(DecisionKind::Poignee, play_outs, levels, IndexOf(levels, met.choice), expert);
}

// Each card that plays differently, South's own standing for those that play like it.
std::optional<DecisionCost> WeighCard(const MetDecision& met, const Weighing& weighing) {
  const GameState& position = *met.position;
  std::vector<int> slots = DistinctPlayableSlots(position, kSouth);
  DecisionCost cost = Forced(DecisionKind::Card, met.choice);
  if (slots.size() > 1) {
    slots[IndexOf(slots, DistinctSlotFor(position, kSouth, slots, met.choice))] = met.choice;
    const std::optional<int> expert = ExpertCardSlot(position, kSouth, weighing.expert);
    const PlayOuts play_outs =
        PlayOutCards(position, kSouth, slots, weighing.play_outs, weighing.seeing);
    // Stopped, the Expert has no card.
    if (Stopped(weighing))
      return std::nullopt;
    cost = Costed(DecisionKind::Card, play_outs, slots, IndexOf(slots, met.choice),
                  DistinctSlotFor(position, kSouth, slots, *expert));
  }
  cost.trick = position.TrickNumber;
  return cost;
}

std::optional<DecisionCost> Weigh(const MetDecision& met, const Weighing& weighing) {
  switch (met.kind) {
    case DecisionKind::Bid:
      return WeighBid(met, weighing);
    case DecisionKind::Discard:
      return WeighDiscard(met, weighing);
    case DecisionKind::Poignee:
      return WeighPoignee(met, weighing);
    case DecisionKind::Card:
      return WeighCard(met, weighing);
  }
  return std::nullopt;
}

}  // namespace

DealAnalysis AnalyseSouthPlay(const Flow& game, int threads, const std::atomic<bool>* cancel,
                              const AnalysisProgress& progress, int play_outs) {
  DealAnalysis analysis;
  const std::optional<std::vector<MetDecision>> met = MeetSouthDecisions(game);
  if (!met)
    return analysis;
  const Weighing weighing{.seeing = {.threads = threads, .cancel = cancel, .sees_every_hand = true},
                          .expert = {.threads = threads, .cancel = cancel},
                          .play_outs = play_outs};
  const auto total = static_cast<int>(met->size());
  const auto report = [&](int done) {
    if (progress)
      progress(done, total);
  };
  report(0);
  for (const MetDecision& decision : *met) {
    const std::optional<DecisionCost> cost = Weigh(decision, weighing);
    if (!cost)
      return analysis;
    analysis.decisions.push_back(*cost);
    report(static_cast<int>(analysis.decisions.size()));
  }
  // A forced decision thinks of nothing: a stop asked once the last choice was weighed stops it
  // all the same.
  analysis.complete = !Stopped(weighing);
  return analysis;
}

}  // namespace zarvane
