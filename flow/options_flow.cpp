#include "flow/options_flow.h"

#include <array>
#include <string>

#include "flow/history.h"
#include "settings/options_file.h"
#include "settings/texts.h"

namespace zarvane {

namespace {

constexpr std::array<int, 5> kCardIntervals = {1000, 400, 200, 100, 1};
constexpr std::array<int, 4> kTransitionIntervals = {0, 1000, 2000, 5000};

bool LanguageChosen(const Flow& game) {
  return game.Language == kFrench || game.Language == kEnglish;
}

// Every setter ends the same way: the window shows the change, the file keeps it.
void Commit(Flow& game) {
  ApplyOptions(game);
  WriteOptions(game);
}

}  // namespace

void ApplyOptions(Flow& game) {
  const Options& options = game.state.options;
  game.presenter->ShowOptions();
  if (kCardSpeedRange.Contains(options.CardSpeed))
    game.CardTimerInterval = kCardIntervals[options.CardSpeed - 1];
  game.AutoContinue = 1;
  if (options.TrickWait == 0)
    game.AutoContinue = 0;
  else if (kTrickWaitRange.Contains(options.TrickWait))
    game.TransitionTimerInterval = kTransitionIntervals[options.TrickWait];
}

void WriteOptions(Flow& game) {
  if (game.OptionsFileLeftAlone)
    return;
  if (!WriteOptionsFile(game.OptionsPath, game.state.options))
    ReportOptionsFileTrouble(game, kOptionsFileUnwritable, game.OptionsPath);
}

void ReadOptions(Flow& game) {
  ReadStatus status = ReadOptionsFile(game.OptionsPath, game.state.options);
  // A damaged file goes aside whole and the game starts afresh, as in an empty folder.
  if (status == ReadStatus::Damaged) {
    if (const auto aside = MoveDamagedFileAside(game.OptionsPath)) {
      ReportOptionsFileTrouble(game, kOptionsFileDamaged, *aside);
      status = ReadStatus::Missing;
    }
  }
  if (status == ReadStatus::Missing) {
    SetDefaultOptions(game);
    status = ReadOptionsFile(game.OptionsPath, game.state.options);
  }
  // A file that could not be read, or could not be moved aside, is kept from every write of
  // this run.
  if (status == ReadStatus::Unreadable || status == ReadStatus::Damaged) {
    game.OptionsFileLeftAlone = true;
    ReportOptionsFileTrouble(game, kOptionsFileUnreadable, game.OptionsPath);
  }
  ApplyOptions(game);
}

void SetDefaultOptions(Flow& game) {
  game.state.options = Options{};
  WriteOptions(game);
}

bool SetLevel(Flow& game, int level) {
  if (!kLevelRange.Contains(level))
    return false;
  if (game.state.TrickNumber != 0 && game.state.TrickNumber != 19) {
    game.presenter->Tell(kLevelRefusal);
    // The menu has already moved its tick to the clicked entry: put it back.
    ApplyOptions(game);
    return false;
  }
  game.state.options.Level = level;
  Commit(game);
  return true;
}

void SetForceOption(Flow& game, int force_option) {
  if (!kForceOptionRange.Contains(force_option))
    return;
  game.state.options.ForceOption = force_option;
  Commit(game);
}

void ToggleAtLeastOneTaker(Flow& game) {
  game.state.options.AtLeastOneTaker = game.state.options.AtLeastOneTaker == 0 ? 1 : 0;
  Commit(game);
}

void SetCardSpeed(Flow& game, int card_speed) {
  if (!kCardSpeedRange.Contains(card_speed))
    return;
  game.state.options.CardSpeed = card_speed;
  Commit(game);
}

void SetTrickWait(Flow& game, int trick_wait) {
  if (!kTrickWaitRange.Contains(trick_wait))
    return;
  game.state.options.TrickWait = trick_wait;
  Commit(game);
}

void ToggleBidAdvice(Flow& game) {
  game.state.options.BidAdvice = game.state.options.BidAdvice == 0 ? 1 : 0;
  Commit(game);
}

void ToggleDealPoints(Flow& game) {
  game.state.options.ShowDealPoints = game.state.options.ShowDealPoints == 0 ? 1 : 0;
  Commit(game);
}

void ToggleDeductions(Flow& game) {
  game.state.options.ShowDeductions = game.state.options.ShowDeductions == 0 ? 1 : 0;
  Commit(game);
}

void ChooseBackgroundColour(Flow& game) {
  if (const auto chosen = game.presenter->ChooseColour(game.state.options.BackgroundColour))
    game.state.options.BackgroundColour = *chosen & static_cast<int>(kColourRange.last);
  // Written even when the player cancels.
  Commit(game);
}

void ResetScores(Flow& game) {
  if (!LanguageChosen(game) || !game.presenter->Ask(kResetScoresQuestion))
    return;
  game.state.options.Scores.Fill(0);
  game.presenter->ShowTotalsReset();
  WriteOptions(game);
  RecordNewSeries(game);
}

bool QuitRequested(Flow& game) {
  // Whatever the answer, the totals are safe first.
  WriteOptions(game);
  if (!game.presenter->AskQuit())
    return false;
  game.presenter->SayGoodbye();
  return true;
}

void WindowClosed(Flow& game) {
  WriteOptions(game);
}

void ReportOptionsFileTrouble(Flow& game, const Bilingual& trouble, const std::string& path) {
  if (game.OptionsFileTroubleShown)
    return;
  if (!LanguageChosen(game)) {
    if (game.OptionsFileTroublePending == nullptr) {
      game.OptionsFileTroublePending = &trouble;
      game.OptionsFileTroublePath = path;
    }
    return;
  }
  game.OptionsFileTroublePending = nullptr;
  game.OptionsFileTroubleShown = true;
  game.presenter->TellFileTrouble(trouble, path);
}

}  // namespace zarvane
