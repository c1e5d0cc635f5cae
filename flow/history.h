#pragma once

#include "flow/flow.h"

namespace zarvane {

// The deal just scored goes to the history when its score counted; a replayed deal does not.
void RecordScoredDeal(Flow& game);
// The totals went back to 0: the deals after this start a new series.
void RecordNewSeries(Flow& game);

}  // namespace zarvane
