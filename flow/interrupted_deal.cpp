#include "flow/interrupted_deal.h"

#include <cstdio>
#include <filesystem>

#include "flow/card_play.h"
#include "flow/deal_flow.h"
#include "flow/history.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "settings/file_safety.h"
#include "settings/texts.h"

namespace zarvane {

namespace {

void RemoveSavedDeal(const Flow& game) {
  if (!game.ResumePath.empty())
    std::remove(game.ResumePath.c_str());
}

void SaveDeal(Flow& game, const SavedDeal& saved) {
  if (game.ResumePath.empty() || ReplaceFileWhole(game.ResumePath, EncodeSavedDeal(saved)) ||
      game.ResumeTroubleShown)
    return;
  game.ResumeTroubleShown = true;
  game.presenter->TellFileTrouble(kSavedDealUnwritable, game.ResumePath);
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

// The deal's line goes to the history and its totals to the options file, in that order: both
// steps can be taken again without counting the deal twice.
void WriteSettledScore(Flow& game, const ScoredDeal& deal) {
  RecordInHistory(game, DealLine(deal));
  game.options.Scores = deal.totals;
  WriteOptions(game);
}

// The deal's last move scored it. The saved deal, rewritten with its score settled, is the one
// moment the score is decided: stopped before it, the program resumes the deal and scores it
// then; stopped after it, its next start writes what is missing. The file goes last.
void SettleScoredDeal(Flow& game) {
  game.Record.Open = false;
  const auto deal = CountedDeal(game);
  if (deal && !game.OptionsFileLeftAlone) {
    SaveDeal(game, {game.Record, CheckOf(game), *deal});
    WriteSettledScore(game, *deal);
  }
  RemoveSavedDeal(game);
}

// A deal scored when the program stopped, before both files had its score. Kept for a later
// run when the options file is left alone in this one.
void SettleLeftoverDeal(Flow& game, const ScoredDeal& deal) {
  game.options.Scores = deal.totals;
  if (game.OptionsFileLeftAlone)
    return;
  WriteSettledScore(game, deal);
  RemoveSavedDeal(game);
}

}  // namespace

std::string ResumePathBeside(const std::string& options_path) {
  return (std::filesystem::path(options_path).parent_path() / kResumeFileName).string();
}

void KeepDealRecord(Flow& game) {
  if (game.Replaying || !game.Record.Open)
    return;
  if (game.TrickNumber == 19) {
    SettleScoredDeal(game);
    return;
  }
  SaveDeal(game, {game.Record, CheckOf(game), std::nullopt});
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
