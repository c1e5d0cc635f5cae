#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/cards.h"
#include "flow/bidding.h"
#include "flow/deal_flow.h"
#include "flow/deal_saving.h"
#include "flow/discard.h"
#include "flow/interrupted_deal.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "flow/poignee.h"
#include "flow/start.h"
#include "settings/file_safety.h"
#include "settings/texts.h"
#include "tests/support/deal_driver.h"

namespace zarvane {
namespace {

using testing::DealDriver;
using testing::FakeTableView;

// What a deal leaves behind once it is played out.
struct Ending {
  PerSeat<Table<std::int8_t, 1, 18>> PlayedSlot{};
  Table<std::int8_t, 1, 18> TrickLeaders{};
  PerSeat<std::int8_t> AnnouncedBid{};
  int Taker = 0;
  int PoigneeLevel = 0;
  int TakerPoints = 0;
  Table<std::int32_t, 1, 4> Scores{};
  std::uint32_t Generator = 0;
  Table<Card, 1, 6> Dog{};
  friend bool operator==(const Ending&, const Ending&) = default;
};

Ending EndingOf(const Game& game) {
  return {game.flow.state.PlayedSlot,
          game.flow.state.TrickLeaders,
          game.flow.state.AnnouncedBid,
          game.flow.state.Taker,
          game.flow.state.PoigneeLevel,
          game.flow.state.TakerPoints,
          game.flow.state.options.Scores,
          game.flow.state.random.GeneratorState,
          game.flow.state.Dog};
}

std::string SavedText(const Game& game) {
  return ReadSmallFile(game.flow.ResumePath, kSavedDealLimit).bytes;
}

// A game whose deal is saved beside its options file, as the window's is.
void SaveBesideOptions(Game& game) {
  game.flow.ResumePath = ResumePathBeside(game.flow.OptionsPath);
}

// The table and the player's choices after one move of the deal played straight through.
struct Snapshot {
  std::string saved;
  std::mt19937 choices;
  FakeTableView view;
};

using Script = std::vector<std::function<void(Game&)>>;

// Plays the scripted moves, then as PlayStep plays, keeping a snapshot after every move.
std::vector<Snapshot> PlayStraight(DealDriver& driver, std::mt19937& choices,
                                   const Script& script) {
  std::vector<Snapshot> snapshots;
  const auto keep = [&] { snapshots.push_back({SavedText(driver.game), choices, driver.view}); };
  for (const auto& move : script) {
    move(driver.game);
    keep();
  }
  while (driver.Step(choices))
    keep();
  return snapshots;
}

// A fresh program resumes each snapshot: the table is back as it was, and with the same moves
// after it the deal ends as it did when played straight through.
void ExpectEverySnapshotResumes(const std::vector<Snapshot>& snapshots, const Script& script,
                                const Ending& ending) {
  for (std::size_t k = 0; k < snapshots.size(); ++k) {
    SCOPED_TRACE(::testing::Message() << "resumed after move " << k + 1);
    if (snapshots[k].saved.empty()) {
      // Only once the deal is scored is there nothing left to resume.
      EXPECT_EQ(k + 1, snapshots.size());
      continue;
    }
    const auto saved = DecodeSavedDeal(snapshots[k].saved);
    ASSERT_TRUE(saved.has_value());
    DealDriver resumed(1, 50'000'000);
    ASSERT_TRUE(ResumeDeal(resumed.game.flow, *saved));
    EXPECT_TRUE(resumed.view.ShowsTheSameAs(snapshots[k].view));
    for (std::size_t m = k + 1; m < script.size(); ++m)
      script[m](resumed.game);
    std::mt19937 choices = snapshots[k].choices;
    while (resumed.Step(choices)) {
    }
    EXPECT_TRUE(EndingOf(resumed.game) == ending);
  }
}

TEST(InterruptedDeal, ResumedAfterAnyMoveTheDealEndsAsPlayedStraightThrough) {
  for (int level = 1; level <= 4; ++level) {
    SCOPED_TRACE(::testing::Message() << "level " << level);
    DealDriver straight(1, 41'000'000 + level);
    SaveBesideOptions(straight.game);
    Apply(straight.game.flow, Move{MoveKind::Level, level});
    straight.game.flow.state.options.AtLeastOneTaker = 1;
    std::mt19937 choices(static_cast<unsigned>(level));
    NewDeal(straight.game.flow, 0);
    const std::vector<Snapshot> snapshots = PlayStraight(straight, choices, {});
    ASSERT_EQ(straight.game.flow.state.TrickNumber, 19);
    EXPECT_FALSE(std::filesystem::exists(straight.game.flow.ResumePath));
    ExpectEverySnapshotResumes(snapshots, {}, EndingOf(straight.game));
  }
}

// South with thirteen trumps and the lowest plain cards; the others share out the rest.
DealtDeal PoigneeDeal() {
  DealtDeal deal;
  deal.FirstPlayer = kSouth;
  Table<int, 1, 5> filled{};
  const auto give = [&](int place, int card) {
    if (place == 5)
      deal.Dog[++filled[5]] = kPack[card];
    else
      deal.Hands[place][++filled[place]] = kPack[card];
  };
  for (int trump = 1; trump <= 13; ++trump)
    give(kSouth, CardNumber(Card{trump, kAtout}));
  int next_seat = kEast;
  for (int card = 1; card <= 78; ++card) {
    const Card c = kPack[card];
    if (c.Suit == kAtout && c.Value >= 1 && c.Value <= 13)
      continue;
    if (filled[kSouth] < 18 && c.Suit != kAtout && c.Value <= 5) {
      give(kSouth, card);
    } else if (filled[5] < 6 && c.Suit != kAtout && c.Value >= 6 && c.Value <= 7) {
      give(5, card);
    } else {
      give(next_seat, card);
      next_seat = next_seat == kWest ? kEast : next_seat + 1;
    }
  }
  return deal;
}

// South takes, makes his discard and shows a double poignee: resumed in the middle of the
// discard or with the poignee window open, the table is back with the cards lifted as they
// were, and the deal ends the same.
TEST(InterruptedDeal, ResumedInTheMiddleOfTheDiscardOrThePoigneeTheTableIsAsItWas) {
  DealDriver straight(1, 43'000'000);
  SaveBesideOptions(straight.game);
  PlayDealFromCode(straight.game.flow, PoigneeDeal());
  Script script = {[](Game& game) { Apply(game.flow, Move{MoveKind::SouthBid, kGarde}); }};
  for (int n = 0; n < 3; ++n)
    script.push_back([](Game& game) { Apply(game.flow, Move{MoveKind::BidTick}); });
  script.push_back([](Game& game) { Apply(game.flow, Move{MoveKind::Continue}); });  // the dog
  script.push_back([](Game& game) { Apply(game.flow, Move{MoveKind::Continue}); });  // to South
  // Two clicks on the same card lift it and put it back.
  for (int k : {24, 24, 23, 22, 21, 20, 19, 18})
    script.push_back([k](Game& game) { Apply(game.flow, Move{MoveKind::DiscardCard, k}); });
  script.push_back([](Game& game) { Apply(game.flow, Move{MoveKind::ConfirmDiscard}); });
  script.push_back([](Game& game) {
    for (int tick = 0; tick < 4 && game.flow.state.DealPhase != Phase::Poignee; ++tick)
      Apply(game.flow, Move{MoveKind::CardTick});
  });
  script.push_back([](Game& game) { Apply(game.flow, Move{MoveKind::PoigneeLevel, 2}); });
  for (int j : {1, 2, 3, 3, 3})
    script.push_back([j](Game& game) { Apply(game.flow, Move{MoveKind::PoigneeCard, j}); });
  script.push_back([](Game& game) { Apply(game.flow, Move{MoveKind::LazyPoignee}); });
  script.push_back([](Game& game) { Apply(game.flow, Move{MoveKind::PoigneeOk}); });
  std::mt19937 choices(7);
  const std::vector<Snapshot> snapshots = PlayStraight(straight, choices, script);
  ASSERT_EQ(straight.game.flow.state.Taker, kSouth);
  ASSERT_EQ(straight.game.flow.state.PoigneeLevel, 2);
  ExpectEverySnapshotResumes(snapshots, script, EndingOf(straight.game));
}

// The question after the language choice: No removes the saved deal and leaves the table
// waiting for a new one; Yes at the Expert level plays on from where the deal stood.
TEST(InterruptedDeal, OfferedAfterTheLanguageChoiceNoForgetsItYesResumesIt) {
  DealDriver straight(1, 44'000'000);
  SaveBesideOptions(straight.game);
  Apply(straight.game.flow, Move{MoveKind::Level, kExpertLevel});
  straight.game.flow.state.options.AtLeastOneTaker = 1;
  NewDeal(straight.game.flow, 0);
  std::mt19937 choices(3);
  const auto play_to_trick = [&choices](DealDriver& driver, int trick) {
    while (driver.game.flow.state.TrickNumber < trick && driver.Step(choices)) {
    }
  };
  play_to_trick(straight, 2);
  const std::string saved = SavedText(straight.game);
  const std::mt19937 choices_then = choices;
  play_to_trick(straight, 3);

  for (const bool yes : {false, true}) {
    DealDriver next(0, 45'000'000);
    SaveBesideOptions(next.game);
    ASSERT_TRUE(ReplaceFileWhole(next.game.flow.ResumePath, saved));
    next.view.answers.push_back(yes);
    ChooseLanguage(next.game.flow, 2);
    ASSERT_EQ(next.view.asked, std::vector<std::string>{std::string(kResumeQuestion.english)});
    EXPECT_TRUE(next.view.informed.empty());
    if (!yes) {
      EXPECT_EQ(next.game.flow.state.DealPhase, Phase::Opening);
      EXPECT_FALSE(std::filesystem::exists(next.game.flow.ResumePath));
      continue;
    }
    EXPECT_EQ(next.game.flow.state.TrickNumber, 2);
    EXPECT_EQ(next.game.flow.state.options.Level, kExpertLevel);
    choices = choices_then;
    play_to_trick(next, 3);
    EXPECT_TRUE(EndingOf(next.game) == EndingOf(straight.game));
  }
}

// A deal saved by an earlier version of the game, in the middle of its 15th trick: it resumes
// where it stood and plays to its end.
TEST(InterruptedDeal, ADealSavedByAnEarlierVersionResumes) {
  const FileBytes file =
      ReadSmallFile(std::string(ZARVANE_TEST_FILES) + "/saved_deal_seed.json", kSavedDealLimit);
  ASSERT_EQ(file.status, ReadStatus::Ok);
  const auto saved = DecodeSavedDeal(file.bytes);
  ASSERT_TRUE(saved.has_value());
  DealDriver resumed(1, 47'000'000);
  ASSERT_TRUE(ResumeDeal(resumed.game.flow, *saved));
  EXPECT_EQ(resumed.game.flow.state.TrickNumber, 15);
  EXPECT_EQ(resumed.game.flow.state.CardsInTrick, 1);
  std::mt19937 choices(15);
  while (resumed.Step(choices)) {
  }
  EXPECT_EQ(resumed.game.flow.state.TrickNumber, 19);
  EXPECT_EQ(resumed.game.flow.state.TakerPoints + resumed.game.flow.state.DefencePoints, 182);
}

}  // namespace
}  // namespace zarvane
