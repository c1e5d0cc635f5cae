#pragma once

#include <string>

#include "flow/flow.h"

namespace zarvane {

// Pushes every option onto the game window, in the fixed order of its nine steps, and sets the
// pacing they choose.
void ApplyOptions(Flow& game);
// The options file: written after every change, read once at start-up.
void WriteOptions(Flow& game);
void ReadOptions(Flow& game);
void SetDefaultOptions(Flow& game);

// The menu entries and buttons of the options. Each sets or flips its option, applies the
// options and writes the file.
// A level chosen during the auction plays the deal, so it is a move, which the record keeps;
// refused (false, no trace) while a deal is being played.
bool SetLevel(Flow& game, int level);
void SetForceOption(Flow& game, int force_option);
void ToggleAtLeastOneTaker(Flow& game);
void SetCardSpeed(Flow& game, int card_speed);
void SetTrickWait(Flow& game, int trick_wait);
void ToggleBidAdvice(Flow& game);  // menuConseilEnch
void ToggleDealPoints(Flow& game);
void ToggleDeductions(Flow& game);        // menuDeductions and the "D" button
void ChooseBackgroundColour(Flow& game);  // SBFondEcran

// Zeroes the four totals after the player confirms.
void ResetScores(Flow& game);
// menuQuit and SBQuitter: writes the file, then asks; true when the program should end.
bool QuitRequested(Flow& game);
// The window closed by its frame: the totals still reach the file.
void WindowClosed(Flow& game);

// Tells the player, once a run, what went wrong with the options file, naming the file at
// `path`; before a language is chosen the message waits, and ChooseLanguage delivers it.
void ReportOptionsFileTrouble(Flow& game, const Bilingual& trouble, const std::string& path);

}  // namespace zarvane
