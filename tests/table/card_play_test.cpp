#include "flow/card_play.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/cards.h"
#include "core/play_preparation.h"
#include "flow/moves.h"
#include "table/game.h"
#include "tests/support/cards.h"
#include "tests/support/deal_builder.h"
#include "tests/support/fake_table_view.h"
#include "tests/support/fixed_clock.h"

namespace zarvane {
namespace {

using testing::Join;
using testing::SuitCards;
using testing::Trumps;

constexpr Card kExcuse{0, kAtout, 1};

struct LegalCase {
  const char* name;
  std::vector<Card> hand;
  std::vector<Card> on_table;  // from the leader, West, on
  std::vector<Card> playable;
  std::vector<int> codes;  // the reason of each playable card, in the same order
};

// Lays the cards on the table through the play itself, so that the led suit and the highest
// trump come from the rules, not from the test.
class LegalPlayTable {
 public:
  explicit LegalPlayTable(const LegalCase& c) {
    game.flow.state.Taker = kNorth;
    game.flow.state.TrickLeader = kWest;
    game.flow.state.CurrentSeat = kWest;
    game.flow.state.TrickNumber = 1;
    int seat = kWest;
    for (const Card& card : c.on_table) {
      game.flow.state.Hands[seat][1] = card;
      game.flow.state.Hands[seat][1].InHand = 1;
      game.flow.state.PlayReason[seat][1].Code = 0;
      PutCardOnTable(game.flow, seat, 1);
      seat = NextSeat(seat);
    }
    for (int slot = 1; slot <= 18; ++slot)
      game.flow.state.Hands[seat][slot] =
          slot <= static_cast<int>(c.hand.size()) ? c.hand[slot - 1] : Card{};
  }

