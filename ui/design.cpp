#include "ui/design.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace zarvane {

QColor SeatColour(int seat) {
  switch (seat) {
    case 1:
      return QColor(156, 215, 243);
    case 2:
      return QColor(253, 210, 239);
    case 3:
      return QColor(240, 253, 147);
    default:
      return QColor(174, 251, 168);
  }
}

QColor FromColourValue(int colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

int ToColourValue(const QColor& colour) {
  return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QRect Scaled(const Layout& layout, DesignRect design) {
  const DesignRect r = ScaleRect(layout, design);
  return QRect(r.left, r.top, r.width, r.height);
}

QFont DesignFont(const Layout& layout, const QString& family, int design_pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(ScaleFont(layout, design_pixels));
  font.setBold(bold);
  return font;
}

void Paint(QWidget* widget, const QColor& background, const QColor& text) {
  // A whole palette from the one colour, so bevels and button faces shade with it.
  QPalette palette(background);
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Button, background);
  if (text.isValid()) {
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void ScaleWindow(QWidget* window, const Layout& layout, int design_width, int design_height,
                 const QColor& background) {
  const QRect size = Scaled(layout, {0, 0, design_width, design_height});
  window->setFixedSize(size.size());
  window->setFont(DesignFont(layout, kSans, 11));
  Paint(window, background);
}

void SetUpReviewWindow(QWidget* window, const Layout& layout, int design_width, int design_height,
                       const QColor& background) {
  window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  ScaleWindow(window, layout, design_width, design_height, background);
  window->hide();
}

void ShowMaximised(QWidget* window) {
  if (const QScreen* screen = window->screen())
    window->setGeometry(screen->availableGeometry());
  window->showMaximized();
}

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen)
    return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->geometry().center());
  window->move(frame.topLeft());
}

}  // namespace zarvane
