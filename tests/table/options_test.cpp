#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/fsuid.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "flow/moves.h"
#include "flow/options_flow.h"
#include "flow/start.h"
#include "settings/options_file.h"
#include "table/game.h"
#include "table/language.h"
#include "tests/support/fake_table_view.h"
#include "tests/support/temp_folder.h"

namespace zarvane {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::FakeTableView;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;
using Names = std::vector<std::string>;

// clang-format off
const Bytes kDefaultFile = {
    0x04, 0, 0, 0,  0x00, 0x40, 0x40, 0x00,  0x02, 0, 0, 0,  0x03, 0, 0, 0,  0x02, 0, 0, 0,
    1, 1, 1, 0,
    0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0};
// clang-format on

struct OptionsTest : ::testing::Test {
  OptionsTest() { game.flow.OptionsPath = file.string(); }

  Bytes FileBytes() const { return ReadFileBytes(file); }
  std::vector<Control> Ticked(std::initializer_list<Control> group) {
    std::vector<Control> ticked;
    for (Control c : group) {
      if (view.Get(c).checked)
        ticked.push_back(c);
    }
    return ticked;
  }

  TempFolder folder;
  fs::path file = folder.path() / "options98";
  FakeTableView view;
  Game game{view};
};

using Controls = std::vector<Control>;
constexpr auto kLevels = {Control::menuDebutant, Control::menuAmateur, Control::menuBon,
                          Control::menuPro, Control::menuExpert};
constexpr auto kForces = {Control::menuForceDefense,   Control::menuForceNormale,
                          Control::menuForcePrise,     Control::menuForceGarde,
                          Control::menuForceGardeSans, Control::menuForceGardeContre};
constexpr auto kSpeeds = {Control::menuEscargot, Control::menuLent, Control::menuNormal,
                          Control::menuRapide, Control::menuInstantane};
constexpr auto kWaits = {Control::menuClickObligatoire, Control::menuUneSeconde,
                         Control::menuDeuxSecondes, Control::menuCinqSecondes};

TEST_F(OptionsTest, FirstStartInAnEmptyFolderWritesTheDefaultsAndShowsThem) {
  ReadOptions(game.flow);
  EXPECT_EQ(FileBytes(), kDefaultFile);
  EXPECT_EQ(folder.Contents(), Names{"options98"});
  EXPECT_EQ(view.Get(Control::frmZarvane).colour, 0x404000);
  EXPECT_EQ(Ticked(kLevels), Controls{Control::menuPro});
  EXPECT_EQ(Ticked(kForces), Controls{Control::menuForceNormale});
  EXPECT_EQ(Ticked(kSpeeds), Controls{Control::menuNormal});
  EXPECT_EQ(Ticked(kWaits), Controls{Control::menuDeuxSecondes});
  EXPECT_FALSE(view.Get(Control::menuAtLeast).checked);
  EXPECT_TRUE(view.Visible(Control::evMaMain) && view.Get(Control::menuConseilEnch).checked);
  EXPECT_TRUE(view.Visible(Control::PanneauScores));
  EXPECT_TRUE(view.Visible(Control::PanelDeductions) &&
              view.Get(Control::SBVoirDeductions).checked);
  EXPECT_EQ(game.flow.CardTimerInterval, 200);
  EXPECT_EQ(game.flow.TransitionTimerInterval, 2000);
  EXPECT_EQ(game.flow.AutoContinue, 1);
  EXPECT_TRUE(view.informed.empty());

  // The next start reads that file back.
  Game again{view};
  again.flow.OptionsPath = game.flow.OptionsPath;
  again.flow.state.options.Level = 1;
  ReadOptions(again.flow);
  EXPECT_EQ(again.flow.state.options, Options{});
}

TEST_F(OptionsTest, EveryOptionAndNegativeTotalsSurviveAWriteAndARead) {
  Options odd{.Level = 1,
              .BackgroundColour = 0xFFFFFF,
              .ForceOption = 6,
              .CardSpeed = 5,
              .TrickWait = 0,
              .BidAdvice = 0,
              .ShowDealPoints = 0,
              .ShowDeductions = 0,
              .AtLeastOneTaker = 1};
  odd.Scores[1] = -150;
  odd.Scores[2] = INT32_MIN;
  odd.Scores[3] = INT32_MAX;
  odd.Scores[4] = 258;
  game.flow.state.options = odd;
  WriteOptions(game.flow);
  // clang-format off
  EXPECT_EQ(FileBytes(), (Bytes{
      1, 0, 0, 0,  0xFF, 0xFF, 0xFF, 0,  6, 0, 0, 0,  5, 0, 0, 0,  0, 0, 0, 0,
      0, 0, 0, 1,
      0x6A, 0xFF, 0xFF, 0xFF,  0, 0, 0, 0x80,  0xFF, 0xFF, 0xFF, 0x7F,  2, 1, 0, 0}));
  // clang-format on

  Game reader{view};
  reader.flow.OptionsPath = game.flow.OptionsPath;
  ReadOptions(reader.flow);
  EXPECT_EQ(reader.flow.state.options, odd);
}

TEST_F(OptionsTest, EachRadioGroupTicksExactlyTheEntryOfItsValue) {
  for (int f = 1; f <= 6; ++f) {
    SetForceOption(game.flow, f);
    EXPECT_EQ(Ticked(kForces), Controls{std::data(kForces)[f - 1]});
    EXPECT_EQ(FileBytes()[8], f);
  }
  const int card_intervals[] = {1000, 400, 200, 100, 1};
  for (int s = 1; s <= 5; ++s) {
    SetCardSpeed(game.flow, s);
    EXPECT_EQ(Ticked(kSpeeds), Controls{std::data(kSpeeds)[s - 1]});
    EXPECT_EQ(game.flow.CardTimerInterval, card_intervals[s - 1]);
  }
  for (int w : {3, 1, 2}) {
    SetTrickWait(game.flow, w);
    EXPECT_EQ(Ticked(kWaits), Controls{std::data(kWaits)[w]});
    EXPECT_EQ(game.flow.TransitionTimerInterval, w == 3 ? 5000 : w * 1000);
  }

  // Values no entry stands for tick none and leave the timers and the level name alone.
  game.flow.state.options = Options{.Level = 9, .ForceOption = 7, .CardSpeed = 0, .TrickWait = 4};
  view.SetText(Control::PanelNiveau, 0, "Pro");
  ApplyOptions(game.flow);
  for (auto group : {kLevels, kForces, kSpeeds, kWaits})
    EXPECT_TRUE(Ticked(group).empty());
  EXPECT_EQ(view.Text(Control::PanelNiveau), "Pro");
  EXPECT_EQ(game.flow.CardTimerInterval, 1);
  EXPECT_EQ(game.flow.TransitionTimerInterval, 2000);
  EXPECT_EQ(game.flow.AutoContinue, 1);

  // A menu never sends such values; a setter given one changes nothing.
  const Bytes before = FileBytes();
  SetForceOption(game.flow, 0);
  SetCardSpeed(game.flow, 6);
  SetTrickWait(game.flow, -1);
  Apply(game.flow, Move{MoveKind::Level, 6});
  EXPECT_EQ(FileBytes(), before);
}

TEST_F(OptionsTest, EscargotAndClickObligatoireReachTheFileAndThePaceAtOnce) {
  ReadOptions(game.flow);
  SetCardSpeed(game.flow, 1);
  EXPECT_EQ(FileBytes()[12], 1);
  EXPECT_EQ(game.flow.CardTimerInterval, 1000);

  SetTrickWait(game.flow, 0);
  EXPECT_EQ(FileBytes()[16], 0);
  EXPECT_EQ(game.flow.AutoContinue, 0);
  EXPECT_EQ(Ticked(kWaits), Controls{Control::menuClickObligatoire});

  SetTrickWait(game.flow, 1);
  EXPECT_EQ(game.flow.AutoContinue, 1);
  EXPECT_EQ(game.flow.TransitionTimerInterval, 1000);
}

TEST_F(OptionsTest, TheLevelChangesOnlyBetweenDeals) {
  ChooseLanguage(game.flow, 1);
  game.flow.state.TrickNumber = 0;  // the auction
  Apply(game.flow, Move{MoveKind::Level, 1});
  EXPECT_EQ(FileBytes()[0], 1);
  EXPECT_EQ(view.Text(Control::PanelNiveau), "Débutant");
  EXPECT_EQ(Ticked(kLevels), Controls{Control::menuDebutant});

  for (int trick : {1, 10, 18}) {
    game.flow.state.TrickNumber = trick;
    // The menu moves its tick to the clicked entry before the flow hears of it.
    view.SetChecked(Control::menuBon, 0, true);
    view.SetChecked(Control::menuDebutant, 0, false);
    Apply(game.flow, Move{MoveKind::Level, 3});
    EXPECT_EQ(FileBytes()[0], 1);
    EXPECT_EQ(view.Text(Control::PanelNiveau), "Débutant");
    EXPECT_EQ(Ticked(kLevels), Controls{Control::menuDebutant});
  }
  EXPECT_EQ(view.informed, Names(3, "Vous ne pouvez pas changer de niveau en pleine partie !"));

  game.flow.state.TrickNumber = 19;  // the deal is over
  Apply(game.flow, Move{MoveKind::Level, 2});
  EXPECT_EQ(FileBytes()[0], 2);
  EXPECT_EQ(view.Text(Control::PanelNiveau), "Amateur");

  game.flow.Language = 2;
  game.flow.state.TrickNumber = 5;
  Apply(game.flow, Move{MoveKind::Level, 4});
  EXPECT_EQ(view.informed.back(), "You can only change level at the beginning of a new deal !");
  EXPECT_EQ(game.flow.state.options.Level, 2);

  // Expert is a fifth entry, held in the same four bytes, and refused mid-deal alike.
  Apply(game.flow, Move{MoveKind::Level, 5});
  EXPECT_EQ(game.flow.state.options.Level, 2);
  game.flow.state.TrickNumber = 19;
  Apply(game.flow, Move{MoveKind::Level, 5});
  EXPECT_EQ(FileBytes()[0], 5);
  EXPECT_EQ(FileBytes().size(), 40u);
  EXPECT_EQ(view.Text(Control::PanelNiveau), "Expert");
  EXPECT_EQ(Ticked(kLevels), Controls{Control::menuExpert});
}

TEST_F(OptionsTest, ExpertIsReadBackAndALevelBeyondItMakesTheFileDamaged) {
  Options expert{.Level = 5, .CardSpeed = 1};
  expert.Scores[1] = 120;
  expert.Scores[3] = -40;
  auto bytes = EncodeOptions(expert);
  EXPECT_EQ(DecodeOptions(bytes), expert);

  // What a reader of four levels does with a 5, this reader does with a 6.
  bytes[0] = 6;
  EXPECT_FALSE(DecodeOptions(bytes));
}

TEST_F(OptionsTest, EveryToggleKeepsItsTickItsPanelAndItsByteInStep) {
  struct Toggle {
    void (*flip)(Flow&);
    std::uint8_t Options::*flag;
    Control tick;
    std::optional<Control> shown;
    std::size_t offset;
  };
  const Toggle toggles[] = {
      {ToggleBidAdvice, &Options::BidAdvice, Control::menuConseilEnch, Control::evMaMain, 20},
      {ToggleDealPoints, &Options::ShowDealPoints, Control::menuPointsPartieEnCours,
       Control::PanneauScores, 21},
      {ToggleDeductions, &Options::ShowDeductions, Control::menuDeductions,
       Control::PanelDeductions, 22},
      {ToggleAtLeastOneTaker, &Options::AtLeastOneTaker, Control::menuAtLeast, {}, 23},
  };
  ReadOptions(game.flow);
  for (int round = 0; round < 2; ++round) {
    for (const Toggle& t : toggles) {
      const bool was = game.flow.state.options.*t.flag != 0;
      t.flip(game.flow);
      const bool now = game.flow.state.options.*t.flag != 0;
      EXPECT_NE(now, was);
      EXPECT_EQ(view.Get(t.tick).checked, now);
      if (t.shown) {
        EXPECT_EQ(view.Visible(*t.shown), now);
      }
      EXPECT_EQ(FileBytes()[t.offset], now ? 1 : 0);
    }
    // The menu entry and the "D" button show the same state.
    EXPECT_EQ(view.Get(Control::SBVoirDeductions).checked,
              view.Get(Control::menuDeductions).checked);
  }
  EXPECT_EQ(FileBytes(), kDefaultFile);
}

TEST_F(OptionsTest, TheColourDialogStartsOnTheCurrentColourAndACancelStillWrites) {
  ReadOptions(game.flow);
  fs::remove(file);
  ChooseBackgroundColour(game.flow);
  EXPECT_EQ(view.colour_dialog_preset, 0x404000);
  EXPECT_EQ(FileBytes(), kDefaultFile);

  view.colour_choice = 0x0000FF;  // pure red
  ChooseBackgroundColour(game.flow);
  EXPECT_EQ(view.Get(Control::frmZarvane).colour, 0x0000FF);
  const Bytes red = FileBytes();
  EXPECT_EQ(Bytes(red.begin() + 4, red.begin() + 8), (Bytes{0xFF, 0, 0, 0}));
}

// Whatever the damage, the file's bytes are kept under a new name, and the game starts as in
// an empty folder, whatever it held in memory.
TEST_F(OptionsTest, ShortLongAndGarbledFilesAreSetAsideWholeAndTheGameStartsAfresh) {
  Bytes out_of_range = kDefaultFile;
  out_of_range[16] = 4;     // a trick wait with no entry
  out_of_range[24] = 0x34;  // beside South's total of 0x1234
  out_of_range[25] = 0x12;
  Bytes longer = kDefaultFile;
  longer.insert(longer.end(), {1, 2, 3});
  const std::vector<Bytes> damaged = {
      {1, 0, 0, 0, 0x11, 0x22, 0x33, 0, 5, 0}, out_of_range, longer, {}};
  // What the player already keeps under the first name is never replaced.
  WriteFileBytes(folder.path() / "options98.damaged", {7});
  for (std::size_t k = 0; k < damaged.size(); ++k) {
    WriteFileBytes(file, damaged[k]);
    Game starting{view};
    starting.flow.OptionsPath = file.string();
    starting.flow.state.options.Level = 1;
    starting.flow.state.options.Scores[1] = 99;
    ReadOptions(starting.flow);
    EXPECT_EQ(starting.flow.state.options, Options{});
    EXPECT_EQ(Ticked(kSpeeds), Controls{Control::menuNormal});
    EXPECT_EQ(FileBytes(), kDefaultFile);
    const std::string aside = "options98.damaged." + std::to_string(k + 2);
    EXPECT_EQ(ReadFileBytes(folder.path() / aside), damaged[k]) << aside;
  }
  EXPECT_EQ(ReadFileBytes(folder.path() / "options98.damaged"), Bytes{7});
  EXPECT_EQ(folder.Contents().size(), 6u);
}

TEST_F(OptionsTest, AFileInAMissingFolderIsToldOnceInTheLanguageChosenLater) {
  // Named from the working folder, as the game names it; the message gives the whole path.
  const fs::path gone = folder.path() / "gone" / "options98";
  game.flow.OptionsPath = fs::relative(gone).string();
  ReadOptions(game.flow);  // at start-up, before the opening window's choice
  EXPECT_TRUE(view.informed.empty());
  EXPECT_EQ(Ticked(kLevels), Controls{Control::menuPro});

  ChooseLanguage(game.flow, 2);
  ASSERT_EQ(view.informed.size(), 1u);
  EXPECT_EQ(view.informed[0].rfind("The options file cannot be saved.", 0), 0u);
  EXPECT_EQ(view.informed[0].substr(view.informed[0].rfind('\n') + 1), gone.string());

  // The game keeps running on the values in memory, and says it no more.
  SetCardSpeed(game.flow, 1);
  EXPECT_EQ(game.flow.CardTimerInterval, 1000);
  EXPECT_FALSE(QuitRequested(game.flow));
  WindowClosed(game.flow);
  EXPECT_EQ(view.informed.size(), 1u);
  EXPECT_TRUE(folder.Contents().empty());
}

// Reading as a player would: root reads any file whatever its mode, so for the test it takes
// an ordinary user's rights on files (and gets its own back at the end).
class AsOrdinaryUser {
 public:
  AsOrdinaryUser() : was_root_(::geteuid() == 0) {
    if (was_root_)
      ::setfsuid(kNobody);
  }
  ~AsOrdinaryUser() {
    if (was_root_)
      ::setfsuid(0);
  }
  AsOrdinaryUser(const AsOrdinaryUser&) = delete;
  AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

