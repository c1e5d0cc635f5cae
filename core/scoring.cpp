#include "core/scoring.h"

#include <array>

#include "common/rounding.h"
#include "core/cards.h"

namespace zarvane {

namespace {

// What the Excuse's side keeps when it gives a low card for it: 4 of its 4.5 points.
constexpr int kExcuseExchange = 8;

bool TakerSide(const Core& game, int seat) {
  return seat == game.Taker;
}

void MoveHalfPoints(Core& game, bool to_taker, int half_points) {
  const int signed_points = to_taker ? half_points : -half_points;
  game.TakerPoints += signed_points;
  game.DefencePoints -= signed_points;
}

int ExcuseSeat(const Core& game) {
  for (int seat = 1; seat <= 4; ++seat) {
    if (IsExcuse(game.TrickCards[seat]))
      return seat;
  }
  return -1;
}

// Its player keeps the Excuse and gives a low card instead, unless the defence played it and
// won the trick itself.
void ExchangeExcuse(Core& game, int excuse_seat, bool taker_won) {
  if (TakerSide(game, excuse_seat))
    MoveHalfPoints(game, true, kExcuseExchange);
  else if (taker_won)
    MoveHalfPoints(game, false, kExcuseExchange);
}

// In the last trick the Excuse goes with the trick instead. A defender's Excuse in a trick
// another defender won never left the defence, so nothing moves then.
void ExcuseChangesCamp(Core& game, int excuse_seat, bool taker_won) {
  if (TakerSide(game, excuse_seat)) {
    MoveHalfPoints(game, false, kExcuseExchange);
    --game.TakerBouts;
    ++game.DefenceBouts;
  } else if (taker_won) {
    MoveHalfPoints(game, true, kExcuseExchange);
    ++game.TakerBouts;
    --game.DefenceBouts;
  }
}

void CountDog(Core& game) {
  const int bid = game.AnnouncedBid[game.Taker];
  for (const Card& card : game.Dog) {
    const int bout = IsOudler(card) ? 1 : 0;
    if (bid == kGardeContre) {
      game.DefencePoints += CardHalfPoints(card);
      game.DefenceBouts += bout;
    } else {
      // The discard never holds a bout; the untouched dog of a GARDE SANS may.
      game.TakerPoints += CardHalfPoints(card);
      game.TakerBouts += bid == kGardeSans ? bout : 0;
    }
  }
}

void CountTrickBouts(Core& game, int excuse_seat, bool taker_won) {
  for (const Card& card : game.TrickCards) {
    if (IsPetit(card) || (IsTrump(card) && card.Value == 21))
      ++(taker_won ? game.TakerBouts : game.DefenceBouts);
  }
  if (excuse_seat != -1)
    ++(TakerSide(game, excuse_seat) ? game.TakerBouts : game.DefenceBouts);
}

void NotePetitAuBout(Core& game, bool taker_won) {
  game.PetitAuBout = 0;
  for (const Card& card : game.TrickCards) {
    if (IsPetit(card))
      game.PetitAuBout = taker_won ? 1 : 2;
  }
}

}  // namespace

int BidFactor(int bid) {
  // By bid code; a pass is never scored.
  constexpr std::array<int, 5> kFactors = {0, 1, 2, 4, 6};
  return kFactors.at(static_cast<std::size_t>(bid));
}

int PointsNeededFor(int bouts) {
  constexpr std::array<int, 4> kNeeded = {56, 51, 41, 36};
  return kNeeded.at(static_cast<std::size_t>(bouts));
}

int PoigneeBonus(int level) {
  return level > 0 ? 10 * level + 10 : 0;
}

int TakerRoundedPoints(const Core& game) {
  return RoundHalfEven(game.TakerPoints / 2.0);
}

void CountTrick(Core& game) {
  const bool taker_won = TakerSide(game, game.TrickLeader);
  const bool last_trick = game.TrickNumber == kLastTrickDone;
  int trick_points = 0;
  for (const Card& card : game.TrickCards)
    trick_points += CardHalfPoints(card);
  (taker_won ? game.TakerPoints : game.DefencePoints) += trick_points;

  const int excuse_seat = ExcuseSeat(game);
  if (excuse_seat != -1)
    ExchangeExcuse(game, excuse_seat, taker_won);
  if (excuse_seat != -1 && last_trick)
    ExcuseChangesCamp(game, excuse_seat, taker_won);
  if (last_trick)
    CountDog(game);
  CountTrickBouts(game, excuse_seat, taker_won);
  if (last_trick)
    NotePetitAuBout(game, taker_won);
  if (game.TakerBouts + game.DefenceBouts == 3)
    game.PointsNeeded = PointsNeededFor(game.TakerBouts);
  if (last_trick)
    ScoreDeal(game);
}

ScoreSteps ComputeScoreSteps(const Core& game) {
  ScoreSteps steps;
  steps.points = TakerRoundedPoints(game);
  steps.margin = steps.points - game.PointsNeeded;
  steps.made = steps.margin >= 0;
  steps.after_petit = steps.margin;
  if (game.PetitAuBout == 1)
    steps.after_petit += 10;
  else if (game.PetitAuBout == 2)
    steps.after_petit -= 10;
  steps.after_gain = steps.after_petit + (steps.made ? 25 : -25);
  steps.factor = BidFactor(game.AnnouncedBid[game.Taker]);
  steps.after_bid = steps.after_gain * steps.factor;
  // The bonus goes to the side that wins the deal, whoever declared it.
  steps.bonus = PoigneeBonus(game.PoigneeLevel);
  steps.after_poignee = steps.after_bid + (steps.made ? steps.bonus : -steps.bonus);
  steps.taker_score = 3 * steps.after_poignee;
  return steps;
}

int TakerScore(const Core& game) {
  return ComputeScoreSteps(game).taker_score;
}

int SeatGain(const Core& game, int seat) {
  const ScoreSteps steps = ComputeScoreSteps(game);
  return seat == game.Taker ? steps.taker_score : -steps.after_poignee;
}

void ScoreDeal(Core& game) {
  // A replayed deal is shown but never counted.
  if (game.ReplayedDeal == 1)
    return;
  for (int seat = 1; seat <= 4; ++seat)
    game.options.Scores[seat] += SeatGain(game, seat);
}

}  // namespace zarvane
