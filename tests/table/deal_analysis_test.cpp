#include "flow/deal_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <type_traits>
#include <vector>

#include "core/cards.h"
#include "core/deal_code.h"
#include "core/scoring.h"
#include "core/strategy/choice_values.h"
#include "core/strategy/computer_card.h"
#include "core/strategy/expert.h"
#include "core/strategy/expert_bid.h"
#include "core/strategy/expert_discard.h"
#include "flow/deal_flow.h"
#include "flow/deal_saving.h"
#include "flow/discard.h"
#include "flow/interrupted_deal.h"
#include "flow/moves.h"
#include "flow/silent_presenter.h"
#include "tests/support/cards.h"
#include "tests/support/deal_builder.h"
#include "tests/support/deal_driver.h"

namespace zarvane {
namespace {

using testing::DealDriver;
using testing::Plain;
using testing::Trump;

// Few play-outs a choice keep a whole deal's analysis quick; a planted blunder stands out of
// the luck of the draws even so.
constexpr int kTestPlayOuts = 48;

// How South plays a deal; whatever is not said, as a player who declines the poignee and makes
// the first discard allowed.
struct SouthPlayer {
  std::function<int(Game&)> bid;
  std::function<int(Game&)> card;
  std::function<void(Game&)> discard = testing::MakeFirstAllowedDiscard;
  std::function<void(Game&)> poignee = [](Game& game) {
    Apply(game.flow, Move{MoveKind::NoPoignee});
  };
};

// The deal played to its score: the timers fire and the clicks go on as in a real game.
void PlayToTheScore(DealDriver& driver, const SouthPlayer& south) {
  std::mt19937 unused(1);
  for (;;) {
    Game& game = driver.game;
    if (game.flow.state.DealPhase == Phase::SouthBids)
      Apply(game.flow, Move{MoveKind::SouthBid, south.bid(game)});
    else if (game.flow.state.DealPhase == Phase::Discard)
      south.discard(game);
    else if (game.flow.state.DealPhase == Phase::Poignee)
      south.poignee(game);
    else if (game.flow.state.DealPhase == Phase::SouthPlays &&
             game.flow.state.CurrentSeat == kSouth && !driver.view.Armed(TimerId::TimerEntreCarte))
      Apply(game.flow, Move{MoveKind::HandCard, south.card(game)});
    else if (!driver.Step(unused))
      return;
  }
}

// The card the "Pro" rules would play in South's place, drawn on a copy.
int RulesCard(const Game& game) {
  Core copy = game.flow.state;
  copy.options.Level = kProLevel;
  MarkedRules unused;
  return ComputerCardSlot(copy, kSouth, unused).value();
}

// A deal arranged for a test: South's 18 cards, the dog, and cards East, North and West must
// hold; the rest of the pack goes round those three seats while they have room.
DealtDeal ArrangedDeal(int first_player, const std::vector<Card>& south,
                       const std::vector<Card>& dog,
                       const std::array<std::vector<Card>, 3>& east_north_west) {
  DealtDeal deal;
  deal.FirstPlayer = first_player;
  std::vector<bool> used(79, false);
  PerSeat<int> filled{};
  const auto give = [&](int seat, const Card& card) {
    used[static_cast<std::size_t>(CardNumber(card))] = true;
    deal.Hands[seat][++filled[seat]] = card;
  };
  for (const Card& card : south)
    give(kSouth, card);
  for (int seat = kEast; seat <= kWest; ++seat) {
    for (const Card& card : east_north_west[static_cast<std::size_t>(seat - kEast)])
      give(seat, card);
  }
  for (int d = 1; d <= 6; ++d) {
    deal.Dog[d] = dog[static_cast<std::size_t>(d - 1)];
    used[static_cast<std::size_t>(CardNumber(deal.Dog[d]))] = true;
  }
  int seat = kEast;
  for (int k = 1; k <= 78; ++k) {
    if (used[static_cast<std::size_t>(k)])
      continue;
    while (filled[seat] == 18)
      seat = seat == kWest ? kEast : seat + 1;
    give(seat, kPack[k]);
    seat = seat == kWest ? kEast : seat + 1;
  }
  return deal;
}

std::vector<Card> TrumpsFromTo(int low, int high) {
  std::vector<Card> trumps;
  for (int value = high; value >= low; --value)
    trumps.push_back(Trump(value));
  return trumps;
}

std::vector<Card> SuitFromTo(int suit, int low, int high) {
  std::vector<Card> cards;
  for (int value = high; value >= low; --value)
    cards.push_back(Plain(suit, value));
  return cards;
}

// East holds the trumps from the 7 up, the Excuse and two low clubs, enough for a GARDE CONTRE;
// South no trump, the king of clubs and low cards.
DealtDeal EastGardeContreDeal(int first_player) {
  const std::vector<Card> south = testing::Join({{Plain(kTrefle, 14)},
                                                 SuitFromTo(kTrefle, 4, 6),
                                                 SuitFromTo(kPique, 1, 7),
                                                 SuitFromTo(kCoeur, 1, 7)});
  std::vector<Card> east = TrumpsFromTo(7, 21);
  for (const Card& card : {testing::Excuse(), Plain(kTrefle, 2), Plain(kTrefle, 3)})
    east.push_back(card);
  return ArrangedDeal(first_player, south, SuitFromTo(kCarreau, 1, 6),
                      {east, TrumpsFromTo(1, 3), TrumpsFromTo(4, 6)});
}

// The decision that costs South most.
const DecisionCost& Costliest(const DealAnalysis& analysis) {
  return *std::max_element(
      analysis.decisions.begin(), analysis.decisions.end(),
      [](const DecisionCost& a, const DecisionCost& b) { return a.cost < b.cost; });
}

// South's card in the trick numbered so, as the analysis weighed it.
const DecisionCost* CardOfTrick(const DealAnalysis& analysis, int trick) {
  for (const DecisionCost& decision : analysis.decisions) {
    if (decision.kind == DecisionKind::Card && decision.trick == trick)
      return &decision;
  }
  return nullptr;
}

// A blunder South is made to commit, among cards the "Pro" rules play for him, is found as a
// cost beyond the luck of the draws, and no decision of his costs more: the Petit led by the
// taker into the defenders' trumps, when his high trumps could draw theirs first; a king thrown
// by a defender, after a GARDE CONTRE he could only pass, on a trick the taker's trump takes,
// when a low card would do.
TEST(DealAnalysis, APlantedBlunderIsFoundClearAndRankedFirst) {
  struct Planted {
    const char* name;
    DealtDeal deal;
    int bid;
    Card blunder;
    // Whether the blunder is due now, South to play.
    std::function<bool(const Game&)> due;
  };
  std::vector<Card> taker = TrumpsFromTo(15, 21);
  for (const Card& card :
       {Trump(1), testing::Excuse(), Plain(kPique, 14), Plain(kPique, 13), Plain(kPique, 12),
        Plain(kCoeur, 14), Plain(kCoeur, 13), Plain(kCoeur, 12), Plain(kTrefle, 14),
        Plain(kTrefle, 13), Plain(kCarreau, 14)})
    taker.push_back(card);
  const std::vector<Card> low_dog = {Plain(kPique, 2), Plain(kPique, 3),  Plain(kCoeur, 2),
                                     Plain(kCoeur, 3), Plain(kTrefle, 2), Plain(kTrefle, 3)};
  const std::vector<Planted> planted = {
      {"the Petit led into a certain loss",
       ArrangedDeal(kSouth, taker, low_dog,
                    {TrumpsFromTo(10, 14), TrumpsFromTo(6, 9), TrumpsFromTo(2, 5)}),
       kGardeContre, Trump(1), [](const Game& game) { return game.flow.state.TrickNumber == 1; }},
      {"a king thrown on a trick the taker takes", EastGardeContreDeal(kEast), kPasse,
       Plain(kTrefle, 14),
       [](const Game& game) {
         return game.flow.state.CardsInTrick > 0 &&
                IsTrump(game.flow.state.TrickCards[game.flow.state.Taker]);
       }},
  };
  for (const Planted& p : planted) {
    SCOPED_TRACE(p.name);
    DealDriver driver(1, 52'000'000);
    PlayDealFromCode(driver.game.flow, p.deal);
    int blunder_trick = 0;
    PlayToTheScore(driver, {.bid = [&](const Game&) { return p.bid; },
                            .card =
                                [&](Game& game) {
                                  if (blunder_trick != 0 || !p.due(game))
                                    return RulesCard(game);
                                  blunder_trick = game.flow.state.TrickNumber;
                                  return testing::SlotOf(game.flow.state, kSouth, p.blunder);
                                }});
    ASSERT_NE(blunder_trick, 0);
    ASSERT_LT(blunder_trick, 18);
    ASSERT_EQ(driver.game.flow.state.TrickNumber, kLastTrickDone);
    // The other side took the trick the blunder went to.
    const bool south_side = driver.game.flow.state.Taker == kSouth;
    const int winner = driver.game.flow.state.TrickLeaders[blunder_trick + 1];
    EXPECT_NE(winner == driver.game.flow.state.Taker, south_side);

    const DealAnalysis analysis = AnalyseSouthPlay(driver.game.flow, 2, nullptr, {}, kTestPlayOuts);
    ASSERT_TRUE(analysis.complete);
    // After a GARDE CONTRE South could only pass: a forced bid, never blamed.
    EXPECT_EQ(analysis.decisions.front().forced, p.bid == kPasse);
    const DecisionCost* blunder = CardOfTrick(analysis, blunder_trick);
    ASSERT_NE(blunder, nullptr);
    EXPECT_EQ(blunder->south_choice, testing::SlotOf(driver.game.flow.state, kSouth, p.blunder));
    EXPECT_NE(blunder->best_choice, blunder->south_choice);
    EXPECT_TRUE(blunder->Clear()) << blunder->cost << " +- " << blunder->cost_error;
    EXPECT_EQ(&Costliest(analysis), blunder);
  }
}

// South's discard: the six cards the Expert would set aside, picked on the discard row.
void MakeExpertDiscard(Game& game) {
  GameState expert = game.flow.state;
  ExpertDiscard(expert, Thinking{});
  for (int k = 1; k <= 24; ++k) {
    const Card card = DiscardImageCard(game.flow, k);
    if (std::any_of(expert.Dog.begin(), expert.Dog.end(),
                    [&](const Card& set_aside) { return SameCard(set_aside, card); }))
      Apply(game.flow, Move{MoveKind::DiscardCard, k});
  }
  Apply(game.flow, Move{MoveKind::ConfirmDiscard});
}

// A coded deal in which South bids, discards and plays his cards as the Expert would: the
// analysis finds each of those choices to be the Expert's own, so that none is blamed against
// it, never blames a card he had to play, and weighs every decision alike on one thread and on
// two.
TEST(DealAnalysis, TheExpertsOwnPlayIsItsChoiceAndTheSameOnOneThreadOrTwo) {
  DealDriver driver(1, 53'000'000);
  PlayDealFromCode(driver.game.flow,
                   *DecodeDealCode("DACH0-95ZDV-9R0VC-WWHTS-ECAS8-MC02Z-YKRGP").deal);
  std::vector<bool> forced(19, false);
  const auto expert_card = [&forced](Game& game) {
    forced[static_cast<std::size_t>(game.flow.state.TrickNumber)] =
        DistinctPlayableSlots(game.flow.state, kSouth).size() == 1;
    // He asks for the advice and clicks a card he may not play first: neither is a decision.
    Apply(game.flow, Move{MoveKind::CardAdvice});
    const auto& playable = game.flow.state.Playable[kSouth];
    const auto refused = std::find(playable.begin(), playable.end(), 0);
    if (refused != playable.end())
      Apply(game.flow, Move{MoveKind::HandCard, static_cast<int>(refused - playable.begin()) + 1});
    return *ExpertCardSlot(game.flow.state, kSouth);
  };
  PlayToTheScore(driver,
                 {.bid = [](const Game& game) { return *ExpertBid(game.flow.state, kSouth); },
                  .card = expert_card,
                  .discard = MakeExpertDiscard});
  ASSERT_EQ(driver.game.flow.state.Taker, kSouth);
  ASSERT_EQ(driver.game.flow.state.DogWasShown, 1);

  const DealAnalysis one = AnalyseSouthPlay(driver.game.flow, 1, nullptr, {}, kTestPlayOuts);
  const DealAnalysis two = AnalyseSouthPlay(driver.game.flow, 2, nullptr, {}, kTestPlayOuts);
  ASSERT_TRUE(one.complete);
  ASSERT_TRUE(two.complete);
  // His bid, his discard, the poignee his trumps offer him, his 18 cards.
  ASSERT_EQ(one.decisions.size(), 21u);
  ASSERT_EQ(two.decisions.size(), one.decisions.size());
  for (std::size_t i = 0; i < one.decisions.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "decision " << i);
    const DecisionCost& a = one.decisions[i];
    const DecisionCost& b = two.decisions[i];
    EXPECT_EQ(a.kind, b.kind);
    EXPECT_EQ(a.trick, b.trick);
    EXPECT_EQ(a.south_choice, b.south_choice);
    EXPECT_EQ(a.best_choice, b.best_choice);
    EXPECT_EQ(a.expert_choice, b.expert_choice);
    EXPECT_EQ(a.south_points, b.south_points);
    EXPECT_EQ(a.best_points, b.best_points);
    EXPECT_EQ(a.cost, b.cost);
    EXPECT_EQ(a.cost_error, b.cost_error);
    EXPECT_EQ(a.south_made, b.south_made);
    EXPECT_EQ(a.best_made, b.best_made);
    EXPECT_EQ(a.forced, b.forced);
    if (b.kind != DecisionKind::Poignee) {
      EXPECT_EQ(b.expert_choice, b.south_choice);
    }
    if (b.kind == DecisionKind::Card) {
      EXPECT_EQ(b.forced, forced[static_cast<std::size_t>(b.trick)]);
    }
    if (b.forced) {
      EXPECT_EQ(b.cost, 0);
      EXPECT_FALSE(b.Clear());
    }
  }
  EXPECT_EQ(two.decisions[0].kind, DecisionKind::Bid);
  EXPECT_EQ(two.decisions[1].kind, DecisionKind::Discard);
  EXPECT_EQ(two.decisions[2].kind, DecisionKind::Poignee);
}

// South takes a GARDE with thirteen trumps, makes his discard and shows a poignee of that level
// (none: he declines it); his cards are the "Pro" rules'. The game may first be given another
// level for the computer seats, as the player may choose one in the auction.
void PlayPoigneeDeal(DealDriver& driver, int level, int game_level = kProLevel) {
  const std::vector<Card> dog = {Plain(kCoeur, 6),  Plain(kCoeur, 7),   Plain(kTrefle, 6),
                                 Plain(kTrefle, 7), Plain(kCarreau, 6), Plain(kCarreau, 7)};
  PlayDealFromCode(
      driver.game.flow,
      ArrangedDeal(kSouth, testing::Join({TrumpsFromTo(1, 13), SuitFromTo(kPique, 1, 5)}), dog,
                   {}));
  const auto show_poignee = [level](Game& game) {
    if (level == 0) {
      Apply(game.flow, Move{MoveKind::NoPoignee});
      return;
    }
    Apply(game.flow, Move{MoveKind::PoigneeLevel, level});
    Apply(game.flow, Move{MoveKind::LazyPoignee});
    Apply(game.flow, Move{MoveKind::PoigneeOk});
  };
  const auto bid = [game_level](Game& game) {
    if (game.flow.state.options.Level != game_level)
      Apply(game.flow, Move{MoveKind::Level, game_level});
    return kGarde;
  };
  PlayToTheScore(driver, {.bid = bid, .card = RulesCard, .poignee = show_poignee});
  ASSERT_EQ(driver.game.flow.state.Taker, kSouth);
  ASSERT_EQ(driver.game.flow.state.PoigneeLevel, level);
  ASSERT_EQ(driver.game.flow.state.TrickNumber, kLastTrickDone);
}

// The rules' state byte for byte.
std::vector<unsigned char> StateBytes(const GameState& game) {
  static_assert(std::is_trivially_copyable_v<GameState>);
  std::vector<unsigned char> bytes(sizeof(GameState));
  std::memcpy(bytes.data(), &game, sizeof(GameState));
  return bytes;
}

// Asked for nothing, told to stop nothing.
class CountingThinker : public CardThinker {
 public:
  void Think(const Core&, int, std::uint32_t) override { ++asked; }
  void Cancel() override { ++cancelled; }
  int asked = 0;
  int cancelled = 0;
};

// Stopped before its first decision or after it, the analysis says it is incomplete and keeps
// the decisions weighed before the stop. The game it was given is as it was, even after a level
// chosen in the auction: its state, its record, its screen, its thinker, and not a file written.
TEST(DealAnalysis, StoppedItIsIncompleteAndTheGameIsAsItWas) {
  DealDriver driver(1, 54'000'000);
  CountingThinker thinker;
  driver.game.flow.thinker = &thinker;
  PlayPoigneeDeal(driver, 2, kProLevel - 1);
  const Game& game = driver.game;
  const std::vector<unsigned char> state = StateBytes(game.flow.state);
  const DealRecord record = game.flow.Record;
  const DealCheck check = CheckOf(game.flow.state);
  const std::uint64_t screen = driver.view.changes.value;
  const int cancelled = thinker.cancelled;
  const std::filesystem::path folder = std::filesystem::path(game.flow.OptionsPath).parent_path();
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  for (const int stop_after : {0, 1}) {
    SCOPED_TRACE(::testing::Message() << "stopped after " << stop_after);
    std::atomic<bool> stop{stop_after == 0};
    std::vector<int> reported;
    const DealAnalysis analysis = AnalyseSouthPlay(
        game.flow, 2, &stop,
        [&](int done, int total) {
          EXPECT_EQ(total, 21);
          reported.push_back(done);
          stop = stop || done == stop_after;
        },
        kTestPlayOuts);
    EXPECT_FALSE(analysis.complete);
    ASSERT_EQ(static_cast<int>(analysis.decisions.size()), stop_after);
    EXPECT_EQ(reported.size(), static_cast<std::size_t>(stop_after) + 1);
    EXPECT_TRUE(StateBytes(game.flow.state) == state);
    EXPECT_EQ(game.flow.Record.Moves, record.Moves);
    EXPECT_EQ(game.flow.Record.Open, record.Open);
    EXPECT_EQ(CheckOf(game.flow.state), check);
    EXPECT_EQ(driver.view.changes.value, screen);
    EXPECT_EQ(thinker.cancelled, cancelled);
    EXPECT_EQ(thinker.asked, 0);
    EXPECT_TRUE(std::filesystem::is_empty(folder));
  }
}

// Played again off the screen, the deal meets South's decisions as he made them: his bid, his
// discard, his poignee, shown or not, whose cost is the bonus alone, to the side that wins. A
// game that no longer stands where its record ends is not that deal, and nothing of it is
// weighed.
TEST(DealAnalysis, TheDealIsPlayedAgainAsItWentOrNotWeighedAtAll) {
  for (const int level : {0, 2}) {
    SCOPED_TRACE(::testing::Message() << "poignee " << level);
    DealDriver driver(1, 55'000'000);
    PlayPoigneeDeal(driver, level);
    std::atomic<bool> stop{false};
    const auto stop_after_poignee = [&](int done, int) { stop = stop || done == 3; };
    const DealAnalysis analysis =
        AnalyseSouthPlay(driver.game.flow, 2, &stop, stop_after_poignee, kTestPlayOuts);
    ASSERT_EQ(analysis.decisions.size(), 3u);
    const DecisionCost& bid = analysis.decisions[0];
    EXPECT_EQ(bid.kind, DecisionKind::Bid);
    EXPECT_EQ(bid.south_choice, kGarde);
    const DecisionCost& discard = analysis.decisions[1];
    EXPECT_EQ(discard.kind, DecisionKind::Discard);
    EXPECT_EQ(discard.south_choice, 0);
    const DecisionCost& poignee = analysis.decisions[2];
    EXPECT_EQ(poignee.kind, DecisionKind::Poignee);
    EXPECT_EQ(poignee.south_choice, level);
    // Thirteen trumps show at most a double: the best is none or that, as the taker fails or
    // makes his contract more often than not.
    EXPECT_GT(poignee.south_made, 0);
    EXPECT_EQ(poignee.south_made, poignee.best_made);
    EXPECT_EQ(poignee.best_choice, poignee.south_made > 0.5 ? 2 : 0);
    // He gains three times the bonus when he makes the contract and loses it when he fails.
    const double bonus_gap = PoigneeBonus(poignee.best_choice) - PoigneeBonus(level);
    EXPECT_NEAR(poignee.cost, 3 * bonus_gap * (2 * poignee.south_made - 1), 1e-9);
  }

  DealDriver driver(1, 55'000'000);
  PlayPoigneeDeal(driver, 2);
  // The generator moved since the deal's last move: not the deal its record holds.
  driver.game.flow.state.random.GeneratorState ^= 1;
  bool reported = false;
  const DealAnalysis other = AnalyseSouthPlay(
      driver.game.flow, 2, nullptr, [&](int, int) { reported = true; }, kTestPlayOuts);
  EXPECT_FALSE(reported);
  EXPECT_FALSE(other.complete);
  EXPECT_TRUE(other.decisions.empty());
}

// The silent presenter draws what the table draws, move for move: played again from the same
// record, a copy on the table's presenter and one on the silent presenter keep the same
// generator through a dealt hand, a dog, a discard row, South's hand laid out again and a
// poignee window.
TEST(SilentPresenter, DrawsWhatTheTableDrawsMoveForMove) {
  DealDriver driver(1, 57'000'000);
  PlayPoigneeDeal(driver, 2);
  const DealRecord record = driver.game.flow.Record;
  Game shown = driver.game;
  Flow silent_copy = driver.game.flow;
  SilentPresenter silent(silent_copy.state.random);
  silent_copy.presenter = &silent;
  DealRecordedDealAgain(shown.flow, record);
  DealRecordedDealAgain(silent_copy, record);
  EXPECT_EQ(silent_copy.state.random.GeneratorState, shown.flow.state.random.GeneratorState);
  for (std::size_t m = 0; m < record.Moves.size(); ++m) {
    Apply(shown.flow, record.Moves[m], MoveOrigin::Record);
    Apply(silent_copy, record.Moves[m], MoveOrigin::Record);
    ASSERT_EQ(silent_copy.state.random.GeneratorState, shown.flow.state.random.GeneratorState)
        << "move " << m << " " << MoveName(record.Moves[m].kind);
  }
  EXPECT_EQ(silent_copy.state.TrickNumber, kLastTrickDone);
}

// Each bid is played out through the auction it leads to: after South's pass East takes his
// GARDE CONTRE, a contract never worth 0, South defending; after South's own GARDE CONTRE he is
// the taker, who gains or loses three times what each defender pays or receives.
TEST(ChoiceValues, EachBidIsPlayedOutThroughTheAuctionItLeadsTo) {
  DealDriver driver(1, 58'000'000);
  PlayDealFromCode(driver.game.flow, EastGardeContreDeal(kSouth));
  ASSERT_EQ(driver.game.flow.state.DealPhase, Phase::SouthBids);
  ASSERT_EQ(driver.game.flow.state.ComputedBid[kEast], kGardeContre);
  const PlayOuts play_outs = PlayOutBids(driver.game.flow.state, kSouth, {kPasse, kGardeContre}, 8,
                                         Thinking{.threads = 1, .sees_every_hand = true});
  ASSERT_EQ(play_outs.size(), 8u);
  for (const std::vector<PlayOutEnd>& ends : play_outs) {
    EXPECT_NE(ends[0].points, 0);
    EXPECT_NE(ends[1].points, 0);
    EXPECT_EQ(ends[1].points % 3, 0);
  }
}

}  // namespace
}  // namespace zarvane