 private:
  static constexpr uid_t kNobody = 65534;
  bool was_root_;
};

// Every command that writes the file, from the menus to the quit and the frame's close.
void RunEveryWritingCommand(Game& game, FakeTableView& view) {
  Apply(game.flow, Move{MoveKind::Level, 2});
  SetForceOption(game.flow, 3);
  ToggleAtLeastOneTaker(game.flow);
  SetCardSpeed(game.flow, 1);
  SetTrickWait(game.flow, 0);
  ToggleBidAdvice(game.flow);
  ToggleDealPoints(game.flow);
  ToggleDeductions(game.flow);
  ChooseBackgroundColour(game.flow);
  view.answers = {true, true};
  ResetScores(game.flow);
  QuitRequested(game.flow);
  WindowClosed(game.flow);
}

// A file that is there but cannot be read may hold the player's totals: the game plays on
// from memory, says so once in words that match, and never replaces the file in that run.
TEST_F(OptionsTest, AnUnreadableFileIsToldOnceAndNoCommandReplacesIt) {
  Bytes kept = kDefaultFile;
  kept[24] = 0x99;  // South's total, 153
  WriteFileBytes(file, kept);
  fs::permissions(file, fs::perms::none);
  fs::permissions(folder.path(), fs::perms::all);  // the folder stays writable
  {
    AsOrdinaryUser reader;
    game.flow.state.options.Scores[1] = -40;  // what memory holds, not the file
    ReadOptions(game.flow);
    ChooseLanguage(game.flow, 2);
    ASSERT_EQ(view.informed.size(), 1u);
    EXPECT_EQ(view.informed[0].rfind("The options file cannot be read. The game goes on with the "
                                     "default settings; the file is left as it is",
                                     0),
              0u);
    RunEveryWritingCommand(game, view);
    EXPECT_EQ(game.flow.CardTimerInterval, 1000);
    EXPECT_EQ(view.informed.size(), 2u);  // the goodbye only
  }
  fs::permissions(file, fs::perms::owner_read);
  EXPECT_EQ(FileBytes(), kept);
  EXPECT_EQ(folder.Contents(), Names{"options98"});
}

TEST_F(OptionsTest, ADamagedFileIsToldOnceInTheChosenLanguageNamingWhereItWent) {
  Bytes noise(64);
  for (std::size_t k = 0; k < noise.size(); ++k)
    noise[k] = static_cast<std::uint8_t>(37 * k + 11);
  // Named from the working folder, as the game names it; the message gives the whole path.
  WriteFileBytes(file, noise);
  game.flow.OptionsPath = fs::relative(file).string();
  ReadOptions(game.flow);  // at start-up, before the opening window's choice
  EXPECT_TRUE(view.informed.empty());
  ChooseLanguage(game.flow, 1);
  ASSERT_EQ(view.informed.size(), 1u);
  EXPECT_EQ(view.informed[0].rfind("Le fichier des options est abîmé.", 0), 0u);
  EXPECT_TRUE(view.informed[0].ends_with("\n" + (folder.path() / "options98.damaged").string()));
  RunEveryWritingCommand(game, view);
  EXPECT_EQ(view.informed.size(), 2u);  // the goodbye only
  EXPECT_EQ(ReadFileBytes(folder.path() / "options98.damaged"), noise);
  const auto written = EncodeOptions(game.flow.state.options);
  EXPECT_EQ(FileBytes(), Bytes(written.begin(), written.end()));

  // Read once the language is chosen, it is told at once.
  FakeTableView later_view;
  Game later{later_view};
  later.flow.OptionsPath = file.string();
  ChooseLanguage(later.flow, 2);
  WriteFileBytes(file, noise);
  ReadOptions(later.flow);
  ASSERT_EQ(later_view.informed.size(), 1u);
  EXPECT_EQ(later_view.informed[0].rfind("The options file is damaged.", 0), 0u);
  EXPECT_TRUE(
      later_view.informed[0].ends_with("\n" + (folder.path() / "options98.damaged.2").string()));
}

// A damaged file that the file system will not rename is kept like an unreadable one, even
// though a new file could be written beside it. A name too long to take the suffix stands for
// any refused rename.
TEST_F(OptionsTest, ADamagedFileThatCannotBeMovedAsideIsNeverReplaced) {
  const fs::path long_name = folder.path() / ("options98" + std::string(241, 'x'));
  const Bytes cut(kDefaultFile.begin(), kDefaultFile.begin() + 30);
  WriteFileBytes(long_name, cut);
  game.flow.OptionsPath = long_name.string();
  ReadOptions(game.flow);
  ChooseLanguage(game.flow, 2);
  ASSERT_EQ(view.informed.size(), 1u);
  EXPECT_EQ(view.informed[0].rfind("The options file cannot be read.", 0), 0u);
  EXPECT_EQ(game.flow.state.options, Options{});
  RunEveryWritingCommand(game, view);
  EXPECT_EQ(view.informed.size(), 2u);  // the goodbye only
  EXPECT_EQ(ReadFileBytes(long_name), cut);
  EXPECT_EQ(folder.Contents(), Names{long_name.filename().string()});

  // The same name takes a write when nothing is wrong with it.
  fs::remove(long_name);
  EXPECT_TRUE(WriteOptionsFile(long_name.string(), Options{}));
}

TEST_F(OptionsTest, AFolderUnderTheFileNameIsToldOnceAndNothingIsLeftBehind) {
  fs::create_directory(file);
  ChooseLanguage(game.flow, 1);
  game.flow.state.options.Level = 2;
  ReadOptions(game.flow);
  ASSERT_EQ(view.informed.size(), 1u);
  EXPECT_EQ(view.informed[0].rfind("Le fichier des options ne peut pas être lu", 0), 0u);
  EXPECT_EQ(view.Text(Control::PanelNiveau), "Amateur");

  ToggleDeductions(game.flow);
  EXPECT_FALSE(view.Visible(Control::PanelDeductions));
  RunEveryWritingCommand(game, view);
  EXPECT_EQ(view.informed.size(), 2u);  // the goodbye only
  EXPECT_TRUE(fs::is_directory(file));
  EXPECT_EQ(folder.Contents(), Names{"options98"});
}

TEST_F(OptionsTest, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryFile) {
  SetCardSpeed(game.flow, 4);
  EXPECT_EQ(folder.Contents(), Names{"options98"});
  const Bytes before = FileBytes();

  // Something in the way of the temporary file: the write fails before touching the file.
  fs::create_directory(folder.path() / "options98.tmp");
  SetCardSpeed(game.flow, 1);
  EXPECT_EQ(FileBytes(), before);

  fs::remove(folder.path() / "options98.tmp");
  SetCardSpeed(game.flow, 2);
  EXPECT_EQ(FileBytes()[12], 2);
  EXPECT_EQ(folder.Contents(), Names{"options98"});

  // Bytes that could not be made to last (a device that cannot sync them) replace nothing.
  fs::create_symlink("/dev/null", folder.path() / "options98.tmp");
  SetCardSpeed(game.flow, 5);
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file)));
  EXPECT_EQ(FileBytes()[12], 2);
  EXPECT_EQ(folder.Contents(), Names{"options98"});
}

