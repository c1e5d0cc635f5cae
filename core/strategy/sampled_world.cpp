#include "core/strategy/sampled_world.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/card_play.h"
#include "core/deal.h"
#include "core/play_preparation.h"
#include "core/strategy/strategy.h"

namespace zarvane {

namespace {

// The seat's cards still in hand become the drawn ones, in hand order; the cards it played
// keep their slots, so the record of the tricks still points at them.
void GiveCards(Core& world, int seat, std::vector<Card> cards) {
  std::sort(cards.begin(), cards.end(), HandOrder);
  auto next = cards.begin();
  for (Card& card : world.Hands[seat]) {
    if (card.InHand == 1 && next != cards.end())
      card = *next++;
  }
}

void GiveSetAside(Core& world, std::vector<Card> cards) {
  if (cards.size() != 6)
    return;
  std::sort(cards.begin(), cards.end(), HandOrder);
  const int bid = world.AnnouncedBid[world.Taker];
  for (int d = 1; d <= 6; ++d) {
    world.Dog[d].Value = cards[d - 1].Value;
    world.Dog[d].Suit = cards[d - 1].Suit;
    // The higher contracts keep the dog as dealt.
    if (bid == kGardeSans || bid == kGardeContre)
      world.InitialDog[d] = world.Dog[d];
  }
}

int FirstLeader(const Core& real) {
  const bool started = real.TrickNumber > 1 || real.CardsInTrick > 0;
  return started ? real.TrickLeaders[1] : real.TrickLeader;
}

// Back to the moment the first card is led, with every card in hand again.
void RewindToStartOfPlay(Core& world, const Core& real) {
  for (auto& hand : world.Hands) {
    for (Card& card : hand)
      card.InHand = 1;
  }
  Renew<TrickState>(world);
  Renew<ScoreState>(world);
  world.DealPhase = Phase::Playing;
  world.TrickNumber = 1;
  world.TrickLeader = FirstLeader(real);
  world.CurrentSeat = world.TrickLeader;
}

// Whether the "Pro" rules, the level the world plays at, would have let the seat play the card
// in that slot: a deal in which the other seats' cards so far come naturally from their hands
// is the likelier. The rules draw lots now and then, so a card that one of a few draws lets
// through is no surprise.
constexpr std::uint32_t kRuleDraws = 4;

bool RulesWouldPlay(Core& world, int seat, int slot) {
  if (CountPlayable(world, seat) < 2)
    return true;
  const Generator kept = world.random;
  bool chosen = false;
  for (std::uint32_t draw = 0; draw < kRuleDraws && !chosen; ++draw) {
    world.random.GeneratorState = kept.GeneratorState + draw * 0x9E3779B9u;
    ChooseComputerCard(world, seat);
    chosen = world.Playable[seat][slot] == 1;
    ComputePlayableCards(world, seat);
  }
  world.random = kept;
  return chosen;
}

// Every card played so far, in the order it was played; with `surprises`, counts those of the
// seats other than the observer (without `reads_partners`, of the other side) that the rules
// would not have played, and stops once the count passes `most`.
void ReplayCourse(Core& world, const Core& real, int observer, int* surprises, int most,
                  bool reads_partners) {
  for (int trick = 1; trick <= real.TrickNumber && trick <= 18; ++trick) {
    const int cards = trick < real.TrickNumber ? 4 : real.CardsInTrick;
    int seat = real.TrickLeaders[trick];
    for (int i = 0; i < cards; ++i, seat = NextSeat(seat)) {
      const int slot = real.PlayedSlot[seat][trick];
      ComputePlayableCards(world, seat);
      const bool partner = (seat == real.Taker) == (observer == real.Taker);
      const bool read = seat != observer && (reads_partners || !partner);
      if (surprises != nullptr && read && !RulesWouldPlay(world, seat, slot) &&
          ++*surprises > most) {
        return;
      }
      PlayCard(world, seat, slot);
    }
    if (world.DealPhase == Phase::TrickShown)
      ClearTrick(world);
  }
}

void SetUpWorldAndCount(Core& world, const Core& real, int observer, const HiddenDeal& deal,
                        int* surprises, int most, bool reads_partners) {
  for (int seat = 1; seat <= 4; ++seat) {
    if (seat != observer)
      GiveCards(world, seat, deal.cards[seat]);
  }
  GiveSetAside(world, deal.cards[kSetAsidePlace]);
  RewindToStartOfPlay(world, real);
  PreparePlay(world);
  // What the observer decided from its own hand at the start of play stays as it was.
  world.ChosenSuit[observer] = real.ChosenSuit[observer];
  if (observer == real.Taker)
    world.PetitHunt = real.PetitHunt;
  ReplayCourse(world, real, observer, surprises, most, reads_partners);
  // A defender's first odd trump lead made by a rule is remembered by the rule, not the card.
  world.HumanOddTrumpLead = real.HumanOddTrumpLead;
}

}  // namespace

void SetUpWorld(Core& world, const Core& real, int observer, const HiddenDeal& deal) {
  SetUpWorldAndCount(world, real, observer, deal, nullptr, 0, true);
}

int SetUpWorldCountingSurprises(Core& world, const Core& real, int observer, const HiddenDeal& deal,
                                int most, bool reads_partners) {
  int surprises = 0;
  SetUpWorldAndCount(world, real, observer, deal, &surprises, most, reads_partners);
  return surprises;
}

}  // namespace zarvane
