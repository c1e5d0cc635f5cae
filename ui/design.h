#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "table/layout.h"

class QWidget;

namespace zarvane {

// The caption of the game window, of its question boxes and of the task bar.
inline const QString kWindowTitle = QStringLiteral("ZARVANE 98");

// Metric-compatible stand-ins for the faces the windows were designed with.
inline const QString kSerif = QStringLiteral("Liberation Serif");  // Times New Roman
inline const QString kSans = QStringLiteral("Liberation Sans");    // MS Sans Serif
inline const QString kMono = QStringLiteral("Liberation Mono");    // for the deal codes

// South, East, North, West.
QColor SeatColour(int seat);

// Colours as the options store them: red in the low byte, then green, then blue.
QColor FromColourValue(int colour);
int ToColourValue(const QColor& colour);

// A design rectangle in screen pixels, as ScaleWindow scales every window.
QRect Scaled(const Layout& layout, DesignRect design);
QFont DesignFont(const Layout& layout, const QString& family, int design_pixels, bool bold = false);

// A type face at its size in design pixels.
struct DesignType {
  QString family;
  int pixels = 11;
  bool bold = false;
};

// A control's place and type size on the design surface, remembered with it so that Rescale
// can scale it again when its window takes another size.
void SetDesignGeometry(QWidget* widget, const Layout& layout, DesignRect place);
void SetDesignFont(QWidget* widget, const Layout& layout, const DesignType& type);
// Another type size for the same face, as the bid bubbles change theirs.
void SetDesignFontPixels(QWidget* widget, const Layout& layout, int design_pixels);
// Scales again the window and every control in it that remembers its design place or size.
void Rescale(QWidget* window, const Layout& layout);

// Fills the widget's background with the colour; text in the given colour when valid.
void Paint(QWidget* widget, const QColor& background, const QColor& text = QColor());

// A top-level window of the given design client size, scaled and coloured.
void ScaleWindow(QWidget* window, const Layout& layout, int design_width, int design_height,
                 const QColor& background);
// A review window: a dialog frame without system buttons, hidden until it is filled.
void SetUpReviewWindow(QWidget* window, const Layout& layout, int design_width, int design_height,
                       const QColor& background);
// Opens a window maximised; with no window manager to honour the request (a bare X server)
// it is given the whole screen by hand.
void ShowMaximised(QWidget* window);
// A window back from maximised: in the middle of the screen's free area, its frame and title
// bar inside that area, at the size it had if that fits, else at most of the area.
void PlaceRestoredWindow(QWidget* window);
// Puts a top-level window in the middle of its screen.
void CentreOnScreen(QWidget* window);

}  // namespace zarvane
