#include "flow/interrupted_deal.h"

#include "flow/deal_flow.h"
#include "flow/deal_saving.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "settings/file_safety.h"
#include "settings/texts.h"

namespace zarvane {

namespace {

void RefuseSavedDeal(Flow& game) {
  const auto aside = MoveDamagedFileAside(game.ResumePath);
  game.presenter->TellFileTrouble(aside ? kSavedDealDamaged : kSavedDealUnreadable,
                                  aside ? *aside : game.ResumePath);
}

}  // namespace

void DealRecordedDealAgain(Flow& game, const DealRecord& record) {
  ClearTableForDeal(game, record.ReplayedDeal);
  SeatFirstPlayer(game.state, record.Deal.FirstPlayer);
  DealGivenHands(game.state, record.Deal);
  game.state.DealOrder = record.DealOrder;
  game.state.SavedDeck = record.SavedDeck;
  game.state.Deck = record.SavedDeck;
  game.DealFromCode = record.FromCode;
  game.state.options.Level = record.Level;
  ApplyOptions(game);
  game.state.random.GeneratorState = record.Generator;
  OpenAuction(game);
}

void OfferInterruptedDeal(Flow& game) {
  if (game.ResumePath.empty())
    return;
  const FileBytes file = ReadSmallFile(game.ResumePath, kSavedDealLimit);
  if (file.status == ReadStatus::Missing)
    return;
  if (file.status == ReadStatus::Unreadable) {
    game.presenter->TellFileTrouble(kSavedDealUnreadable, game.ResumePath);
    return;
  }
  const auto saved = DecodeSavedDeal(file.bytes);
  if (!saved) {
    RefuseSavedDeal(game);
    return;
  }
  if (saved->settled) {
    SettleLeftoverDeal(game, *saved->settled);
    return;
  }
  if (!game.presenter->Ask(kResumeQuestion)) {
    RemoveSavedDeal(game);
    return;
  }
  if (!ResumeDeal(game, *saved))
    RefuseSavedDeal(game);
}

bool ResumeDeal(Flow& game, const SavedDeal& saved) {
  const DealRecord& record = saved.record;
  const Options options = game.state.options;
  DealRecordedDealAgain(game, record);
  // A deal saved by this program is never scored: a file whose moves score it is not one.
  for (const Move& move : record.Moves) {
    if (game.state.TrickNumber == 19)
      break;
    Apply(game, move, MoveOrigin::Record);
  }
  if (game.state.TrickNumber != 19 && CheckOf(game.state) == saved.check) {
    // A deal saved while a seat thought: it thinks again.
    game.ThinkingDue = game.state.DealPhase == Phase::Thinking;
    ThinkOfWhatIsDue(game);
    return true;
  }
  // Not the deal that was saved: nothing of it stays on the table, in the options or the totals.
  game.state.options = options;
  ApplyOptions(game);
  ClearTableForDeal(game, 0);
  game.state.DealPhase = Phase::Opening;
  game.Record = DealRecord{};
  game.presenter->ShowOpening();
  return false;
}

}  // namespace zarvane
