#include "core/scoring.h"
#include "table/result_panel.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/cards.h"
#include "settings/texts.h"
#include "table/game.h"
#include "table/language.h"
#include "table/score_sheet.h"
#include "tests/support/fake_table_view.h"

namespace zarvane {
namespace {

constexpr Card kExcuse{0, kAtout, 0};
constexpr Card kPetit{1, kAtout, 0};
constexpr Card kTrump21{21, kAtout, 0};

Card Low(int suit, int value = 2) {
  return Card{value, suit, 0};
}

// A deal whose counters are set by hand, on a recording screen, in French.
class DealCountedByHand {
 public:
  DealCountedByHand(int taker, int bid) {
    game.flow.Language = kFrench;
    SetLanguageTexts(game);
    game.flow.state.Taker = taker;
    game.flow.state.AnnouncedBid.Fill(kPasse);
    game.flow.state.AnnouncedBid[taker] = bid;
    for (int d = 1; d <= 6; ++d)
      game.flow.state.Dog[d] = Low(kCarreau, d + 1);
  }

  // The four cards from South on, the winner, and the trick number once advanced.
  void Count(std::vector<Card> cards, int winner, int trick_number) {
    for (int seat = 1; seat <= 4; ++seat)
      game.flow.state.TrickCards[seat] = cards[seat - 1];
    game.flow.state.TrickLeader = winner;
    game.flow.state.TrickNumber = trick_number;
    CountTrick(game.flow.state);
    ShowTrickCount(game);
  }