TEST_F(OptionsTest, ResettingTheTotalsAsksFirstAndWritesZeroes) {
  ChooseLanguage(game.flow, 1);
  for (int seat = 1; seat <= 4; ++seat) {
    game.flow.state.options.Scores[seat] = seat == 1 ? 90 : -30;
    view.SetText(Control::panelScoreTotal, seat, seat == 1 ? "90" : "-30");
  }
  view.SetVisible(Control::panelScoreTotal, 2, true);

  view.answers = {false};
  ResetScores(game.flow);
  EXPECT_EQ(view.asked.back(), "Voulez-vous réellement remettre les scores à 0 ?");
  EXPECT_EQ(view.Text(Control::panelScoreTotal, 1), "90");
  EXPECT_FALSE(fs::exists(file));

  game.flow.Language = 2;
  view.answers = {true};
  ResetScores(game.flow);
  EXPECT_EQ(view.asked.back(), "Do you really want to initialize scores ?");
  for (int seat = 1; seat <= 4; ++seat) {
    EXPECT_EQ(view.Text(Control::panelScoreTotal, seat), "0");
    EXPECT_EQ(view.Visible(Control::panelScoreTotal, seat), seat == 2);
  }
  EXPECT_EQ(FileBytes(), kDefaultFile);
}

// Notes whether the file was already on disk when the question came up.
class QuitView : public FakeTableView {
 public:
  bool Ask(std::string_view text) override {
    file_there_when_asked = fs::exists(file);
    return FakeTableView::Ask(text);
  }
  fs::path file;
  bool file_there_when_asked = false;
};

