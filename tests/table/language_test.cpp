#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <span>
#include <string>
#include <tuple>

#include "flow/options_flow.h"
#include "flow/start.h"
#include "settings/card_names.h"
#include "settings/help_file.h"
#include "settings/texts.h"
#include "table/game.h"
#include "table/language.h"
#include "tests/support/fake_table_view.h"
#include "tests/support/temp_folder.h"

namespace zarvane {
namespace {

using testing::ControlState;
using testing::FakeTableView;
using testing::TempFolder;

struct TableOfTexts {
  const char* name;
  std::span<const ControlText> entries;
  bool hints;  // pop-up hints rather than captions
  std::size_t size;
};

const TableOfTexts kTables[] = {
    {"side panel hints", SidePanelHints(), true, 14},
    {"other windows", WindowCaptions(), false, 18},
    {"menus", MenuCaptions(), false, 40},
    {"button hints", ButtonHints(), true, 10},
    {"button captions", ButtonCaptions(), false, 12},
};

constexpr Control kBidButtons[] = {Control::ButtonPasse, Control::ButtonPrise, Control::ButtonGarde,
                                   Control::ButtonGardeSans, Control::ButtonGardeContre};

TEST(LanguageTest, EveryTextOfTheTablesReachesItsControlInBothLanguages) {
  std::set<std::tuple<bool, std::string_view, int>> keys;
  for (const TableOfTexts& table : kTables) {
    EXPECT_EQ(table.entries.size(), table.size) << table.name;
    for (const ControlText& entry : table.entries) {
      EXPECT_TRUE(ControlFromName(entry.control).has_value()) << entry.control;
      // Two entries on one control would leave only the last one on the screen.
      EXPECT_TRUE(keys.insert({table.hints, entry.control, entry.index}).second)
          << entry.control << " " << entry.index;
      EXPECT_FALSE(entry.text.french.empty() || entry.text.english.empty()) << entry.control;
    }
  }

  for (int language : {kFrench, kEnglish}) {
    FakeTableView view;
    Game game{view};
    ChooseLanguage(game.flow, language);
    for (const TableOfTexts& table : kTables) {
      for (const ControlText& entry : table.entries) {
        const auto control = ControlFromName(entry.control);
        ASSERT_TRUE(control.has_value());
        const ControlState& state = view.Get(*control, entry.index);
        const std::string_view expected =
            language == kFrench ? entry.text.french : entry.text.english;
        EXPECT_EQ(table.hints ? state.hint : state.text, expected) << entry.control;
      }
    }
  }
}

TEST(LanguageTest, TheWordingsKeepTheirAccentsAndTheirTypos) {
  FakeTableView english;
  Game game{english};
  ChooseLanguage(game.flow, kEnglish);
  EXPECT_EQ(english.Text(Control::menuForce), "&Strenght of Your Hand");
  EXPECT_EQ(english.Text(Control::panelDefNbBouts), "Oudlers nubmer");
  EXPECT_EQ(english.Text(Control::menuAttenteEntreChaquePli), "&Laps time between each trick:");
  EXPECT_EQ(english.Text(Control::menuVoir), "Loo&K");
  EXPECT_EQ(english.Text(Control::panelDefPrimePoignee), "Bonus of Poignee");
  EXPECT_EQ(english.Get(Control::CountLabel, 1).hint, "Number of Spades outside");
  EXPECT_EQ(english.Get(Control::CountLabel, 4).hint, "Number of Diamonds outside");
  EXPECT_EQ(english.Get(Control::SBFondEcran).hint, "Background color");

  FakeTableView french;
  Game jeu{french};
  ChooseLanguage(jeu.flow, kFrench);
  EXPECT_EQ(french.Text(Control::frmPoignee), "Sélectionnez les cartes à mettre dans la Poignée !");
  EXPECT_EQ(french.Text(Control::menuVitesses), "Vitesse&S");
  EXPECT_EQ(french.Text(Control::menuInstantane), "&Instantané");
  EXPECT_EQ(french.Get(Control::CountLabel, 3).hint, "Nombre de trèfles restant dehors");
  EXPECT_EQ(french.Get(Control::SBQuitter).hint, "Quit");
  EXPECT_EQ(french.Text(Control::PanelEcart), "L'ECART");
}

// The deductions panel names the honours like the card faces: R, D, C, V in the French game,
// K, Q, C, J in the English one, in every suit column, king at the top.
TEST(LanguageTest, TheHonourCellsReadLikeTheCourtCardsOfTheLanguage) {
  for (const auto& [language, letters] :
       {std::pair{kFrench, "RDCV"}, std::pair{kEnglish, "KQCJ"}}) {
    FakeTableView view;
    Game game{view};
    ChooseLanguage(game.flow, language);
    for (int suit = 1; suit <= 4; ++suit) {
      for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(view.Get(Control::HonourCell, (suit - 1) * 4 + c).text,
                  std::string(1, letters[c - 1]))
            << "language " << language << " suit " << suit << " cell " << c;
    }
  }
}

TEST(LanguageTest, AChosenLanguageFillsTheListsTheQuestionsTheHelpFileAndTheBidButtons) {
  FakeTableView view;
  Game game{view};
  game.table.ProgramFolder = "/opt/zarvane";
  ChooseLanguage(game.flow, kFrench);
  EXPECT_EQ(game.table.SeatNames[1], "SUD");
  EXPECT_EQ(game.table.SeatNames[4], "OUEST");
  EXPECT_EQ(game.table.BidNames[0], "PASSE");
  EXPECT_EQ(game.table.BidNames[4], "GARDE CONTRE");
  EXPECT_EQ(game.table.LevelNames[1], "Débutant");
  EXPECT_EQ(game.table.AdviceWord, "Conseil");
  EXPECT_EQ(game.table.QuitQuestion, "Voulez-vous vraiment arrêter ?");
  EXPECT_EQ(game.table.Goodbye, "A bientôt !!!");
  EXPECT_EQ(game.table.HelpFile, "/opt/zarvane/zarvanefr.hlp");
  EXPECT_EQ(view.Text(Control::menuZarvane), "&Zarvane");
  EXPECT_EQ(view.Text(Control::frmZarvane), "ZARVANE 98");
  for (int bid = 0; bid <= 4; ++bid)
    EXPECT_EQ(view.Text(kBidButtons[bid]), game.table.BidNames[bid]);
  EXPECT_EQ(view.Text(Control::ButtonGardeSans), "GARDE SANS");

  FakeTableView view2;
  Game other{view2};
  other.table.ProgramFolder = "/opt/zarvane/";
  ChooseLanguage(other.flow, kEnglish);
  EXPECT_EQ(other.table.SeatNames[2], "EAST");
  EXPECT_EQ(other.table.BidNames[3], "GUARD WITHOUT");
  EXPECT_EQ(other.table.LevelNames[3], "Advanced");
  EXPECT_EQ(other.table.AdviceWord, "Advice");
  EXPECT_EQ(other.table.QuitQuestion, "Do you really want to quit ?");
  EXPECT_EQ(other.table.Goodbye, "See you !!!");
  EXPECT_EQ(other.table.HelpFile, "/opt/zarvane/zarvaneus.hlp");
  EXPECT_EQ(view2.Text(Control::ButtonPasse), "PASS");
  EXPECT_EQ(view2.Text(Control::ButtonGardeContre), "GUARD AGAINST");

  // A program started from its own folder finds the help beside it.
  FakeTableView view3;
  Game here{view3};
  ChooseLanguage(here.flow, kEnglish);
  EXPECT_EQ(here.table.HelpFile, "zarvaneus.hlp");
}

TEST(LanguageTest, TheHelpIsTakenBesideTheProgramFirstThenFromTheInstalledDataFolder) {
  TempFolder prefix;
  const std::filesystem::path bin = prefix.path() / "bin";
  const std::filesystem::path shared = (bin / kHelpFolderFromProgram).lexically_normal();
  std::filesystem::create_directories(bin);
  std::filesystem::create_directories(shared);
  std::ofstream(shared / "zarvaneus.hlp") << "<html></html>";
  FakeTableView view;
  Game game{view};
  game.table.ProgramFolder = bin.string();

  // An installed program: nothing beside it, the document in the data folder.
  ChooseLanguage(game.flow, kEnglish);
  EXPECT_EQ(game.table.HelpFile, (shared / "zarvaneus.hlp").string());
  // Installed in one language only: the other is named beside the program, where the message
  // about a missing document sends the player first.
  ChooseLanguage(game.flow, kFrench);
  EXPECT_EQ(game.table.HelpFile, (bin / "zarvanefr.hlp").string());
  // A copy beside the program wins over the installed one.
  std::ofstream(bin / "zarvaneus.hlp") << "<html></html>";
  ChooseLanguage(game.flow, kEnglish);
  EXPECT_EQ(game.table.HelpFile, (bin / "zarvaneus.hlp").string());
  // A folder under the document's name is no document.
  std::filesystem::create_directories(bin / "zarvanefr.hlp");
  std::ofstream(shared / "zarvanefr.hlp") << "<html></html>";
  ChooseLanguage(game.flow, kFrench);
  EXPECT_EQ(game.table.HelpFile, (shared / "zarvanefr.hlp").string());
}

TEST(LanguageTest, BeforeTheChoiceOnlyTheTitleTheFirstMenuAndTheBidButtonsChange) {
  FakeTableView view;
  Game game{view};
  // The captions the windows were built with.
  view.SetText(Control::menuLevel, 0, "&Niveau");
  view.SetText(Control::menuForce, 0, "&Force des mains");
  view.SetText(Control::PanelLancement, 0, "Cliquez ici...");
  for (Control button : kBidButtons)
    view.SetText(button, 0, "Button");

  SetLanguageTexts(game);
  EXPECT_EQ(view.Text(Control::menuZarvane), "&Zarvane");
  EXPECT_EQ(view.Text(Control::frmZarvane), "ZARVANE 98");
  for (Control button : kBidButtons)
    EXPECT_EQ(view.Text(button), "");
  EXPECT_EQ(view.Text(Control::menuLevel), "&Niveau");
  EXPECT_EQ(view.Text(Control::menuForce), "&Force des mains");
  EXPECT_EQ(view.Text(Control::PanelLancement), "Cliquez ici...");
  for (const auto& table : kTables) {
    for (const ControlText& entry : table.entries)
      EXPECT_EQ(view.Get(*ControlFromName(entry.control), entry.index).hint, "");
  }
  EXPECT_EQ(game.table.QuitQuestion, "");
  EXPECT_EQ(game.table.HelpFile, "");
  EXPECT_EQ(game.table.LevelNames[4], "");
  EXPECT_EQ(Pick(0, kQuitQuestion), "");
  EXPECT_EQ(Pick(3, kQuitQuestion), "");

  // No such language button: nothing happens.
  ChooseLanguage(game.flow, 3);
  EXPECT_EQ(game.flow.Language, 0);
  EXPECT_EQ(view.Text(Control::menuLevel), "&Niveau");
}

TEST(LanguageTest, ChoosingALanguageRenamesTheLevelAtOnce) {
  FakeTableView view;
  Game game{view};
  game.flow.state.options.Level = 1;
  SetLanguageTexts(game);
  ApplyOptions(game.flow);
  EXPECT_EQ(view.Text(Control::PanelNiveau), "");

  ChooseLanguage(game.flow, kFrench);
  EXPECT_EQ(view.Text(Control::PanelNiveau), "Débutant");
  ChooseLanguage(game.flow, kEnglish);
  EXPECT_EQ(view.Text(Control::PanelNiveau), "Beginner");
  EXPECT_EQ(view.Get(Control::PanelNiveau).hint, "Game Level");
  EXPECT_TRUE(view.Get(Control::menuDebutant).checked);
}

// What a screen reader says of a card: the court cards by name, the suits in each language,
// the trumps by number.
TEST(Language, CardsAreNamedInTheChosenLanguage) {
  EXPECT_EQ(CardName(kFrench, kKing, kCoeur), "Roi de coeur");
  EXPECT_EQ(CardName(kEnglish, kKing, kCoeur), "King of hearts");
  EXPECT_EQ(CardName(kFrench, kJack, kTrefle), "Valet de trèfle");
  EXPECT_EQ(CardName(kEnglish, kKnight, kPique), "Knight of spades");
  EXPECT_EQ(CardName(kFrench, 1, kCarreau), "As de carreau");
  EXPECT_EQ(CardName(kEnglish, 7, kCarreau), "7 of diamonds");
  EXPECT_EQ(CardName(kFrench, 21, kAtout), "Atout 21");
  EXPECT_EQ(CardName(kEnglish, 0, kAtout), "Fool");
  EXPECT_EQ(CardName(0, kKing, kCoeur), "");
  EXPECT_EQ(CardName(kFrench, 5, kNoSuit), "");
}

}  // namespace
}  // namespace zarvane
