#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <vector>

#include "table/controls.h"
#include "tests/ui/opened_game.h"

namespace zarvane {

namespace {

// A radio entry of the option menus: the option's byte in the file and the value it stores.
struct RadioEntry {
  Control entry;
  int offset;
  int value;
};

const std::vector<std::vector<RadioEntry>> kRadioGroups = {
    {{Control::menuDebutant, 0, 1},
     {Control::menuAmateur, 0, 2},
     {Control::menuBon, 0, 3},
     {Control::menuPro, 0, 4}},
    {{Control::menuForceDefense, 8, 1},
     {Control::menuForceNormale, 8, 2},
     {Control::menuForcePrise, 8, 3},
     {Control::menuForceGarde, 8, 4},
     {Control::menuForceGardeSans, 8, 5},
     {Control::menuForceGardeContre, 8, 6}},
    {{Control::menuEscargot, 12, 1},
     {Control::menuLent, 12, 2},
     {Control::menuNormal, 12, 3},
     {Control::menuRapide, 12, 4},
     {Control::menuInstantane, 12, 5}},
    {{Control::menuClickObligatoire, 16, 0},
     {Control::menuUneSeconde, 16, 1},
     {Control::menuDeuxSecondes, 16, 2},
     {Control::menuCinqSecondes, 16, 3}},
};

// A toggle entry, its flag's byte and the panel it shows (none for menuAtLeast).
struct ToggleEntry {
  Control entry;
  int offset;
  Control panel;
  bool has_panel;
};

const std::vector<ToggleEntry> kToggles = {
    {Control::menuAtLeast, 23, Control::menuAtLeast, false},
    {Control::menuConseilEnch, 20, Control::evMaMain, true},
    {Control::menuPointsPartieEnCours, 21, Control::PanneauScores, true},
    {Control::menuDeductions, 22, Control::PanelDeductions, true},
};

}  // namespace

// Every option entry of the menus, used in the real window: the tick follows at once and the
// options file on disk already holds the new value.
class OptionsMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    opened_ = std::make_unique<testing::OpenedGame>();
    QVERIFY(opened_->Ready());
    opened_->ChooseFrench();
    QVERIFY(game_window()->isVisible());
  }

  void cleanupTestCase() { opened_.reset(); }

  void radioEntriesTickAloneAndReachTheFile() {
    for (const auto& group : kRadioGroups) {
      for (const RadioEntry& chosen : group) {
        view().Action(chosen.entry)->trigger();
        for (const RadioEntry& other : group) {
          QCOMPARE(view().Action(other.entry)->isChecked(), other.entry == chosen.entry);
        }
        QCOMPARE(FileByte(chosen.offset), chosen.value);
      }
    }
    view().Action(Control::menuEscargot)->trigger();
    QCOMPARE(game().flow.CardTimerInterval, 1000);
    view().Action(Control::menuClickObligatoire)->trigger();
    QCOMPARE(game().flow.AutoContinue, 0);
    view().Action(Control::menuCinqSecondes)->trigger();
    QCOMPARE(game().flow.AutoContinue, 1);
    QCOMPARE(game().flow.TransitionTimerInterval, 5000);
    QCOMPARE(Text(Control::PanelNiveau), QStringLiteral("Pro"));
    view().Action(Control::menuDebutant)->trigger();
    QCOMPARE(Text(Control::PanelNiveau), QStringLiteral("Débutant"));
  }

  void toggleEntriesFlipTheirFlagTheirPanelAndTheFile() {
    for (const ToggleEntry& toggle : kToggles) {
      for (int press = 0; press < 2; ++press) {
        const int before = FileByte(toggle.offset);
        view().Action(toggle.entry)->trigger();
        const bool on = FileByte(toggle.offset) == 1;
        QCOMPARE(FileByte(toggle.offset), 1 - before);
        QCOMPARE(view().Action(toggle.entry)->isChecked(), on);
        if (toggle.has_panel)
          QCOMPARE(!view().Widget(toggle.panel)->isHidden(), on);
      }
    }
    // The "D" button and its menu entry are one option.
    auto* delta = static_cast<QToolButton*>(view().Widget(Control::SBVoirDeductions));
    const int before = FileByte(22);
    QTest::mouseClick(delta, Qt::LeftButton);
    QCOMPARE(FileByte(22), 1 - before);
    QCOMPARE(delta->isChecked(), FileByte(22) == 1);
    QCOMPARE(view().Action(Control::menuDeductions)->isChecked(), FileByte(22) == 1);
  }

 private:
  int FileByte(int offset) {
    QFile file(opened_->FilePath(QStringLiteral("options98")));
    if (!file.open(QIODevice::ReadOnly))
      return -1;
    const QByteArray bytes = file.readAll();
    if (bytes.size() != 40)
      return -1;
    return static_cast<unsigned char>(bytes[offset]);
  }

  QString Text(Control control) {
    return static_cast<QWidget*>(view().Widget(control))->property("text").toString();
  }
  TfrmZarvane* game_window() { return opened_->game_window(); }
  QtTableView& view() { return game_window()->view(); }
  Game& game() { return game_window()->game(); }

  std::unique_ptr<testing::OpenedGame> opened_;
};

}  // namespace zarvane

QTEST_MAIN(zarvane::OptionsMenuTest)
#include "options_menu_test.moc"
#include "table/game.h"
