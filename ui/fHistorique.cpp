#include "ui/fHistorique.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "table/history_words.h"
#include "ui/design.h"
#include "ui/history_curves.h"
#include "ui/utf8_text.h"

namespace zarvane {

namespace {

const QColor kChartBackground(0, 64, 64);
// No taller than the game window's client area, like the other side windows.
constexpr DesignRect kWindowSize{0, 0, 720, 500};
constexpr int kTypePixels = 12;
constexpr int kCurvePixels = 2;
constexpr int kMarkerPixels = 9;
constexpr int kLeastDeals = 10;
constexpr int kLeastTotal = 100;

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignCenter);
  return item;
}

}  // namespace

TfrmHistorique::TfrmHistorique(const Layout& layout, QWidget* parent)
    : QDialog(parent),
      layout_(layout),
      chart_(new QChart),
      chart_view_(new QChartView(chart_, this)),
      deals_(new QValueAxis),
      totals_(new QValueAxis),
      curves_(new HistoryCurves(chart_, deals_, totals_)),
      counts_(new QLabel(this)),
      table_(new QTableWidget(this)),
      close_(new QPushButton(this)) {
  setModal(false);
  connect(close_, &QPushButton::clicked, this, &QDialog::close);
  SetUpChart();
  SetUpTable();
  auto* foot = new QHBoxLayout;
  foot->addWidget(counts_, 1);
  foot->addWidget(close_);
  auto* column = new QVBoxLayout(this);
  column->addWidget(chart_view_, 1);
  column->addWidget(table_);
  column->addLayout(foot);
  ApplyScale();
}

void TfrmHistorique::Relayout(const Layout& layout) {
  layout_ = layout;
  ApplyScale();
  if (isVisible())
    CentreOnScreen(this);
}

// The window's size and type from the design, as every window is scaled; the table's rows
// from the type, so that every row shows and the chart takes what is left.
void TfrmHistorique::ApplyScale() {
  setFixedSize(Scaled(layout_, kWindowSize).size());
  setFont(DesignFont(layout_, kSans, kTypePixels));
  chart_->legend()->setFont(font());
  for (QValueAxis* axis : {deals_, totals_}) {
    axis->setLabelsFont(font());
    axis->setTitleFont(font());
  }
  const int marker = ScaleFont(layout_, kMarkerPixels);
  curves_->SetSizes(ScaleFont(layout_, kCurvePixels), marker);
  for (QAbstractSeries* legend : chart_->series())
    static_cast<QScatterSeries*>(legend)->setMarkerSize(marker);
  const int line = fontMetrics().lineSpacing();
  table_->horizontalHeader()->setFixedHeight(2 * line + line / 2);
  table_->verticalHeader()->setDefaultSectionSize(line + line / 3);
  table_->setFixedHeight(table_->horizontalHeader()->height() + table_->verticalHeader()->length() +
                         2 * table_->frameWidth());
}

// The four seats' curves over two axes, the deals and the totals; the legend names the seats
// by series that hold no point, in the colours and shapes the curves are drawn with.
void TfrmHistorique::SetUpChart() {
  chart_->setAnimationOptions(QChart::NoAnimation);
  chart_->setTheme(QChart::ChartThemeDark);
  chart_->setBackgroundBrush(kChartBackground);
  // Every pixel of height to the curves: no frame around the chart, the legend at its side.
  chart_->setBackgroundRoundness(0);
  chart_->layout()->setContentsMargins(0, 0, 0, 0);
  chart_->setMargins(QMargins(4, 4, 4, 4));
  chart_->legend()->setAlignment(Qt::AlignRight);
  chart_->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
  for (QValueAxis* axis : {deals_, totals_})
    axis->setLabelFormat(QStringLiteral("%d"));
  chart_->addAxis(deals_, Qt::AlignBottom);
  chart_->addAxis(totals_, Qt::AlignLeft);
  for (int seat = 1; seat <= 4; ++seat) {
    auto* legend = new QScatterSeries;
    chart_->addSeries(legend);
    legend->attachAxis(deals_);
    legend->attachAxis(totals_);
    legend->setMarkerShape(CurveStyleOf(seat).marker);
    legend->setColor(CurveStyleOf(seat).colour);
    legend->setBorderColor(kChartBackground);
  }
  // Over the grid and the axes, as the legend stands.
  curves_->setZValue(chart_->legend()->zValue());
  connect(chart_, &QChart::plotAreaChanged, this, [this] { curves_->FollowChart(); });
  for (QValueAxis* axis : {deals_, totals_})
    connect(axis, &QValueAxis::rangeChanged, this, [this] { curves_->FollowChart(); });
  // The chart gives way to the table: the window keeps its scaled size.
  chart_view_->setMinimumSize(0, 0);
  chart_view_->setRenderHint(QPainter::Antialiasing);
}

