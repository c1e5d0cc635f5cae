#include <gtest/gtest.h>

#include <string>

#include "core/cards.h"
#include "core/deal.h"
#include "core/deductions.h"
#include "core/play_preparation.h"
#include "table/deductions_panel.h"
#include "table/game.h"
#include "tests/support/fake_table_view.h"
#include "tests/support/fixed_clock.h"

namespace zarvane {
namespace {

using testing::FakeTableView;
using testing::SteppingClock;

int Cell(int suit, int c) {
  return (suit - 1) * 4 + c;
}

struct DeductionsTest : ::testing::Test {
  DeductionsTest() {
    BuildCardTable(game.flow.state);
    for (int k = 1; k <= 78; ++k)
      game.flow.state.DealOrder[k] = k;
    game.flow.Language = 1;
    DealUntilAccepted(game.flow.state, game.flow.clock);
    game.flow.state.Taker = kNorth;
    game.flow.state.AnnouncedBid.Fill(kPasse);
    game.flow.state.AnnouncedBid[kNorth] = kGardeContre;
    game.flow.state.DogWasShown = 0;
    ResetDeductionsPanel(game);
    PreparePlay(game.flow.state);
    RefreshDeductions(game);
  }

  int SouthTrumps() {
    int trumps = 0;
    for (const Card& card : game.flow.state.Hands[kSouth])
      trumps += IsTrump(card) ? 1 : 0;
    return trumps;
  }

  // A card leaves play in every seat's view, as the bookkeeping of a played card does.
  void PlayTrump(int value) {
    for (int o = 1; o <= 4; ++o)
      game.flow.state.TrumpStatus[o][value] = kPlayed;
    if (value >= 2)
      game.flow.state.TrumpHolder[value] = kPlayed;
  }
  void PlayPlain(int suit, int value) {
    for (int o = 1; o <= 4; ++o)
      game.flow.state.CardStatus[o][suit][value] = kPlayed;
    game.flow.state.CardHolder[suit][value] = kPlayed;
  }

