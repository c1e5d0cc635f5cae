#pragma once

#include <string>
#include <string_view>

#include "flow/flow.h"
#include "settings/score_history.h"

namespace zarvane {

// The deal in progress lives in this file beside the options file until it is scored.
inline constexpr std::string_view kResumeFileName = "donne98.json";
std::string ResumePathBeside(const std::string& options_path);

// The record of the deal just dealt, before its hand is laid out.
void OpenDealRecord(Flow& game);
// Where the deal stands now.
DealCheck CheckOf(const Core& game);

// Once per move or new deal: the deal in progress saved whole; once it is scored, its score
// settled into the history and the totals, and its file removed.
void SaveDealRecord(Flow& game);

// A deal that was over when the program stopped, whose score had not reached both files: the
// history and the totals get what they miss, and the file goes. Kept for a later run when the
// options file is left alone in this one.
void SettleLeftoverDeal(Flow& game, const ScoredDeal& deal);

// The saved deal is gone: declined, or done with.
void RemoveSavedDeal(const Flow& game);

}  // namespace zarvane