  testing::FakeTableView view;
  Game game{view};
};

TEST(CardPlay, TheLegalCardsAndTheirReasonsFollowTheRulesOfPlay) {
  const Card spade5{5, kPique, 1};
  const std::vector<LegalCase> cases = {
      {"follow the suit led; the Excuse always",
       Join({SuitCards(kPique, {5}), {kExcuse}, Trumps({3, 18})}),
       {{9, kPique, 1}},
       {spade5, kExcuse},
       {-1, -1}},
      {"void, must overtrump the 10",
       Join({Trumps({4, 12}), {kExcuse}, SuitCards(kCoeur, {2})}),
       {{9, kPique, 1}, {10, kAtout, 1}},
       {{12, kAtout, 1}, kExcuse},
       {2, -1}},
      {"void, cannot overtrump: any trump",
       Join({Trumps({4, 7}), SuitCards(kCoeur, {2})}),
       {{9, kPique, 1}, {10, kAtout, 1}},
       {{4, kAtout, 1}, {7, kAtout, 1}},
       {3, 3}},
      {"void, no trump yet: every trump, no plain card",
       Join({Trumps({4, 7}), SuitCards(kCoeur, {2, 13})}),
       {{9, kPique, 1}},
       {{4, kAtout, 1}, {7, kAtout, 1}},
       {1, 1}},
      {"void and no trump: anything",
       SuitCards(kCoeur, {2, 13}),
       {{9, kPique, 1}},
       {{2, kCoeur, 1}, {13, kCoeur, 1}},
       {4, 4}},
      {"trump 15 led: only the 19", Trumps({6, 19}), {{15, kAtout, 1}}, {{19, kAtout, 1}}, {2}},
      {"trump 15 led: 6 and 9 both", Trumps({6, 9}), {{15, kAtout, 1}}, Trumps({6, 9}), {3, 3}},
      {"trump led, none held: anything",
       SuitCards(kCoeur, {2}),
       {{15, kAtout, 1}},
       {{2, kCoeur, 1}},
       {5}},
      {"Excuse led: the next card is free",
       Join({Trumps({4}), SuitCards(kCoeur, {2})}),
       {kExcuse},
       {{4, kAtout, 1}, {2, kCoeur, 1}},
       {0, 0}},
      {"after the Excuse the second card sets the suit",
       Join({Trumps({4}), SuitCards(kCoeur, {2}), SuitCards(kPique, {1})}),
       {kExcuse, {3, kPique, 1}},
       {{1, kPique, 1}},
       {-1}},
      {"the highest trump counts, not the last one",
       Trumps({8, 14}),
       {{9, kPique, 1}, {12, kAtout, 1}, {5, kAtout, 1}},
       {{14, kAtout, 1}},
       {2}},
  };
  for (const LegalCase& c : cases) {
    SCOPED_TRACE(c.name);
    LegalPlayTable table(c);
    Game& game = table.game;
    const int seat = game.flow.state.CurrentSeat;
    ComputePlayable(game.flow, seat);
    std::vector<Card> playable;
    std::vector<int> codes;
    for (int slot = 1; slot <= 18; ++slot) {
      if (game.flow.state.Playable[seat][slot] == 1) {
        playable.push_back(game.flow.state.Hands[seat][slot]);
        codes.push_back(game.flow.state.PlayReason[seat][slot].Code);
      }
    }
    EXPECT_EQ(playable, c.playable);
    EXPECT_EQ(codes, c.codes);
  }
}

TEST(CardPlay, TheHighestTrumpOrElseTheHighestCardOfTheSuitLedWinsAndTheExcuseNever) {
  struct WinnerCase {
    std::vector<Card> cards;  // from the leader, South, on
    int winner;
  };
  const std::vector<WinnerCase> cases = {
      {{{14, kCoeur, 1}, {3, kCoeur, 1}, {2, kAtout, 1}, kExcuse}, kNorth},
      {{{3, kCoeur, 1}, {14, kCoeur, 1}, {14, kPique, 1}, {13, kCoeur, 1}}, kEast},
      {{kExcuse, {2, kCarreau, 1}, {10, kCarreau, 1}, {14, kTrefle, 1}}, kNorth},
      {{kExcuse, {2, kAtout, 1}, {1, kAtout, 1}, {14, kTrefle, 1}}, kEast},
      {{{1, kAtout, 1}, {14, kPique, 1}, kExcuse, {21, kAtout, 1}}, kWest},
  };
  for (const WinnerCase& c : cases) {
    GameState game;
    game.TrickLeader = kSouth;
    for (int seat = 1; seat <= 4; ++seat)
      game.TrickCards[seat] = c.cards[seat - 1];
    EXPECT_EQ(TrickWinner(game), c.winner);
  }
}

struct ScriptedCard {
  int seat;
  Card card;
};

using testing::Excuse;
using testing::Plain;
using testing::Trump;

// Every card of the pack placed, so each seat's legal cards are known in advance:
// South: trumps 5 6 11 12 15 18..21, COEUR 3..9, TREFLE 3 4 (void in PIQUE and CARREAU)
// East: trumps 9 10 and the Excuse, COEUR 1 2 10 11 12, PIQUE 3 4 9..12, CARREAU 6 7, TREFLE 1 2
// North: trumps 1 2 4 7 13 14, COEUR 13, PIQUE 1 2 5..8, CARREAU 1..5 (void in TREFLE)
// West: trumps 3 8, CARREAU 8..14, TREFLE 5..13 (void in PIQUE and COEUR)
// Dog: trumps 16 17, COEUR 14, PIQUE 13 14, TREFLE 14, seen by nobody (GARDE SANS).
// No seat but South holds a trump above 15.
class ScriptedDeal {
 public:
  ScriptedDeal(int taker, std::vector<ScriptedCard> script) : script_(std::move(script)) {
    testing::DealSeats(
        game.flow.state,
        {{kSouth, Join({Trumps({5, 6, 11, 12, 15, 18, 19, 20, 21}),
                        SuitCards(kCoeur, {3, 4, 5, 6, 7, 8, 9}), SuitCards(kTrefle, {3, 4})})},
         {kEast, Join({Trumps({9, 10}),
                       {Excuse()},
                       SuitCards(kCoeur, {1, 2, 10, 11, 12}),
                       SuitCards(kPique, {3, 4, 9, 10, 11, 12}),
                       SuitCards(kCarreau, {6, 7}),
                       SuitCards(kTrefle, {1, 2})})},
         {kNorth,
          Join({Trumps({1, 2, 4, 7, 13, 14}), SuitCards(kCoeur, {13}),
                SuitCards(kPique, {1, 2, 5, 6, 7, 8}), SuitCards(kCarreau, {1, 2, 3, 4, 5})})},
         {kWest, Join({Trumps({3, 8}), SuitCards(kCarreau, {8, 9, 10, 11, 12, 13, 14}),
                       SuitCards(kTrefle, {5, 6, 7, 8, 9, 10, 11, 12, 13})})}},
        Join({Trumps({16, 17}), SuitCards(kCoeur, {14}), SuitCards(kPique, {13, 14}),
              SuitCards(kTrefle, {14})}));
    game.flow.Language = 1;
    game.flow.state.Taker = taker;
    game.flow.state.AnnouncedBid.Fill(kPasse);
    game.flow.state.AnnouncedBid[taker] = kGardeSans;
    game.flow.state.DogWasShown = 0;
    game.flow.state.DiscardOrigin.Fill(-1);
    PreparePlay(game.flow.state);
    game.flow.state.TrickNumber = 1;
    game.flow.state.TrickLeader = taker;
    game.flow.state.CurrentSeat = taker;
    for (Card& card : game.flow.state.TrickCards)
      card.Suit = kNoSuit;
  }

