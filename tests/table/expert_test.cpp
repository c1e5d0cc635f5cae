#include "core/strategy/expert.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/strategy/computer_card.h"
#include "core/strategy/hidden_cards.h"
#include "core/strategy/rehearsal.h"
#include "core/strategy/sampled_world.h"
#include "flow/card_advice.h"
#include "flow/card_play.h"
#include "flow/deal_flow.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "flow/start.h"
#include "table/game.h"
#include "table/hand_layout.h"
#include "table/language.h"
#include "tests/support/cards.h"
#include "tests/support/deal_driver.h"
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
  const HiddenDeal deal = DrawHiddenDeal(game, observer, random);
  const Table<int, 0, 4> counts = UnseenCounts(game, observer);
  std::vector<Card> placed;
  for (int place = kSetAsidePlace; place <= 4; ++place) {
    ASSERT_EQ(static_cast<int>(deal.cards[place].size()), counts[place]) << "place " << place;
    for (const Card& card : deal.cards[place]) {
      placed.push_back(card);
      if (place == kSetAsidePlace) {
        const int bid = game.AnnouncedBid[game.Taker];
        EXPECT_FALSE(observer == game.Taker && (bid == kPrise || bid == kGarde));
        if (bid == kPrise || bid == kGarde) {
          EXPECT_TRUE(IsDiscardable(card));
        }
      } else {
        EXPECT_NE(place, observer);
        EXPECT_FALSE(Excluded(game, observer, place, card))
            << "card " << card.Suit << "/" << card.Value << " to seat " << place;
      }
    }
  }
  EXPECT_EQ(placed.size(), UnseenCards(game, observer).size());
  for (const Card& card : UnseenCards(game, observer)) {
    EXPECT_EQ(std::count_if(placed.begin(), placed.end(),
                            [&](const Card& c) { return SameCard(c, card); }),
              1);
  }

  Core world = game;
  SetUpWorld(world, game, observer, deal);
  const Core& w = world;
  EXPECT_EQ(w.CardStatus[observer], game.CardStatus[observer]);
  EXPECT_EQ(w.TrumpStatus[observer], game.TrumpStatus[observer]);
  EXPECT_EQ(w.MayHoldCard[observer], game.MayHoldCard[observer]);
  EXPECT_EQ(w.MayHoldTrump[observer], game.MayHoldTrump[observer]);
  EXPECT_EQ(w.KnownVoid[observer], game.KnownVoid[observer]);
  EXPECT_EQ(w.KnownNoTrump[observer], game.KnownNoTrump[observer]);
  EXPECT_EQ(w.DiscardKnown[observer], game.DiscardKnown[observer]);
  EXPECT_EQ(w.TakerPoints, game.TakerPoints);
  EXPECT_EQ(w.TrickNumber, game.TrickNumber);
  EXPECT_EQ(w.CardsInTrick, game.CardsInTrick);
  EXPECT_EQ(w.CurrentSeat, game.CurrentSeat);
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
    PlaceCard(*seat_game, kEast, ComputerCardSlot(*seat_game, kEast, marked));
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

// South's turn has come: his tick has run and he may click a card.
bool SouthToPlay(testing::DealDriver& driver) {
  const Game& game = driver.game;
  return game.DealPhase == Phase::SouthPlays && game.CurrentSeat == game.HumanSeat &&
         !driver.view.Armed(TimerId::TimerEntreCarte) && !WaitsForClick(game.DealPhase) &&
         game.DealPhase != Phase::Poignee && game.TrickNumber >= 1 && game.TrickNumber <= 18;
}

void ExpectSameCourse(const Game& a, const Game& b) {
  EXPECT_EQ(a.SavedDeck, b.SavedDeck);
  EXPECT_EQ(a.PlayedSlot, b.PlayedSlot);
  EXPECT_EQ(a.TrickLeaders, b.TrickLeaders);
  EXPECT_EQ(a.TakerPoints, b.TakerPoints);
  EXPECT_EQ(a.options.Scores, b.options.Scores);
  EXPECT_EQ(a.random.GeneratorState, b.random.GeneratorState);
}

