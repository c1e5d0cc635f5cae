#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "table/controls.h"
#include "tests/ui/opened_game.h"

namespace zarvane {

namespace {

// A tool bar button and the menu entry of the same command.
struct Twin {
  Control button;
  Control entry;
};

constexpr Twin kTwins[] = {
    {Control::SBNewGame, Control::menuNewGame},
    {Control::SBGameAgain, Control::menuGameAgain},
    {Control::SBInitScores, Control::menuInitScores},
    {Control::SBQuitter, Control::menuQuit},
    {Control::SBVoirScoresGlobaux, Control::menuScoresGlobaux},
    {Control::SBVoirDeductions, Control::menuDeductions},
    {Control::SBVoirPliPrecedent, Control::menuPreviousTrick},
    {Control::SBConseilCarte, Control::menuConseilCarte},
    {Control::SBAide, Control::menuSommaire},
};

}  // namespace

class ToolBarTest : public QObject {
  Q_OBJECT

 private slots:
  // Whichever name the presenter uses, a button and its menu entry are enabled together, and the
  // English captions of the menus leave the buttons' glyphs, hints and icons alone.
  void buttonsAndEntriesChangeTogether() {
    testing::OpenedGame opened;
    QTest::mouseClick(opened.splash()->PanelStartEnglish(), Qt::LeftButton);
    QtTableView& view = opened.view();
    for (const auto& [button_name, entry_name] : kTwins) {
      auto* button = qobject_cast<QToolButton*>(view.Widget(button_name));
      QAction* entry = view.Action(entry_name);
      QVERIFY2(button && entry, qPrintable(ControlObjectName(button_name, 0)));
      view.SetEnabled(button_name, 0, false);
      QVERIFY(!entry->isEnabled() && !button->isEnabled());
      view.SetEnabled(entry_name, 0, true);
      QVERIFY(entry->isEnabled() && button->isEnabled());
    }
    auto* quit = qobject_cast<QToolButton*>(view.Widget(Control::SBQuitter));
    QCOMPARE(view.Action(Control::menuQuit)->text(), QStringLiteral("&Quit"));
    QCOMPARE(quit->text(), QStringLiteral("Q"));
    QCOMPARE(quit->toolTip(), QStringLiteral("Quit"));
    QCOMPARE(qobject_cast<QToolButton*>(view.Widget(Control::SBVoirDeductions))->text(),
             QString(QChar(0x0394)));
    QVERIFY(!qobject_cast<QToolButton*>(view.Widget(Control::SBNewGame))->icon().isNull());
  }

  // The quit button, its entry and its key each ask the question once: a command run twice
  // would ask twice, and a second command on the same key would leave the key dead.
  void quitAsksOnceFromEachPlace() {
    testing::OpenedGame opened;
    opened.ChooseFrench();
    TfrmZarvane* window = opened.game_window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    int asked = 0;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&asked] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ++asked;
        box->button(QMessageBox::No)->click();
      }
    });
    answer.start(10);
    QTest::keyClick(window, Qt::Key_F9);
    QCOMPARE(asked, 1);
    QTest::mouseClick(opened.view().Widget(Control::SBQuitter), Qt::LeftButton);
    QCOMPARE(asked, 2);
    opened.view().Action(Control::menuQuit)->trigger();
    QCOMPARE(asked, 3);
    QVERIFY(window->isVisible());
  }
};

}  // namespace zarvane

QTEST_MAIN(zarvane::ToolBarTest)
#include "tool_bar_test.moc"
