#include "flow/history.h"

#include "core/scoring.h"
#include "settings/texts.h"

namespace zarvane {

namespace {

// The history is a keepsake: a line that cannot be written is told once a run, and the game
// goes on. A run whose totals cannot reach the options file keeps no history either: its
// totals are not the player's.
void Append(Flow& game, const std::string& line) {
  if (game.OptionsFileLeftAlone)
    return;
  const std::string path = HistoryPathBeside(game.OptionsPath);
  if (AppendHistoryLine(path, line) || game.HistoryTroubleShown)
    return;
  game.HistoryTroubleShown = true;
  game.presenter->TellFileTrouble(kHistoryFileUnwritable, path);
}

}  // namespace

std::optional<ScoredDeal> CountedDeal(const Core& game) {
  if (game.ReplayedDeal == 1)
    return std::nullopt;
  const ScoreSteps steps = ComputeScoreSteps(game);
  ScoredDeal deal;
  deal.date = LocalDateTimeNow();
  deal.level = game.options.Level;
  deal.taker = game.Taker;
  deal.bid = game.AnnouncedBid[game.Taker];
  deal.poignee = game.PoigneeLevel;
  deal.made = steps.made;
  deal.taker_score = steps.taker_score;
  deal.totals = game.options.Scores;
  return deal;
}

void RecordInHistory(Flow& game, const std::string& line) {
  if (LastHistoryLine(HistoryPathBeside(game.OptionsPath)) != line)
    Append(game, line);
}

void RecordNewSeries(Flow& game) {
  Append(game, NewSeriesLine(LocalDateTimeNow()));
}

}  // namespace zarvane