// A table to read, not to edit; the column titles take two lines and every row shows.
void TfrmHistorique::SetUpTable() {
  table_->setColumnCount(static_cast<int>(HistoryWords{}.columns.size()));
  table_->setRowCount(static_cast<int>(HistoryRows(HistorySummary{}, 1).size()));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setFocusPolicy(Qt::NoFocus);
  table_->setAlternatingRowColors(true);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QHeaderView* titles = table_->horizontalHeader();
  titles->setSectionResizeMode(QHeaderView::Stretch);
  titles->setDefaultAlignment(Qt::Alignment(QFlag(Qt::AlignCenter | Qt::TextWordWrap)));
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void TfrmHistorique::Fill(const ScoreHistory& history, int language) {
  const HistoryWords words = HistoryWordsIn(language);
  setWindowTitle(FromUtf8(words.title));
  close_->setText(FromUtf8(words.close));
  FillChart(history, words);
  FillTable(history, words, language);
}

void TfrmHistorique::FillChart(const ScoreHistory& history, const HistoryWords& words) {
  deals_->setTitleText(FromUtf8(words.deal_axis));
  totals_->setTitleText(FromUtf8(words.total_axis));
  const QList<QAbstractSeries*> legend = chart_->series();
  for (int seat = 1; seat <= 4; ++seat)
    legend[seat - 1]->setName(FromUtf8(words.seats[static_cast<std::size_t>(seat - 1)]));
  const std::vector<TotalsSeries> series = RunningTotalsBySeries(history);
  SetRanges(series);
  curves_->SetHistory(series);
}

// Whole numbers on both axes, even for a history of a deal or none.
void TfrmHistorique::SetRanges(const std::vector<TotalsSeries>& series) {
  int last = 0;
  int lowest = 0;
  int highest = 0;
  for (const TotalsSeries& one : series) {
    for (const TotalsPoint& point : one) {
      last = point.deal;
      for (int seat = 1; seat <= 4; ++seat) {
        lowest = std::min(lowest, point.totals[seat]);
        highest = std::max(highest, point.totals[seat]);
      }
    }
  }
  deals_->setRange(0, std::max(kLeastDeals, last));
  totals_->setRange(std::min(lowest, -kLeastTotal), std::max(highest, kLeastTotal));
  deals_->applyNiceNumbers();
  totals_->applyNiceNumbers();
}

void TfrmHistorique::FillTable(const ScoreHistory& history, const HistoryWords& words,
                               int language) {
  const HistorySummary summary = SummariseHistory(history);
  counts_->setText(FromUtf8(HistoryCountsLine(summary, history.damaged_lines, language)));

  QStringList headers;
  for (std::string_view header : words.columns)
    headers.append(FromUtf8(header));
  table_->setHorizontalHeaderLabels(headers);
  // Decimals as the player writes them: a comma in French.
  const QLocale numbers(language == 2 ? QLocale::English : QLocale::French);
  int row = 0;
  for (const auto& [name, tally] : HistoryRows(summary, language)) {
    table_->setVerticalHeaderItem(row, new QTableWidgetItem(FromUtf8(name)));
    const int counts[] = {tally.deals, tally.south_taken, tally.south_made, tally.computer_taken,
                          tally.computer_made};
    int column = 0;
    for (int count : counts)
      table_->setItem(row, column++, Cell(QString::number(count)));
    // No mean without a deal.
    table_->setItem(
        row, column,
        Cell(tally.deals == 0 ? QString() : numbers.toString(tally.SouthMeanPerDeal(), 'f', 1)));
    ++row;
  }
}

}  // namespace zarvane
