#include "engine/options_flow.h"

#include <array>
#include <filesystem>
#include <string>

#include "settings/options_file.h"
#include "settings/texts.h"

namespace zarvane {

namespace {

// The entries of each radio group, in the order of the option's values.
constexpr std::array<Control, 6> kForceEntries = {
    Control::menuForceDefense, Control::menuForceNormale,   Control::menuForcePrise,
    Control::menuForceGarde,   Control::menuForceGardeSans, Control::menuForceGardeContre};
constexpr std::array<Control, 5> kLevelEntries = {Control::menuDebutant, Control::menuAmateur,
                                                  Control::menuBon, Control::menuPro,
                                                  Control::menuExpert};
constexpr std::array<Control, 5> kCardSpeedEntries = {Control::menuEscargot, Control::menuLent,
                                                      Control::menuNormal, Control::menuRapide,
                                                      Control::menuInstantane};
constexpr std::array<int, 5> kCardIntervals = {1000, 400, 200, 100, 1};
constexpr std::array<Control, 4> kTrickWaitEntries = {
    Control::menuClickObligatoire, Control::menuUneSeconde, Control::menuDeuxSecondes,
    Control::menuCinqSecondes};
constexpr std::array<int, 4> kTransitionIntervals = {0, 1000, 2000, 5000};

// Ticks the entry of the chosen value and clears the others; a value with no entry ticks
// none. `first` is the value of the group's first entry.
template <std::size_t N>
void TickRadio(TableView& view, const std::array<Control, N>& entries, int first, int value) {
  for (std::size_t k = 0; k < N; ++k)
    view.SetChecked(entries[k], 0, value == first + static_cast<int>(k));
}

bool LanguageChosen(const Game& game) {
  return game.Language == kFrench || game.Language == kEnglish;
}

// A refusal in a box with OK; nothing shows before a language is chosen.
void Tell(Game& game, const Bilingual& text) {
  if (LanguageChosen(game))
    game.view.Inform(Pick(game.Language, text));
}

// Every setter ends the same way: the window shows the change, the file keeps it.
void Commit(Game& game) {
  ApplyOptions(game);
  WriteOptions(game);
}

}  // namespace

void ApplyOptions(Game& game) {
  TableView& view = game.view;
  const Options& options = game.options;

  view.SetColour(Control::frmZarvane, 0, options.BackgroundColour);

  TickRadio(view, kForceEntries, 1, options.ForceOption);

  if (kLevelRange.Contains(options.Level))
    view.SetText(Control::PanelNiveau, 0, game.LevelNames[options.Level]);
  TickRadio(view, kLevelEntries, 1, options.Level);

  view.SetChecked(Control::menuAtLeast, 0, options.AtLeastOneTaker != 0);

  view.SetVisible(Control::evMaMain, 0, options.BidAdvice != 0);
  view.SetChecked(Control::menuConseilEnch, 0, options.BidAdvice != 0);

  view.SetChecked(Control::menuPointsPartieEnCours, 0, options.ShowDealPoints != 0);
  view.SetVisible(Control::PanneauScores, 0, options.ShowDealPoints != 0);

  view.SetChecked(Control::menuDeductions, 0, options.ShowDeductions != 0);
  view.SetChecked(Control::SBVoirDeductions, 0, options.ShowDeductions != 0);
  view.SetVisible(Control::PanelDeductions, 0, options.ShowDeductions != 0);

  TickRadio(view, kCardSpeedEntries, 1, options.CardSpeed);
  if (kCardSpeedRange.Contains(options.CardSpeed))
    game.CardTimerInterval = kCardIntervals[options.CardSpeed - 1];

  game.AutoContinue = 1;
  TickRadio(view, kTrickWaitEntries, 0, options.TrickWait);
  if (options.TrickWait == 0)
    game.AutoContinue = 0;
  else if (kTrickWaitRange.Contains(options.TrickWait))
    game.TransitionTimerInterval = kTransitionIntervals[options.TrickWait];
}

void WriteOptions(Game& game) {
  if (game.OptionsFileLeftAlone)
    return;
  if (!WriteOptionsFile(game.OptionsPath, game.options))
    ReportOptionsFileTrouble(game, kOptionsFileUnwritable, game.OptionsPath);
}

void ReadOptions(Game& game) {
  ReadStatus status = ReadOptionsFile(game.OptionsPath, game.options);
  // A damaged file goes aside whole and the game starts afresh, as in an empty folder.
  if (status == ReadStatus::Damaged) {
    if (const auto aside = MoveDamagedFileAside(game.OptionsPath)) {
      ReportOptionsFileTrouble(game, kOptionsFileDamaged, *aside);
      status = ReadStatus::Missing;
    }
  }
  if (status == ReadStatus::Missing) {
    SetDefaultOptions(game);
    status = ReadOptionsFile(game.OptionsPath, game.options);
  }
  // A file that could not be read, or could not be moved aside, is kept from every write of
  // this run.
  if (status == ReadStatus::Unreadable || status == ReadStatus::Damaged) {
    game.OptionsFileLeftAlone = true;
    ReportOptionsFileTrouble(game, kOptionsFileUnreadable, game.OptionsPath);
  }
  ApplyOptions(game);
}

void SetDefaultOptions(Game& game) {
  game.options = Options{};
  WriteOptions(game);
}

void SetLevel(Game& game, int level) {
  if (!kLevelRange.Contains(level))
    return;
  if (game.TrickNumber != 0 && game.TrickNumber != 19) {
    Tell(game, kLevelRefusal);
    // The menu has already moved its tick to the clicked entry: put it back.
    ApplyOptions(game);
    return;
  }
  game.options.Level = level;
  Commit(game);
}

void SetForceOption(Game& game, int force_option) {
  if (!kForceOptionRange.Contains(force_option))
    return;
  game.options.ForceOption = force_option;
  Commit(game);
}

void ToggleAtLeastOneTaker(Game& game) {
  game.options.AtLeastOneTaker = game.options.AtLeastOneTaker == 0 ? 1 : 0;
  Commit(game);
}

void SetCardSpeed(Game& game, int card_speed) {
  if (!kCardSpeedRange.Contains(card_speed))
    return;
  game.options.CardSpeed = card_speed;
  Commit(game);
}

void SetTrickWait(Game& game, int trick_wait) {
  if (!kTrickWaitRange.Contains(trick_wait))
    return;
  game.options.TrickWait = trick_wait;
  Commit(game);
}

void ToggleBidAdvice(Game& game) {
  game.options.BidAdvice = game.options.BidAdvice == 0 ? 1 : 0;
  Commit(game);
}

void ToggleDealPoints(Game& game) {
  game.options.ShowDealPoints = game.options.ShowDealPoints == 0 ? 1 : 0;
  Commit(game);
}

void ToggleDeductions(Game& game) {
  game.options.ShowDeductions = game.options.ShowDeductions == 0 ? 1 : 0;
  Commit(game);
}

void ChooseBackgroundColour(Game& game) {
  if (const auto chosen = game.view.ChooseColour(game.options.BackgroundColour))
    game.options.BackgroundColour = *chosen & static_cast<int>(kColourRange.last);
  // Written even when the player cancels.
  Commit(game);
}

void ResetScores(Game& game) {
  if (!LanguageChosen(game) || !game.view.Ask(Pick(game.Language, kResetScoresQuestion)))
    return;
  for (int seat = 1; seat <= 4; ++seat) {
    game.options.Scores[seat] = 0;
    game.view.SetText(Control::panelScoreTotal, seat, "0");
  }
  WriteOptions(game);
}

bool QuitRequested(Game& game) {
  // Whatever the answer, the totals are safe first.
  WriteOptions(game);
  if (!game.view.Ask(game.QuitQuestion))
    return false;
  game.view.Inform(game.Goodbye);
  // The timers tick while the boxes are open: a deal that ended meanwhile keeps its score.
  WriteOptions(game);
  return true;
}

void WindowClosed(Game& game) {
  WriteOptions(game);
}

void ReportOptionsFileTrouble(Game& game, const Bilingual& trouble, const std::string& path) {
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
  std::string message(Pick(game.Language, trouble));
  message += '\n';
  // The whole path: a game started from a desktop menu runs in a folder the player never chose.
  std::error_code error;
  const std::filesystem::path where = std::filesystem::absolute(path, error);
  message += error ? path : where.lexically_normal().string();
  game.view.Inform(message);
}

}  // namespace zarvane
