#pragma once

#include <array>
#include <span>
#include <string_view>

namespace zarvane {

// Every text the player reads, in both languages. The French and English wordings are the
// program's own, typos included, because players and the help documents know them so.
struct Bilingual {
  std::string_view french;
  std::string_view english;
};

inline constexpr int kFrench = 1;
inline constexpr int kEnglish = 2;

// The text of the chosen language; empty while no language is chosen, so nothing shows.
std::string_view Pick(int language, const Bilingual& text);

// A text that belongs to one control, addressed by its component name (and its number in a
// family of controls), so this folder needs nothing from the table.
struct ControlText {
  std::string_view control;
  Bilingual text;
  int index = 0;
};

// The tables the language step pushes onto the windows.
std::span<const ControlText> SidePanelHints();  // pop-up hints of the side panels
std::span<const ControlText> WindowCaptions();  // the other windows and their buttons
std::span<const ControlText> MenuCaptions();    // the keys (&) stay with the entries
std::span<const ControlText> ButtonHints();     // the bar buttons of the game window
std::span<const ControlText> ButtonCaptions();  // buttons and panels of the game window

// Name lists. The tables start at element 0: seats and levels count from 1, so seat s is
// kSeatNames[s - 1]; bid codes count from 0 and index kBidNames directly.
inline constexpr std::array<Bilingual, 4> kSeatNames = {{
    {"SUD", "SOUTH"},
    {"EST", "EAST"},
    {"NORD", "NORTH"},
    {"OUEST", "WEST"},
}};
inline constexpr std::array<Bilingual, 5> kBidNames = {{
    {"PASSE", "PASS"},
    {"PRISE", "TAKE"},
    {"GARDE", "GUARD"},
    {"GARDE SANS", "GUARD WITHOUT"},
    {"GARDE CONTRE", "GUARD AGAINST"},
}};
inline constexpr std::array<Bilingual, 5> kLevelNames = {{
    {"Débutant", "Beginner"},
    {"Amateur", "Medium"},
    {"Bon", "Advanced"},
    {"Pro", "Pro"},
    {"Expert", "Expert"},
}};
inline constexpr Bilingual kAdviceWord = {"Conseil", "Advice"};
// The deductions panel names the king, queen, knight and jack as the card faces of the
// language do.
inline constexpr std::array<Bilingual, 4> kHonourLetters = {{
    {"R", "K"},
    {"D", "Q"},
    {"C", "C"},
    {"V", "J"},
}};
// Between the advice word and the advised bid on evMaMain.
inline constexpr std::string_view kAdviceSeparator = ": ";

// The program's name, also the title of the game window and of every question box.
inline constexpr std::string_view kProductName = "ZARVANE";
inline constexpr std::string_view kVersionText = "98";
inline constexpr std::string_view kWindowTitle = "ZARVANE 98";
inline constexpr std::string_view kZarvaneMenuCaption = "&Zarvane";
inline constexpr Bilingual kHelpFileName = {"zarvanefr.hlp", "zarvaneus.hlp"};

// The opening window's two buttons carry both languages at once.
inline constexpr std::string_view kStartFrenchCaption = "Version française";
inline constexpr std::string_view kStartEnglishCaption = "English version";

// Quitting.
inline constexpr Bilingual kQuitQuestion = {"Voulez-vous vraiment arrêter ?",
                                            "Do you really want to quit ?"};
inline constexpr Bilingual kGoodbye = {"A bientôt !!!", "See you !!!"};

// Prompts of the message line `info`.
inline constexpr Bilingual kBidPrompt = {"Cliquez sur l'enchère que vous désirez annoncer !",
                                         "Click on the bid you want to do."};
inline constexpr Bilingual kBetterBidPrompt = {"Vous devez faire une meilleure enchère ou passer !",
                                               "Make a better bid or pass !"};
inline constexpr Bilingual kContinuePrompt = {"Cliquez n'importe où pour continuer à jouer... !",
                                              "Click anywhere to go on playing..."};
inline constexpr Bilingual kDogShownPrompt = {
    "Et voici le Chien ! A présent, cliquez pour continuer à jouer...",
    "Here is the Dog ! And now, please click anywhere to go on playing..."};
inline constexpr Bilingual kDiscardPrompt = {"Cliquez sur 6 cartes pour constituer l'écart",
                                             "Click on 6 cards to make the discard"};
inline constexpr Bilingual kPlayPrompt = {"A vous de jouer !", "Play !"};

// Refusals and questions in message boxes.
inline constexpr Bilingual kExcuseRefusal = {"Vous ne pouvez pas sélectionner l'Excuse !",
                                             "You can't choose the Fool !"};
inline constexpr Bilingual kLevelRefusal = {
    "Vous ne pouvez pas changer de niveau en pleine partie !",
    "You can only change level at the beginning of a new deal !"};
inline constexpr Bilingual kResetScoresQuestion = {
    "Voulez-vous réellement remettre les scores à 0 ?",
    "Do you really want to initialize scores ?"};
inline constexpr Bilingual kReplayedDealNotice = {
    "Les points n'ont pas été comptabilisés dans les scores globaux car cette donne a été "
    "rejouée ou redémarrée !",
    "Because you replayed or restart this deal, global scores didn't change !"};

// The end-of-deal result: prefix, the taker's score, suffix, a line feed, one outcome.
inline constexpr Bilingual kResultPrefix = {"Résultat du Preneur : ", "Result for the Taker : "};
inline constexpr std::string_view kResultPointsSuffix = " points.";
inline constexpr Bilingual kSouthTakerMade = {"Bravo, vous avez gagné contre la Défense !",
                                              "Bravo, you won against this so weak Defense !"};
inline constexpr Bilingual kSouthTakerFailed = {"AIIIIE, la Défense vous a fait chuter !",
                                                "OWWWW, you lose against the Defense"};
inline constexpr Bilingual kSouthDefenceBroke = {"Bravo, votre Défense a fait chuter le Preneur !",
                                                 "Bravo to you and the Defense !"};
inline constexpr Bilingual kSouthDefenceBeaten = {
    "Aie, vous n'avez pas pu faire chuter le Preneur...", "OWW, you Defense was not very good..."};

// Our own words about the options file; its path follows on a line of its own. A file that
// cannot be read is left as it is, so the totals it may hold are not lost.
inline constexpr Bilingual kOptionsFileUnreadable = {
    "Le fichier des options ne peut pas être lu. La partie continue avec les réglages par "
    "défaut ; le fichier est laissé tel quel et les changements de cette partie ne seront pas "
    "conservés :",
    "The options file cannot be read. The game goes on with the default settings; the file is "
    "left as it is and the changes made now will not be kept:"};
// A damaged file is renamed, not replaced: the player may still want what it held.
inline constexpr Bilingual kOptionsFileDamaged = {
    "Le fichier des options est abîmé. La partie continue avec les réglages par défaut et les "
    "scores à 0 ; l'ancien fichier est gardé sous le nom :",
    "The options file is damaged. The game goes on with the default settings and the scores "
    "at 0; the old file is kept as:"};
inline constexpr Bilingual kOptionsFileUnwritable = {
    "Le fichier des options ne peut pas être enregistré. La partie continue avec les réglages "
    "actuels, mais ils ne seront pas conservés pour la prochaine fois :",
    "The options file cannot be saved. The game goes on with the current settings, but they "
    "will not be kept for next time:"};

// The deal in progress, kept in a file of its own so that it survives quitting.
inline constexpr Bilingual kResumeQuestion = {"Reprendre la donne interrompue ?",
                                              "Resume the interrupted deal?"};
inline constexpr Bilingual kSavedDealDamaged = {
    "La donne interrompue ne peut pas être reprise : son fichier est abîmé. Une nouvelle donne "
    "vous attend ; l'ancien fichier est gardé sous le nom :",
    "The interrupted deal cannot be resumed: its file is damaged. A new deal awaits you; the old "
    "file is kept as:"};
inline constexpr Bilingual kSavedDealUnreadable = {
    "La donne interrompue ne peut pas être lue. Une nouvelle donne vous attend ; le fichier est "
    "laissé tel quel :",
    "The interrupted deal cannot be read. A new deal awaits you; the file is left as it is:"};
inline constexpr Bilingual kSavedDealUnwritable = {
    "La donne en cours ne peut pas être enregistrée : si le jeu est fermé, elle ne pourra pas "
    "être reprise. Le fichier :",
    "The deal in progress cannot be saved: if the game is closed, it cannot be resumed. The "
    "file:"};

// The history of the scores: its file's trouble, told once a run, the path on a line of its
// own; the game never waits on it.
inline constexpr Bilingual kHistoryFileUnwritable = {
    "L'historique des scores ne peut pas être enregistré. La partie continue, mais les donnes "
    "jouées maintenant n'y figureront pas :",
    "The history of the scores cannot be saved. The game goes on, but the deals played now "
    "will not be in it:"};

// The history window, its menu entry and its table.
inline constexpr Bilingual kHistoryMenuCaption = {"&Historique", "&History"};
inline constexpr Bilingual kHistoryTitle = {"Historique des scores", "History of the scores"};
inline constexpr Bilingual kHistoryDealAxis = {"Donnes", "Deals"};
inline constexpr Bilingual kHistoryTotalAxis = {"Scores globaux", "Global scores"};
inline constexpr Bilingual kHistoryAllDeals = {"Toutes les donnes", "All deals"};
inline constexpr Bilingual kHistoryLevelRow = {"Niveau ", "Level "};
inline constexpr std::array<Bilingual, 6> kHistoryColumns = {{
    {"Donnes", "Deals"},
    {"Prises par Sud", "Taken by South"},
    {"Réussies par Sud", "Made by South"},
    {"Prises par l'ordinateur", "Taken by the computer"},
    {"Réussies par l'ordinateur", "Made by the computer"},
    {"Moyenne de Sud par donne", "South's mean per deal"},
}};
inline constexpr Bilingual kHistoryDealCount = {"Donnes comptées : ", "Deals counted: "};
inline constexpr Bilingual kHistorySeriesCount = {"Séries : ", "Series: "};
inline constexpr Bilingual kHistoryDamagedCount = {"Lignes abîmées ignorées : ",
                                                   "Damaged lines skipped: "};
inline constexpr Bilingual kHistoryClose = {"Fermer", "Close"};

// Deals by code: the four-hands window's button, which says for a moment that it copied, the
// question before a deal in progress is dropped, the dialog that asks for a code, and why a
// code is refused: the fault, then where it lies when that is known.
inline constexpr Bilingual kCopyCaption = {"Copier", "Copy"};
inline constexpr Bilingual kCopiedCaption = {"Copié !", "Copied!"};
inline constexpr Bilingual kDropDealQuestion = {"Abandonner la donne en cours ?",
                                                "Give up the deal in progress?"};
// The background colour's entry in the Voir / View menu, beside its button on the bar.
inline constexpr Bilingual kColourMenuCaption = {"&Couleur du fond d'écran...",
                                                 "&Background color..."};
inline constexpr Bilingual kPlayDealMenuCaption = {"&Jouer une donne...", "&Play a deal..."};
inline constexpr Bilingual kPlayDealPrompt = {
    "Le code d'une donne (la fenêtre des quatre mains le montre) :",
    "The code of a deal (the four hands window shows it):"};
inline constexpr Bilingual kCodeLengthFault = {
    "Un code de donne a 35 caractères, en 7 groupes de 5.",
    "A deal code has 35 characters, in 7 groups of 5."};
inline constexpr Bilingual kCodeCharacterFault = {"Ce code a un caractère inconnu",
                                                  "This code has an unknown character"};
inline constexpr Bilingual kCodeCheckFault = {"Ce code a une faute de frappe",
                                              "This code has a typing slip"};
inline constexpr Bilingual kCodeFaultInGroup = {" dans le groupe ", " in group "};
inline constexpr Bilingual kCodeFaultSomewhere = {" : vérifiez-le caractère par caractère",
                                                  ": check it character by character"};
inline constexpr Bilingual kCodeNotADealFault = {"Ce code ne correspond à aucune donne.",
                                                 "This code is not the code of a deal."};

}  // namespace zarvane
