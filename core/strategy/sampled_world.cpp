#include "core/strategy/sampled_world.h"

#include <algorithm>
#include <vector>

#include "core/card_play.h"
#include "core/play_preparation.h"

namespace zarvane {

namespace {

// The order of a sorted hand: the smallest suit first and, within a suit, the highest value.
bool HandOrder(const Card& a, const Card& b) {
  return a.Suit < b.Suit || (a.Suit == b.Suit && a.Value > b.Value);
}

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

// Every card played so far, in the order it was played.
void ReplayCourse(Core& world, const Core& real) {
  for (int trick = 1; trick <= real.TrickNumber && trick <= 18; ++trick) {
    const int cards = trick < real.TrickNumber ? 4 : real.CardsInTrick;
    int seat = real.TrickLeaders[trick];
    for (int i = 0; i < cards; ++i, seat = NextSeat(seat)) {
      ComputePlayableCards(world, seat);
      PlayCard(world, seat, real.PlayedSlot[seat][trick]);
    }
    if (world.DealPhase == Phase::TrickShown)
      ClearTrick(world);
  }
}

}  // namespace

void SetUpWorld(Core& world, const Core& real, int observer, const HiddenDeal& deal) {
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
  ReplayCourse(world, real);
  // A defender's first odd trump lead made by a rule is remembered by the rule, not the card.
  world.HumanOddTrumpLead = real.HumanOddTrumpLead;
}

}  // namespace zarvane
