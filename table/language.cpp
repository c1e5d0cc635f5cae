#include "table/language.h"

#include <span>

#include "settings/help_file.h"
#include "table/controls.h"
#include "settings/texts.h"
#include "table/deductions_panel.h"

namespace zarvane {

namespace {

enum class TextKind { Caption, Hint };

// A table names its controls; a name the presenter does not know is skipped, and the tests
// see to it that there is none.
void PushTexts(Game& game, std::span<const ControlText> table, TextKind kind) {
  for (const ControlText& entry : table) {
    const std::optional<Control> control = ControlFromName(entry.control);
    if (!control)
      continue;
    const std::string_view text = Pick(game.Language, entry.text);
    if (kind == TextKind::Hint)
      game.view.SetHint(*control, entry.index, text);
    else
      game.view.SetText(*control, entry.index, text);
  }
}

void FillNameLists(Game& game) {
  for (int seat = 1; seat <= 4; ++seat)
    game.SeatNames[seat] = Pick(game.Language, kSeatNames[seat - 1]);
  for (int bid = kPasse; bid <= kGardeContre; ++bid)
    game.BidNames[bid] = Pick(game.Language, kBidNames[bid]);
  for (int level = 1; level <= kExpertLevel; ++level)
    game.LevelNames[level] = Pick(game.Language, kLevelNames[level - 1]);
  game.AdviceWord = Pick(game.Language, kAdviceWord);
}

void NameHonourCells(Game& game) {
  for (int suit = kPique; suit <= kCarreau; ++suit) {
    for (int c = 1; c <= 4; ++c)
      game.view.SetText(Control::HonourCell, HonourCellIndex(suit, c),
                        Pick(game.Language, kHonourLetters[c - 1]));
  }
}

}  // namespace

void SetLanguageTexts(Game& game) {
  // Before the choice only the language-free captions and the bid buttons change.
  const bool chosen = game.Language == kFrench || game.Language == kEnglish;
  TableView& view = game.view;

  if (chosen) {
    game.QuitQuestion = Pick(game.Language, kQuitQuestion);
    game.Goodbye = Pick(game.Language, kGoodbye);
  }
  view.SetText(Control::menuZarvane, 0, kZarvaneMenuCaption);
  if (chosen)
    game.HelpFile = FindHelpFile(game.ProgramFolder, Pick(game.Language, kHelpFileName));
  view.SetText(Control::frmZarvane, 0, kWindowTitle);
  if (chosen) {
    PushTexts(game, SidePanelHints(), TextKind::Hint);
    PushTexts(game, WindowCaptions(), TextKind::Caption);
    FillNameLists(game);
    PushTexts(game, MenuCaptions(), TextKind::Caption);
    PushTexts(game, ButtonHints(), TextKind::Hint);
    PushTexts(game, ButtonCaptions(), TextKind::Caption);
    NameHonourCells(game);
  }
  for (int bid = kPasse; bid <= kGardeContre; ++bid)
    view.SetText(kBidButtons[bid], 0, game.BidNames[bid]);
}

std::string_view ColourEntryCaption(int language) {
  return Pick(language, kColourMenuCaption);
}

}  // namespace zarvane
