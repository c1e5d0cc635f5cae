#include "core/deal.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/hand_evaluation.h"

namespace zarvane {

namespace {

void Shuffle(GameState& game) {
  const int exchanges = RandomUpTo(game.random, 100) + 1313;
  for (int n = 0; n < exchanges; ++n) {
    const int i = RandomUpTo(game.random, 78);
    const int j = RandomUpTo(game.random, 78);
    std::swap(game.DealOrder[i], game.DealOrder[j]);
  }
}

// Six passes of 13: three cards to each seat in turn, then one to the dog. DealOrder is
// rewritten in destination order, South's 18 first and the dog's 6 last.
void DealDeck(GameState& game) {
  int south_east_north_west[4] = {0, 18, 36, 54};
  int dog = 72;
  for (int pass = 1; pass <= 6; ++pass) {
    const int base = 13 * (pass - 1);
    for (int seat = 0; seat < 4; ++seat) {
      for (int k = 1; k <= 3; ++k) {
        game.DealOrder[++south_east_north_west[seat]] = game.Deck[base + 3 * seat + k];
      }
    }
    game.DealOrder[++dog] = game.Deck[base + 13];
  }
}

void FillHandsFromDealOrder(GameState& game) {
  for (int k = 1; k <= 78; ++k) {
    Card card = game.CardTable[game.DealOrder[k]];
    card.InHand = 1;
    game.DealtCards[k] = card;
  }
  for (int seat = 1; seat <= 4; ++seat) {
    for (int slot = 1; slot <= 18; ++slot) {
      game.Hands[seat][slot] = game.DealtCards[18 * (seat - 1) + slot];
    }
  }
  for (int d = 1; d <= 6; ++d)
    game.Dog[d] = game.DealtCards[72 + d];
}

bool HasPetitSec(const GameState& game, int seat) {
  int trumps = 0;
  const Card* only = nullptr;
  for (const Card& card : game.Hands[seat]) {
    if (card.Suit != kAtout)
      continue;
    ++trumps;
    only = &card;
  }
  return trumps == 1 && IsPetit(*only);
}

int CountDiscardable(const auto& cards) {
  int count = 0;
  for (const Card& card : cards)
    count += IsDiscardable(card) ? 1 : 0;
  return count;
}

bool SomeSeatCannotDiscard(const GameState& game) {
  const int in_dog = CountDiscardable(game.Dog);
  for (int seat = 1; seat <= 4; ++seat) {
    if (in_dog + CountDiscardable(game.Hands[seat]) < 6)
      return true;
  }
  return false;
}

int TargetBidForSouth(int force_option) {
  if (force_option == 1)
    return kPasse;
  if (force_option >= 3 && force_option <= 6)
    return force_option - 2;
  return kNotSpoken;
}

// Gives South a hand of exactly the chosen strength; false when no seat holds one.
bool BendToForceOption(GameState& game) {
  const int target = TargetBidForSouth(game.options.ForceOption);
  if (target == kNotSpoken || game.ComputedBid[kSouth] == target)
    return true;
  for (int seat : {kEast, kNorth, kWest}) {
    if (game.ComputedBid[seat] == target) {
      SwapSeats(game, kSouth, seat);
      return true;
    }
  }
  return false;
}

bool EverySeatPasses(const GameState& game) {
  for (int bid : game.ComputedBid) {
    if (bid != kPasse)
      return false;
  }
  return true;
}

// Only the values and suits move: each slot keeps its other fields.
template <typename Cards>
void SortCards(Cards& cards) {
  std::array<Card, Cards::kSize> sorted;
  std::copy(cards.begin(), cards.end(), sorted.begin());
  std::sort(sorted.begin(), sorted.end(), HandOrder);
  auto next = sorted.begin();
  for (Card& card : cards) {
    card.Value = next->Value;
    card.Suit = next->Suit;
    ++next;
  }
}

}  // namespace

bool AcceptDealtCards(GameState& game) {
  bool accepted = true;
  for (int seat = 1; seat <= 4 && accepted; ++seat)
    accepted = !HasPetitSec(game, seat);
  if (accepted)
    accepted = !SomeSeatCannotDiscard(game);
  for (int seat = 1; seat <= 4; ++seat)
    game.ComputedBid[seat] = ComputeBid(game, seat);
  if (!BendToForceOption(game))
    accepted = false;
  if (game.options.AtLeastOneTaker == 1 && EverySeatPasses(game))
    accepted = false;
  return accepted;
}

bool DealOnce(GameState& game, const Clock& clock) {
  ReseedFromClock(game.random, clock);
  Shuffle(game);
  if (game.ReplayedDeal == 1) {
    game.Deck = game.SavedDeck;
  } else {
    game.Deck = game.DealOrder;
    game.SavedDeck = game.DealOrder;
  }
  DealDeck(game);
  FillHandsFromDealOrder(game);
  const bool accepted = AcceptDealtCards(game);
  // A replay deals the cards of a deal already accepted, whatever the options became since:
  // refusing it would refuse it for ever, so it stands as it is.
  return accepted || game.ReplayedDeal == 1;
}

void SwapSeats(GameState& game, int a, int b) {
  for (int slot = 1; slot <= 18; ++slot) {
    std::swap(game.Hands[a][slot].Value, game.Hands[b][slot].Value);
    std::swap(game.Hands[a][slot].Suit, game.Hands[b][slot].Suit);
  }
  std::swap(game.ComputedBid[a], game.ComputedBid[b]);
}

bool HandOrder(const Card& a, const Card& b) {
  return a.Suit < b.Suit || (a.Suit == b.Suit && a.Value > b.Value);
}

void SortHands(GameState& game) {
  for (int seat = 1; seat <= 4; ++seat)
    SortHand(game, seat);
}

void SortHand(GameState& game, int seat) {
  SortCards(game.Hands[seat]);
  for (int slot = 1; slot <= 18; ++slot) {
    game.InitialHands[seat][slot].Value = game.Hands[seat][slot].Value;
    game.InitialHands[seat][slot].Suit = game.Hands[seat][slot].Suit;
  }
}

void SortDog(GameState& game) {
  SortCards(game.Dog);
  for (int d = 1; d <= 6; ++d) {
    game.InitialDog[d].Value = game.Dog[d].Value;
    game.InitialDog[d].Suit = game.Dog[d].Suit;
  }
}

void DealUntilAccepted(GameState& game, const Clock& clock) {
  while (!DealOnce(game, clock)) {
  }
  SortHands(game);
  SortDog(game);
}

DealtDeal DealAsDealt(const GameState& game) {
  DealtDeal deal;
  deal.Hands = game.InitialHands;
  deal.Dog = game.InitialDog;
  deal.FirstPlayer = game.FirstPlayer;
  return deal;
}

void DealGivenHands(GameState& game, const DealtDeal& deal) {
  for (int seat = 1; seat <= 4; ++seat) {
    for (int slot = 1; slot <= 18; ++slot)
      game.Hands[seat][slot] = Card{deal.Hands[seat][slot].Value, deal.Hands[seat][slot].Suit, 1};
    game.ComputedBid[seat] = ComputeBid(game, seat);
  }
  for (int d = 1; d <= 6; ++d)
    game.Dog[d] = Card{deal.Dog[d].Value, deal.Dog[d].Suit, 1};
  SortHands(game);
  SortDog(game);
}

}  // namespace zarvane
