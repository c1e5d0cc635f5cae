#include "ui/history_curves.h"

#include <QChart>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QValueAxis>

namespace zarvane {

namespace {

const QColor kBreakColour(170, 170, 170);

// Colours that players who confuse red and green, or blue and yellow, still tell apart (Okabe
// and Ito's), near the hues of the table's seat colours, each seat with a marker of its own.
const CurveStyle kCurveStyles[4] = {
    {QColor(0x56, 0xB4, 0xE9), QScatterSeries::MarkerShapeCircle},
    {QColor(0xD5, 0x5E, 0x00), QScatterSeries::MarkerShapeRectangle},
    {QColor(0xF0, 0xE4, 0x42), QScatterSeries::MarkerShapeTriangle},
    {QColor(0x00, 0x9E, 0x73), QScatterSeries::MarkerShapeRotatedRectangle},
};

// A marker of the given shape, `size` pixels across, centred on `at`, as the legend draws it.
QPainterPath Marker(QScatterSeries::MarkerShape shape, QPointF at, double size) {
  const double r = size / 2;
  QPainterPath path;
  switch (shape) {
    case QScatterSeries::MarkerShapeRectangle:
      path.addRect(at.x() - r, at.y() - r, size, size);
      break;
    case QScatterSeries::MarkerShapeTriangle:
      path.addPolygon(QPolygonF({at + QPointF(0, -r), at + QPointF(r, r), at + QPointF(-r, r)}));
      path.closeSubpath();
      break;
    case QScatterSeries::MarkerShapeRotatedRectangle:
      path.addPolygon(QPolygonF(
          {at + QPointF(0, -r), at + QPointF(r, 0), at + QPointF(0, r), at + QPointF(-r, 0)}));
      path.closeSubpath();
      break;
    default:
      path.addEllipse(at, r, r);
      break;
  }
  return path;
}

// A seat's marker on a clear square, outlined in the chart's background colour so that it
// stands out of the curves it lies on.
QPixmap MarkerStamp(const CurveStyle& style, int size, const QColor& outline, qreal ratio) {
  const int side = size + 2;
  QPixmap stamp(QSize(side, side) * ratio);
  stamp.setDevicePixelRatio(ratio);
  stamp.fill(Qt::transparent);
  QPainter draw(&stamp);
  draw.setRenderHint(QPainter::Antialiasing);
  draw.setPen(QPen(outline, 1));
  draw.setBrush(style.colour);
  draw.drawPath(Marker(style.marker, QPointF(side / 2.0, side / 2.0), size));
  return stamp;
}

}  // namespace

const CurveStyle& CurveStyleOf(int seat) {
  return kCurveStyles[seat - 1];
}

HistoryCurves::HistoryCurves(QChart* chart, const QValueAxis* deals, const QValueAxis* totals)
    : QGraphicsItem(chart), chart_(chart), deals_(deals), totals_(totals) {}

void HistoryCurves::SetHistory(const std::vector<TotalsSeries>& series) {
  series_ = series;
  breaks_ = SeriesBreaks(series);
  marked_ = MarkedPoints(series);
  update();
}

void HistoryCurves::SetSizes(int line_pixels, int marker_pixels) {
  line_pixels_ = line_pixels;
  marker_pixels_ = marker_pixels;
  FollowChart();
}

void HistoryCurves::FollowChart() {
  prepareGeometryChange();
  // A marker on the frame shows whole.
  const double half = marker_pixels_ / 2.0 + 1;
  area_ = chart_->plotArea().adjusted(-half, -half, half, half);
  update();
}

QPointF HistoryCurves::At(double deal, double total) const {
  const QRectF plot = chart_->plotArea();
  const double x = (deal - deals_->min()) / (deals_->max() - deals_->min());
  const double y = (total - totals_->min()) / (totals_->max() - totals_->min());
  return {plot.left() + x * plot.width(), plot.bottom() - y * plot.height()};
}

QRectF HistoryCurves::boundingRect() const {
  return area_;
}

void HistoryCurves::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  painter->save();
  painter->setClipRect(area_);
  painter->setRenderHint(QPainter::Antialiasing);
  PaintBreaks(*painter);
  PaintCurves(*painter);
  PaintMarkers(*painter);
  painter->restore();
}

void HistoryCurves::PaintBreaks(QPainter& painter) const {
  painter.setPen(QPen(kBreakColour, 1, Qt::DashLine));
  for (double deal : breaks_)
    painter.drawLine(At(deal, totals_->min()), At(deal, totals_->max()));
}

// One line from each deal to the next of its series, none across a reset.
void HistoryCurves::PaintCurves(QPainter& painter) const {
  for (int seat = 1; seat <= 4; ++seat) {
    QList<QLineF> lines;
    for (const TotalsSeries& series : series_) {
      for (std::size_t k = 1; k < series.size(); ++k) {
        lines.append(QLineF(At(series[k - 1].deal, series[k - 1].totals[seat]),
                            At(series[k].deal, series[k].totals[seat])));
      }
    }
    painter.setPen(QPen(CurveStyleOf(seat).colour, line_pixels_));
    painter.drawLines(lines);
  }
}

// Each seat's marker drawn once, then stamped on its points.
void HistoryCurves::PaintMarkers(QPainter& painter) const {
  const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const QColor outline = chart_->backgroundBrush().color();
  for (int seat = 1; seat <= 4; ++seat) {
    const QPixmap stamp = MarkerStamp(CurveStyleOf(seat), marker_pixels_, outline, ratio);
    const QPointF centre = QPointF(stamp.width(), stamp.height()) / (2 * ratio);
    for (const TotalsPoint& point : marked_)
      painter.drawPixmap(At(point.deal, point.totals[seat]) - centre, stamp);
  }
}

}  // namespace zarvane
