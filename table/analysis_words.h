#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "flow/deal_analysis.h"

namespace zarvane {

// The analysis window's fixed words in the chosen language.
struct AnalysisWords {
  std::string_view menu_entry;
  std::string_view button;
  std::string_view title;
  std::string_view running;
  std::string_view cancel;
  std::string_view close;
  std::string_view nothing_clear;
  std::string_view hint;  // how to see a card's trick
};
AnalysisWords AnalysisWordsIn(int language);

// The decisions whose cost is clear and comes to a point at least, the most costly first.
std::vector<DecisionCost> ClearCostsFirst(const DealAnalysis& analysis);

// A decision in plain words: what South chose instead of what, about what it cost, and the
// Expert's choice, e.g. "Pli 5 : le Roi de coeur au lieu du 4 de coeur a coûté environ 24
// points ; l'Expert aurait joué le 4 de coeur." The cards are read in the deal's final hands.
std::string DecisionLine(const GameState& game, const DecisionCost& decision, int language);

// What South's clear costs come to in all, and whether the contract could have gone the other
// way had he chosen best.
std::string SummaryLine(const DealAnalysis& analysis, int language);

}  // namespace zarvane
