#include "table/analysis_words.h"

#include <gtest/gtest.h>

#include "core/cards.h"
#include "settings/texts.h"

namespace zarvane {
namespace {

DecisionCost CardCost(int trick, int south, int best, double cost, double error) {
  DecisionCost d;
  d.kind = DecisionKind::Card;
  d.trick = trick;
  d.south_choice = south;
  d.best_choice = best;
  d.expert_choice = best;
  d.cost = cost;
  d.cost_error = error;
  return d;
}

// South holds the king and the 4 of hearts in slots 1 and 2, the Excuse in 3, the Petit in 4,
// the queen of spades in 5.
GameState SouthHand() {
  GameState game;
  game.Hands[kSouth][1] = Card{14, kCoeur, 0};
  game.Hands[kSouth][2] = Card{4, kCoeur, 0};
  game.Hands[kSouth][3] = Card{0, kAtout, 0};
  game.Hands[kSouth][4] = Card{1, kAtout, 0};
  game.Hands[kSouth][5] = Card{13, kPique, 0};
  return game;
}

// Only a cost over two standard errors is shown, the most costly first; a forced card never,
// whatever its figures.
TEST(AnalysisWords, OnlyClearCostsAreListedTheMostCostlyFirst) {
  DealAnalysis analysis;
  analysis.decisions.push_back(CardCost(2, 1, 2, 10, 4));   // clear
  analysis.decisions.push_back(CardCost(3, 1, 2, 30, 20));  // within two errors
  analysis.decisions.push_back(CardCost(5, 1, 2, 24, 3));   // clear, dearer
  DecisionCost forced = CardCost(7, 1, 1, 50, 1);
  forced.forced = true;
  analysis.decisions.push_back(forced);
  analysis.decisions.push_back(CardCost(9, 1, 2, -12, 1));     // South did better
  analysis.decisions.push_back(CardCost(11, 1, 2, 0.4, 0.1));  // clear, but not a point
  const std::vector<DecisionCost> clear = ClearCostsFirst(analysis);
  ASSERT_EQ(clear.size(), 2u);
  EXPECT_EQ(clear[0].trick, 5);
  EXPECT_EQ(clear[1].trick, 2);
}

// The lines say the card played, the better one, the cost and the Expert's card, with the
// article each card takes, in both languages.
TEST(AnalysisWords, ADecisionReadsInPlainWordsInBothLanguages) {
  const GameState game = SouthHand();
  DecisionCost d = CardCost(5, 1, 2, 23.6, 3);
  EXPECT_EQ(DecisionLine(game, d, kFrench),
            "Pli 5 : le Roi de coeur au lieu du 4 de coeur a coûté environ 24 points ; "
            "l'Expert aurait joué le 4 de coeur.");
  EXPECT_EQ(DecisionLine(game, d, kEnglish),
            "Trick 5: the King of hearts instead of the 4 of hearts cost about 24 points; the "
            "Expert would have played the 4 of hearts.");
  d = CardCost(9, 4, 3, 12, 2);
  d.expert_choice = 4;
  EXPECT_EQ(DecisionLine(game, d, kFrench),
            "Pli 9 : le Petit au lieu de l'Excuse a coûté environ 12 points ; l'Expert aurait "
            "joué le Petit.");
  d = CardCost(11, 5, 2, 0.6, 0.2);
  EXPECT_EQ(DecisionLine(game, d, kFrench),
            "Pli 11 : la Dame de pique au lieu du 4 de coeur a coûté environ 1 point ; l'Expert "
            "aurait joué le 4 de coeur.");
  DecisionCost bid;
  bid.kind = DecisionKind::Bid;
  bid.south_choice = kGarde;
  bid.best_choice = kPasse;
  bid.expert_choice = kPrise;
  bid.cost = 40;
  EXPECT_EQ(DecisionLine(game, bid, kEnglish),
            "Bid: GUARD instead of PASS cost about 40 points; the Expert would have bid TAKE.");
}

// The summary adds up the clear costs, and tells whether a better choice would have turned the
// contract the other way.
TEST(AnalysisWords, TheSummaryAddsTheClearCostsAndSaysWhetherTheContractCouldHaveTurned) {
  DealAnalysis analysis;
  EXPECT_EQ(SummaryLine(analysis, kEnglish),
            "None of your decisions cost clear points: no clear difference.");
  DecisionCost d = CardCost(5, 1, 2, 24, 3);
  d.south_made = 0.8;
  d.best_made = 0.7;
  analysis.decisions.push_back(d);
  analysis.decisions.push_back(CardCost(6, 1, 2, 9, 10));  // not clear: not counted
  EXPECT_EQ(SummaryLine(analysis, kFrench),
            "Vos décisions ont coûté environ 24 points en tout. Le contrat n'aurait pas tourné "
            "autrement.");
  d.best_made = 0.3;
  analysis.decisions.push_back(d);
  EXPECT_EQ(SummaryLine(analysis, kEnglish),
            "Your decisions cost about 48 points in all. The contract could have gone the other "
            "way.");
}

}  // namespace
}  // namespace zarvane
