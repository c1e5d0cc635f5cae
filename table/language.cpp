#include "table/language.h"

#include <span>

#include "settings/help_file.h"
#include "settings/texts.h"
#include "table/controls.h"
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
    const std::string_view text = Pick(game.flow.Language, entry.text);
    if (kind == TextKind::Hint)
      game.view.SetHint(*control, entry.index, text);
    else
      game.view.SetText(*control, entry.index, text);
  }
}

void FillNameLists(Game& game) {
  for (int seat = 1; seat <= 4; ++seat)
    game.table.SeatNames[seat] = Pick(game.flow.Language, kSeatNames[seat - 1]);
  for (int bid = kPasse; bid <= kGardeContre; ++bid)
    game.table.BidNames[bid] = Pick(game.flow.Language, kBidNames[bid]);
  for (int level = 1; level <= kExpertLevel; ++level)
    game.table.LevelNames[level] = Pick(game.flow.Language, kLevelNames[level - 1]);
  game.table.AdviceWord = Pick(game.flow.Language, kAdviceWord);
}

void NameHonourCells(Game& game) {
  for (int suit = kPique; suit <= kCarreau; ++suit) {
    for (int c = 1; c <= 4; ++c)
      game.view.SetText(Control::HonourCell, HonourCellIndex(suit, c),
                        Pick(game.flow.Language, kHonourLetters[c - 1]));
  }
}

}  // namespace

void SetLanguageTexts(Game& game) {
  // Before the choice only the language-free captions and the bid buttons change.
  const bool chosen = game.flow.Language == kFrench || game.flow.Language == kEnglish;
  TableView& view = game.view;

  if (chosen) {
    game.table.QuitQuestion = Pick(game.flow.Language, kQuitQuestion);
    game.table.Goodbye = Pick(game.flow.Language, kGoodbye);
  }
  view.SetText(Control::menuZarvane, 0, kZarvaneMenuCaption);
  if (chosen)
    game.table.HelpFile =
        FindHelpFile(game.table.ProgramFolder, Pick(game.flow.Language, kHelpFileName));
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
    view.SetText(kBidButtons[bid], 0, game.table.BidNames[bid]);
}

std::string_view ColourEntryCaption(int language) {
  return Pick(language, kColourMenuCaption);
}

}  // namespace zarvane
