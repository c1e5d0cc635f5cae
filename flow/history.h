#pragma once

#include <optional>
#include <string>

#include "flow/flow.h"
#include "settings/score_history.h"

namespace zarvane {

// The deal just scored as the history keeps it, with the totals after it; nothing for a
// replayed deal, whose score does not count.
std::optional<ScoredDeal> CountedDeal(const Core& game);
// Adds the line to the history beside the options file, unless it is already the last one: a
// deal settled again after a stop must not be counted twice.
void RecordInHistory(Flow& game, const std::string& line);
// The totals went back to 0: the deals after this start a new series.
void RecordNewSeries(Flow& game);

}  // namespace zarvane
