#pragma once

#include <QDialog>

#include "settings/score_history.h"
#include "table/layout.h"

class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;

namespace zarvane {

struct HistoryWords;

// The history of the scores: the four running totals deal by deal, and what became of the
// contracts, by bid and by level. It sits beside the game, which stays playable.
class TfrmHistorique : public QDialog {
 public:
  explicit TfrmHistorique(const Layout& layout, QWidget* parent = nullptr);

  // Shows the history in the chosen language (1 French, 2 English).
  void Fill(const ScoreHistory& history, int language);

  QChart* chart() const { return chart_; }
  QTableWidget* table() const { return table_; }
  QLabel* counts() const { return counts_; }

 private:
  QChartView* NewChartView();
  void SetUpTable();
  void FillChart(const ScoreHistory& history, const HistoryWords& words);
  void FillTable(const ScoreHistory& history, const HistoryWords& words, int language);

  QChart* chart_;
  QLabel* counts_;
  QTableWidget* table_;
  QPushButton* close_;
};

}  // namespace zarvane
