#include "ui/glyphs.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace zarvane {

namespace {

const QColor kInk(26, 26, 26);
const QColor kRed(200, 24, 32);
const QColor kCardWhite(255, 253, 246);

// Every glyph is drawn on a 16 x 16 grid and scaled to the button.
constexpr qreal kGrid = 16.0;

QPainterPath SpadePath() {
  QPainterPath path;
  path.moveTo(8, 1);
  path.cubicTo(6.5, 4, 1.5, 6, 1.5, 9.5);
  path.cubicTo(1.5, 11.8, 3.3, 13, 5, 13);
  path.cubicTo(6.2, 13, 7.1, 12.4, 7.5, 11.6);
  path.cubicTo(7.4, 13, 6.6, 14.2, 5.2, 15);
  path.lineTo(10.8, 15);
  path.cubicTo(9.4, 14.2, 8.6, 13, 8.5, 11.6);
  path.cubicTo(8.9, 12.4, 9.8, 13, 11, 13);
  path.cubicTo(12.7, 13, 14.5, 11.8, 14.5, 9.5);
  path.cubicTo(14.5, 6, 9.5, 4, 8, 1);
  path.closeSubpath();
  return path;
}

QPainterPath HeartPath() {
  QPainterPath path;
  path.moveTo(8, 15);
  path.cubicTo(6, 12, 1, 9.5, 1, 5.5);
  path.cubicTo(1, 3, 2.8, 1.5, 4.7, 1.5);
  path.cubicTo(6.3, 1.5, 7.5, 2.6, 8, 4);
  path.cubicTo(8.5, 2.6, 9.7, 1.5, 11.3, 1.5);
  path.cubicTo(13.2, 1.5, 15, 3, 15, 5.5);
  path.cubicTo(15, 9.5, 10, 12, 8, 15);
  path.closeSubpath();
  return path;
}

QPainterPath ClubPath() {
  QPainterPath path;
  path.addEllipse(QPointF(8, 4.6), 3.3, 3.3);
  path.addEllipse(QPointF(4.4, 9.6), 3.3, 3.3);
  path.addEllipse(QPointF(11.6, 9.6), 3.3, 3.3);
  path.addRect(QRectF(7, 6, 2, 4));
  QPainterPath stem;
  stem.moveTo(7.4, 9);
  stem.cubicTo(7.3, 12, 6.5, 14, 5, 15);
  stem.lineTo(11, 15);
  stem.cubicTo(9.5, 14, 8.7, 12, 8.6, 9);
  stem.closeSubpath();
  return path.united(stem).simplified();
}

QPainterPath DiamondPath() {
  QPainterPath path;
  path.moveTo(8, 0.8);
  path.quadTo(10.5, 5, 13.6, 8);
  path.quadTo(10.5, 11, 8, 15.2);
  path.quadTo(5.5, 11, 2.4, 8);
  path.quadTo(5.5, 5, 8, 0.8);
  path.closeSubpath();
  return path;
}

// A small card: rounded white rectangle with a dark edge.
void PaintCard(QPainter& painter, const QRectF& box) {
  painter.setPen(QPen(kInk, 0.6));
  painter.setBrush(kCardWhite);
  painter.drawRoundedRect(box, 1.2, 1.2);
}

void PaintNewDeal(QPainter& painter) {
  painter.save();
  painter.translate(8, 9);
  painter.rotate(-16);
  PaintCard(painter, QRectF(-6.5, -6.5, 8, 12));
  painter.restore();
  painter.save();
  painter.translate(8, 9);
  painter.rotate(12);
  PaintCard(painter, QRectF(-2, -7, 8, 12));
  PaintSuit(painter, 4, QRectF(-0.5, -4.5, 5, 7));
  painter.restore();
}

void PaintReplay(QPainter& painter) {
  QPen pen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const QRectF ring(2.5, 2.5, 11, 11);
  painter.drawArc(ring, 120 * 16, 270 * 16);
  // The head at the open end of the ring, pointing on round.
  const qreal angle = (120 + 270) * M_PI / 180.0;
  const QPointF tip(8 + 5.5 * std::cos(angle), 8 - 5.5 * std::sin(angle));
  QPainterPath head;
  head.moveTo(tip + QPointF(3.2, -1.6));
  head.lineTo(tip + QPointF(-0.6, -3.4));
  head.lineTo(tip + QPointF(0.2, 1.6));
  head.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawPath(head);
}

void PaintScores(QPainter& painter) {
  painter.setPen(QPen(kInk, 0.6));
  painter.setBrush(QColor(192, 192, 200));
  painter.drawRect(QRectF(1.5, 7, 4, 7.5));
  painter.setBrush(QColor(240, 200, 40));
  painter.drawRect(QRectF(6, 3, 4, 11.5));
  painter.setBrush(QColor(205, 127, 50));
  painter.drawRect(QRectF(10.5, 9.5, 4, 5));
}

void PaintPreviousTrick(QPainter& painter) {
  PaintCard(painter, QRectF(6.5, 1.5, 8, 12));
  PaintSuit(painter, 1, QRectF(8.5, 4, 4, 5.5));
  QPainterPath arrow;
  arrow.moveTo(0.8, 10.5);
  arrow.lineTo(5.2, 6.8);
  arrow.lineTo(5.2, 9);
  arrow.lineTo(9.5, 9);
  arrow.lineTo(9.5, 12);
  arrow.lineTo(5.2, 12);
  arrow.lineTo(5.2, 14.2);
  arrow.closeSubpath();
  painter.setPen(QPen(kInk, 0.6));
  painter.setBrush(QColor(255, 220, 60));
  painter.drawPath(arrow);
}

void PaintColour(QPainter& painter) {
  QPainterPath board;
  board.addEllipse(QRectF(1, 2.5, 14, 11));
  QPainterPath thumb;
  thumb.addEllipse(QRectF(8.6, 8.6, 3.2, 3.2));
  painter.setPen(QPen(kInk, 0.6));
  painter.setBrush(QColor(222, 184, 135));
  painter.drawPath(board.subtracted(thumb));
  const QColor dots[] = {QColor(220, 30, 30), QColor(40, 160, 60), QColor(30, 80, 220),
                         QColor(250, 210, 30)};
  const QPointF places[] = {{4.2, 6.2}, {7.4, 4.6}, {11, 5.2}, {4.6, 10}};
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) {
    painter.setBrush(dots[i]);
    painter.drawEllipse(places[i], 1.5, 1.5);
  }
}

