#include "flow/poignee.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/scoring.h"
#include "flow/moves.h"
#include "table/hand_layout.h"
#include "table/score_sheet.h"
#include "tests/support/deal_builder.h"
#include "tests/support/deal_driver.h"

namespace zarvane {
namespace {

using testing::DealDriver;
using testing::Join;
using testing::SuitCards;
using testing::Trumps;

// South holds `trumps` and plain spades after them; `taker` alone bids GARDE CONTRE, so the
// dog stays hidden, and South leads the first trick: the question, if any, is on screen.
void DealToSouthsFirstCard(DealDriver& d, const std::vector<Card>& trumps, int taker) {
  std::vector<Card> hand = trumps;
  for (int value = 1; hand.size() < 18; ++value)
    hand.push_back(Card{value, kPique, 1});
  d.DealWithBids(taker == kSouth ? kGardeContre : kPasse, taker == kEast ? kGardeContre : kPasse,
                 kPasse, kPasse);
  testing::DealAround(d.game.flow.state, kSouth, hand, SuitCards(kCarreau, {1, 2, 3, 4, 5, 6}));
  LayOutSouthHand(d.game);
  d.SouthBids(taker == kSouth ? kGardeContre : kPasse);
  d.Click();
  d.Click();
  d.Fire(TimerId::TimerEntreCarte);
  ASSERT_EQ(d.game.flow.state.CurrentSeat, kSouth);
}

void PlayToTheEnd(DealDriver& d) {
  std::mt19937 choices(11);
  for (int moves = 0; moves < 5000 && d.Step(choices); ++moves) {
  }
  ASSERT_TRUE(d.view.Visible(Control::PanelResultat));
}

int Top(DealDriver& d, int j) {
  return d.view.Get(Control::CartePoignee, j).top;
}

TEST(Poignee, NineTrumpsAndTheExcuseMakeASimpleThatReachesTheScore) {
  DealDriver d;
  DealToSouthsFirstCard(d, Trumps({21, 20, 19, 18, 17, 16, 15, 14, 13, 0}), kSouth);
  EXPECT_TRUE(d.view.Visible(Control::PanelPoignee));
  EXPECT_FALSE(d.view.Visible(Control::PanelPoigneeDouble));
  EXPECT_FALSE(d.view.Visible(Control::PanelPoigneeTriple));
  // Nothing can be played while the question is open.
  Apply(d.game.flow, Move{MoveKind::HandCard, 12});
  EXPECT_EQ(d.game.flow.state.CardsInTrick, 0);

  Apply(d.game.flow, Move{MoveKind::PoigneeLevel, 1});
  const int u = d.game.table.layout.PoigneeStep;
  EXPECT_FALSE(d.view.Visible(Control::PanelPoignee));
  EXPECT_TRUE(d.view.Visible(Control::frmPoignee));
  EXPECT_FALSE(d.view.Get(Control::frmZarvane).enabled);
  EXPECT_EQ(d.view.Get(Control::frmPoignee).width, 2 * u + 27 * u + d.game.table.layout.CardWidth);
  for (int j = 1; j <= 18; ++j) {
    EXPECT_EQ(d.view.Visible(Control::CartePoignee, j), j <= 10);
    EXPECT_EQ(d.view.Visible(Control::Carte3D, j), j > 10);
  }
  for (int j = 1; j <= 10; ++j) {
    EXPECT_EQ(*d.view.Get(Control::CartePoignee, j).card, d.game.flow.state.Hands[kSouth][j]);
    EXPECT_EQ(d.view.Get(Control::CartePoignee, j).left, 3 * u * (j - 1) + u);
    EXPECT_GE(Top(d, j), 2 * u);
    EXPECT_LE(Top(d, j), 2 * u + (u + 2) / 4);
  }
  EXPECT_FALSE(d.view.Visible(Control::PanelOkPoignee));

  // The Excuse is image 10 and completes the ten: it may be marked, and unmarked.
  const int excuse_top = Top(d, 10);
  Apply(d.game.flow, Move{MoveKind::PoigneeCard, 10});
  EXPECT_TRUE(d.view.informed.empty());
  EXPECT_EQ(Top(d, 10), excuse_top - u);
  Apply(d.game.flow, Move{MoveKind::PoigneeCard, 10});
  EXPECT_EQ(Top(d, 10), excuse_top);
  EXPECT_EQ(d.game.flow.PoigneeMarked, 0);

  Apply(d.game.flow, Move{MoveKind::LazyPoignee});
  EXPECT_TRUE(d.view.Visible(Control::PanelOkPoignee));
  for (int j = 1; j <= 10; ++j)
    EXPECT_EQ(d.game.flow.PoigneeSelected[j], 1);
  EXPECT_EQ(Top(d, 10), excuse_top - u);

  Apply(d.game.flow, Move{MoveKind::PoigneeOk});
  EXPECT_FALSE(d.view.Visible(Control::frmPoignee));
  EXPECT_TRUE(d.view.Get(Control::frmZarvane).enabled);
  for (int k = 1; k <= 18; ++k)
    EXPECT_TRUE(d.view.Visible(Control::Carte3D, k));
  EXPECT_EQ(d.game.flow.state.DealPhase, Phase::SouthPlays);

  PlayToTheEnd(d);
  EXPECT_EQ(d.game.flow.state.PoigneeLevel, 1);
  const ScoreSteps steps = ComputeScoreSteps(d.game.flow.state);
  EXPECT_EQ(steps.after_poignee, steps.after_bid + (steps.made ? 20 : -20));
  ShowScoreSheet(d.game);
  EXPECT_TRUE(d.view.Visible(Control::panelScoreApresPoignee));
  EXPECT_EQ(d.view.Text(Control::panelValeurPoignee), "20");
}

TEST(Poignee, TheExcuseIsRefusedWhenTenTrumpsMakeTheSimpleAlone) {
  DealDriver d;
  DealToSouthsFirstCard(d, Trumps({21, 20, 19, 18, 17, 16, 15, 14, 13, 12, 0}), kSouth);
  Apply(d.game.flow, Move{MoveKind::PoigneeLevel, 1});
  const int excuse_top = Top(d, 11);
  Apply(d.game.flow, Move{MoveKind::PoigneeCard, 11});
  ASSERT_EQ(d.view.informed.size(), 1u);
  EXPECT_EQ(d.view.informed[0], "Vous ne pouvez pas sélectionner l'Excuse !");
  EXPECT_EQ(d.game.flow.PoigneeSelected[11], 0);
  EXPECT_EQ(Top(d, 11), excuse_top);

  Apply(d.game.flow, Move{MoveKind::LazyPoignee});
  for (int j = 1; j <= 11; ++j)
    EXPECT_EQ(d.game.flow.PoigneeSelected[j], j <= 10 ? 1 : 0);
  EXPECT_TRUE(d.view.Visible(Control::PanelOkPoignee));
  // Unmarking one hides OK, so the window cannot be confirmed short of a trump.
  Apply(d.game.flow, Move{MoveKind::PoigneeCard, 3});
  EXPECT_FALSE(d.view.Visible(Control::PanelOkPoignee));
  Apply(d.game.flow, Move{MoveKind::PoigneeOk});
  EXPECT_TRUE(d.view.Visible(Control::frmPoignee));
  Apply(d.game.flow, Move{MoveKind::PoigneeCard, 3});
  EXPECT_TRUE(d.view.Visible(Control::PanelOkPoignee));
}

TEST(Poignee, ADefenderIsOfferedEveryLevelAndCancellingScoresNoBonus) {
  DealDriver d;
  DealToSouthsFirstCard(d, Trumps({21, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7}),
                        kEast);
  EXPECT_TRUE(d.view.Visible(Control::PanelPoignee));
  EXPECT_TRUE(d.view.Visible(Control::PanelPoigneeDouble));
  EXPECT_TRUE(d.view.Visible(Control::PanelPoigneeTriple));

  // No level beyond the triple.
  Apply(d.game.flow, Move{MoveKind::PoigneeLevel, 4});
  EXPECT_FALSE(d.view.Visible(Control::frmPoignee));
  Apply(d.game.flow, Move{MoveKind::PoigneeLevel, 3});
  EXPECT_EQ(d.game.flow.state.PoigneeLevel, 3);
  Apply(d.game.flow, Move{MoveKind::LazyPoignee});
  Apply(d.game.flow, Move{MoveKind::PoigneeCancel});
  EXPECT_EQ(d.game.flow.state.PoigneeLevel, 0);
  EXPECT_FALSE(d.view.Visible(Control::frmPoignee));
  EXPECT_TRUE(d.view.Get(Control::frmZarvane).enabled);

  PlayToTheEnd(d);
  const ScoreSteps steps = ComputeScoreSteps(d.game.flow.state);
  EXPECT_EQ(steps.after_poignee, steps.after_bid);
  ShowScoreSheet(d.game);
  EXPECT_FALSE(d.view.Visible(Control::panelScoreApresPoignee));
}

}  // namespace
}  // namespace zarvane
