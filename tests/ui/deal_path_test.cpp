#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/scoring.h"
#include "table/controls.h"
#include "tests/ui/opened_game.h"

namespace zarvane {

// A deal played by clicks in the real window, from the start button through the auction,
// the dog and the discard to the first turn of play.
class DealPathTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    opened_ = std::make_unique<testing::OpenedGame>();
    QVERIFY(opened_->Ready());
    opened_->ChooseFrench();
    QVERIFY(game_window()->isVisible());
    view().Action(Control::menuInstantane)->trigger();
  }

  void cleanup() { opened_.reset(); }

  // South holds a GARDE hand and takes whenever nobody bids higher; he then sees the dog,
  // picks six cards by their pointer, confirms, and the play begins. A card that may not go
  // to the discard wears the large barred circle, unlike a card not yet playable.
  void southTakesDiscardsAndThePlayBegins() {
    view().Action(Control::menuForceGarde)->trigger();
    QTest::mouseClick(view().Widget(Control::PanelLancement), Qt::LeftButton);
    PlayAuctionsUntilTheTakerIs(kSouth);

    QCOMPARE(Text(Control::info),
             QStringLiteral("Et voici le Chien ! A présent, cliquez pour continuer à jouer..."));
    for (int i = 1; i <= 6; ++i)
      QVERIFY(view().Widget(Control::CarteChien, i)->isVisible());
    ClickTable();
    QCOMPARE(Text(Control::info), QStringLiteral("Cliquez sur 6 cartes pour constituer l'écart"));

    int chosen = 0;
    for (int k = 1; k <= 24 && chosen < 6; ++k) {
      QWidget* image = view().Widget(Control::Carte3D, k);
      QVERIFY(image->isVisible());
      if (image->cursor().shape() != Qt::PointingHandCursor) {
        QCOMPARE(image->cursor().shape(), Qt::ForbiddenCursor);
        continue;
      }
      const int top = image->y();
      QTest::mouseClick(image, Qt::LeftButton);
      QVERIFY(image->y() < top);  // lifted
      ++chosen;
    }
    QCOMPARE(chosen, 6);
    QWidget* confirm = view().Widget(Control::PanelConfirmeEcart);
    QVERIFY(confirm->isVisible());
    QTest::mouseClick(confirm, Qt::LeftButton);

    QVERIFY(!confirm->isVisible());
    for (int k = 1; k <= 24; ++k) {
      QCOMPARE(view().Widget(Control::Carte3D, k)->isVisible(), k <= 18);
    }
    for (const Card& card : game().flow.state.Dog)
      QVERIFY(IsDiscardable(card));
    WaitForTheFirstTurn();
  }

  // South passes with a weak hand until a computer seat takes with the dog shown; the
  // computer's discard is made on the click that hands it the dog.
  void aComputerTakesAndDiscardsAtOnce() {
    view().Action(Control::menuForceDefense)->trigger();
    QTest::mouseClick(view().Widget(Control::PanelLancement), Qt::LeftButton);
    bool computer_took = false;
    for (int deal = 0; deal < 60 && !computer_took; ++deal) {
      FinishTheAuction();
      ClickTable();
      computer_took = game().flow.state.Taker != kSouth && game().flow.state.HighestBid >= kPrise &&
                      game().flow.state.HighestBid <= kGarde && game().flow.state.TrickNumber == 1;
      if (!computer_took && game().flow.state.TrickNumber == 1)
        NewDealByMenu();
    }
    QVERIFY(computer_took);
    QVERIFY(view().Widget(Control::CarteChien, 1)->isVisible());
    QVERIFY(view().Widget(Control::PanelPreneur)->isVisible());
    ClickTable();
    for (int i = 1; i <= 6; ++i)
      QVERIFY(!view().Widget(Control::CarteChien, i)->isVisible());
    for (const Card& card : game().flow.state.Dog)
      QVERIFY(IsDiscardable(card));
    WaitForTheFirstTurn();
  }

  // A whole deal by clicks: bids, a discard when South takes, a legal card whenever he is
  // asked, a click after each trick; it ends on the result panel, the totals and the sheet.
  void aWholeDealEndsOnTheResultPanelAndTheScoreSheet() {
    view().Action(Control::menuClickObligatoire)->trigger();
    QTest::mouseClick(view().Widget(Control::PanelLancement), Qt::LeftButton);
    FinishTheAuction();
    ClickTable();
    while (game().flow.state.TrickNumber == 0) {  // all four passed: the click dealt again
      FinishTheAuction();
      ClickTable();
    }
    if (view().Widget(Control::CarteChien, 1)->isVisible())
      ClickTable();
    if (game().flow.state.DealPhase == Phase::Discard)
      MakeTheDiscard();

    QWidget* result = view().Widget(Control::PanelResultat);
    for (int move = 0; move < 200 && !result->isVisible(); ++move) {
      QTRY_VERIFY_WITH_TIMEOUT(!view().TimerActive(TimerId::TimerEntreCarte), 5000);
      if (result->isVisible())
        break;
      if (view().Widget(Control::PanelPoignee)->isVisible()) {
        QTest::mouseClick(view().Widget(Control::PanelPoigneeAucune), Qt::LeftButton);
      } else if (WaitsForClick(game().flow.state.DealPhase)) {
        ClickTable();
      } else {
        QCOMPARE(Text(Control::info), QStringLiteral("A vous de jouer !"));
        PlayALegalCard();
      }
    }
    QVERIFY(result->isVisible());
    QCOMPARE(game().flow.state.TakerPoints + game().flow.state.DefencePoints, 182);
    const QString score = QString::number(TakerScore(game().flow.state));
    QVERIFY(Text(Control::PanelTexteResultat)
                .startsWith(QStringLiteral("Résultat du Preneur : ") + score + " points.\n"));
    int sum = 0;
    for (int seat = 1; seat <= 4; ++seat) {
      QVERIFY(view().Widget(Control::panelScoreTotal, seat)->isVisible());
      QCOMPARE(Text(Control::panelScoreTotal, seat),
               QString::number(game().flow.state.options.Scores[seat]));
      sum += game().flow.state.options.Scores[seat];
    }
    QCOMPARE(sum, 0);
    for (int seat = 1; seat <= 4; ++seat)  // the last trick stays on the table
      QVERIFY(view().Widget(Control::CarteTable, seat)->isVisible());

    QTest::mouseClick(view().Widget(Control::PanelScoreDetaille), Qt::LeftButton);
    QWidget* sheet = view().Widget(Control::frmScoreDetaille);
    QVERIFY(sheet->isVisible());
    QCOMPARE(Text(Control::panelScoreFinalPreneur), score);
    QCOMPARE(Text(Control::cardinalPreneur),
             QString::fromUtf8(game().table.SeatNames[game().flow.state.Taker].data()));
    QTest::mouseClick(view().Widget(Control::panelFeuilleScore), Qt::LeftButton);
    QVERIFY(!sheet->isVisible());
  }

 private:
  void MakeTheDiscard() {
    int chosen = 0;
    for (int k = 1; k <= 24 && chosen < 6; ++k) {
      QWidget* image = view().Widget(Control::Carte3D, k);
      if (image->cursor().shape() == Qt::PointingHandCursor) {
        QTest::mouseClick(image, Qt::LeftButton);
        ++chosen;
      }
    }
    QTest::mouseClick(view().Widget(Control::PanelConfirmeEcart), Qt::LeftButton);
  }

  // South's first card under a hand pointer; the others show that it may not be played.
  void PlayALegalCard() {
    for (int k = 1; k <= 18; ++k) {
      QWidget* image = view().Widget(Control::Carte3D, k);
      if (image->isVisible() && image->cursor().shape() == Qt::PointingHandCursor) {
        const int played = game().flow.state.CardsInTrick;
        QTest::mouseClick(image, Qt::LeftButton);
        QVERIFY(!image->isVisible());
        QVERIFY(game().flow.state.CardsInTrick != played ||
                WaitsForClick(game().flow.state.DealPhase));
        return;
      }
    }
    QFAIL("South was asked to play with no playable card");
  }

  // Deals again until the auction gives South the contract, advising with the button.
  void PlayAuctionsUntilTheTakerIs(int seat) {
    for (int deal = 0; deal < 60; ++deal) {
      FinishTheAuction();
      ClickTable();
      if (game().flow.state.TrickNumber == 1 && game().flow.state.Taker == seat &&
          game().flow.state.HighestBid <= kGarde)
        return;
      NewDealByMenu();
    }
    QFAIL("South never took with the dog shown");
  }

  // Computer bids come on the bid timer; South follows the advice.
  void FinishTheAuction() {
    QTRY_VERIFY_WITH_TIMEOUT(WaitsForClick(game().flow.state.DealPhase) ||
                                 view().Widget(Control::BarreEnchere)->isVisible(),
                             5000);
    if (view().Widget(Control::BarreEnchere)->isVisible()) {
      QTest::mouseClick(view().Widget(Control::evMaMain), Qt::LeftButton);
    }
    QTRY_COMPARE_WITH_TIMEOUT(game().flow.state.DealPhase, Phase::AuctionOver, 5000);
    QCOMPARE(game().flow.BidsMade, 4);
    QCOMPARE(Text(Control::info),
             QStringLiteral("Cliquez n'importe où pour continuer à jouer... !"));
  }

  // A click on the free background at the right of the table.
  void ClickTable() {
    QWidget* surface = game_window()->surface();
    const QPoint free(surface->width() - 5,
                      static_cast<int>(300 * game().table.layout.WindowScale));
    QCOMPARE(surface->childAt(free), nullptr);
    QTest::mouseClick(surface, Qt::LeftButton, {}, free);
  }

  void NewDealByMenu() { view().Action(Control::menuNewGame)->trigger(); }

  void WaitForTheFirstTurn() {
    QCOMPARE(game().flow.state.TrickNumber, 1);
    QVERIFY(view().Widget(Control::TableRonde)->isVisible());
    QVERIFY(view().Widget(Control::CadrePreneur, game().flow.state.Taker)->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!view().TimerActive(TimerId::TimerEntreCarte), 5000);
    if (game().flow.state.CurrentSeat == kSouth) {
      QCOMPARE(Text(Control::info), QStringLiteral("A vous de jouer !"));
      // With ten trumps the poignee question comes before his first card.
      QVERIFY(game().flow.state.DealPhase == Phase::SouthPlays ||
              game().flow.state.DealPhase == Phase::Poignee);
    } else {
      QCOMPARE(game().flow.state.DealPhase, Phase::Playing);
    }
  }

  QString Text(Control control, int index = 0) {
    return static_cast<QLabel*>(view().Widget(control, index))->text();
  }
  TfrmZarvane* game_window() { return opened_->game_window(); }
  QtTableView& view() { return game_window()->view(); }
  Game& game() { return game_window()->game(); }

  std::unique_ptr<testing::OpenedGame> opened_;
};

}  // namespace zarvane

QTEST_MAIN(zarvane::DealPathTest)
#include "deal_path_test.moc"
#include "table/game.h"
