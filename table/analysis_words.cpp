#include "table/analysis_words.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "settings/card_names.h"
#include "settings/texts.h"

namespace zarvane {

namespace {

constexpr std::array<Bilingual, 4> kPoigneeNames = {{
    {"aucune poignée", "no poignee"},
    {"la poignée simple", "the single poignee"},
    {"la poignée double", "the double poignee"},
    {"la poignée triple", "the triple poignee"},
}};

bool French(int language) {
  return language == kFrench;
}

// "24 points", "1 point": the same word in both languages.
std::string PointsWords(double cost) {
  const long points = std::lround(cost);
  return std::to_string(points) + (points == 1 ? " point" : " points");
}

// A card as a sentence names it, with its article: "le Roi de coeur", "l'Excuse", "the Fool".
std::string CardWithArticle(const GameState& game, int slot, int language) {
  const Card& card = game.Hands[kSouth][slot];
  const std::string name = card.Suit == kAtout && card.Value == 1
                               ? std::string("Petit")
                               : CardName(language, card.Value, card.Suit);
  if (!French(language))
    return "the " + name;
  if (!name.empty() && (name[0] == 'A' || name[0] == 'E'))
    return "l'" + name;
  return (name.rfind("Dame", 0) == 0 ? "la " : "le ") + name;
}

// "au lieu du 4 de coeur", "au lieu de l'Excuse", "instead of the 4 of hearts".
std::string InsteadOf(const std::string& thing, int language) {
  if (!French(language))
    return " instead of " + thing;
  if (thing.rfind("le ", 0) == 0)
    return " au lieu du " + thing.substr(3);
  return " au lieu de " + thing;
}

std::string ChoiceWords(const GameState& game, const DecisionCost& d, int choice, int language) {
  switch (d.kind) {
    case DecisionKind::Bid:
      return std::string(Pick(language, kBidNames[static_cast<std::size_t>(choice)]));
    case DecisionKind::Discard:
      return std::string(French(language)
                             ? (choice == 0 ? "votre écart" : "l'écart de l'Expert")
                             : (choice == 0 ? "your discard" : "the Expert's discard"));
    case DecisionKind::Poignee:
      return std::string(Pick(language, kPoigneeNames[static_cast<std::size_t>(choice)]));
    case DecisionKind::Card:
      return CardWithArticle(game, choice, language);
  }
  return {};
}

std::string Heading(const DecisionCost& d, int language) {
  const bool fr = French(language);
  switch (d.kind) {
    case DecisionKind::Bid:
      return fr ? "Enchère : " : "Bid: ";
    case DecisionKind::Discard:
      return fr ? "Écart : " : "Discard: ";
    case DecisionKind::Poignee:
      return fr ? "Poignée : " : "Poignee: ";
    case DecisionKind::Card:
      return (fr ? "Pli " : "Trick ") + std::to_string(d.trick) + (fr ? " : " : ": ");
  }
  return {};
}

std::string ExpertWords(const GameState& game, const DecisionCost& d, int language) {
  const std::string choice = ChoiceWords(game, d, d.expert_choice, language);
  if (!French(language)) {
    const char* verb = d.kind == DecisionKind::Card  ? "would have played "
                       : d.kind == DecisionKind::Bid ? "would have bid "
                                                     : "would have chosen ";
    return std::string("the Expert ") + verb + choice;
  }
  const char* verb = d.kind == DecisionKind::Card  ? "aurait joué "
                     : d.kind == DecisionKind::Bid ? "aurait annoncé "
                                                   : "aurait choisi ";
  return std::string("l'Expert ") + verb + choice;
}

// The taker made his contract in most of the play-outs after that choice.
bool MostlyMade(double share) {
  return share > 0.5;
}

}  // namespace

AnalysisWords AnalysisWordsIn(int language) {
  if (French(language)) {
    return {"A&nalyse de la donne",
            "ANALYSE",
            "Analyse de votre jeu",
            "Analyse en cours...",
            "Annuler",
            "Fermer",
            "Aucune de vos décisions n'a coûté de points nets : pas de différence nette.",
            "Un clic sur la ligne d'une carte montre son pli."};
  }
  return {"A&nalysis of the deal",
          "ANALYSIS",
          "Analysis of your play",
          "Analysing...",
          "Cancel",
          "Close",
          "None of your decisions cost clear points: no clear difference.",
          "A click on a card's line shows its trick."};
}

std::vector<DecisionCost> ClearCostsFirst(const DealAnalysis& analysis) {
  std::vector<DecisionCost> clear;
  // A clear cost that rounds to no point at all is not worth a line.
  for (const DecisionCost& d : analysis.decisions) {
    if (d.Clear() && std::lround(d.cost) >= 1)
      clear.push_back(d);
  }
  std::stable_sort(clear.begin(), clear.end(),
                   [](const DecisionCost& a, const DecisionCost& b) { return a.cost > b.cost; });
  return clear;
}

std::string DecisionLine(const GameState& game, const DecisionCost& d, int language) {
  const bool fr = French(language);
  std::string line = Heading(d, language);
  std::string chosen = ChoiceWords(game, d, d.south_choice, language);
  if (!chosen.empty() && !fr && d.kind != DecisionKind::Card)
    chosen[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(chosen[0])));
  line += chosen + InsteadOf(ChoiceWords(game, d, d.best_choice, language), language);
  line += fr ? " a coûté environ " : " cost about ";
  line += PointsWords(d.cost) + (fr ? " ; " : "; ");
  line += ExpertWords(game, d, language) + ".";
  return line;
}

std::string SummaryLine(const DealAnalysis& analysis, int language) {
  const bool fr = French(language);
  const std::vector<DecisionCost> clear = ClearCostsFirst(analysis);
  if (clear.empty())
    return std::string(AnalysisWordsIn(language).nothing_clear);
  double total = 0;
  bool could_turn = false;
  for (const DecisionCost& d : clear) {
    total += d.cost;
    could_turn = could_turn || MostlyMade(d.best_made) != MostlyMade(d.south_made);
  }
  std::string line = fr ? "Vos décisions ont coûté environ " : "Your decisions cost about ";
  line += PointsWords(total) + (fr ? " en tout. " : " in all. ");
  if (could_turn)
    line += fr ? "Le contrat aurait pu tourner autrement."
               : "The contract could have gone the other way.";
  else
    line += fr ? "Le contrat n'aurait pas tourné autrement."
               : "The contract would not have gone the other way.";
  return line;
}

}  // namespace zarvane