TEST_F(OptionsTest, QuittingWritesTheTotalsBeforeTheQuestionAndClosingTheFrameWritesThemToo) {
  QuitView quit_view;
  quit_view.file = file;
  Game quitter{quit_view};
  quitter.flow.OptionsPath = file.string();
  ChooseLanguage(quitter.flow, 2);
  quitter.flow.state.options.Scores[2] = 75;

  quit_view.answers = {false};
  EXPECT_FALSE(QuitRequested(quitter.flow));
  EXPECT_TRUE(quit_view.file_there_when_asked);
  EXPECT_EQ(quit_view.asked, Names{"Do you really want to quit ?"});
  EXPECT_TRUE(quit_view.informed.empty());
  EXPECT_EQ(DecodeOptions(ReadFileBytes(file)).value().Scores[2], 75);

  fs::remove(file);
  quit_view.answers = {true};
  EXPECT_TRUE(QuitRequested(quitter.flow));
  EXPECT_TRUE(quit_view.file_there_when_asked);
  EXPECT_EQ(quit_view.informed, Names{"See you !!!"});

  quitter.flow.state.options.Scores[4] = -12;
  WindowClosed(quitter.flow);
  EXPECT_EQ(quit_view.asked.size(), 2u);
  EXPECT_EQ(DecodeOptions(ReadFileBytes(file)).value().Scores[4], -12);
}

}  // namespace
}  // namespace zarvane
