#pragma once

#include <QDialog>

#include "settings/score_history.h"
#include "table/history_summary.h"
#include "table/layout.h"

class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;
class QValueAxis;

namespace zarvane {

class HistoryCurves;
struct HistoryWords;

// The history of the scores: the four running totals deal by deal, and what became of the
// contracts, by bid and by level. It sits beside the game, which stays playable, and is scaled
// like the other windows.
class TfrmHistorique : public QDialog {
 public:
  explicit TfrmHistorique(const Layout& layout, QWidget* parent = nullptr);

  // Shows the history in the chosen language (1 French, 2 English).
  void Fill(const ScoreHistory& history, int language);
  // The game window took another scale: the window, its type and its curves follow it.
  void Relayout(const Layout& layout);

  QChart* chart() const { return chart_; }
  QChartView* chart_view() const { return chart_view_; }
  const HistoryCurves* curves() const { return curves_; }
  QTableWidget* table() const { return table_; }
  QLabel* counts() const { return counts_; }
  QPushButton* close_button() const { return close_; }

 private:
  void ApplyScale();
  void SetUpChart();
  void SetUpTable();
  void FillChart(const ScoreHistory& history, const HistoryWords& words);
  void SetRanges(const std::vector<TotalsSeries>& series);
  void FillTable(const ScoreHistory& history, const HistoryWords& words, int language);

  Layout layout_;
  QChart* chart_;
  QChartView* chart_view_;
  QValueAxis* deals_;
  QValueAxis* totals_;
  HistoryCurves* curves_;
  QLabel* counts_;
  QTableWidget* table_;
  QPushButton* close_;
};

}  // namespace zarvane
