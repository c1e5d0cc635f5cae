#include "flow/deal_saving.h"

#include <cstdio>
#include <filesystem>

#include "flow/history.h"
#include "flow/options_flow.h"
#include "flow/saved_deal_file.h"
#include "settings/file_safety.h"
#include "settings/texts.h"

namespace zarvane {

namespace {

void SaveDeal(Flow& game, const SavedDeal& saved) {
  if (game.ResumePath.empty() || ReplaceFileWhole(game.ResumePath, EncodeSavedDeal(saved)) ||
      game.ResumeTroubleShown)
    return;
  game.ResumeTroubleShown = true;
  game.presenter->TellFileTrouble(kSavedDealUnwritable, game.ResumePath);
}

// The deal's line goes to the history and its totals to the options file, in that order: both
// steps can be taken again without counting the deal twice.
void WriteSettledScore(Flow& game, const ScoredDeal& deal) {
  RecordInHistory(game, DealLine(deal));
  game.state.options.Scores = deal.totals;
  WriteOptions(game);
}

// The deal's last move scored it. The saved deal, rewritten with its score settled, is the one
// moment the score is decided: stopped before it, the program resumes the deal and scores it
// then; stopped after it, its next start writes what is missing. The file goes last.
void SettleScoredDeal(Flow& game) {
  game.Record.Open = false;
  const auto deal = CountedDeal(game.state);
  if (deal && !game.OptionsFileLeftAlone) {
    SaveDeal(game, {game.Record, CheckOf(game.state), *deal});
    WriteSettledScore(game, *deal);
  }
  RemoveSavedDeal(game);
}

}  // namespace

std::string ResumePathBeside(const std::string& options_path) {
  return (std::filesystem::path(options_path).parent_path() / kResumeFileName).string();
}

void OpenDealRecord(Flow& game) {
  DealRecord& record = game.Record;
  record.Open = true;
  record.Deal = DealAsDealt(game.state);
  record.ReplayedDeal = game.state.ReplayedDeal;
  record.FromCode = game.DealFromCode;
  record.Generator = game.state.random.GeneratorState;
  record.Level = game.state.options.Level;
  record.DealOrder = game.state.DealOrder;
  record.SavedDeck = game.state.SavedDeck;
  record.Moves.clear();
}

DealCheck CheckOf(const Core& game) {
  return {game.random.GeneratorState, static_cast<int>(game.DealPhase), game.TrickNumber,
          game.CardsInTrick};
}

void SaveDealRecord(Flow& game) {
  if (!game.Record.Open)
    return;
  if (game.state.TrickNumber == 19) {
    SettleScoredDeal(game);
    return;
  }
  SaveDeal(game, {game.Record, CheckOf(game.state), std::nullopt});
}

void SettleLeftoverDeal(Flow& game, const ScoredDeal& deal) {
  game.state.options.Scores = deal.totals;
  if (game.OptionsFileLeftAlone)
    return;
  WriteSettledScore(game, deal);
  RemoveSavedDeal(game);
}

void RemoveSavedDeal(const Flow& game) {
  if (!game.ResumePath.empty())
    std::remove(game.ResumePath.c_str());
}

}  // namespace zarvane