  FakeTableView view;
  Game game{view, SteppingClock(50'000'000)};
};

TEST_F(DeductionsTest, ThePanelIsFilledWhenThePlayStarts) {
  EXPECT_EQ(view.Text(Control::PanelAtoutMax), "21");
  EXPECT_EQ(view.Text(Control::PanelAtExt), std::to_string(21 - SouthTrumps()));
  for (int s = kPique; s <= kCarreau; ++s) {
    int held = 0;
    for (const Card& card : game.flow.state.Hands[kSouth])
      held += card.Suit == s ? 1 : 0;
    EXPECT_EQ(view.Text(Control::CountLabel, s), std::to_string(14 - held));
    for (int c = 1; c <= 4; ++c)
      EXPECT_FALSE(view.Visible(Control::HonourCell, Cell(s, c)));
  }
  EXPECT_FALSE(view.Visible(Control::Panel21));
  EXPECT_FALSE(view.Visible(Control::PanelPetit));
  EXPECT_FALSE(view.Visible(Control::PanelExcuse));
}

TEST_F(DeductionsTest, PlayedHonoursShowInTheirSuitColumn) {
  PlayPlain(kCoeur, 14);
  PlayPlain(kCoeur, 11);
  // A card gone in another seat's view only does not show on South's panel.
  game.flow.state.CardStatus[kEast][kPique][13] = kPlayed;
  RefreshDeductions(game);
  EXPECT_TRUE(view.Visible(Control::HonourCell, Cell(kCoeur, 1)));
  EXPECT_FALSE(view.Visible(Control::HonourCell, Cell(kCoeur, 2)));
  EXPECT_FALSE(view.Visible(Control::HonourCell, Cell(kCoeur, 3)));
  EXPECT_TRUE(view.Visible(Control::HonourCell, Cell(kCoeur, 4)));
  for (int s : {kPique, kTrefle, kCarreau}) {
    for (int c = 1; c <= 4; ++c)
      EXPECT_FALSE(view.Visible(Control::HonourCell, Cell(s, c)));
  }
}

TEST_F(DeductionsTest, EachHonourShowsInItsOwnCellOfItsOwnColumn) {
  // The queen in the first column and the knight in the last: a column or a cell taken
  // from the wrong end would show another cell.
  PlayPlain(kPique, 13);
  PlayPlain(kCarreau, 12);
  RefreshDeductions(game);
  for (int s = kPique; s <= kCarreau; ++s) {
    for (int c = 1; c <= 4; ++c) {
      const bool shown = (s == kPique && c == 2) || (s == kCarreau && c == 3);
      EXPECT_EQ(view.Visible(Control::HonourCell, Cell(s, c)), shown)
          << "suit " << s << " cell " << c;
    }
  }
  // A ten is no honour: no cell shows it.
  PlayPlain(kCoeur, 10);
  RefreshDeductions(game);
  for (int c = 1; c <= 4; ++c)
    EXPECT_FALSE(view.Visible(Control::HonourCell, Cell(kCoeur, c)));
}

TEST_F(DeductionsTest, CountsShowADashOnlyForASuitWithNothingOutside) {
  game.flow.state.OutsideSuitCount[kSouth][kPique] = 0;
  game.flow.state.OutsideSuitCount[kSouth][kCoeur] = 1;
  game.flow.state.OutsideTrumpCount[kSouth] = 0;
  RefreshDeductions(game);
  EXPECT_EQ(view.Text(Control::CountLabel, kPique), "-");
  EXPECT_EQ(view.Text(Control::CountLabel, kCoeur), "1");
  // South holds every trump still out of play: the count is 0, not a dash.
  EXPECT_EQ(view.Text(Control::PanelAtExt), "0");
}

TEST_F(DeductionsTest, TheTopTrumpChangesOnlyAtTheEndOfTheTrick) {
  PlayTrump(21);
  RefreshDeductions(game);
  EXPECT_TRUE(view.Visible(Control::Panel21));
  EXPECT_EQ(view.Text(Control::PanelAtoutMax), "21");

  RefreshAfterTrick(game.flow.state);
  RefreshDeductions(game);
  EXPECT_EQ(view.Text(Control::PanelAtoutMax), "20");
  for (int seat = 1; seat <= 4; ++seat)
    EXPECT_EQ(game.flow.state.TopTrump[seat], 20);

  for (int v = 1; v <= 20; ++v)
    PlayTrump(v);
  RefreshAfterTrick(game.flow.state);
  RefreshDeductions(game);
  EXPECT_EQ(view.Text(Control::PanelAtoutMax), "-");
  EXPECT_EQ(game.flow.state.TopTrump[kSouth], -1);
}

TEST_F(DeductionsTest, EachSeatHasItsOwnTopTrump) {
  game.flow.state.TrumpStatus[kEast][21] = kPlayed;
  game.flow.state.TrumpStatus[kEast][20] = kPlayed;
  game.flow.state.TrumpStatus[kWest][21] = kPlayed;
  // A trump the seat holds itself is not played: it still counts.
  game.flow.state.TrumpStatus[kNorth][21] = kNorth;
  EXPECT_EQ(TopTrumpFor(game.flow.state, kEast), 19);
  EXPECT_EQ(TopTrumpFor(game.flow.state, kWest), 20);
  EXPECT_EQ(TopTrumpFor(game.flow.state, kNorth), 21);
  EXPECT_EQ(TopTrumpFor(game.flow.state, kSouth), 21);
  // The Excuse is no trump for this purpose.
  for (int v = 1; v <= 21; ++v)
    game.flow.state.TrumpStatus[kSouth][v] = kPlayed;
  game.flow.state.TrumpStatus[kSouth][0] = -1;
  EXPECT_EQ(TopTrumpFor(game.flow.state, kSouth), -1);
}

TEST_F(DeductionsTest, MasterCardsFollowSouthsView) {
  PlayPlain(kCoeur, 14);
  PlayPlain(kCoeur, 13);
  for (int v = 1; v <= 14; ++v)
    PlayPlain(kPique, v);
  game.flow.state.CardStatus[kEast][kTrefle][14] = kPlayed;
  RefreshAfterTrick(game.flow.state);
  EXPECT_EQ(game.flow.state.MasterCard[kCoeur], 12);
  EXPECT_EQ(game.flow.state.MasterCard[kPique], -1);
  EXPECT_EQ(game.flow.state.MasterCard[kTrefle], 14);
  EXPECT_EQ(game.flow.state.MasterCard[kCarreau], 14);

  // With every diamond down to the 2 played, the lone 1 is the master.
  for (int v = 2; v <= 14; ++v)
    PlayPlain(kCarreau, v);
  RefreshAfterTrick(game.flow.state);
  EXPECT_EQ(game.flow.state.MasterCard[kCarreau], 1);
}

TEST_F(DeductionsTest, TheOudlerPanelsShowOnceTheirCardIsPlayed) {
  game.flow.state.PetitHolder = kPlayed;
  RefreshDeductions(game);
  EXPECT_TRUE(view.Visible(Control::PanelPetit));
  EXPECT_FALSE(view.Visible(Control::PanelExcuse));
  EXPECT_FALSE(view.Visible(Control::Panel21));
  game.flow.state.ExcuseHolder = kPlayed;
  RefreshDeductions(game);
  EXPECT_TRUE(view.Visible(Control::PanelExcuse));
}

TEST_F(DeductionsTest, ANewDealEmptiesThePanel) {
  PlayTrump(21);
  PlayPlain(kCarreau, 12);
  game.flow.state.PetitHolder = kPlayed;
  game.flow.state.ExcuseHolder = kPlayed;
  RefreshAfterTrick(game.flow.state);
  RefreshDeductions(game);
  ASSERT_TRUE(view.Visible(Control::HonourCell, Cell(kCarreau, 3)));

  ResetDeductionsPanel(game);

  EXPECT_EQ(view.Text(Control::PanelAtoutMax), "");
  EXPECT_EQ(view.Text(Control::PanelAtExt), "");
  EXPECT_FALSE(view.Visible(Control::Panel21));
  EXPECT_FALSE(view.Visible(Control::PanelPetit));
  EXPECT_FALSE(view.Visible(Control::PanelExcuse));
  for (int s = kPique; s <= kCarreau; ++s) {
    EXPECT_EQ(view.Text(Control::CountLabel, s), "");
    for (int c = 1; c <= 4; ++c)
      EXPECT_FALSE(view.Visible(Control::HonourCell, Cell(s, c)));
  }
}

}  // namespace
}  // namespace zarvane
