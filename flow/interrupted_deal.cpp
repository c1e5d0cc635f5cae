#include "flow/interrupted_deal.h"

#include <cstdio>
#include <filesystem>

#include "flow/card_play.h"
#include "flow/deal_flow.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "settings/file_safety.h"
#include "settings/texts.h"

namespace zarvane {

namespace {

void RemoveSavedDeal(const Flow& game) {
  std::remove(game.ResumePath.c_str());
}

void RefuseSavedDeal(Flow& game) {
  const auto aside = MoveDamagedFileAside(game.ResumePath);
  game.presenter->TellFileTrouble(aside ? kSavedDealDamaged : kSavedDealUnreadable,
                                  aside ? *aside : game.ResumePath);
}

// The cards and the generator as they were just after the saved deal was dealt.
void DealAgain(Flow& game, const DealRecord& record) {
  ClearTableForDeal(game, record.ReplayedDeal);
  SeatFirstPlayer(game, record.Deal.FirstPlayer);
  DealGivenHands(game, record.Deal);
  game.DealOrder = record.DealOrder;
  game.SavedDeck = record.SavedDeck;
  game.Deck = record.SavedDeck;
  game.DealFromCode = record.FromCode;
  game.options.Level = record.Level;
  ApplyOptions(game);
  game.random.GeneratorState = record.Generator;
  OpenAuction(game);
}

}  // namespace

std::string ResumePathBeside(const std::string& options_path) {
  return (std::filesystem::path(options_path).parent_path() / kResumeFileName).string();
}

void KeepDealRecord(Flow& game) {
  if (game.Replaying || game.ResumePath.empty() || !game.Record.Open)
    return;
  if (game.TrickNumber == 19) {
    game.Record.Open = false;
    RemoveSavedDeal(game);
    return;
  }
  const std::string text = EncodeSavedDeal({game.Record, CheckOf(game)});
  if (!ReplaceFileWhole(game.ResumePath, text) && !game.ResumeTroubleShown) {
    game.ResumeTroubleShown = true;
    game.presenter->TellFileTrouble(kSavedDealUnwritable, game.ResumePath);
  }
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
  if (!game.presenter->Ask(kResumeQuestion)) {
    RemoveSavedDeal(game);
    return;
  }
  if (!ResumeDeal(game, *saved))
    RefuseSavedDeal(game);
}

bool ResumeDeal(Flow& game, const SavedDeal& saved) {
  const DealRecord& record = saved.record;
  const Options options = game.options;
  game.Replaying = true;
  DealAgain(game, record);
  // A deal saved by this program is never scored: a file whose moves score it is not one.
  for (const Move& move : record.Moves) {
    if (game.TrickNumber == 19)
      break;
    ReplayMove(game, move);
  }
  game.Replaying = false;
  if (game.TrickNumber != 19 && CheckOf(game) == saved.check && game.Record.Moves == record.Moves) {
    // A deal saved while a seat thought: it thinks again.
    AskForComputerCard(game);
    return true;
  }
  // Not the deal that was saved: nothing of it stays on the table, in the options or the totals.
  game.options = options;
  ApplyOptions(game);
  ClearTableForDeal(game, 0);
  game.DealPhase = Phase::Opening;
  game.Record = DealRecord{};
  game.presenter->ShowOpening();
  return false;
}

}  // namespace zarvane
