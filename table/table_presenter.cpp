#include "table/table_presenter.h"

#include <array>
#include <filesystem>
#include <string>

#include "table/deductions_panel.h"
#include "table/game.h"
#include "table/hand_layout.h"
#include "table/language.h"
#include "table/messages.h"
#include "table/scores.h"

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
constexpr std::array<Control, 4> kTrickWaitEntries = {
    Control::menuClickObligatoire, Control::menuUneSeconde, Control::menuDeuxSecondes,
    Control::menuCinqSecondes};

// Ticks the entry of the chosen value and clears the others; a value with no entry ticks
// none. `first` is the value of the group's first entry.
template <std::size_t N>
void TickRadio(TableView& view, const std::array<Control, N>& entries, int first, int value) {
  for (std::size_t k = 0; k < N; ++k)
    view.SetChecked(entries[k], 0, value == first + static_cast<int>(k));
}

bool LanguageChosen(const Game& game) {
  return game.flow.Language == kFrench || game.flow.Language == kEnglish;
}

void HideReviewWindows(Game& game) {
  for (Control window : {Control::frmTousPlis, Control::frmMains, Control::frmPliPrecedent,
                         Control::frmScoreDetaille}) {
    game.view.SetVisible(window, 0, false);
  }
}

}  // namespace

void TablePresenter::StartTimer(TimerId timer, int milliseconds) {
  game_.view.StartTimer(timer, milliseconds);
}

void TablePresenter::StopTimer(TimerId timer) {
  game_.view.StopTimer(timer);
}

void TablePresenter::Say(const Bilingual& text) {
  zarvane::Say(game_, text);
}

// A refusal in a box with OK; nothing shows before a language is chosen.
void TablePresenter::Tell(const Bilingual& text) {
  if (LanguageChosen(game_))
    game_.view.Inform(Pick(game_.flow.Language, text));
}

bool TablePresenter::Ask(const Bilingual& text) {
  return game_.view.Ask(Pick(game_.flow.Language, text));
}

void TablePresenter::TellFileTrouble(const Bilingual& trouble, const std::string& path) {
  std::string message(Pick(game_.flow.Language, trouble));
  message += '\n';
  // The whole path: a game started from a desktop menu runs in a folder the player never chose.
  std::error_code error;
  const std::filesystem::path where = std::filesystem::absolute(path, error);
  message += error ? path : where.lexically_normal().string();
  game_.view.Inform(message);
}

void TablePresenter::ShowLanguageTexts() {
  SetLanguageTexts(game_);
}

void TablePresenter::ShowOptions() {
  Game& game = game_;
  TableView& view = game.view;
  const Options& options = game.flow.state.options;

  view.SetColour(Control::frmZarvane, 0, options.BackgroundColour);

  TickRadio(view, kForceEntries, 1, options.ForceOption);

  if (kLevelRange.Contains(options.Level))
    view.SetText(Control::PanelNiveau, 0, game.table.LevelNames[options.Level]);
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
  TickRadio(view, kTrickWaitEntries, 0, options.TrickWait);
}

void TablePresenter::ShowOpening() {
  game_.view.SetVisible(Control::PanelLancement, 0, true);
}

std::optional<int> TablePresenter::ChooseColour(int current) {
  return game_.view.ChooseColour(current);
}

void TablePresenter::ShowTotalsReset() {
  for (int seat = 1; seat <= 4; ++seat)
    game_.view.SetText(Control::panelScoreTotal, seat, "0");
}

bool TablePresenter::AskQuit() {
  return game_.view.Ask(game_.table.QuitQuestion);
}

void TablePresenter::SayGoodbye() {
  game_.view.Inform(game_.table.Goodbye);
}

void TablePresenter::EnablePreviousTrick(bool enabled) {
  game_.view.SetEnabled(Control::menuPreviousTrick, 0, enabled);
  game_.view.SetEnabled(Control::SBVoirPliPrecedent, 0, enabled);
}

void TablePresenter::EnableCardAdvice(bool enabled) {
  game_.view.SetEnabled(Control::menuConseilCarte, 0, enabled);
  game_.view.SetEnabled(Control::SBConseilCarte, 0, enabled);
}

void TablePresenter::EnableReplay(bool enabled) {
  game_.view.SetEnabled(Control::menuGameAgain, 0, enabled);
  game_.view.SetEnabled(Control::SBGameAgain, 0, enabled);
}

void TablePresenter::ClearForNewDeal() {
  Game& game = game_;
  game.table.ScoresShown = 1;
  ToggleScores(game);
  HideReviewWindows(game);
  ResetDeductionsPanel(game);
  EnablePreviousTrick(false);
  EnableCardAdvice(false);
  game.table.AdvisedSlot.reset();
  for (Control single : {Control::PanelPreneur, Control::PanelEnchere, Control::PanelLancement,
                         Control::PanelPoignee, Control::BarreEnchere, Control::PanelConfirmeEcart,
                         Control::PanelResultat, Control::TableRonde}) {
    game.view.SetVisible(single, 0, false);
  }
  for (int k = 1; k <= 24; ++k) {
    game.view.SetVisible(Control::Carte3D, k, false);
    game.view.SetPointer(Control::Carte3D, k, Pointer::NoDrop);
    game.view.SetEnabled(Control::Carte3D, k, false);
  }
  for (int seat = 1; seat <= 4; ++seat) {
    game.view.SetVisible(Control::CarteTable, seat, false);
    game.view.SetVisible(Control::CadrePreneur, seat, false);
    game.view.SetVisible(Control::PanelDec, seat, false);
  }
  for (Control panel :
       {Control::nPointsAttaque, Control::nPointsDefense, Control::nBoutsPreneur,
        Control::nBoutsDefense, Control::PanelEnchere, Control::nContrat, Control::PanelPreneur}) {
    game.view.SetText(panel, 0, "");
  }
  game.view.SetPointer(Control::frmZarvane, 0, Pointer::HourGlass);
}

void TablePresenter::ShowDealtHand() {
  zarvane::LayOutSouthHand(game_);
  EnableReplay(true);
  game_.view.SetPointer(Control::frmZarvane, 0, Pointer::Normal);
}

}  // namespace zarvane
