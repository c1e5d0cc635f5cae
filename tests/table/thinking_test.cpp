#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <utility>

#include "core/strategy/computer_card.h"
#include "core/strategy/expert.h"
#include "flow/card_advice.h"
#include "flow/card_play.h"
#include "flow/deal_saving.h"
#include "flow/interrupted_deal.h"
#include "flow/moves.h"
#include "flow/saved_deal_file.h"
#include "settings/file_safety.h"
#include "tests/support/deal_driver.h"
#include "tests/support/every_turn.h"

namespace zarvane {
namespace {

using testing::DealDriver;

// Holds the request for the Expert's card until the test hands the card back, as a worker
// still thinking would.
class HeldThinker : public CardThinker {
 public:
  struct Request {
    std::unique_ptr<Core> position;
    int seat = 0;
    std::uint32_t ticket = 0;
  };

  void Think(const Core& position, int seat, std::uint32_t ticket) override {
    request = Request{std::make_unique<Core>(position), seat, ticket};
    ++asked;
  }
  void Cancel() override { ++cancelled; }

  // The card the Expert chooses in the position it was asked about, handed to the game.
  void Deliver(Flow& game) {
    DeliverThoughtCard(game, request->ticket, *ExpertCardSlot(*request->position, request->seat));
  }

  std::optional<Request> request;
  int asked = 0;
  int cancelled = 0;
};

void StartExpertDeal(DealDriver& driver) {
  driver.game.flow.state.options.Level = kExpertLevel;
  driver.game.flow.state.options.AtLeastOneTaker = 1;
  NewDeal(driver.game.flow, 0);
}

// Plays on until the trick, delivering each card the thinker is asked for; false when the deal
// was scored first.
bool PlayToTrick(DealDriver& driver, HeldThinker* thinker, std::mt19937& choices, int trick) {
  while (driver.game.flow.state.TrickNumber < trick) {
    if (driver.game.flow.state.DealPhase == Phase::Thinking)
      thinker->Deliver(driver.game.flow);
    else if (!driver.Step(choices))
      return false;
  }
  return true;
}

// Plays on until an Expert seat thinks in that trick, its card not delivered.
void PlayToThinking(DealDriver& driver, HeldThinker& thinker, std::mt19937& choices, int trick) {
  while (driver.game.flow.state.DealPhase != Phase::Thinking ||
         driver.game.flow.state.TrickNumber < trick) {
    if (driver.game.flow.state.DealPhase == Phase::Thinking)
      thinker.Deliver(driver.game.flow);
    else
      ASSERT_TRUE(driver.Step(choices));
  }
}

void ExpectSamePlay(const Game& a, const Game& b) {
  EXPECT_EQ(a.flow.state.PlayedSlot, b.flow.state.PlayedSlot);
  EXPECT_EQ(a.flow.state.TrickLeaders, b.flow.state.TrickLeaders);
  EXPECT_EQ(a.flow.state.random.GeneratorState, b.flow.state.random.GeneratorState);
  EXPECT_EQ(a.flow.state.TakerPoints, b.flow.state.TakerPoints);
}

// The trial deals are shared out between threads in whatever order they finish: the card must
// not depend on it. A stopped thinking gives no card.
TEST(Thinking, TheExpertChoosesTheSameCardOnOneThreadOrTwo) {
  int positions = 0;
  testing::LookAtEveryTurn(1, 1, 62'000'000, 0, 4, [&](const Game& game, int observer) {
    const int seat = game.flow.state.CurrentSeat;
    // Past the middle of the deal the thinking is short.
    if (observer != seat || seat == game.flow.state.HumanSeat || game.flow.state.TrickNumber < 10 ||
        positions == 4)
      return;
    Core position = game.flow.state;
    ComputePlayableCards(position, seat);
    if (DistinctPlayableSlots(position, seat).size() < 2)
      return;
    ++positions;
    EXPECT_EQ(ExpertCardSlot(position, seat, Thinking{1}),
              ExpertCardSlot(position, seat, Thinking{2}));
    const std::atomic<bool> stopped{true};
    EXPECT_EQ(ExpertCardSlot(position, seat, Thinking{2, &stopped}), std::nullopt);
  });
  EXPECT_EQ(positions, 4);
}

// However far a card leads in the trial deals, a proof the trials cannot give leaves the "Pro"
// rules' card to be played. The taker asks his own proof up to the 12th trick: with his own
// waived, he plays there the card the trials alone choose, and the rules' card after it, as a
// defender always does.
TEST(Thinking, AnUnreachableProofPlaysTheRulesCardAndTheTakerAsksHisOwnUpToTheTwelfthTrick) {
  const Thinking unreachable{
      .threads = 2, .proof_against_rules = 1e9, .taker_proof_before_last_tricks = 1e9};
  const Thinking taker_waived{
      .threads = 2, .proof_against_rules = 1e9, .taker_proof_before_last_tricks = -1};
  const Thinking trials_alone{
      .threads = 2, .proof_against_rules = -1, .taker_proof_before_last_tricks = -1};
  int positions = 0;
  // The trials alone's departures from the rules' card: the taker's or not, and the trick.
  std::set<std::pair<bool, int>> departures;
  testing::LookAtEveryTurn(1, 3, 65'000'000, 0, 6, [&](const Game& game, int observer) {
    const int seat = game.flow.state.CurrentSeat;
    if (observer != seat || seat == game.flow.state.HumanSeat || game.flow.state.TrickNumber < 10 ||
        game.flow.state.TrickNumber > 13)
      return;
    Core position = game.flow.state;
    ComputePlayableCards(position, seat);
    const std::vector<int> distinct = DistinctPlayableSlots(position, seat);
    Core pro = position;
    pro.options.Level = kProLevel;
    MarkedRules unused;
    const int rules_slot = ComputerCardSlot(pro, seat, unused).value();
    if (distinct.size() < 2 ||
        std::find(distinct.begin(), distinct.end(), rules_slot) == distinct.end())
      return;
    ++positions;
    if (positions <= 6) {
      EXPECT_EQ(ExpertCardSlot(position, seat, unreachable), rules_slot);
    }
    if (position.TrickNumber < 12)
      return;
    const int alone_slot = *ExpertCardSlot(position, seat, trials_alone);
    if (alone_slot == rules_slot)
      return;
    const bool taker = seat == position.Taker;
    departures.insert({taker, position.TrickNumber});
    const bool own_proof = taker && position.TrickNumber <= 12;
    EXPECT_EQ(ExpertCardSlot(position, seat, taker_waived), own_proof ? alone_slot : rules_slot)
        << "seat " << seat << ", trick " << position.TrickNumber;
  });
  EXPECT_GE(positions, 6);
  // The deals hold departures on either side of the 12th trick's end, and a defender's.
  for (const std::pair<bool, int>& departure : {std::pair{true, 12}, {true, 13}, {false, 12}})
    EXPECT_EQ(departures.count(departure), 1u) << departure.first << " " << departure.second;
}

// The card thought off the window's thread is played as the one thought on the spot; while
// the seat thinks, nothing moves and a stray tick asks nothing more; a resumed deal that was
// saved while a seat thought asks for its card again, and goes on as the straight one.
TEST(Thinking, ACardThoughtAsidePlaysAsOneThoughtOnTheSpotAndAResumedDealThinksAgain) {
  DealDriver spot(1, 63'000'000);
  DealDriver aside(1, 63'000'000);
  aside.game.flow.ResumePath = ResumePathBeside(aside.game.flow.OptionsPath);
  HeldThinker thinker;
  aside.game.flow.thinker = &thinker;
  std::mt19937 spot_choices(5);
  std::mt19937 aside_choices(5);
  StartExpertDeal(spot);
  StartExpertDeal(aside);

  PlayToThinking(aside, thinker, aside_choices, 1);
  const DealCheck asked = CheckOf(aside.game.flow.state);
  const int asked_count = thinker.asked;
  testing::RunTimerHandler(aside.game, TimerId::TimerEntreCarte);
  EXPECT_EQ(thinker.asked, asked_count);
  EXPECT_EQ(CheckOf(aside.game.flow.state), asked);
  EXPECT_FALSE(aside.view.Armed(TimerId::TimerEntreCarte));

  DealDriver resumed(1, 50'000'000);
  HeldThinker resumed_thinker;
  resumed.game.flow.thinker = &resumed_thinker;
  const auto saved =
      DecodeSavedDeal(ReadSmallFile(aside.game.flow.ResumePath, kSavedDealLimit).bytes);
  ASSERT_TRUE(saved.has_value());
  ASSERT_TRUE(ResumeDeal(resumed.game.flow, *saved));
  ASSERT_EQ(resumed_thinker.asked, 1);
  EXPECT_EQ(resumed_thinker.request->seat, thinker.request->seat);
  EXPECT_EQ(CheckOf(resumed.game.flow.state), asked);

  thinker.Deliver(aside.game.flow);
  resumed_thinker.Deliver(resumed.game.flow);
  EXPECT_EQ(CheckOf(resumed.game.flow.state), CheckOf(aside.game.flow.state));
  ExpectSamePlay(aside.game, resumed.game);

  ASSERT_TRUE(PlayToTrick(spot, nullptr, spot_choices, 2));
  ASSERT_TRUE(PlayToTrick(aside, &thinker, aside_choices, 2));
  ExpectSamePlay(spot.game, aside.game);
}

// A new deal while a seat thinks stops the thinking; its card, should it still come, leaves the
// new deal, its record and its screen untouched.
TEST(Thinking, ANewDealStopsTheThinkingAndItsLateCardIsDropped) {
  DealDriver driver(1, 64'000'000);
  HeldThinker thinker;
  driver.game.flow.thinker = &thinker;
  std::mt19937 choices(6);
  StartExpertDeal(driver);
  PlayToThinking(driver, thinker, choices, 1);
  HeldThinker::Request late = std::move(*thinker.request);
  const int cancelled = thinker.cancelled;

  NewDeal(driver.game.flow, 0);
  EXPECT_EQ(thinker.cancelled, cancelled + 1);
  const DealCheck fresh = CheckOf(driver.game.flow.state);
  const std::size_t moves = driver.game.flow.Record.Moves.size();
  const auto screen = driver.view.changes.value;
  DeliverThoughtCard(driver.game.flow, late.ticket, *ExpertCardSlot(*late.position, late.seat));
  EXPECT_EQ(CheckOf(driver.game.flow.state), fresh);
  EXPECT_EQ(driver.game.flow.Record.Moves.size(), moves);
  EXPECT_EQ(driver.view.changes.value, screen);
}

// South's advice at the Expert level is thought on the worker: asking changes nothing of the
// deal, the answer lifts the card and brings the highlight onto it; once South has played, the
// thinking is stopped and its late answer lifts nothing.
TEST(Thinking, TheExpertsAdviceIsThoughtAsideAndDroppedOnceSouthHasPlayed) {
  DealDriver driver(1, 66'000'000);
  HeldThinker thinker;
  driver.game.flow.thinker = &thinker;
  Game& game = driver.game;
  std::mt19937 choices(9);
  StartExpertDeal(driver);
  const auto play_to_south = [&] {
    while (game.flow.state.DealPhase != Phase::SouthPlays || game.flow.CardAdviceOpen == 0) {
      if (game.flow.state.DealPhase == Phase::Thinking)
        thinker.Deliver(game.flow);
      else
        ASSERT_TRUE(driver.Step(choices));
    }
  };
  play_to_south();
  const DealCheck before = CheckOf(game.flow.state);
  Apply(game.flow, Move{MoveKind::CardAdvice});
  ASSERT_TRUE(thinker.request.has_value());
  EXPECT_EQ(thinker.request->seat, kSouth);
  EXPECT_FALSE(game.table.AdvisedSlot.has_value());
  EXPECT_EQ(CheckOf(game.flow.state), before);
  const int advised = *ExpertCardSlot(*thinker.request->position, kSouth);
  thinker.Deliver(game.flow);
  EXPECT_EQ(game.table.AdvisedSlot, advised);
  EXPECT_EQ(driver.view.focus, std::make_pair(Control::Carte3D, advised));
  EXPECT_EQ(game.flow.state.Playable[kSouth][advised], 1);
  EXPECT_EQ(CheckOf(game.flow.state), before);

  ASSERT_TRUE(driver.Step(choices));  // South plays
  play_to_south();
  Apply(game.flow, Move{MoveKind::CardAdvice});
  HeldThinker::Request late = std::move(*thinker.request);
  const int cancelled = thinker.cancelled;
  ASSERT_TRUE(driver.Step(choices));
  EXPECT_EQ(thinker.cancelled, cancelled + 1);
  const auto screen = driver.view.changes.value;
  DeliverThoughtCard(game.flow, late.ticket, *ExpertCardSlot(*late.position, late.seat));
  EXPECT_FALSE(game.table.AdvisedSlot.has_value());
  EXPECT_EQ(driver.view.changes.value, screen);
}

}  // namespace
}  // namespace zarvane
