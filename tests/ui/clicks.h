#pragma once

#include <QWidget>
#include <QtTest>

#include "table/game.h"
#include "ui/fZarvane.h"
#include "ui/qt_table_view.h"

namespace zarvane::testing {

// A player's clicks on the game window, as a person makes them.
class Clicks {
 public:
  explicit Clicks(TfrmZarvane* window) : window_(window) {}

  QtTableView& view() { return window_->view(); }
  Game& game() { return window_->game(); }
  bool Visible(Control control) { return view().Widget(control)->isVisible(); }

  // False when the control is not there to be clicked.
  bool Click(Control control, int index = 0) {
    QWidget* widget = view().Widget(control, index);
    if (widget == nullptr || !widget->isVisible())
      return false;
    QTest::mouseClick(widget, Qt::LeftButton);
    return true;
  }

  // A click on the table's free background, away from every card.
  void ClickTable() {
    QWidget* surface = window_->surface();
    const QPoint free(surface->width() - 5,
                      static_cast<int>(300 * game().table.layout.WindowScale));
    QTest::mouseClick(surface, Qt::LeftButton, {}, free);
  }

  // Clicks the first `count` of South's images under a hand pointer; how many there were.
  int ClickPointedCards(int last_image, int count) {
    int clicked = 0;
    for (int k = 1; k <= last_image && clicked < count; ++k) {
      QWidget* image = view().Widget(Control::Carte3D, k);
      if (image->isVisible() && image->cursor().shape() == Qt::PointingHandCursor) {
        QTest::mouseClick(image, Qt::LeftButton);
        ++clicked;
      }
    }
    return clicked;
  }

  // South's first card that the pointer offers.
  bool PlayALegalCard() { return ClickPointedCards(18, 1) == 1; }

  // The first six cards that may go to the discard, then the confirmation.
  bool MakeTheDiscard() {
    return ClickPointedCards(24, 6) == 6 && Click(Control::PanelConfirmeEcart);
  }

 private:
  TfrmZarvane* window_;
};

}  // namespace zarvane::testing
