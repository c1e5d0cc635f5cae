#include <QElapsedTimer>
#include <QtTest>

#include "core/scoring.h"
#include "flow/deal_saving.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "tests/support/south_moves.h"
#include "tests/ui/opened_game.h"
#include "ui/fAnalyse.h"
#include "ui/fZarvane.h"

namespace zarvane {

class ThinkingWindowTest : public QObject {
  Q_OBJECT

 private:
  // Lets the window's timers and South play until an Expert seat thinks; true once the window's
  // thread sees it thinking between two events.
  static bool PlayUntilASeatThinks(testing::OpenedGame& opened) {
    Game& game = opened.game();
    QElapsedTimer waited;
    waited.start();
    while (game.flow.state.DealPhase != Phase::Thinking && waited.elapsed() < 20'000) {
      testing::SouthMoves(game, opened.view().TimerActive(TimerId::TimerEntreCarte));
      QTest::qWait(1);
    }
    return game.flow.state.DealPhase == Phase::Thinking;
  }

 private slots:
  // While a seat thinks the window goes on handling events; a new deal then stops the thinking,
  // and its card never lands in the new deal; the window closes while a seat thinks.
  void theWindowAnswersWhileTheExpertThinks() {
    testing::OpenedGame opened;
    QVERIFY(opened.Ready());
    opened.ChooseFrench();
    Game& game = opened.game();
    Apply(game.flow, Move{MoveKind::Level, kExpertLevel});
    SetCardSpeed(game.flow, 5);
    SetTrickWait(game.flow, 0);
    game.flow.state.options.AtLeastOneTaker = 1;
    NewDeal(game.flow, 0);
    QVERIFY(PlayUntilASeatThinks(opened));

    // The new deal waited for the worker to stop; a card it sent before is delivered now.
    NewDeal(game.flow, 0);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(game.flow.state.TrickNumber, 0);
    QCOMPARE(game.flow.state.CardsInTrick, 0);
    for (const Move& move : game.flow.Record.Moves)
      QVERIFY(move.kind != MoveKind::ExpertCard);

    QVERIFY(PlayUntilASeatThinks(opened));
  }

  // The analysis of South's play thinks beside the window, which goes on answering: its progress
  // shows, the deal it weighs stays as it was; a new deal stops it and puts it away.
  void theAnalysisThinksBesideTheWindowAndANewDealStopsIt() {
    testing::OpenedGame opened;
    QVERIFY(opened.Ready());
    opened.ChooseFrench();
    Game& game = opened.game();
    SetCardSpeed(game.flow, 5);
    SetTrickWait(game.flow, 0);
    game.flow.state.options.AtLeastOneTaker = 1;
    NewDeal(game.flow, 0);
    QElapsedTimer waited;
    waited.start();
    while (game.flow.state.TrickNumber != kLastTrickDone && waited.elapsed() < 60'000) {
      testing::SouthMoves(game, opened.view().TimerActive(TimerId::TimerEntreCarte));
      QTest::qWait(1);
    }
    QCOMPARE(game.flow.state.TrickNumber, kLastTrickDone);
    TfrmZarvane& window = *opened.game_window();
    QVERIFY(window.view().Action(Control::menuAnalyse)->isEnabled());
    QCOMPARE(window.view().Widget(Control::PanelAnalyse)->property("text").toString(),
             QStringLiteral("ANALYSE"));
    const DealCheck before = CheckOf(game.flow.state);
    const auto played = game.flow.state.PlayedSlot;

    QTest::mouseClick(window.view().Widget(Control::PanelAnalyse), Qt::LeftButton);
    QVERIFY(window.analysis() != nullptr);
    QVERIFY(window.analysis()->isVisible());
    QVERIFY(window.analysis()->Running());
    QCoreApplication::processEvents();
    QCOMPARE(CheckOf(game.flow.state), before);
    QVERIFY(game.flow.state.PlayedSlot == played);

    window.view().Action(Control::menuNewGame)->trigger();  // F2
    QVERIFY(!window.analysis()->isVisible());
    QVERIFY(!window.analysis()->Running());
    QCOMPARE(game.flow.state.TrickNumber, 0);
    QVERIFY(!window.view().Action(Control::menuAnalyse)->isEnabled());
  }
};

}  // namespace zarvane

QTEST_MAIN(zarvane::ThinkingWindowTest)
#include "thinking_window_test.moc"
