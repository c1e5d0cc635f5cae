#include "core/consistency.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/cards.h"

namespace zarvane {

namespace {

bool ValidCard(const Card& card) {
  if (card.Suit == kAtout)
    return card.Value >= 0 && card.Value <= 21;
  return card.Suit >= kPique && card.Suit <= kCarreau && card.Value >= 1 && card.Value <= 14;
}

// The seat has put a card on the table in the trick under way.
bool PlayedInThisTrick(const Core& game, int seat) {
  const int position = (seat - game.TrickLeader + 4) % 4;
  return game.DealPhase != Phase::TrickShown && position < game.CardsInTrick;
}

int CompletedTricks(const Core& game) {
  return std::clamp(game.TrickNumber - 1, 0, 18);
}

void CheckPack(const Core& game, std::vector<std::string>& faults) {
  std::array<int, 79> seen{};
  auto note = [&](const Card& card, const std::string& where) {
    if (!ValidCard(card)) {
      faults.push_back("no card of the pack in " + where);
      return;
    }
    ++seen[static_cast<std::size_t>(CardNumber(card))];
  };
  for (int seat = 1; seat <= 4; ++seat) {
    for (int slot = 1; slot <= 18; ++slot)
      note(game.Hands[seat][slot], "hand " + std::to_string(seat));
  }
  for (const Card& card : game.Dog)
    note(card, "the dog");
  for (int k = 1; k <= 78; ++k) {
    if (seen[static_cast<std::size_t>(k)] != 1)
      faults.push_back("card " + std::to_string(k) + " is in " +
                       std::to_string(seen[static_cast<std::size_t>(k)]) + " places");
  }
}

void CheckHandsAndTable(const Core& game, std::vector<std::string>& faults) {
  if (game.CardsInTrick < 0 || game.CardsInTrick > 3)
    faults.push_back("CardsInTrick is " + std::to_string(game.CardsInTrick));
  for (int seat = 1; seat <= 4; ++seat) {
    const Hand& hand = game.Hands[seat];
    const int out = static_cast<int>(
        std::count_if(hand.begin(), hand.end(), [](const Card& c) { return c.InHand == 0; }));
    const int played = CompletedTricks(game) + (PlayedInThisTrick(game, seat) ? 1 : 0);
    if (out != played) {
      faults.push_back("seat " + std::to_string(seat) + " has played " + std::to_string(out) +
                       " cards, the tricks say " + std::to_string(played));
    }
    const bool on_table = game.TrickCards[seat].Suit != kNoSuit;
    const bool expected = game.DealPhase == Phase::TrickShown || PlayedInThisTrick(game, seat);
    if (on_table != expected)
      faults.push_back("the table card of seat " + std::to_string(seat) + " does not match");
  }
}

// The points and bouts counted so far are those of the finished tricks, with the dog once
// the deal is over; the Excuse's exchange only moves points from one side to the other.
void CheckCount(const Core& game, std::vector<std::string>& faults) {
  int half_points = 0;
  int bouts = 0;
  for (int seat = 1; seat <= 4; ++seat) {
    for (const Card& card : game.Hands[seat]) {
      if (card.InHand != 0)
        continue;
      half_points += CardHalfPoints(card);
      bouts += IsOudler(card) ? 1 : 0;
    }
    if (PlayedInThisTrick(game, seat)) {
      half_points -= CardHalfPoints(game.TrickCards[seat]);
      bouts -= IsOudler(game.TrickCards[seat]) ? 1 : 0;
    }
  }
  if (game.TrickNumber == 19) {
    for (const Card& card : game.Dog) {
      half_points += CardHalfPoints(card);
      bouts += IsOudler(card) ? 1 : 0;
    }
  }
  if (game.TakerPoints + game.DefencePoints != half_points) {
    faults.push_back("the sides hold " + std::to_string(game.TakerPoints + game.DefencePoints) +
                     " half points, the finished tricks " + std::to_string(half_points));
  }
  if (game.TakerBouts + game.DefenceBouts != bouts) {
    faults.push_back("the sides hold " + std::to_string(game.TakerBouts + game.DefenceBouts) +
                     " bouts, the finished tricks " + std::to_string(bouts));
  }
}

}  // namespace

std::vector<std::string> StateFaults(const Core& game) {
  std::vector<std::string> faults;
  if (game.TrickNumber < 0 || game.TrickNumber > 19)
    faults.push_back("TrickNumber is " + std::to_string(game.TrickNumber));
  CheckPack(game, faults);
  if (!faults.empty())
    return faults;
  CheckHandsAndTable(game, faults);
  CheckCount(game, faults);
  return faults;
}

}  // namespace zarvane