  int SlotOf(int seat, const Card& card) const {
    return testing::SlotOf(game.flow.state, seat, card);
  }

  // Plays the script up to move `last` (counted from 1): South clicks his card, a computer seat
  // puts down the one named; a click of South's continues after each trick.
  void PlayThrough(int last) {
    while (played_ < last) {
      const ScriptedCard& move = script_[static_cast<std::size_t>(played_)];
      if (WaitsForClick(game.flow.state.DealPhase)) {
        Apply(game.flow, Move{MoveKind::HandCard, 1});
        ASSERT_FALSE(WaitsForClick(game.flow.state.DealPhase))
            << "a click on the hand continues after a trick";
      }
      ASSERT_EQ(game.flow.state.CurrentSeat, move.seat) << "move " << played_ + 1;
      ComputePlayable(game.flow, move.seat);
      const int slot = SlotOf(move.seat, move.card);
      ASSERT_EQ(game.flow.state.Playable[move.seat][slot], 1)
          << "move " << played_ + 1 << " is not legal";
      if (move.seat == kSouth) {
        game.flow.state.DealPhase = Phase::SouthPlays;
        Apply(game.flow, Move{MoveKind::HandCard, slot});
      } else {
        PutCardOnTable(game.flow, move.seat, slot);
      }
      ASSERT_EQ(game.flow.state.Hands[move.seat][slot].InHand, 0) << "move " << played_ + 1;
      ++played_;
    }
  }

  testing::FakeTableView view;
  Game game{view, testing::SteppingClock(52'000'000)};

