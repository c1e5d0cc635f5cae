#include "table/table_presenter.h"

#include <array>
#include <filesystem>
#include <string>

#include "core/discard.h"
#include "flow/discard.h"
#include "flow/poignee.h"
#include "table/deductions_panel.h"
#include "table/game.h"
#include "table/hand_layout.h"
#include "table/language.h"
#include "table/messages.h"
#include "table/result_panel.h"
#include "table/scores.h"

namespace zarvane {

namespace {

// South, East, North, West: bid bubbles, taker frames and total panels.
constexpr int kSeatColours[5] = {0, 0xF3D79C, 0xEFD2FD, 0x93FDF0, 0xA8FBAE};

constexpr Control kBidButtons[] = {Control::ButtonPasse, Control::ButtonPrise, Control::ButtonGarde,
                                   Control::ButtonGardeSans, Control::ButtonGardeContre};

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
  return game.Language == kFrench || game.Language == kEnglish;
}

void HideReviewWindows(Game& game) {
  for (Control window : {Control::frmTousPlis, Control::frmMains, Control::frmPliPrecedent,
                         Control::frmScoreDetaille}) {
    game.view.SetVisible(window, 0, false);
  }
}

void PlaceSouthCard(Game& game, int slot, int lift) {
  game.view.Place(Control::Carte3D, slot, game.layout.HandLeft + (slot - 1) * game.layout.CardStep,
                  game.SouthCardTop[slot] - lift);
}

int DiscardImageLeft(const Game& game, int k) {
  return game.layout.HandLeft + (k - 1) * game.layout.DiscardStep;
}

void PlaceDiscardImage(Game& game, int k, bool lifted) {
  const int lift = lifted ? game.layout.SelectLift : 0;
  game.view.Place(Control::Carte3D, k, DiscardImageLeft(game, k), game.DiscardImageTop[k] - lift);
}

// Poignee image j stands three units right of the one before it.
int PoigneeImageLeft(const Layout& layout, int j) {
  return 3 * layout.PoigneeStep * (j - 1) + layout.PoigneeStep;
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
    game_.view.Inform(Pick(game_.Language, text));
}

bool TablePresenter::Ask(const Bilingual& text) {
  return game_.view.Ask(Pick(game_.Language, text));
}

void TablePresenter::TellFileTrouble(const Bilingual& trouble, const std::string& path) {
  std::string message(Pick(game_.Language, trouble));
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
  return game_.view.Ask(game_.QuitQuestion);
}

void TablePresenter::SayGoodbye() {
  game_.view.Inform(game_.Goodbye);
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
  game.ScoresShown = 1;
  ToggleScores(game);
  HideReviewWindows(game);
  ResetDeductionsPanel(game);
  EnablePreviousTrick(false);
  EnableCardAdvice(false);
  game.AdvisedSlot = -1;
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

// A bid bubble: the name in large type, a pass in small.
void TablePresenter::ShowBid(int seat, int bid) {
  game_.view.SetText(Control::PanelDec, seat, game_.BidNames[bid]);
  game_.view.SetFontSize(Control::PanelDec, seat, bid == kPasse ? 10 : 14);
  game_.view.SetVisible(Control::PanelDec, seat, true);
}

void TablePresenter::OfferBids() {
  Game& game = game_;
  for (Control button : kBidButtons)
    game.view.SetVisible(button, 0, true);
  for (int code = kPrise; code <= kGardeContre; ++code) {
    if (game.HighestBid >= code)
      game.view.SetVisible(kBidButtons[code], 0, false);
  }
  const std::string advice =
      std::string(game.AdviceWord) + ": " + std::string(game.BidNames[game.AnnouncedBid[kSouth]]);
  game.view.SetText(Control::evMaMain, 0, advice);
  zarvane::Say(game, kBidPrompt);
  game.view.SetVisible(Control::BarreEnchere, 0, true);
  if (game.options.BidAdvice == 1)
    game.view.SetFocus(Control::evMaMain, 0);
}

void TablePresenter::HideBids() {
  game_.view.SetVisible(Control::BarreEnchere, 0, false);
}

void TablePresenter::ShowHighestBid() {
  game_.view.SetText(Control::PanelEnchere, 0, game_.BidNames[game_.HighestBid]);
}

// The taker is named: the frame behind his trick card, the side panels in his colour.
void TablePresenter::AnnounceTaker() {
  Game& game = game_;
  for (int seat = 1; seat <= 4; ++seat)
    game.view.SetVisible(Control::PanelDec, seat, false);
  const DesignRect card = ScaleRect(game.layout, kCarteTable[game.Taker - 1]);
  game.view.Place(Control::CadrePreneur, game.Taker,
                  card.left - RoundHalfEven(5 * game.layout.XScale),
                  card.top - RoundHalfEven(5 * game.layout.YScale));
  const int colour = kSeatColours[game.Taker];
  for (Control panel : {Control::nPointsAttaque, Control::nBoutsPreneur, Control::nContrat,
                        Control::PanelEnchere, Control::PanelPreneur}) {
    game.view.SetColour(panel, 0, colour);
  }
  game.view.SetText(Control::PanelPreneur, 0, game.SeatNames[game.Taker]);
  game.view.SetText(Control::PanelEnchere, 0, game.BidNames[game.AnnouncedBid[game.Taker]]);
  game.view.SetVisible(Control::PanelPreneur, 0, true);
  game.view.SetVisible(Control::PanelEnchere, 0, true);
  for (int k = 1; k <= 24; ++k)
    game.view.SetEnabled(Control::Carte3D, k, true);
}

void TablePresenter::ShowDog() {
  Game& game = game_;
  for (int i = 1; i <= 6; ++i) {
    const int top =
        game.layout.TableCentreY + RoundHalfEven(RandomUpTo(game.random, 3) * game.layout.YScale);
    game.view.Place(Control::CarteChien, i, (i - 1) * game.layout.CardStep + game.layout.DogLeft,
                    top);
    game.view.SetPointer(Control::CarteChien, i, Pointer::Normal);
    game.view.ShowCard(Control::CarteChien, i, game.Dog[i]);
    game.view.SetVisible(Control::CarteChien, i, true);
  }
  zarvane::Say(game, kDogShownPrompt);
  for (int k = 1; k <= 18; ++k)
    game.view.SetPointer(Control::Carte3D, k, Pointer::NoDrop);
}

void TablePresenter::HideDog() {
  for (int i = 1; i <= 6; ++i)
    game_.view.SetVisible(Control::CarteChien, i, false);
}

void TablePresenter::ShowTableAndTakerFrame() {
  game_.view.SetVisible(Control::TableRonde, 0, true);
  game_.view.SetVisible(Control::CadrePreneur, game_.Taker, true);
}

void TablePresenter::ShowDiscardRow() {
  Game& game = game_;
  for (int k = 1; k <= 24; ++k) {
    game.DiscardImageTop[k] = game.layout.HandTop - RandomUpTo(game.random, 3);
    PlaceDiscardImage(game, k, false);
    game.view.SetPointer(Control::Carte3D, k, Pointer::HandPoint);
    game.view.SetVisible(Control::Carte3D, k, false);
  }
  for (int k = 1; k <= 24; ++k)
    game.view.ShowCard(Control::Carte3D, k, DiscardImageCard(game, k));
  for (int k = 1; k <= 24; ++k) {
    if (MustKeep(DiscardImageCard(game, k)))
      game.view.SetPointer(Control::Carte3D, k, Pointer::NoEntry);
  }
  for (int k = 1; k <= 24; ++k)
    game.view.SetVisible(Control::Carte3D, k, true);
  zarvane::Say(game, kDiscardPrompt);
}

void TablePresenter::LiftDiscardImage(int k, bool lifted) {
  PlaceDiscardImage(game_, k, lifted);
}

void TablePresenter::ShowDiscardConfirmation(bool shown) {
  game_.view.SetVisible(Control::PanelConfirmeEcart, 0, shown);
}

void TablePresenter::HideDiscardRow() {
  for (int k = 1; k <= 24; ++k)
    game_.view.SetVisible(Control::Carte3D, k, false);
}

void TablePresenter::LayOutSouthHand() {
  zarvane::LayOutSouthHand(game_);
}

void TablePresenter::ShowDeductions() {
  RefreshDeductions(game_);
}

void TablePresenter::OfferPoignee(int trumps) {
  TableView& view = game_.view;
  view.SetVisible(Control::PanelPoigneeDouble, 0, false);
  view.SetVisible(Control::PanelPoigneeTriple, 0, false);
  if (trumps >= PoigneeRequired(2))
    view.SetVisible(Control::PanelPoigneeDouble, 0, true);
  if (trumps >= PoigneeRequired(3))
    view.SetVisible(Control::PanelPoigneeTriple, 0, true);
  view.SetVisible(Control::PanelPoignee, 0, true);
}

void TablePresenter::HidePoigneeQuestion() {
  game_.view.SetVisible(Control::PanelPoignee, 0, false);
}

void TablePresenter::OpenPoigneeWindow(int trumps) {
  Game& game = game_;
  TableView& view = game.view;
  const Layout& layout = game.layout;
  const Hand& hand = game.Hands[game.HumanSeat];
  view.SetVisible(Control::PanelPoignee, 0, false);
  for (int k = 1; k <= 18; ++k) {
    if (hand[k].Suit == kAtout)
      view.SetVisible(Control::Carte3D, k, false);
  }
  view.SetEnabled(Control::frmZarvane, 0, false);

  const int u = layout.PoigneeStep;
  view.SetWidth(Control::frmPoignee, 0, 2 * u + 3 * u * (trumps - 1) + layout.CardWidth);
  for (int j = 1; j <= 18; ++j)
    view.SetVisible(Control::CartePoignee, j, false);
  for (int j = 1; j <= trumps; ++j) {
    // Each card drops a little, at random, as if laid down by hand.
    game.PoigneeImageTop[j] = 2 * u + RoundHalfEven(0.25 * RandomUpTo(game.random, u));
    view.Place(Control::CartePoignee, j, PoigneeImageLeft(layout, j), game.PoigneeImageTop[j]);
    view.SetVisible(Control::CartePoignee, j, true);
  }
  for (int j = 1; j <= trumps; ++j)
    view.ShowCard(Control::CartePoignee, j, hand[j]);
  view.SetVisible(Control::PanelOkPoignee, 0, false);
  view.SetVisible(Control::frmPoignee, 0, true);
}

void TablePresenter::RaisePoigneeImage(int j, bool raised) {
  Game& game = game_;
  game.PoigneeImageTop[j] -= raised ? game.layout.PoigneeStep : -game.layout.PoigneeStep;
  game.view.Place(Control::CartePoignee, j, PoigneeImageLeft(game.layout, j),
                  game.PoigneeImageTop[j]);
}

void TablePresenter::ShowPoigneeComplete(bool complete) {
  game_.view.SetVisible(Control::PanelOkPoignee, 0, false);
  if (complete)
    game_.view.SetVisible(Control::PanelOkPoignee, 0, true);
}

void TablePresenter::ShowPoigneeOk() {
  game_.view.SetVisible(Control::PanelOkPoignee, 0, true);
}

void TablePresenter::ClosePoigneeWindow() {
  Game& game = game_;
  game.view.SetVisible(Control::frmPoignee, 0, false);
  game.view.SetEnabled(Control::frmZarvane, 0, true);
  for (int k = 1; k <= 18; ++k) {
    if (game.Hands[game.HumanSeat][k].InHand == 1)
      game.view.SetVisible(Control::Carte3D, k, true);
  }
  game.view.SetFocus(Control::frmZarvane, 0);
}

void TablePresenter::ShowPlayable() {
  const int seat = game_.HumanSeat;
  for (int k = 1; k <= 18; ++k) {
    game_.view.SetPointer(Control::Carte3D, k,
                          game_.Playable[seat][k] == 1 ? Pointer::HandPoint : Pointer::NoDrop);
  }
}

void TablePresenter::ClearRulePanel(int seat) {
  game_.view.SetText(Control::PanelRegle, seat, "");
}

// Each rule that chose writes its number on the seat's rule panel in turn.
void TablePresenter::ShowMarkedRules(int seat, const MarkedRules& marked) {
  for (int i = 0; i < marked.count; ++i) {
    game_.view.SetText(Control::PanelRegle, seat,
                       std::to_string(marked.numbers[static_cast<std::size_t>(i)]));
  }
}

// The lifted card goes back in line with the others.
void TablePresenter::LowerAdvisedCard() {
  if (game_.AdvisedSlot < 1)
    return;
  PlaceSouthCard(game_, game_.AdvisedSlot, 0);
  game_.AdvisedSlot = -1;
}

void TablePresenter::LiftAdvisedCard(int slot) {
  LowerAdvisedCard();
  game_.AdvisedSlot = slot;
  PlaceSouthCard(game_, slot, game_.layout.SelectLift);
}

void TablePresenter::ShowCardPlayed(int seat, int slot) {
  Game& game = game_;
  RefreshDeductions(game);
  if (seat == game.HumanSeat)
    game.view.SetVisible(Control::Carte3D, slot, false);
  game.view.SetVisible(Control::CarteTable, seat, true);
  game.view.ShowCard(Control::CarteTable, seat, game.Hands[seat][slot]);
}

void TablePresenter::ShowTrickEnd() {
  Game& game = game_;
  if (game.TrickNumber == 2)
    EnablePreviousTrick(true);
  ShowTrickCount(game);
  const bool more_tricks = game.TrickNumber < 19;
  if (more_tricks)
    zarvane::Say(game, kContinuePrompt);
  else
    game.view.SetText(Control::info, 0, "");  // "Play !" no longer applies: the deal is over
  if (more_tricks)
    RefreshDeductions(game);
}

// After the last trick its four cards stay on the table.
void TablePresenter::ClearTrickCards() {
  if (game_.TrickNumber == 19)
    return;
  for (int seat = 1; seat <= 4; ++seat)
    game_.view.SetVisible(Control::CarteTable, seat, false);
}

void TablePresenter::ResumePlay() {
  game_.view.SetText(Control::info, 0, "");
  ShowTableAndTakerFrame();
}

}  // namespace zarvane
