#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "flow/deal_flow.h"
#include "flow/moves.h"
#include "table/controls.h"
#include "table/hand_layout.h"
#include "tests/ui/opened_game.h"

namespace zarvane {

// The game window dragged to other sizes in the middle of a deal: the table follows, in the
// design's proportions, and the deal does not move.
class ResizeTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    opened_ = std::make_unique<testing::OpenedGame>();
    QVERIFY(opened_->Ready());
    opened_->ChooseFrench();
    view().Action(Control::menuInstantane)->trigger();
    view().Action(Control::menuForceGarde)->trigger();
    window()->showNormal();
    QTRY_VERIFY(!(window()->windowState() & Qt::WindowMaximized));
    // Restored, the window is placed back on the screen's free area.
    QTRY_VERIFY(window()->screen()->availableGeometry().contains(window()->frameGeometry()));
  }

  void cleanup() { opened_.reset(); }

  // At three sizes, South's discard row and then his hand: every control in view, the cards
  // as wide as the scale makes them and overlapping no more than the design's steps allow,
  // the random offsets where they were and the generator untouched.
  void threeSizesKeepEveryControlInViewAndTheCardsApart() {
    ReachSouthsDiscard();
    const std::uint32_t generator = game().flow.state.random.GeneratorState;
    const auto rises = game().table.DiscardImageRise;
    for (QSize size : kSizes) {
      LayOut(size);
      CheckEveryControlInView();
      CheckCardsApart(24, 90 - 30);
      for (int k = 1; k <= 24; ++k)
        QCOMPARE(view().Widget(Control::Carte3D, k)->y(), DiscardImageTop(game(), k));
    }
    QCOMPARE(game().table.DiscardImageRise, rises);

    for (int k = 1; game().flow.state.DiscardCount < 6; ++k)
      Apply(game().flow, Move{MoveKind::HandCard, k});
    QTest::mouseClick(view().Widget(Control::PanelConfirmeEcart), Qt::LeftButton);
    // The computer seats play up to South's turn, where the deal waits for him.
    QTRY_VERIFY_WITH_TIMEOUT(game().flow.state.DealPhase == Phase::SouthPlays ||
                                 game().flow.state.DealPhase == Phase::Poignee,
                             5000);
    const std::uint32_t dealt = game().flow.state.random.GeneratorState;
    QVERIFY(dealt != generator);  // the new hand line was drawn by the play, not by a size
    const auto drops = game().table.SouthCardDrop;
    for (QSize size : kSizes) {
      LayOut(size);
      CheckEveryControlInView();
      CheckCardsApart(18, 90 - 40);
      for (int slot = 1; slot <= 18; ++slot) {
        const int drop = view().Widget(Control::Carte3D, slot)->y() - game().table.layout.HandTop;
        QCOMPARE(static_cast<int>(std::lround(drop / Scale())), game().table.SouthCardDrop[slot]);
      }
    }
    QCOMPARE(game().table.SouthCardDrop, drops);
    QCOMPARE(game().flow.state.random.GeneratorState, dealt);

    // The side windows follow the scale of the table.
    const QWidget* sheet = view().Widget(Control::frmScoreDetaille);
    QCOMPARE(sheet->width(), static_cast<int>(std::lround(727 * game().table.layout.WindowScale)));
  }

  // Never smaller than the design; back from maximised, on the screen's free area, centred.
  void theWindowKeepsTheDesignSizeAndComesBackOnTheScreen() {
    window()->showNormal();
    window()->resize(640, 480);
    QVERIFY(window()->width() >= 800 && window()->height() >= 600);
    window()->showMaximized();
    QTRY_VERIFY(window()->windowState() & Qt::WindowMaximized);
    window()->showNormal();
    const QRect free = window()->screen()->availableGeometry();
    QTRY_VERIFY(std::abs(window()->frameGeometry().center().x() - free.center().x()) <= 1);
    QVERIFY(free.contains(window()->frameGeometry()));
    QCOMPARE(window()->size(), QSize(800, 600));  // the size it had before
  }

 private:
  static constexpr QSize kSizes[] = {{800, 600}, {1280, 720}, {1920, 1080}};

  void ReachSouthsDiscard() {
    for (int deal = 0; deal < 60; ++deal) {
      NewDeal(game().flow, 0);
      QTRY_VERIFY_WITH_TIMEOUT(game().flow.state.DealPhase == Phase::AuctionOver ||
                                   game().flow.state.DealPhase == Phase::SouthBids,
                               5000);
      if (game().flow.state.DealPhase == Phase::SouthBids)
        QTest::mouseClick(view().Widget(Control::evMaMain), Qt::LeftButton);
      QTRY_COMPARE_WITH_TIMEOUT(game().flow.state.DealPhase, Phase::AuctionOver, 5000);
      Apply(game().flow, Move{MoveKind::Continue});
      if (game().flow.state.DealPhase == Phase::DogShown && game().flow.state.Taker == kSouth) {
        Apply(game().flow, Move{MoveKind::Continue});
        QCOMPARE(game().flow.state.DealPhase, Phase::Discard);
        return;
      }
    }
    QFAIL("South never took with the dog shown");
  }

  void LayOut(QSize size) {
    window()->resize(size);
    QTRY_COMPARE(window()->size(), size);
    QCoreApplication::processEvents();
  }

  double Scale() { return std::min(window()->width() / 800.0, window()->height() / 600.0); }

  void CheckEveryControlInView() {
    const QRect inside = window()->rect();
    for (QWidget* widget : window()->findChildren<QWidget*>()) {
      if (widget->isWindow() || !widget->isVisible())
        continue;
      const QRect place(widget->mapTo(window(), QPoint(0, 0)), widget->size());
      QVERIFY2(inside.contains(place), qPrintable(widget->objectName()));
    }
  }

  // The first `count` card images in a row, each as wide as the scale makes a card, each
  // covering the next by no more than the design's `overlap` pixels at that scale.
  void CheckCardsApart(int count, int overlap) {
    const double scale = Scale();
    for (int k = 1; k <= count; ++k) {
      const QWidget* card = view().Widget(Control::Carte3D, k);
      QVERIFY(card->isVisible());
      QVERIFY(std::abs(card->width() - 90 * scale) <= 1);
      if (k == count)
        continue;
      const QWidget* next = view().Widget(Control::Carte3D, k + 1);
      QVERIFY(card->x() < next->x());
      QVERIFY(card->x() + card->width() - next->x() <= overlap * scale + 1);
    }
  }

  TfrmZarvane* window() { return opened_->game_window(); }
  QtTableView& view() { return window()->view(); }
  Game& game() { return window()->game(); }

  std::unique_ptr<testing::OpenedGame> opened_;
};

}  // namespace zarvane

QTEST_MAIN(zarvane::ResizeTest)
#include "resize_test.moc"
