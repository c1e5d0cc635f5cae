#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegendMarker>
#include <QMenu>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QtTest>
#include <array>
#include <cmath>

#include "settings/score_history.h"
#include "tests/ui/opened_game.h"
#include "ui/fHistorique.h"
#include "ui/history_curves.h"

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

HistoryEntry DealEntry(std::array<int, 4> totals) {
  HistoryEntry entry;
  entry.deal.level = 4;
  entry.deal.taker = 1;
  entry.deal.bid = 1;
  for (int seat = 1; seat <= 4; ++seat)
    entry.deal.totals[seat] = totals[static_cast<std::size_t>(seat - 1)];
  return entry;
}

// Colour vision without one kind of cone (Machado, Oliveira and Fernandes, full severity), on
// linear light; the identity for the player who has all three.
using Vision = std::array<std::array<double, 3>, 3>;
constexpr Vision kFullVision = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
constexpr Vision kProtanopia = {{{0.152286, 1.052583, -0.204868},
                                 {0.114503, 0.786281, 0.099216},
                                 {-0.003882, -0.048116, 1.051998}}};
constexpr Vision kDeuteranopia = {{{0.367322, 0.860646, -0.227968},
                                   {0.280085, 0.672501, 0.047413},
                                   {-0.011820, 0.042940, 0.968881}}};
constexpr Vision kTritanopia = {{{1.255528, -0.076749, -0.178779},
                                 {-0.078411, 0.930809, 0.147602},
                                 {0.004733, 0.691367, 0.303900}}};

