#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

class QPainter;
class QRectF;

namespace zarvane {

// The small pictures of the button bar, drawn for the button's size.
enum class Glyph { NewDeal, Replay, Scores, PreviousTrick, Colour, Help };
QIcon GlyphIcon(Glyph glyph, int pixels);

// A suit symbol (1 spade, 2 heart, 3 club, 4 diamond) filling the rectangle.
void PaintSuit(QPainter& painter, int suit, const QRectF& box);
// The symbol on a transparent square, as the deductions panel heads its columns.
QPixmap SuitSymbol(int suit, int pixels);

// The pointer over a card that cannot be played yet: the arrow with a small barred circle at
// its side, unlike the large barred circle over a card that may not go at all.
QCursor NoDropCursor();

// The program's small logo: three cards fanned out.
QPixmap Logo(int pixels);

}  // namespace zarvane
