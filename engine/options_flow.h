#pragma once

#include <string>

#include "engine/game.h"

namespace zarvane {

// Pushes every option onto the game window, in the fixed order of its nine steps.
void ApplyOptions(Game& game);
// The options file: written after every change, read once at start-up.
void WriteOptions(Game& game);
void ReadOptions(Game& game);
void SetDefaultOptions(Game& game);

// The menu entries and buttons of the options. Each sets or flips its option, applies the
// options and writes the file.
void SetLevel(Game& game, int level);  // refused while a deal is being played
void SetForceOption(Game& game, int force_option);
void ToggleAtLeastOneTaker(Game& game);
void SetCardSpeed(Game& game, int card_speed);
void SetTrickWait(Game& game, int trick_wait);
void ToggleBidAdvice(Game& game);  // menuConseilEnch
void ToggleDealPoints(Game& game);
void ToggleDeductions(Game& game);        // menuDeductions and the "D" button
void ChooseBackgroundColour(Game& game);  // SBFondEcran

// Zeroes the four totals after the player confirms.
void ResetScores(Game& game);
// menuQuit and SBQuitter: writes the file, then asks; true when the program should end.
bool QuitRequested(Game& game);
// The window closed by its frame: the totals still reach the file.
void WindowClosed(Game& game);

// Tells the player, once a run, what went wrong with the options file, naming the file at
// `path`; before a language is chosen the message waits, and ChooseLanguage delivers it.
void ReportOptionsFileTrouble(Game& game, const Bilingual& trouble, const std::string& path);

}  // namespace zarvane
