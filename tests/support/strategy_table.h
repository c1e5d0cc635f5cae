#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/card_play.h"
#include "core/cards.h"
#include "core/deal.h"
#include "core/play_preparation.h"
#include "core/strategy/strategy.h"
#include "tests/support/deal_builder.h"

namespace zarvane::testing {

// What a seat's rule panel shows once the rules that chose have written their numbers on it
// in turn: the last one, or nothing.
inline std::string RulePanelText(const MarkedRules& marked) {
  if (marked.count == 0)
    return "";
  return std::to_string(marked.numbers[static_cast<std::size_t>(marked.count - 1)]);
}

// A deal arranged around a few seats, its play memory prepared, and a trick laid through the
// play itself. The seats named get their cards; the dog gets the lowest plain cards left, and
// the seats are then filled in seat order from the rest of the pack in table order, so the
// trumps nobody was given end with West.
class StrategyTable {
 public:
  StrategyTable(int taker, const std::vector<std::pair<int, std::vector<Card>>>& hands,
                int level = 4) {
    BuildCardTable(game);
    game.options.Level = level;
    std::vector<bool> used(79, false);
    PerSeat<int> count{};
    for (const auto& [seat, cards] : hands) {
      for (const Card& card : cards) {
        used[CardNumber(card)] = true;
        game.Hands[seat][++count[seat]] = Card{card.Value, card.Suit, 1};
      }
    }
    int next = 1;
    auto take = [&] {
      while (used[next])
        ++next;
      used[next] = true;
      return game.CardTable[next];
    };
    for (int d = 1; d <= 6; ++d)
      game.Dog[d] = take();
    for (int seat = 1; seat <= 4; ++seat) {
      while (count[seat] < 18)
        game.Hands[seat][++count[seat]] = take();
      for (Card& card : game.Hands[seat])
        card.InHand = 1;
    }
    SortHands(game);
    SortDog(game);
    game.Taker = taker;
    game.AnnouncedBid.Fill(kPasse);
    game.AnnouncedBid[taker] = kGarde;
    game.DogWasShown = 1;
    game.DiscardOrigin.Fill(-1);
    PreparePlay(game);
    game.PetitHunt = 0;
    game.TrickNumber = 1;
    for (Card& card : game.TrickCards)
      card.Suit = kNoSuit;
  }

  int SlotOf(int seat, const Card& card) const { return testing::SlotOf(game, seat, card); }

  // Leaves the seat only the cards listed, as if it had played the others.
  void KeepOnly(int seat, const std::vector<Card>& kept) {
    for (Card& card : game.Hands[seat]) {
      card.InHand = std::any_of(kept.begin(), kept.end(),
                                [&card](const Card& k) { return SameCard(k, card); });
    }
  }

  // The cards already in the trick, from its leader on.
  void Trick(int leader, const std::vector<Card>& cards) {
    game.TrickLeader = leader;
    game.CurrentSeat = leader;
    game.CardsInTrick = 0;
    int seat = leader;
    for (const Card& card : cards) {
      ComputePlayableCards(game, seat);
      PlayCard(game, seat, SlotOf(seat, card));
      seat = NextSeat(seat);
    }
  }

  // The cards the seat's strategy leaves playable.
  std::vector<Card> Decide(int seat) {
    ComputePlayableCards(game, seat);
    panel_[seat] = RulePanelText(ChooseComputerCard(game, seat));
    std::vector<Card> left;
    for (int slot = 1; slot <= 18; ++slot) {
      if (game.Playable[seat][slot] == 1)
        left.push_back(Card{game.Hands[seat][slot].Value, game.Hands[seat][slot].Suit, 1});
    }
    return left;
  }

  bool Contains(const std::vector<Card>& cards, const Card& card) {
    return std::any_of(cards.begin(), cards.end(),
                       [&card](const Card& c) { return SameCard(c, card); });
  }

  // The number of the rule that chose the seat's last card, as its rule panel shows it.
  const std::string& Panel(int seat) { return panel_[seat]; }

  GameState game;

 private:
  PerSeat<std::string> panel_{};
};

}  // namespace zarvane::testing
