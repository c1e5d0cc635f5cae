#include "core/strategy/expert.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/strategy/computer_card.h"
#include "core/strategy/hidden_cards.h"
#include "core/strategy/rehearsal.h"
#include "core/strategy/sampled_world.h"
#include "flow/card_play.h"
#include "table/game.h"
#include "tests/support/cards.h"
#include "tests/support/every_turn.h"
#include "tests/support/strategy_table.h"

namespace zarvane {
namespace {

bool Excluded(const GameState& game, int observer, int seat, const Card& card) {
  if (card.Suit == kAtout) {
    return game.MayHoldTrump[observer][seat][card.Value] == 0 ||
           (IsTrump(card) && game.KnownNoTrump[observer][seat] == 1);
  }
  return game.MayHoldCard[observer][seat][card.Suit][card.Value] == 0 ||
         game.KnownVoid[observer][seat][card.Suit] == 1;
}

// Every unseen card is placed once, each place gets as many cards as it lacks, no card goes to
// a seat the observer knows cannot hold it, and the world built from the deal gives the
// observer the very view it has in the real game.
void CheckDrawnDeal(const Game& game, int observer, Generator& random) {
  const HiddenDeal deal = DrawHiddenDeal(game.flow.state, observer, random);
  const Table<int, 0, 4> counts = UnseenCounts(game.flow.state, observer);
  std::vector<Card> placed;
  for (int place = kSetAsidePlace; place <= 4; ++place) {
    ASSERT_EQ(static_cast<int>(deal.cards[place].size()), counts[place]) << "place " << place;
    for (const Card& card : deal.cards[place]) {
      placed.push_back(card);
      if (place == kSetAsidePlace) {
        const int bid = game.flow.state.AnnouncedBid[game.flow.state.Taker];
        EXPECT_FALSE(observer == game.flow.state.Taker && (bid == kPrise || bid == kGarde));
        if (bid == kPrise || bid == kGarde) {
          EXPECT_TRUE(IsDiscardable(card));
        }
      } else {
        EXPECT_NE(place, observer);
        EXPECT_FALSE(Excluded(game.flow.state, observer, place, card))
            << "card " << card.Suit << "/" << card.Value << " to seat " << place;
      }
    }
  }
  EXPECT_EQ(placed.size(), UnseenCards(game.flow.state, observer).size());
  for (const Card& card : UnseenCards(game.flow.state, observer)) {
    EXPECT_EQ(std::count_if(placed.begin(), placed.end(),
                            [&](const Card& c) { return SameCard(c, card); }),
              1);
  }

  Core world = game.flow.state;
  SetUpWorld(world, game.flow.state, observer, deal);
  const Core& w = world;
  EXPECT_EQ(w.CardStatus[observer], game.flow.state.CardStatus[observer]);
  EXPECT_EQ(w.TrumpStatus[observer], game.flow.state.TrumpStatus[observer]);
  EXPECT_EQ(w.MayHoldCard[observer], game.flow.state.MayHoldCard[observer]);
  EXPECT_EQ(w.MayHoldTrump[observer], game.flow.state.MayHoldTrump[observer]);
  EXPECT_EQ(w.KnownVoid[observer], game.flow.state.KnownVoid[observer]);
  EXPECT_EQ(w.KnownNoTrump[observer], game.flow.state.KnownNoTrump[observer]);
  EXPECT_EQ(w.DiscardKnown[observer], game.flow.state.DiscardKnown[observer]);
  EXPECT_EQ(w.TakerPoints, game.flow.state.TakerPoints);
  EXPECT_EQ(w.TrickNumber, game.flow.state.TrickNumber);
  EXPECT_EQ(w.CardsInTrick, game.flow.state.CardsInTrick);
  EXPECT_EQ(w.CurrentSeat, game.flow.state.CurrentSeat);
}

TEST(Expert, EveryDrawnDealAgreesWithWhatTheSeatKnows) {
  Generator random{.GeneratorState = 2026};
  int positions = 0;
  testing::LookAtEveryTurn(4, 2, 3'600'000, 9'000, 15, [&](const Game& game, int observer) {
    CheckDrawnDeal(game, observer, random);
    ++positions;
  });
  EXPECT_GT(positions, 2000);
}

TEST(Expert, ASingleCardIsPlayedAtOnceAndLowCardsWithNothingOutsideBetweenCountOnce) {
  using testing::Plain;
  const std::vector<Card> east = {Plain(kPique, 13), Plain(kPique, 6),   Plain(kPique, 3),
                                  Plain(kCoeur, 5),  testing::Trump(14), testing::Trump(6)};
  testing::StrategyTable t(
      kNorth, {{kEast, east}, {kWest, {Plain(kCoeur, 9)}}, {kSouth, {Plain(kCoeur, 10)}}});
  t.KeepOnly(kEast, east);
  GameState& game = t.game;

  // East must follow the hearts with his only one: Expert plays it as Pro does, with the same
  // draws, and thinks about nothing.
  t.Trick(kWest, {Plain(kCoeur, 9), Plain(kCoeur, 10)});
  ComputePlayableCards(game, kEast);
  GameState expert = game;
  expert.options.Level = kExpertLevel;
  GameState pro = game;
  for (GameState* seat_game : {&expert, &pro}) {
    MarkedRules marked;
    PlaceCard(*seat_game, kEast, ComputerCardSlot(*seat_game, kEast, marked).value());
  }
  EXPECT_EQ(expert.TrickCards[kEast], (Card{5, kCoeur, 0}));
  EXPECT_EQ(pro.TrickCards[kEast], expert.TrickCards[kEast]);
  EXPECT_EQ(expert.random.GeneratorState, pro.random.GeneratorState);

  // Leading: the spade 6 and 3 differ while the 4 and the 5 may be out there; the Dame never
  // stands for a low card, nor a trump for a spade.
  GameState lead = game;
  lead.CardsInTrick = 0;
  lead.TrickLeader = kEast;
  ComputePlayableCards(lead, kEast);
  EXPECT_EQ(DistinctPlayableSlots(lead, kEast).size(), 6u);
  lead.CardStatus[kEast][kPique][4] = kPlayed;
  EXPECT_EQ(DistinctPlayableSlots(lead, kEast).size(), 6u);
  lead.CardStatus[kEast][kPique][5] = kPlayed;
  const std::vector<int> distinct = DistinctPlayableSlots(lead, kEast);
  ASSERT_EQ(distinct.size(), 5u);
  EXPECT_TRUE(std::find(distinct.begin(), distinct.end(), t.SlotOf(kEast, Plain(kPique, 6))) !=
              distinct.end());

  // A Valet counts its points: never one with the 10 beside it.
  const std::vector<Card> court_cards = {Plain(kTrefle, 11), Plain(kTrefle, 10)};
  testing::StrategyTable court(kNorth, {{kEast, court_cards}});
  court.KeepOnly(kEast, court_cards);
  court.game.TrickLeader = kEast;
  ComputePlayableCards(court.game, kEast);
  EXPECT_EQ(DistinctPlayableSlots(court.game, kEast).size(), 2u);

  // The Petit and the 21 are worth more than their neighbours: each stands alone, while the 2
  // and the 3 of trumps play alike.
  const std::vector<Card> ends = testing::Trumps({21, 20, 3, 2, 1});
  testing::StrategyTable oudlers(kNorth, {{kEast, ends}});
  oudlers.KeepOnly(kEast, ends);
  oudlers.game.TrickLeader = kEast;
  ComputePlayableCards(oudlers.game, kEast);
  const std::vector<int> trumps = DistinctPlayableSlots(oudlers.game, kEast);
  EXPECT_EQ(trumps.size(), 4u);
  for (const int trump : {21, 1}) {
    EXPECT_TRUE(std::find(trumps.begin(), trumps.end(),
                          oudlers.SlotOf(kEast, testing::Trump(trump))) != trumps.end())
        << trump;
  }

  // A full hand at the first lead: its last card, the only diamond, is weighed too.
  testing::StrategyTable full(
      kNorth,
      {{kEast,
        testing::Join({testing::Trumps({20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5}),
                       {Plain(kPique, 14), Plain(kCarreau, 1)}})}});
  full.game.TrickLeader = kEast;
  ComputePlayableCards(full.game, kEast);
  ASSERT_EQ(full.SlotOf(kEast, Plain(kCarreau, 1)), 18);
  const std::vector<int> first_lead = DistinctPlayableSlots(full.game, kEast);
  EXPECT_EQ(first_lead.back(), 18);
}

}  // namespace
}  // namespace zarvane
