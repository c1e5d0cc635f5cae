#include "ui/design.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>

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

namespace {

constexpr char kDesignPlace[] = "designPlace";
constexpr char kDesignPixels[] = "designPixels";

void ApplyDesign(QWidget* widget, const Layout& layout) {
  const QVariant place = widget->property(kDesignPlace);
  if (place.isValid()) {
    const QRect r = place.toRect();
    widget->setGeometry(Scaled(layout, {r.x(), r.y(), r.width(), r.height()}));
  }
  const QVariant pixels = widget->property(kDesignPixels);
  if (pixels.isValid()) {
    QFont font = widget->font();
    font.setPixelSize(ScaleFont(layout, pixels.toInt()));
    widget->setFont(font);
  }
}

}  // namespace

void SetDesignGeometry(QWidget* widget, const Layout& layout, DesignRect place) {
  widget->setProperty(kDesignPlace, QRect(place.left, place.top, place.width, place.height));
  widget->setGeometry(Scaled(layout, place));
}

void SetDesignFont(QWidget* widget, const Layout& layout, const DesignType& type) {
  widget->setFont(DesignFont(layout, type.family, type.pixels, type.bold));
  widget->setProperty(kDesignPixels, type.pixels);
}

void SetDesignFontPixels(QWidget* widget, const Layout& layout, int design_pixels) {
  widget->setProperty(kDesignPixels, design_pixels);
  ApplyDesign(widget, layout);
}

void Rescale(QWidget* window, const Layout& layout) {
  ApplyDesign(window, layout);
  for (QWidget* widget : window->findChildren<QWidget*>())
    ApplyDesign(widget, layout);
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
  SetDesignFont(window, layout, {kSans, 11});
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

void PlaceRestoredWindow(QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen)
    return;
  const QRect free = screen->availableGeometry();
  const QRect frame = window->frameGeometry();
  const QRect client = window->geometry();
  const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                         frame.right() - client.right(), frame.bottom() - client.bottom());
  const QSize room = free.marginsRemoved(margins).size();
  // The size it had before, when that fits; else most of the free area (a window opened
  // maximised was never given a smaller size of its own).
  QSize size = client.size();
  if (size.width() > room.width() || size.height() > room.height())
    size = (room * 0.9).expandedTo(window->minimumSize()).boundedTo(room);
  QRect placed(QPoint(0, 0), size.grownBy(margins));
  placed.moveCenter(free.center());
  // The title bar stays on the screen, even when the window cannot shrink to fit it.
  placed.moveTopLeft(
      QPoint(std::max(placed.left(), free.left()), std::max(placed.top(), free.top())));
  window->setGeometry(QRect(placed.topLeft() + QPoint(margins.left(), margins.top()), size));
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
