#include <QChart>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QTableWidget>
#include <QtTest>
#include <array>

#include "settings/score_history.h"
#include "tests/ui/opened_game.h"
#include "ui/fHistorique.h"

namespace zarvane {
namespace {

void AppendDeal(const std::string& path, int level, int taker, int bid, int per_defender,
                std::array<int, 4> totals) {
  ScoredDeal deal;
  deal.date = "2026-12-08T14:03:22";
  deal.level = level;
  deal.taker = taker;
  deal.bid = bid;
  deal.made = per_defender > 0;
  deal.taker_score = 3 * per_defender;
  for (int seat = 1; seat <= 4; ++seat)
    deal.totals[seat] = totals[static_cast<std::size_t>(seat - 1)];
  QVERIFY(AppendHistoryLine(path, DealLine(deal)));
}

QString Cell(const QTableWidget* table, int row, int column) {
  return table->item(row, column)->text();
}

}  // namespace

// The history window from its key, on the history beside the options file: a curve per seat
// with a point per deal and one where the new series starts, the table's counts, the damaged
// line counted, every text in the player's language.
class HistoryWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensFromItsKeyOnTheHistoryBesideTheOptions() {
    testing::OpenedGame opened;
    QVERIFY(opened.Ready());
    const std::string path = opened.FilePath(QString::fromUtf8(kHistoryFileName)).toStdString();
    AppendDeal(path, 4, 1, 2, 50, {150, -50, -50, -50});
    AppendDeal(path, 4, 2, 1, -33, {183, -149, -17, -17});
    QVERIFY(AppendHistoryLine(path, NewSeriesLine("2026-12-08T15:00:00")));
    AppendDeal(path, 2, 4, 2, 60, {-60, -60, -60, 180});
    QVERIFY(AppendHistoryLine(path, "deal of the day"));
    AppendDeal(path, 2, 1, 1, -30, {-90, 30, 30, 30});

    QTest::mouseClick(opened.splash()->PanelStartEnglish(), Qt::LeftButton);
    TfrmZarvane* window = opened.game_window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_H, Qt::ControlModifier);
    auto* history = window->findChild<TfrmHistorique*>();
    QVERIFY(history != nullptr && history->isVisible());
    QCOMPARE(history->windowTitle(), QStringLiteral("History of the scores"));

    const QList<QAbstractSeries*> curves = history->chart()->series();
    QCOMPARE(curves.size(), 4);
    for (QAbstractSeries* curve : curves)
      QCOMPARE(static_cast<QLineSeries*>(curve)->count(), 5);
    QCOMPARE(curves[3]->name(), QStringLiteral("WEST"));
    QCOMPARE(static_cast<QLineSeries*>(curves[3])->at(4), QPointF(4, 30));

    const QTableWidget* table = history->table();
    QCOMPARE(table->verticalHeaderItem(0)->text(), QStringLiteral("All deals"));
    // Deals, taken and made by South, taken and made by the computer seats.
    const QStringList all = {Cell(table, 0, 0), Cell(table, 0, 1), Cell(table, 0, 2),
                             Cell(table, 0, 3), Cell(table, 0, 4)};
    QCOMPARE(all, (QStringList{"4", "2", "1", "2", "1"}));
    QCOMPARE(table->verticalHeaderItem(2)->text(), QStringLiteral("GUARD"));
    QCOMPARE(Cell(table, 2, 0), QStringLiteral("2"));
    QCOMPARE(table->verticalHeaderItem(6)->text(), QStringLiteral("Level Medium"));
    QCOMPARE(Cell(table, 6, 3), QStringLiteral("1"));
    QVERIFY(history->counts()->text().contains(QStringLiteral("Damaged lines skipped: 1")));

    QMenu* look = opened.view().Action(Control::menuVoir)->menu();
    look->popup(QPoint());
    QCOMPARE(opened.view().Action(Control::menuHistorique)->text(), QStringLiteral("&History"));
    look->close();
  }
};

}  // namespace zarvane

QTEST_MAIN(zarvane::HistoryWindowTest)
#include "history_window_test.moc"
