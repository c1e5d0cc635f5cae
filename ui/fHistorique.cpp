#include "ui/fHistorique.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "table/history_words.h"
#include "ui/design.h"

namespace zarvane {

namespace {

const QColor kChartBackground(0, 64, 64);
constexpr DesignRect kWindowSize{0, 0, 720, 560};
constexpr int kTypePixels = 12;
constexpr int kLeastDeals = 10;
constexpr int kLeastTotal = 100;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignCenter);
  return item;
}

}  // namespace

TfrmHistorique::TfrmHistorique(const Layout& layout, QWidget* parent)
    : QDialog(parent),
      chart_(new QChart),
      counts_(new QLabel(this)),
      table_(new QTableWidget(this)),
      close_(new QPushButton(this)) {
  setModal(false);
  resize(Scaled(layout, kWindowSize).size());
  setFont(DesignFont(layout, kSans, kTypePixels));
  connect(close_, &QPushButton::clicked, this, &QDialog::close);
  auto* column = new QVBoxLayout(this);
  column->addWidget(NewChartView(), 1);
  column->addWidget(counts_);
  SetUpTable();
  column->addWidget(table_);
  column->addWidget(close_, 0, Qt::AlignRight);
}

// The four seats' curves over two axes, the deals and the totals.
QChartView* TfrmHistorique::NewChartView() {
  // Ten thousand deals draw at once: no animation, one replace per series.
  chart_->setAnimationOptions(QChart::NoAnimation);
  chart_->setTheme(QChart::ChartThemeDark);
  chart_->setBackgroundBrush(kChartBackground);
  chart_->legend()->setAlignment(Qt::AlignBottom);
  chart_->legend()->setFont(font());
  auto* deals = new QValueAxis;
  auto* totals = new QValueAxis;
  for (QValueAxis* axis : {deals, totals}) {
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setLabelsFont(font());
    axis->setTitleFont(font());
  }
  chart_->addAxis(deals, Qt::AlignBottom);
  chart_->addAxis(totals, Qt::AlignLeft);
  for (int seat = 1; seat <= 4; ++seat) {
    auto* series = new QLineSeries;
    chart_->addSeries(series);
    series->attachAxis(deals);
    series->attachAxis(totals);
    QPen pen(SeatColour(seat));
    pen.setWidth(2);
    series->setPen(pen);
  }
  auto* view = new QChartView(chart_, this);
  view->setRenderHint(QPainter::Antialiasing);
  return view;
}

// A table to read, not to edit; the column titles take two lines and every row shows, so the
// chart takes what is left.
void TfrmHistorique::SetUpTable() {
  table_->setColumnCount(static_cast<int>(HistoryWords{}.columns.size()));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setFocusPolicy(Qt::NoFocus);
  table_->setAlternatingRowColors(true);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int line = fontMetrics().lineSpacing();
  QHeaderView* titles = table_->horizontalHeader();
  titles->setSectionResizeMode(QHeaderView::Stretch);
  titles->setDefaultAlignment(Qt::Alignment(QFlag(Qt::AlignCenter | Qt::TextWordWrap)));
  titles->setFixedHeight(2 * line + line / 2);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(line + line / 3);
}

void TfrmHistorique::Fill(const ScoreHistory& history, int language) {
  const HistoryWords words = HistoryWordsIn(language);
  setWindowTitle(FromUtf8(words.title));
  close_->setText(FromUtf8(words.close));
  FillChart(history, words);
  FillTable(history, words, language);
}

void TfrmHistorique::FillChart(const ScoreHistory& history, const HistoryWords& words) {
  const std::vector<TotalsPoint> points = RunningTotals(history);
  const QList<QAbstractSeries*> series = chart_->series();
  int lowest = 0;
  int highest = 0;
  for (int seat = 1; seat <= 4; ++seat) {
    QList<QPointF> curve;
    curve.reserve(static_cast<qsizetype>(points.size()));
    for (const TotalsPoint& point : points) {
      curve.append(QPointF(point.deal, point.totals[seat]));
      lowest = std::min(lowest, point.totals[seat]);
      highest = std::max(highest, point.totals[seat]);
    }
    auto* line = static_cast<QLineSeries*>(series[seat - 1]);
    line->setName(FromUtf8(words.seats[static_cast<std::size_t>(seat - 1)]));
    line->replace(curve);
  }
  auto* deals = static_cast<QValueAxis*>(chart_->axes(Qt::Horizontal).front());
  auto* totals = static_cast<QValueAxis*>(chart_->axes(Qt::Vertical).front());
  deals->setTitleText(FromUtf8(words.deal_axis));
  totals->setTitleText(FromUtf8(words.total_axis));
  // Whole numbers on both axes, even for a history of a deal or none.
  deals->setRange(0, std::max(kLeastDeals, points.empty() ? 0 : points.back().deal));
  totals->setRange(std::min(lowest, -kLeastTotal), std::max(highest, kLeastTotal));
  deals->applyNiceNumbers();
  totals->applyNiceNumbers();
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
  const std::vector<HistoryRow> rows = HistoryRows(summary, language);
  table_->setRowCount(static_cast<int>(rows.size()));
  int row = 0;
  for (const auto& [name, tally] : rows) {
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
  table_->setFixedHeight(table_->horizontalHeader()->height() + table_->verticalHeader()->length() +
                         2 * table_->frameWidth());
}

}  // namespace zarvane
