#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QScatterSeries>
#include <vector>

#include "table/history_summary.h"

class QChart;
class QValueAxis;

namespace zarvane {

// How a seat's curve is told apart: its colour and the shape of its markers.
struct CurveStyle {
  QColor colour;
  QScatterSeries::MarkerShape marker;
};
// South, East, North, West.
const CurveStyle& CurveStyleOf(int seat);

// The four seats' running totals over a chart's plot area: a piece of line for each series of
// the history, so that a reset breaks the curves instead of dropping them to 0, a thin dashed
// line at each break, and the seats' markers on top. Drawn here rather than as the chart's own
// series: a series per piece costs seconds to a player who resets his totals every evening.
class HistoryCurves : public QGraphicsItem {
 public:
  HistoryCurves(QChart* chart, const QValueAxis* deals, const QValueAxis* totals);

  void SetHistory(const std::vector<TotalsSeries>& series);
  void SetSizes(int line_pixels, int marker_pixels);
  // The plot area or the axes' ranges changed: the curves follow.
  void FollowChart();

  // Where a deal's total stands in the chart's coordinates.
  QPointF At(double deal, double total) const;

  QRectF boundingRect() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

 private:
  void PaintBreaks(QPainter& painter) const;
  void PaintCurves(QPainter& painter) const;
  void PaintMarkers(QPainter& painter) const;

  QChart* chart_;
  const QValueAxis* deals_;
  const QValueAxis* totals_;
  std::vector<TotalsSeries> series_;
  std::vector<double> breaks_;
  std::vector<TotalsPoint> marked_;
  int line_pixels_ = 2;
  int marker_pixels_ = 9;
  QRectF area_;
};

}  // namespace zarvane