 private:
  std::vector<ScriptedCard> script_;
  int played_ = 0;
};

// Seven tricks of North's GARDE SANS, each card chosen for what it must teach the memory.
const std::vector<ScriptedCard> kNorthTakes = {
    // 1-4: North leads PIQUE; West cuts, South overtrumps and wins.
    {kNorth, Plain(kPique, 7)},
    {kWest, Trump(3)},
    {kSouth, Trump(6)},
    {kEast, Plain(kPique, 3)},
    // 5-8: South's first lead, the odd trump 15; nobody can go above it.
    {kSouth, Trump(15)},
    {kEast, Trump(9)},
    {kNorth, Trump(13)},
    {kWest, Trump(8)},
    // 9-12: COEUR for North's queen; West, now without trumps, throws the first TREFLE.
    {kSouth, Plain(kCoeur, 3)},
    {kEast, Plain(kCoeur, 2)},
    {kNorth, Plain(kCoeur, 13)},
    {kWest, Plain(kTrefle, 5)},
    // 13-16: North leads CARREAU; South cuts and wins.
    {kNorth, Plain(kCarreau, 1)},
    {kWest, Plain(kCarreau, 8)},
    {kSouth, Trump(11)},
    {kEast, Plain(kCarreau, 6)},
    // 17-20: TREFLE, which North cuts with the Petit.
    {kSouth, Plain(kTrefle, 3)},
    {kEast, Plain(kTrefle, 1)},
    {kNorth, Trump(1)},
    {kWest, Plain(kTrefle, 6)},
    // 21-24: North leads PIQUE again; South cuts.
    {kNorth, Plain(kPique, 8)},
    {kWest, Plain(kCarreau, 9)},
    {kSouth, Trump(12)},
    {kEast, Plain(kPique, 4)},
    // 25-28: South leads trump 5, East goes five above it.
    {kSouth, Trump(5)},
    {kEast, Trump(10)},
    {kNorth, Trump(14)},
    {kWest, Plain(kCarreau, 10)},
};

// The same hands with South as taker: West wins the first trick and is the first defender to
// lead, with the odd trump 3; North then leads a trump that West, now without trumps, cannot
// follow.
const std::vector<ScriptedCard> kSouthTakes = {
    {kSouth, Plain(kCoeur, 3)},  {kEast, Plain(kCoeur, 2)}, {kNorth, Plain(kCoeur, 13)},
    {kWest, Trump(8)},           {kWest, Trump(3)},         {kSouth, Trump(5)},
    {kEast, Trump(9)},           {kNorth, Trump(13)},       {kNorth, Trump(14)},
    {kWest, Plain(kCarreau, 8)},
};

TEST(CardPlay, EachCardRemembersTheLeadsTheTakersPetitCutAndTheTrumpGaps) {
  ScriptedDeal deal(kNorth, kNorthTakes);
  GameState& g = deal.game.flow.state;
  // The strategy's mark that the taker's Petit cut is to be watched.
  g.RuleState[16] = 1;

  deal.PlayThrough(1);
  EXPECT_EQ(g.TakerFirstSuit, kPique);
  EXPECT_EQ(g.TakerSecondSuit, -1);
  EXPECT_EQ(g.TakerLastLedSuit, kPique);
  EXPECT_EQ(g.SuitOpening[kPique], 2);
  EXPECT_EQ(g.SuitOpening[kCoeur], 1);
  EXPECT_EQ(g.HumanOddTrumpLead, -1) << "an odd plain card of the taker's is no odd trump lead";

  deal.PlayThrough(4);
  EXPECT_EQ(g.FirstLeadPending[kNorth], 0);
  EXPECT_EQ(g.FirstLeadPending[kSouth], 1) << "following is not leading";
  EXPECT_EQ(g.FirstLeadPending[kWest], 1);
  EXPECT_EQ(g.NoDefenderLedYet, 1) << "only the taker has led";
  EXPECT_EQ(g.SuitOpening[kPique], 0) << "PIQUE has been played in a finished trick";
  EXPECT_EQ(g.TakerPetitCut, -1) << "a defender's cut and the taker's plain card are no Petit cut";
  EXPECT_EQ(g.TrumpGapFlag, 0) << "trumps on a plain lead leave no gap";

  // The trick is on display: a click on South's 15 only continues, it does not play the card.
  ASSERT_EQ(g.DealPhase, Phase::TrickShown);
  const int fifteen = deal.SlotOf(kSouth, Trump(15));
  Apply(deal.game.flow, Move{MoveKind::HandCard, fifteen});
  EXPECT_EQ(g.DealPhase, Phase::Playing);
  EXPECT_EQ(g.TrickCards[kNorth].Suit, kNoSuit);
  EXPECT_EQ(g.Hands[kSouth][fifteen].InHand, 1);
  EXPECT_TRUE(deal.view.Armed(TimerId::TimerEntreCarte));

  deal.PlayThrough(5);
  EXPECT_EQ(g.HumanOddTrumpLead, kSouth) << "South, a defender, first leads an odd trump";
  EXPECT_EQ(g.NoDefenderLedYet, 0);
  deal.PlayThrough(6);
  EXPECT_EQ(g.TrumpGapFlag, 0) << "9 after 15: six below";
  deal.PlayThrough(7);
  EXPECT_EQ(g.TrumpGapFlag, 0) << "13 after 9: four above";
  deal.PlayThrough(8);
  EXPECT_EQ(g.TrumpGapFlag, 1) << "8 after 13: five below";

  deal.PlayThrough(11);
  EXPECT_EQ(g.TakerSecondSuit, -1) << "the taker following COEUR did not lead it";
  EXPECT_EQ(g.SuitOpening[kCoeur], 2);
  EXPECT_EQ(g.SuitOpening[kTrefle], 1);
  deal.PlayThrough(12);
  EXPECT_EQ(g.SuitOpening[kCoeur], 0);
  EXPECT_EQ(g.SuitOpening[kTrefle], 0) << "a suit first played as a discard is opened too";
  EXPECT_EQ(g.SuitOpening[kCarreau], 1);
  deal.PlayThrough(13);
  EXPECT_EQ(g.SuitOpening[kCarreau], 2);
  EXPECT_EQ(g.TakerFirstSuit, kPique);
  EXPECT_EQ(g.TakerSecondSuit, kCarreau);
  EXPECT_EQ(g.TakerLedSuitCount, 2);
  EXPECT_EQ(g.TakerLedSuitOrder[1], kPique);
  EXPECT_EQ(g.TakerLedSuitOrder[2], kCarreau);

  deal.PlayThrough(17);
  EXPECT_EQ(g.SuitOpening[kTrefle], 0) << "TREFLE was opened two tricks ago";
  EXPECT_EQ(g.TakerPetitCut, -1);
  EXPECT_EQ(g.TrumpGapFlag, 1);
  deal.PlayThrough(19);
  EXPECT_EQ(g.TakerPetitCut, 0) << "the taker cut TREFLE with the Petit";
  EXPECT_EQ(g.TrumpGapFlag, 0) << "the Petit has fallen";
  EXPECT_EQ(g.PetitInTrick, 1);
  deal.PlayThrough(20);
  EXPECT_EQ(g.PetitInTrick, 0);

  deal.PlayThrough(21);
  EXPECT_EQ(g.TakerFirstSuit, kPique);
  EXPECT_EQ(g.TakerSecondSuit, kCarreau) << "a third lead changes neither";
  EXPECT_EQ(g.TakerLedSuitCount, 2);
  EXPECT_EQ(g.TakerPetitCut, 0) << "a plain lead";
  deal.PlayThrough(23);
  EXPECT_EQ(g.TakerPetitCut, 0) << "a trump that does not lead";
  deal.PlayThrough(25);
  EXPECT_EQ(g.TakerPetitCut, -1) << "a trump lead after the Petit cut";
  deal.PlayThrough(26);
  EXPECT_EQ(g.TrumpGapFlag, 1) << "10 after 5: five above";

  // The same hands with South as taker: West is the first defender to lead, with an odd trump.
  ScriptedDeal south_takes(kSouth, kSouthTakes);
  south_takes.PlayThrough(4);
  EXPECT_EQ(south_takes.game.flow.state.NoDefenderLedYet, 1);
  south_takes.PlayThrough(5);
  EXPECT_EQ(south_takes.game.flow.state.NoDefenderLedYet, 0);
  EXPECT_EQ(south_takes.game.flow.state.HumanOddTrumpLead, -1)
      << "only South's own first lead counts";
}

TEST(CardPlay, EveryObserverLearnsWhatEachCardAndTheReasonForItReveal) {
  ScriptedDeal deal(kNorth, kNorthTakes);
  GameState& g = deal.game.flow.state;
  auto trumps_outside = [&g] {
    return std::vector<int>{g.OutsideTrumpCount[kSouth], g.OutsideTrumpCount[kEast],
                            g.OutsideTrumpCount[kNorth], g.OutsideTrumpCount[kWest]};
  };
  ASSERT_EQ(trumps_outside(), (std::vector<int>{12, 19, 15, 19}));
  // Nobody has seen the dog, so no one has placed its PIQUE king nor the trump 16.
  for (int o = 1; o <= 4; ++o) {
    ASSERT_EQ(g.MayHoldCard[o][kWest][kPique][14], -1);
    ASSERT_EQ(g.MayHoldTrump[o][kEast][16], -1);
  }
  ASSERT_EQ(g.MayHoldTrump[kSouth][kWest][1], -1);

  deal.PlayThrough(1);
  for (int o = 1; o <= 4; ++o) {
    EXPECT_EQ(g.CardStatus[o][kPique][7], kPlayed);
    for (int h = 1; h <= 4; ++h)
      EXPECT_EQ(g.MayHoldCard[o][h][kPique][7], 0);
  }
  EXPECT_EQ(g.OutsideSuitCount[kSouth][kPique], 13);
  EXPECT_EQ(g.OutsideSuitCount[kEast][kPique], 7);
  EXPECT_EQ(g.OutsideSuitCount[kNorth][kPique], 8) << "the player's own count stays";
  EXPECT_EQ(g.OutsideSuitCount[kWest][kPique], 13);

  // West cuts: every seat, South included, now knows him void in PIQUE.
  deal.PlayThrough(2);
  EXPECT_EQ(trumps_outside(), (std::vector<int>{11, 18, 14, 19}));
  for (int o = 1; o <= 4; ++o) {
    EXPECT_EQ(g.KnownVoid[o][kWest][kPique], 1);
    EXPECT_EQ(g.TrumpStatus[o][3], kPlayed);
    for (int h = 1; h <= 4; ++h)
      EXPECT_EQ(g.MayHoldTrump[o][h][3], 0);
    for (int v = 1; v <= 14; ++v)
      EXPECT_EQ(g.MayHoldCard[o][kWest][kPique][v], 0) << "observer " << o << " value " << v;
  }
  EXPECT_EQ(g.KnownNoTrump[kWest][kWest], 0) << "West still holds the 8";
  deal.PlayThrough(3);
  EXPECT_EQ(trumps_outside(), (std::vector<int>{11, 17, 13, 18}));

  // East cannot go above 15: every trump from 16 up is gone from his hand, in every view.
  deal.PlayThrough(6);
  for (int o = 1; o <= 4; ++o) {
    for (int v = 16; v <= 21; ++v)
      EXPECT_EQ(g.MayHoldTrump[o][kEast][v], 0) << "observer " << o << " trump " << v;
  }
  for (int o : {kSouth, kEast, kWest})
    EXPECT_EQ(g.MayHoldTrump[o][kEast][14], -1) << "the 14 is below 15: still possible";
  deal.PlayThrough(8);
  EXPECT_EQ(trumps_outside(), (std::vector<int>{8, 14, 10, 15}));
  EXPECT_EQ(g.KnownNoTrump[kWest][kWest], 1) << "West's last trump";
  EXPECT_EQ(g.KnownNoTrump[kSouth][kWest], 0) << "the others cannot know it yet";

  deal.PlayThrough(11);
  EXPECT_EQ(g.KnownVoid[kNorth][kNorth][kCoeur], 1) << "North's only COEUR";
  EXPECT_EQ(g.KnownVoid[kSouth][kNorth][kCoeur], 0);
  // West has neither COEUR nor trumps: all see it; the Excuse is still possible for him.
  deal.PlayThrough(12);
  for (int o = 1; o <= 4; ++o) {
    EXPECT_EQ(g.KnownVoid[o][kWest][kCoeur], 1);
    EXPECT_EQ(g.KnownNoTrump[o][kWest], 1);
    for (int v = 1; v <= 14; ++v)
      EXPECT_EQ(g.MayHoldCard[o][kWest][kCoeur][v], 0) << "observer " << o << " value " << v;
    for (int v = 1; v <= 21; ++v)
      EXPECT_EQ(g.MayHoldTrump[o][kWest][v], 0) << "observer " << o << " trump " << v;
  }
  for (int o : {kSouth, kNorth, kWest})
    EXPECT_EQ(g.MayHoldTrump[o][kWest][0], -1);

  deal.PlayThrough(15);
  for (int o = 1; o <= 4; ++o) {
    EXPECT_EQ(g.KnownVoid[o][kSouth][kCarreau], 1);
    for (int v = 1; v <= 14; ++v)
      EXPECT_EQ(g.MayHoldCard[o][kSouth][kCarreau][v], 0);
  }
  deal.PlayThrough(19);
  for (int o = 1; o <= 4; ++o) {
    EXPECT_EQ(g.KnownVoid[o][kNorth][kTrefle], 1);
    EXPECT_EQ(g.MayHoldCard[o][kNorth][kTrefle][14], 0);
  }
  EXPECT_EQ(g.KnownNoTrump[kSouth][kNorth], 0) << "a cut shows trumps, not their absence";

  // West, without trumps, has shown nothing of them yet when North leads the 14: the 21 and
  // the Petit are still possible for him until he throws a CARREAU.
  ScriptedDeal south_takes(kSouth, kSouthTakes);
  GameState& t = south_takes.game.flow.state;
  south_takes.PlayThrough(9);
  for (int o : {kEast, kNorth, kWest})
    ASSERT_EQ(t.MayHoldTrump[o][kWest][21], -1);
  ASSERT_EQ(t.KnownNoTrump[kSouth][kWest], 0);
  south_takes.PlayThrough(10);
  for (int o = 1; o <= 4; ++o) {
    EXPECT_EQ(t.KnownNoTrump[o][kWest], 1);
    for (int v = 1; v <= 21; ++v)
      EXPECT_EQ(t.MayHoldTrump[o][kWest][v], 0) << "observer " << o << " trump " << v;
    EXPECT_EQ(t.KnownVoid[o][kWest][kCarreau], 0) << "nothing is known of his CARREAU";
  }
  for (int o : {kSouth, kNorth, kWest})
    EXPECT_EQ(t.MayHoldTrump[o][kWest][0], -1);
}

}  // namespace
}  // namespace zarvane