void PaintHelp(QPainter& painter) {
  painter.setPen(QPen(kInk, 0.6));
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(1, 1, 14, 14));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setBold(true);
  font.setPixelSize(12);
  painter.setFont(font);
  painter.setPen(QColor(0, 70, 160));
  painter.drawText(QRectF(1, 1, 14, 14.5), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

QIcon GlyphIcon(Glyph glyph, int pixels) {
  QPixmap picture(pixels, pixels);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(pixels / kGrid, pixels / kGrid);
  switch (glyph) {
    case Glyph::NewDeal:
      PaintNewDeal(painter);
      break;
    case Glyph::Replay:
      PaintReplay(painter);
      break;
    case Glyph::Scores:
      PaintScores(painter);
      break;
    case Glyph::PreviousTrick:
      PaintPreviousTrick(painter);
      break;
    case Glyph::Colour:
      PaintColour(painter);
      break;
    case Glyph::Help:
      PaintHelp(painter);
      break;
  }
  painter.end();
  QIcon icon(picture);
  // A disabled button shows its picture faded rather than in the style's flat grey.
  QPixmap faded(picture.size());
  faded.fill(Qt::transparent);
  QPainter fade(&faded);
  fade.setOpacity(0.35);
  fade.drawPixmap(0, 0, picture);
  fade.end();
  icon.addPixmap(faded, QIcon::Disabled);
  return icon;
}

void PaintSuit(QPainter& painter, int suit, const QRectF& box) {
  QPainterPath path;
  switch (suit) {
    case 1:
      path = SpadePath();
      break;
    case 2:
      path = HeartPath();
      break;
    case 3:
      path = ClubPath();
      break;
    default:
      path = DiamondPath();
      break;
  }
  painter.save();
  painter.translate(box.topLeft());
  painter.scale(box.width() / kGrid, box.height() / kGrid);
  painter.setPen(Qt::NoPen);
  painter.setBrush(suit == 2 || suit == 4 ? kRed : kInk);
  painter.drawPath(path);
  painter.restore();
}

QPixmap SuitSymbol(int suit, int pixels) {
  QPixmap symbol(pixels, pixels);
  symbol.fill(Qt::transparent);
  QPainter painter(&symbol);
  painter.setRenderHint(QPainter::Antialiasing);
  // A pale halo keeps the black suits readable on the green panel.
  const qreal margin = pixels * 0.08;
  const QRectF box(margin, margin, pixels - 2 * margin, pixels - 2 * margin);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 150));
  painter.drawEllipse(QRectF(0, 0, pixels, pixels));
  PaintSuit(painter, suit,
            box.adjusted(pixels * 0.08, pixels * 0.08, -pixels * 0.08, -pixels * 0.08));
  return symbol;
}

QCursor NoDropCursor() {
  QPixmap picture(32, 32);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF arrow[] = {{1, 1}, {1, 17}, {5, 13}, {8, 20}, {11, 19}, {8, 12}, {13, 12}};
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::white);
  painter.drawPolygon(arrow, 7);
  const QPointF centre(22, 22);
  painter.setBrush(Qt::white);
  painter.drawEllipse(centre, 8, 8);
  const QColor red(204, 0, 0);
  painter.setPen(QPen(red, 2.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, 6, 6);
  painter.drawLine(centre + QPointF(-4.2, -4.2), centre + QPointF(4.2, 4.2));
  painter.end();
  return QCursor(picture, 1, 1);
}

QPixmap Logo(int pixels) {
  QPixmap logo(pixels, pixels);
  logo.fill(Qt::transparent);
  QPainter painter(&logo);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(pixels / 32.0, pixels / 32.0);
  const int suits[] = {1, 2, 0};
  const qreal angles[] = {-24, 0, 24};
  for (int i = 0; i < 3; ++i) {
    painter.save();
    painter.translate(16, 29);
    painter.rotate(angles[i]);
    painter.setPen(QPen(kInk, 0.9));
    painter.setBrush(kCardWhite);
    painter.drawRoundedRect(QRectF(-6.5, -25, 13, 20), 1.8, 1.8);
    if (suits[i] != 0) {
      PaintSuit(painter, suits[i], QRectF(-3.5, -20.5, 7, 8));
    } else {
      // The front card is a trump: its number in the corner.
      QFont font(QStringLiteral("Liberation Serif"));
      font.setBold(true);
      font.setPixelSize(9);
      painter.setFont(font);
      painter.setPen(kInk);
      painter.drawText(QRectF(-6.5, -24, 13, 11), Qt::AlignCenter, QStringLiteral("21"));
    }
    painter.restore();
  }
  return logo;
}

}  // namespace zarvane
