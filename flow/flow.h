#pragma once

#include <string>

#include "common/random.h"
#include "core/game_state.h"
#include "flow/card_thinker.h"
#include "flow/deal_record.h"
#include "flow/presenter.h"
#include "settings/options_file.h"

namespace zarvane {

struct Bilingual;

// The deal's lifecycle over the rules' state: where each handler finds what it needs, and
// the presenter it tells what changed.
struct Flow {
  explicit Flow(Clock time_of_day = UtcTimeOfDay) : clock(std::move(time_of_day)) {}

  // The rules' state and the making of the deal: all that the rules read and write.
  GameState state;

  // Set by whoever draws the table; never null once a handler runs.
  Presenter* presenter = nullptr;
  // Reseeds the generator before every deal attempt.
  Clock clock;

  // 0 until the player chooses on the opening window, then 1 French or 2 English.
  int Language = 0;

  // The auction's progress: the bids made, and the computer seat whose bid is on its timer.
  int BidsMade = 0;
  int PendingBidder = 0;
  // South's discard: which card image k shows (1..18 his slot, 19..24 the dog), which sources
  // he picked.
  Table<int, 1, 24> DiscardImageMap{};
  Table<int, 1, 24> DiscardSelected{};
  // The poignee window: which images are marked and how many.
  Table<int, 1, 18> PoigneeSelected{};
  int PoigneeMarked = 0;
  // 1 while the card advice commands are enabled: South is to play and has a choice.
  std::uint8_t CardAdviceOpen = 0;

  // The options file: "options" and the version text, in the current working folder.
  std::string OptionsPath{kOptionsFileName};
  // A file that exists but cannot be read, or a damaged one that cannot be moved aside, may
  // hold the player's totals: it is never replaced in that run, and the game plays on from
  // memory.
  bool OptionsFileLeftAlone = false;
  // A trouble with the file is told to the player once a run, in the chosen language, with
  // the path of the file it is about: a trouble met before the choice waits for it.
  const Bilingual* OptionsFileTroublePending = nullptr;
  std::string OptionsFileTroublePath;
  bool OptionsFileTroubleShown = false;
  // The history of the scores, beside the options file: a line it could not take is told
  // once a run.
  bool HistoryTroubleShown = false;

  // The deal in progress as dealt and every move since. Saved after each move to ResumePath,
  // beside the options file, so that a deal survives quitting; no path, nothing saved.
  DealRecord Record;
  std::string ResumePath;
  // The resume file could not be written: told once a run.
  bool ResumeTroubleShown = false;
  // The deal was given by its code: its replays deal the same hands, whatever the options.
  bool DealFromCode = false;
  // Thinks about the Expert's card off the window's thread; with none, the card is thought on
  // the spot and delivered at once.
  CardThinker* thinker = nullptr;
  // Numbers the requests for the Expert's card: one delivered for an earlier request, made in
  // a deal since replaced, is dropped.
  std::uint32_t ThinkingTicket = 0;
  // The request, among them, for the Expert's advice on South's card: its answer lifts a card
  // and plays nothing.
  std::uint32_t AdviceTicket = 0;
  // Set by a move for what is thought once it is saved: an Expert seat's card, South's advice.
  bool ThinkingDue = false;
  bool AdviceDue = false;
  // The pacing, derived from the options by ApplyOptions.
  int AutoContinue = 1;
  int CardTimerInterval = 200;
  int TransitionTimerInterval = 2000;
};

}  // namespace zarvane