// Several deals at the first level, so that the first card of the hand is advised too, and
// asked again and again; at Expert, whose thinking is slow, four tricks, asked once a turn.
TEST(CardAdvice, AskingLiftsAPlayableCardAndTheDealEndsAsIfNobodyHadAsked) {
  for (int level : {1, kExpertLevel}) {
    SCOPED_TRACE(::testing::Message() << "level " << level);
    testing::DealDriver plain(1, 50'000'000);
    testing::DealDriver advised(1, 50'000'000);
    std::mt19937 plain_choices(8);
    std::mt19937 advised_choices(8);
    for (testing::DealDriver* driver : {&plain, &advised}) {
      driver->game.options.Level = level;
      driver->game.options.AtLeastOneTaker = 1;
    }
    Game& game = advised.game;
    int asked = 0;
    int first_card_advised = 0;
    const int last_trick = level == 1 ? 19 : 5;
    for (int deal = 0; deal < (level == 1 ? 8 : 1); ++deal) {
      NewDeal(plain.game, 0);
      NewDeal(game, 0);
      while (plain.game.TrickNumber < last_trick && plain.Step(plain_choices)) {
      }
      do {
        if (!advised.view.Get(Control::SBConseilCarte).enabled) {
          // The key pressed while the advice is closed lifts nothing.
          Apply(game, Move{MoveKind::CardAdvice});
          EXPECT_FALSE(game.AdvisedSlot.has_value());
        }
        if (!SouthToPlay(advised))
          continue;
        const bool open = advised.view.Get(Control::SBConseilCarte).enabled;
        EXPECT_EQ(open, advised.view.Get(Control::menuConseilCarte).enabled);
        // The card advised at an earlier turn went back down with South's card.
        for (int slot = 1; slot <= 18; ++slot) {
          if (game.Hands[game.HumanSeat][slot].InHand == 1) {
            EXPECT_EQ(advised.view.Get(Control::Carte3D, slot).top, SouthCardTop(game, slot));
          }
        }
        for (int again = 0; again < (level == 1 ? 3 : 1) && open; ++again) {
          Apply(game, Move{MoveKind::CardAdvice});
          ASSERT_TRUE(game.AdvisedSlot.has_value());
          const int slot = *game.AdvisedSlot;
          EXPECT_EQ(game.Playable[game.HumanSeat][slot], 1);
          EXPECT_EQ(advised.view.Get(Control::Carte3D, slot).top,
                    SouthCardTop(game, slot) - game.layout.SelectLift);
          ++asked;
          first_card_advised += slot == 1 ? 1 : 0;
        }
      } while (game.TrickNumber < last_trick && advised.Step(advised_choices));
      if (game.TrickNumber == 19) {
        EXPECT_FALSE(advised.view.Get(Control::SBConseilCarte).enabled);
      }
      ExpectSameCourse(plain.game, game);
    }
    EXPECT_GT(asked, 0);
    if (level == 1) {
      EXPECT_GT(first_card_advised, 0);
    }
  }
}

TEST(Expert, ALanguageChangeOrANewDealWhileAComputerSeatIsToPlayLeavesItsPlaySound) {
  testing::DealDriver quiet(1, 61'000'000);
  testing::DealDriver switched(1, 61'000'000);
  std::mt19937 quiet_choices(3);
  std::mt19937 switched_choices(3);
  for (testing::DealDriver* driver : {&quiet, &switched}) {
    driver->game.options.Level = kExpertLevel;
    driver->game.options.AtLeastOneTaker = 1;
    NewDeal(driver->game, 0);
  }
  // Both deals as far as the sixth trick: the Expert's thinking is slow.
  while (quiet.game.TrickNumber < 6 && quiet.Step(quiet_choices)) {
  }
  // The language changes while a computer seat's card is pending, twice in the deal.
  Game& game = switched.game;
  int changes = 0;
  do {
    if (switched.TurnPending() && game.CurrentSeat != game.HumanSeat &&
        ((game.TrickNumber == 2 && changes == 0) || (game.TrickNumber == 5 && changes == 1))) {
      ChooseLanguage(game, game.Language == 1 ? 2 : 1);
      ++changes;
    }
  } while (game.TrickNumber < 6 && switched.Step(switched_choices));
  EXPECT_EQ(changes, 2);
  ExpectSameCourse(quiet.game, game);

  // A new deal while a computer seat's card is pending: the pending card is dropped and the new
  // deal, at Pro, is played to its score.
  game.options.Level = 4;
  NewDeal(game, 0);
  bool moving = true;
  while (moving &&
         !(switched.TurnPending() && game.TrickNumber == 3 && game.CurrentSeat != game.HumanSeat)) {
    moving = switched.Step(switched_choices);
  }
  ASSERT_TRUE(moving);
  NewDeal(game, 0);
  EXPECT_FALSE(switched.view.Armed(TimerId::TimerEntreCarte));
  while (switched.Step(switched_choices)) {
  }
  EXPECT_EQ(game.TrickNumber, 19);
  EXPECT_EQ(game.TakerPoints + game.DefencePoints, 182);
}

}  // namespace
}  // namespace zarvane