  testing::FakeTableView view;
  Game game{view};
};

TEST(Scoring, TheTakersResultRoundsHalvesToEvenAndAppliesEveryBonusInItsPlace) {
  struct ScoreCase {
    const char* name;
    int half_points, bouts, bid, petit_au_bout, poignee;
    int expected;
  };
  const std::vector<ScoreCase> cases = {
      {"35.5 with 3 bouts rounds to 36: made by 0", 71, 3, kPrise, 0, 0, 3 * 25},
      {"40.5 with 2 bouts rounds to 40: failed by 1", 81, 2, kGarde, 0, 0, 3 * -26 * 2},
      {"41.5 rounds to 42", 83, 2, kGarde, 0, 0, 3 * 26 * 2},
      {"55.5 with no bout rounds to 56: made", 111, 0, kPrise, 0, 0, 3 * 25},
      {"50.5 with 1 bout rounds to 50: failed", 101, 1, kGardeSans, 0, 0, 3 * -26 * 4},
      {"the worked GARDE", 96, 2, kGarde, 0, 0, 192},
      {"GARDE CONTRE multiplies by 6", 96, 2, kGardeContre, 0, 0, 3 * 32 * 6},
      {"failed, petit au bout to the taker", 70, 1, kPrise, 1, 0, 3 * (-16 - 25 + 10)},
      {"made, petit au bout to the defence", 90, 2, kGarde, 2, 0, 3 * (4 + 25 - 10) * 2},
      {"a double poignee goes to the taker who makes it", 96, 2, kGarde, 0, 2, 3 * (64 + 30)},
      {"a triple poignee goes to the defence that wins", 81, 2, kGarde, 0, 3, 3 * (-52 - 40)},
      {"a simple poignee is 20, not multiplied", 71, 3, kGardeSans, 0, 1, 3 * (100 + 20)},
  };
  for (const ScoreCase& c : cases) {
    SCOPED_TRACE(c.name);
    DealCountedByHand deal(kEast, c.bid);
    deal.game.flow.state.TakerPoints = c.half_points;
    deal.game.flow.state.PointsNeeded = PointsNeededFor(c.bouts);
    deal.game.flow.state.PetitAuBout = c.petit_au_bout;
    deal.game.flow.state.PoigneeLevel = c.poignee;
    EXPECT_EQ(TakerScore(deal.game.flow.state), c.expected);
  }
}

TEST(Scoring, TheExcuseIsExchangedInTricksOneToSeventeenAndGoesWithTheLastTrick) {
  const Card heart10 = Low(kCoeur, 10);
  const Card heart3 = Low(kCoeur, 3);
  const Card heartKing = Low(kCoeur, kKing);
  {
    SCOPED_TRACE("a defender's Excuse in a trick the taker wins, trick 5");
    DealCountedByHand deal(kSouth, kGarde);
    deal.Count({heart10, kExcuse, heart3, Low(kCoeur)}, kSouth, 6);
    EXPECT_EQ(deal.game.flow.state.TakerPoints, 12 - 8);
    EXPECT_EQ(deal.game.flow.state.DefencePoints, 8);
    EXPECT_EQ(deal.game.flow.state.DefenceBouts, 1);
    EXPECT_EQ(deal.game.flow.state.TakerBouts, 0);
  }
  {
    SCOPED_TRACE("the same in the last trick: the taker gets all of it and the bout");
    DealCountedByHand deal(kSouth, kGarde);
    deal.Count({heart10, kExcuse, heart3, Low(kCoeur)}, kSouth, 19);
    EXPECT_EQ(deal.game.flow.state.TakerPoints, 12 + 6);  // and the six low cards of the discard
    EXPECT_EQ(deal.game.flow.state.DefencePoints, 0);
    EXPECT_EQ(deal.game.flow.state.TakerBouts, 1);
    EXPECT_EQ(deal.game.flow.state.DefenceBouts, 0);
  }
  {
    SCOPED_TRACE("the taker's Excuse in the last trick goes to the defence with its bout");
    DealCountedByHand deal(kSouth, kPrise);
    deal.Count({kExcuse, heartKing, heart3, Low(kCoeur)}, kEast, 19);
    EXPECT_EQ(deal.game.flow.state.DefencePoints, 9 + 9 + 1 + 1);
    EXPECT_EQ(deal.game.flow.state.TakerPoints, 6);
    EXPECT_EQ(deal.game.flow.state.DefenceBouts, 1);
    EXPECT_EQ(deal.game.flow.state.TakerBouts, 0);
  }
  {
    SCOPED_TRACE("a defender's Excuse in a last trick another defender wins stays put");
    DealCountedByHand deal(kSouth, kPrise);
    deal.Count({heart3, kExcuse, heartKing, Low(kCoeur)}, kNorth, 19);
    EXPECT_EQ(deal.game.flow.state.DefencePoints, 9 + 9 + 1 + 1);
    EXPECT_EQ(deal.game.flow.state.DefenceBouts, 1);
    EXPECT_EQ(deal.game.flow.state.TakerBouts, 0);
  }
  {
    SCOPED_TRACE("the taker's Excuse in trick 3: he keeps 4 of its 4.5 points and the bout");
    DealCountedByHand deal(kWest, kPrise);
    deal.Count({heart3, heartKing, Low(kCoeur), kExcuse}, kEast, 4);
    EXPECT_EQ(deal.game.flow.state.TakerPoints, 8);
    EXPECT_EQ(deal.game.flow.state.DefencePoints, 1 + 9 + 1 + 9 - 8);
    EXPECT_EQ(deal.game.flow.state.TakerBouts, 1);
  }
}

TEST(Scoring, TheDogThePetitAuBoutAndTheLivePanels) {
  {
    SCOPED_TRACE("GARDE CONTRE with the 21 in the dog: its bout is the defence's");
    DealCountedByHand deal(kNorth, kGardeContre);
    deal.game.flow.state.Dog[1] = kTrump21;
    deal.Count({Low(kPique), Low(kPique, 3), Low(kPique, 4), Low(kPique, 5)}, kWest, 19);
    EXPECT_EQ(deal.game.flow.state.DefenceBouts, 1);
    EXPECT_EQ(deal.game.flow.state.DefencePoints, 4 + 9 + 5);
    EXPECT_EQ(deal.game.flow.state.TakerPoints, 0);
  }
  {
    SCOPED_TRACE("GARDE SANS with the Excuse in the dog: the taker counts it");
    DealCountedByHand deal(kNorth, kGardeSans);
    deal.game.flow.state.Dog[1] = kExcuse;
    deal.Count({Low(kPique), Low(kPique, 3), Low(kPique, 4), Low(kPique, 5)}, kNorth, 19);
    EXPECT_EQ(deal.game.flow.state.TakerBouts, 1);
    EXPECT_EQ(deal.game.flow.state.TakerPoints, 4 + 9 + 5);
  }
  {
    SCOPED_TRACE("the taker's Petit taken by the defence in the last trick");
    DealCountedByHand deal(kSouth, kGarde);
    deal.Count({kPetit, Low(kAtout, 5), Low(kAtout, 3), Low(kAtout, 4)}, kEast, 19);
    EXPECT_EQ(deal.game.flow.state.PetitAuBout, 2);
    EXPECT_EQ(deal.game.flow.state.DefenceBouts, 1);
  }
  {
    SCOPED_TRACE("a defender's Petit taken by the taker in the last trick");
    DealCountedByHand deal(kSouth, kGarde);
    deal.Count({Low(kAtout, 5), kPetit, Low(kCoeur), Low(kCoeur, 4)}, kSouth, 19);
    EXPECT_EQ(deal.game.flow.state.PetitAuBout, 1);
  }
  {
    SCOPED_TRACE("a last trick without the Petit leaves no petit au bout from an earlier deal");
    DealCountedByHand deal(kSouth, kGarde);
    deal.game.flow.state.PetitAuBout = 1;
    deal.Count({Low(kAtout, 5), Low(kCoeur, 3), Low(kCoeur), Low(kCoeur, 4)}, kSouth, 19);
    EXPECT_EQ(deal.game.flow.state.PetitAuBout, 0);
  }
  {
    SCOPED_TRACE("the Petit before the last trick is no petit au bout");
    DealCountedByHand deal(kSouth, kGarde);
    deal.game.flow.state.PetitAuBout = 0;
    deal.Count({Low(kAtout, 5), kPetit, Low(kCoeur), Low(kCoeur, 4)}, kSouth, 18);
    EXPECT_EQ(deal.game.flow.state.PetitAuBout, 0);
  }
  {
    SCOPED_TRACE("the live panels drop the half point; the contract shows at the third bout");
    DealCountedByHand deal(kSouth, kGarde);
    deal.game.flow.state.TakerPoints = 81 - 4;
    deal.game.flow.state.TakerBouts = 1;
    deal.game.flow.state.DefenceBouts = 1;
    deal.Count({Low(kPique), kTrump21, Low(kPique, 3), Low(kPique, 4)}, kEast, 7);
    EXPECT_EQ(deal.view.Text(Control::nPointsDefense), "6");
    deal.Count({Low(kPique), Low(kPique, 3), Low(kPique, 4), Low(kPique, 5)}, kSouth, 8);
    EXPECT_EQ(deal.view.Text(Control::nPointsAttaque), "40");
    EXPECT_EQ(deal.view.Text(Control::nContrat), "51");
    EXPECT_EQ(deal.view.Text(Control::nBoutsDefense), "2");
  }
}

TEST(Scoring, TheDealChangesTheTotalsAndTellsSouthHowItWent) {
  struct OutcomeCase {
    int taker;
    int half_points;
    const char* line;
  };
  const std::vector<OutcomeCase> cases = {
      {kSouth, 96, "Bravo, vous avez gagné contre la Défense !"},
      {kSouth, 60, "AIIIIE, la Défense vous a fait chuter !"},
      {kWest, 60, "Bravo, votre Défense a fait chuter le Preneur !"},
      {kWest, 96, "Aie, vous n'avez pas pu faire chuter le Preneur..."},
  };
  for (const OutcomeCase& c : cases) {
    DealCountedByHand deal(c.taker, kGarde);
    deal.game.flow.state.options.Scores[1] = 100;
    deal.game.flow.state.options.Scores[2] = -50;
    deal.game.flow.state.TakerPoints = c.half_points;
    deal.game.flow.state.PointsNeeded = 41;
    const int score = TakerScore(deal.game.flow.state);
    ScoreDeal(deal.game.flow.state);
    ShowDealScore(deal.game);
    EXPECT_EQ(deal.view.Text(Control::PanelTexteResultat),
              "Résultat du Preneur : " + std::to_string(score) + " points.\n" + c.line);
    EXPECT_TRUE(deal.view.Visible(Control::PanelResultat));
    EXPECT_TRUE(deal.view.Visible(Control::panelScoreTotal, 1));
    EXPECT_EQ(deal.game.flow.state.options.Scores[c.taker], (c.taker == kSouth ? 100 : 0) + score);
    EXPECT_EQ(deal.game.flow.state.options.Scores[kNorth], -score / 3);
    int sum = 0;
    for (int total : deal.game.flow.state.options.Scores)
      sum += total;
    EXPECT_EQ(sum, 50);
  }
  {
    SCOPED_TRACE("a replayed deal is shown and told, never added");
    DealCountedByHand deal(kSouth, kGarde);
    deal.game.flow.state.ReplayedDeal = 1;
    deal.game.flow.state.TakerPoints = 96;
    deal.game.flow.state.PointsNeeded = 41;
    ScoreDeal(deal.game.flow.state);
    ShowDealScore(deal.game);
    ASSERT_EQ(deal.view.informed.size(), 1u);
    EXPECT_EQ(deal.view.informed[0],
              "Les points n'ont pas été comptabilisés dans les scores globaux car cette donne a "
              "été rejouée ou redémarrée !");
    for (int total : deal.game.flow.state.options.Scores)
      EXPECT_EQ(total, 0);
    EXPECT_EQ(deal.view.Text(Control::PanelTexteResultat),
              "Résultat du Preneur : 192 points.\nBravo, vous avez gagné contre la Défense !");
  }
}

TEST(ScoreSheet, EachRowShowsOneStepAndTheRowsOfAbsentBonusesAreHidden) {
  DealCountedByHand deal(kEast, kGarde);
  deal.game.flow.state.TakerPoints = 76;
  deal.game.flow.state.TakerBouts = 2;
  deal.game.flow.state.PointsNeeded = 41;
  deal.game.flow.state.PetitAuBout = 2;
  FillScoreSheet(deal.game);
  testing::FakeTableView& v = deal.view;
  EXPECT_EQ(v.Text(Control::cardinalPreneur), "EST");
  EXPECT_EQ(v.Text(Control::panelNbBouts), "2");
  EXPECT_EQ(v.Text(Control::panelPointsRealises), "38");
  EXPECT_EQ(v.Text(Control::panelContrat), "41");
  EXPECT_EQ(v.Text(Control::panelAuDessusContrat), "-3");
  EXPECT_TRUE(v.Visible(Control::panelScoreApresPetit));
  EXPECT_EQ(v.Text(Control::panelSensPrimePetit), "-");
  EXPECT_EQ(v.Text(Control::panelScoreApresPetit), "-13");
  EXPECT_EQ(v.Text(Control::panelSigneGain), "-");
  EXPECT_EQ(v.Text(Control::panelScoreTmp), "-38");
  EXPECT_EQ(v.Text(Control::panelCoefficientEnchere), "2");
  EXPECT_EQ(v.Text(Control::panelScoreApresEnchere), "-76");
  EXPECT_FALSE(v.Visible(Control::panelScoreApresPoignee));
  EXPECT_FALSE(v.Visible(Control::panelDefPrimePoignee));
  EXPECT_EQ(v.Text(Control::panelScoreFinalPreneur), "-228");
  EXPECT_EQ(TakerScore(deal.game.flow.state), -228);

  deal.game.flow.state.PetitAuBout = 1;
  FillScoreSheet(deal.game);
  EXPECT_EQ(v.Text(Control::panelSensPrimePetit), "+");
  EXPECT_EQ(v.Text(Control::panelScoreApresPetit), "7");

  deal.game.flow.state.PetitAuBout = 0;
  deal.game.flow.state.PoigneeLevel = 3;
  deal.game.flow.state.TakerPoints = 96;
  FillScoreSheet(deal.game);
  EXPECT_FALSE(v.Visible(Control::panelScoreApresPetit));
  EXPECT_FALSE(v.Visible(Control::panelDefPrimePetit));
  EXPECT_TRUE(v.Visible(Control::panelScoreApresPoignee));
  EXPECT_EQ(v.Text(Control::panelSensPoignee), "+");
  EXPECT_EQ(v.Text(Control::panelValeurPoignee), "40");
  EXPECT_EQ(v.Text(Control::panelScoreApresPoignee), "104");
  EXPECT_EQ(v.Text(Control::panelScoreFinalPreneur),
            std::to_string(TakerScore(deal.game.flow.state)));
}

}  // namespace
}  // namespace zarvane