// The colour as seen with that vision, in CIE L*a*b* (D65).
std::array<double, 3> SeenLab(const QColor& colour, const Vision& vision) {
  const auto linear = [](double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  const std::array<double, 3> rgb = {linear(colour.redF()), linear(colour.greenF()),
                                     linear(colour.blueF())};
  std::array<double, 3> seen{};
  for (std::size_t i = 0; i < 3; ++i) {
    for (std::size_t j = 0; j < 3; ++j)
      seen[i] += vision[i][j] * rgb[j];
    seen[i] = std::clamp(seen[i], 0.0, 1.0);
  }
  const auto [r, g, b] = seen;
  const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
  const double x = f((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047);
  const double y = f(0.2126 * r + 0.7152 * g + 0.0722 * b);
  const double z = f((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
  return {116 * y - 16, 500 * (x - y), 200 * (y - z)};
}

double SeenDifference(const QColor& a, const QColor& b, const Vision& vision) {
  const auto la = SeenLab(a, vision);
  const auto lb = SeenLab(b, vision);
  return std::hypot(la[0] - lb[0], la[1] - lb[1], la[2] - lb[2]);
}

// Pixels of the colour, antialiased edges aside, in a box of the picture.
int CountColour(const QImage& picture, const QRect& box, const QColor& colour) {
  int count = 0;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      const QColor pixel = picture.pixelColor(x, y);
      count += std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                           std::abs(pixel.blue() - colour.blue()) <=
                       30
                   ? 1
                   : 0;
    }
  }
  return count;
}

// The history window as painted, and where a deal's total stands in the picture.
struct ChartPicture {
  explicit ChartPicture(const TfrmHistorique& history)
      : history(history), picture(history.chart_view()->viewport()->grab().toImage()) {}
  QPoint At(double deal, double total) const {
    return history.chart_view()->mapFromScene(
        history.chart()->mapToScene(history.curves()->At(deal, total)));
  }
  // What of the colour lies on the column of that deal, across the whole plot.
  int OnColumn(double deal, const QColor& colour) const {
    const auto* totals = static_cast<QValueAxis*>(history.chart()->axes(Qt::Vertical).front());
    const QPoint top = At(deal, totals->max());
    const QPoint bottom = At(deal, totals->min());
    return CountColour(picture, QRect(top.x() - 1, top.y(), 3, bottom.y() - top.y()), colour);
  }
  int Around(double deal, double total, const QColor& colour) const {
    return CountColour(picture, QRect(At(deal, total) - QPoint(3, 3), QSize(7, 7)), colour);
  }
  const TfrmHistorique& history;
  QImage picture;
};

QColor LegendColour(const TfrmHistorique& history, int seat) {
  return static_cast<QScatterSeries*>(history.chart()->series()[seat - 1])->color();
}

}  // namespace

// The history window: from its key, on the history beside the options file, the seats named in
// the legend, the table's counts, the series and the damaged line counted, every text in the
// player's language; its curves as a player sees them, and its size beside the game window.
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

    QStringList seats;
    for (const QAbstractSeries* seat : history->chart()->series())
      seats << seat->name();
    QCOMPARE(seats, (QStringList{"SOUTH", "EAST", "NORTH", "WEST"}));
    QVERIFY(history->counts()->text().contains(QStringLiteral("Series: 2")));

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

  // Each seat's curve in the colour the legend gives it: a line from deal to deal within a
  // series, none across a reset of the totals, where a thin grey line stands instead; a series
  // of a lone deal shows each seat's marker.
  void curvesBreakAtAResetAndALoneDealShows() {
    const std::array<std::array<int, 4>, 3> totals = {
        {{600, 200, -200, -600}, {800, 300, -300, -800}, {500, 100, -100, -500}}};
    ScoreHistory history;
    history.entries = {DealEntry(totals[0]), DealEntry(totals[1]), HistoryEntry{true, {}},
                       DealEntry(totals[2])};
    TfrmHistorique window(ScaleForScreen(1024, 768, 96));
    window.Fill(history, 2);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const ChartPicture chart(window);
    for (int seat = 1; seat <= 4; ++seat) {
      const QColor colour = LegendColour(window, seat);
      QVERIFY(chart.OnColumn(1.5, colour) > 0);
      QCOMPARE(chart.OnColumn(2.5, colour), 0);
      QVERIFY(chart.Around(3, totals[2][static_cast<std::size_t>(seat - 1)], colour) > 10);
    }
    QVERIFY(chart.OnColumn(2.5, QColor(170, 170, 170)) > 0);
  }

  // The four seats are told apart by players who confuse red and green or blue and yellow, and
  // each by its marker's shape too; every curve stands out of the background; the legend names
  // the four seats alone, each with its curve's marker.
  void seatsAreToldApartByColourAndMarker() {
    TfrmHistorique window(ScaleForScreen(1024, 768, 96));
    window.Fill(ScoreHistory{}, 1);
    const QColor background = window.chart()->backgroundBrush().color();
    for (int seat = 1; seat <= 4; ++seat) {
      const auto* legend = static_cast<QScatterSeries*>(window.chart()->series()[seat - 1]);
      QCOMPARE(legend->color(), CurveStyleOf(seat).colour);
      QCOMPARE(legend->markerShape(), CurveStyleOf(seat).marker);
      for (const Vision& vision : {kFullVision, kProtanopia, kDeuteranopia, kTritanopia}) {
        QVERIFY(SeenDifference(CurveStyleOf(seat).colour, background, vision) >= 30);
        for (int other = seat + 1; other <= 4; ++other) {
          QVERIFY2(
              SeenDifference(CurveStyleOf(seat).colour, CurveStyleOf(other).colour, vision) >= 15,
              qPrintable(QString::number(seat) + QLatin1Char('/') + QString::number(other)));
        }
      }
      for (int other = seat + 1; other <= 4; ++other)
        QVERIFY(CurveStyleOf(seat).marker != CurveStyleOf(other).marker);
    }
    QCOMPARE(window.chart()->legend()->markerShape(), QLegend::MarkerShapeFromSeries);
    QStringList names;
    for (const QLegendMarker* marker : window.chart()->legend()->markers())
      names << marker->label();
    QCOMPARE(names, (QStringList{"SUD", "EST", "NORD", "OUEST"}));
  }

  // The window is scaled like the other side windows: with the game window at the smallest
  // size it takes it is no larger than the game window's table and shows all its parts, the
  // chart keeping a good share; with the game window grown it grows with the same scale.
  void fitsTheGameWindowAndFollowsItsScale() {
    testing::OpenedGame opened;
    QVERIFY(opened.Ready());
    opened.ChooseFrench();
    TfrmZarvane* window = opened.game_window();
    window->showNormal();
    QTRY_VERIFY(!(window->windowState() & Qt::WindowMaximized));
    window->resize(800, 600);
    QTRY_COMPARE(window->size(), QSize(800, 600));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_H, Qt::ControlModifier);
    auto* history = window->findChild<TfrmHistorique*>();
    QVERIFY(history != nullptr && history->isVisible());
    QCoreApplication::processEvents();
    // No larger than the table's surface, so that with a title bar of its own it still stands
    // within the game window, under its menu bar.
    QVERIFY(history->frameGeometry().width() <= opened.game().table.layout.SurfaceWidth);
    QVERIFY(history->frameGeometry().height() <= opened.game().table.layout.SurfaceHeight);
    for (const QWidget* part :
         {static_cast<QWidget*>(history->chart_view()), static_cast<QWidget*>(history->table()),
          static_cast<QWidget*>(history->counts()), static_cast<QWidget*>(history->close_button())})
      QVERIFY(history->rect().contains(part->geometry()));
    QVERIFY(history->chart_view()->height() >= history->height() / 3);

    window->resize(1600, 1200);
    QTRY_COMPARE(window->size(), QSize(1600, 1200));
    QCOMPARE(history->size(), QSize(1440, 1000));
  }
};

}  // namespace zarvane

QTEST_MAIN(zarvane::HistoryWindowTest)
#include "history_window_test.moc"
