#pragma once

#include "flow/flow.h"
#include "flow/saved_deal_file.h"

namespace zarvane {

// After the language choice: a deal left in progress when the program last stopped is offered
// again. Yes puts the table back as it was; No removes the file. A deal that was over, whose
// score had not reached both files, is settled without a word. A file that is not a whole
// saved deal of this program is refused and moved aside.
void OfferInterruptedDeal(Flow& game);

// The cards and the generator as they were just after the recorded deal was dealt, its auction
// open: its moves, applied again from the record, play it again as it went.
void DealRecordedDealAgain(Flow& game, const DealRecord& record);

// Deals the saved deal again and applies its moves again; false, with the table cleared and
// nothing of that deal kept, when the moves do not end where the deal was saved.
bool ResumeDeal(Flow& game, const SavedDeal& saved);

}  // namespace zarvane
