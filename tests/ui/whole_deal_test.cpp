#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "core/deal_code.h"
#include "settings/options_file.h"
#include "table/controls.h"
#include "tests/ui/clicks.h"
#include "tests/ui/opened_game.h"
#include "ui/card_faces.h"
#include "ui/widgets.h"

namespace zarvane {

// A whole deal played in English by clicks only, as a player would: the bids, the discard,
// a poignee, the cards, the clicks to go on; then every review window and the score sheet
// against what the table showed, and the totals against the options file written on quitting.
// With ZARVANE_SHOTS_DIR set (on a real screen), it saves what the screen shows at each step.
class WholeDealTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    opened_ = std::make_unique<testing::OpenedGame>();
    QVERIFY(opened_->Ready());
    Shoot("01-opening");
    QTest::mouseClick(opened_->splash()->PanelStartEnglish(), Qt::LeftButton);
    QVERIFY(window()->isVisible());
    view().Action(Control::menuInstantane)->trigger();
    view().Action(Control::menuClickObligatoire)->trigger();
    // A GARDE hand for South, so that he often takes and sometimes holds ten trumps.
    view().Action(Control::menuForceGarde)->trigger();
  }

  void cleanup() { opened_.reset(); }

  void aWholeDealByClicksAndItsReview() {
    QTest::mouseClick(view().Widget(Control::PanelLancement), Qt::LeftButton);
    bool offered = false;
    for (int deal = 0; deal < 300 && !offered; ++deal) {
      offered = PlayTheOpening();
      if (!offered)
        view().Action(Control::menuNewGame)->trigger();
    }
    QVERIFY2(offered, "no deal offered South a poignee");
    DeclareThePoignee();

    for (int moves = 0; moves < 20000 && !Visible(Control::PanelResultat); ++moves) {
      if (!Move())
        QTest::qWait(1);
    }
    QVERIFY(Visible(Control::PanelResultat));
    Shoot("09-result");
    QCOMPARE(Text(Control::PanelVoirPlis), QStringLiteral("SEE TRICKS"));
    CheckThePreviousTrick(18);
    CheckAllTricks();
    CheckTheHands();
    CheckTheScoreSheetAndTheTotals();
  }

 private:
  // Deals and plays up to South's first card; true when he is offered a poignee.
  bool PlayTheOpening() {
    for (int moves = 0; moves < 2000; ++moves) {
      if (Visible(Control::PanelPoignee))
        return true;
      if (game().flow.state.TrickNumber == 1 && game().flow.state.CurrentSeat == kSouth &&
          game().flow.state.DealPhase == Phase::SouthPlays)
        return false;
      if (!Move())
        QTest::qWait(1);
    }
    return false;
  }

  // The highest level offered, the lazy button, OK.
  void DeclareThePoignee() {
    Shoot("05-poignee-question");
    Control level = Control::PanelPoigneeSimple;
    if (Visible(Control::PanelPoigneeTriple))
      level = Control::PanelPoigneeTriple;
    else if (Visible(Control::PanelPoigneeDouble))
      level = Control::PanelPoigneeDouble;
    Click(level);
    QWidget* poignee = view().Widget(Control::frmPoignee);
    QVERIFY(poignee->isVisible());
    QVERIFY(!window()->isEnabled());
    QCOMPARE(poignee->windowTitle(), QStringLiteral("Choose cards to create your Poignée !"));
    QVERIFY(!Visible(Control::PanelOkPoignee));
    // Escape and the frame leave it open.
    QTest::keyClick(poignee, Qt::Key_Escape);
    poignee->close();
    QVERIFY(poignee->isVisible());
    Click(Control::PanelBoutonParesseux);
    QVERIFY(Visible(Control::PanelOkPoignee));
    Shoot("06-poignee-window");
    Click(Control::PanelOkPoignee);
    QVERIFY(!poignee->isVisible());
    QVERIFY(window()->isEnabled());
    declared_ = game().flow.state.PoigneeLevel;
    QVERIFY(declared_ > 0);
  }

  // One move of the player, if one is due: false while the computer seats or the timers play.
  bool Move() {
    if (Visible(Control::BarreEnchere)) {
      if (!shot_bids_) {
        shot_bids_ = true;
        Shoot("02-bidding");
      }
      Click(Control::evMaMain);
      if (Visible(Control::BarreEnchere))
        Click(Control::ButtonPasse);
      return true;
    }
    if (game().flow.state.DealPhase == Phase::Discard) {
      MakeTheDiscard();
      return true;
    }
    if (Visible(Control::PanelPoignee)) {
      Click(Control::PanelPoigneeAucune);
      return true;
    }
    if (game().flow.state.CurrentSeat == kSouth &&
        game().flow.state.DealPhase == Phase::SouthPlays && game().flow.state.CardsInTrick < 4 &&
        game().flow.state.DealPhase != Phase::TrickShown &&
        !view().TimerActive(TimerId::TimerEntreCarte)) {
      PlayALegalCard();
      return true;
    }
    if (WaitsForClick(game().flow.state.DealPhase) ||
        game().flow.state.DealPhase == Phase::DogShown) {
      if (game().flow.state.DealPhase == Phase::DogShown && !shot_dog_) {
        shot_dog_ = true;
        Shoot("03-dog");
      }
      if (game().flow.state.DealPhase == Phase::TrickShown && game().flow.state.TrickNumber == 2 &&
          !checked_first_trick_) {
        checked_first_trick_ = true;
        CheckThePreviousTrick(1);
      }
      ClickTable();
      return true;
    }
    return false;
  }

  void MakeTheDiscard() {
    QCOMPARE(clicks().ClickPointedCards(24, 6), 6);
    Shoot("04-discard");
    Click(Control::PanelConfirmeEcart);
  }

  void PlayALegalCard() {
    for (int k = 1; k <= 18; ++k) {
      QWidget* image = view().Widget(Control::Carte3D, k);
      if (image->isVisible() && image->cursor().shape() == Qt::PointingHandCursor) {
        const int before = game().flow.state.CardsInTrick + 4 * game().flow.state.TrickNumber;
        QTest::mouseClick(image, Qt::LeftButton);
        QVERIFY(game().flow.state.CardsInTrick + 4 * game().flow.state.TrickNumber > before);
        if (game().flow.state.TrickNumber == 3 && !shot_play_) {
          shot_play_ = true;
          Shoot("07-play");
        }
        return;
      }
    }
    QFAIL("South had no playable card");
  }

  // The previous trick shows the four cards still on the table when a trick is over.
  void CheckThePreviousTrick(int trick) {
    QCOMPARE(game().flow.state.TrickNumber, trick + 1);
    Click(Control::SBVoirPliPrecedent);
    QVERIFY(view().Widget(Control::frmPliPrecedent)->isVisible());
    for (int seat = 1; seat <= 4; ++seat) {
      QCOMPARE(Image(Control::cardPreviousTrick, seat)->Face().isNull(), false);
      QCOMPARE(Image(Control::cardPreviousTrick, seat)->Face().cacheKey(),
               Image(Control::CarteTable, seat)->Face().cacheKey());
    }
    if (trick == 1)
      Shoot("08-previous-trick");
    Click(Control::ButtonOkPreviousTrick);
    QVERIFY(!view().Widget(Control::frmPliPrecedent)->isVisible());
  }

  // Each small image shows the corner of the face the trick's seat played.
  void CheckAllTricks() {
    Click(Control::PanelVoirPlis);
    QVERIFY(view().Widget(Control::frmTousPlis)->isVisible());
    for (int trick = 1; trick <= 18; ++trick) {
      for (int seat = 1; seat <= 4; ++seat) {
        const Card played =
            game().flow.state.Hands[seat][game().flow.state.PlayedSlot[seat][trick]];
        QVERIFY(ShowsCorner(Image(Control::CartePli, 4 * (trick - 1) + seat), played));
      }
      auto* frame = static_cast<Shape*>(view().Widget(Control::CadrePli, trick));
      QVERIFY(frame->isVisible());
      const bool taker_led = game().flow.state.TrickLeaders[trick] == game().flow.state.Taker;
      QCOMPARE(frame->Colour(), taker_led ? QColor(0, 255, 0) : QColor(0, 0, 255));
    }
    for (int step = 1; step <= 6; ++step)
      Click(Control::PanelPasApas);
    int shown = 0;
    for (int image = 1; image <= 72; ++image)
      shown += view().Widget(Control::CartePli, image)->isVisible() ? 1 : 0;
    QCOMPARE(shown, 6);
    QVERIFY(view().Widget(Control::CadrePli, 2)->isVisible());
    QVERIFY(!view().Widget(Control::CadrePli, 3)->isVisible());
    Shoot("10-all-tricks-step-by-step");
    Click(Control::PanelVoirTout);
    Shoot("11-all-tricks");
    Click(Control::PanelPlisOk);
  }

  void CheckTheHands() {
    Click(Control::PanelVoirMains);
    QVERIFY(view().Widget(Control::frmMains)->isVisible());
    for (int seat = 1; seat <= 4; ++seat) {
      for (int slot = 1; slot <= 18; ++slot) {
        QVERIFY(ShowsCorner(Image(Control::CarteMain, 18 * (seat - 1) + slot),
                            game().flow.state.InitialHands[seat][slot]));
      }
    }
    const bool discard_shown = game().flow.state.HighestBid <= kGarde;
    QCOMPARE(view().Widget(Control::PanelChienApresEcart)->isVisible(), discard_shown);
    QCOMPARE(view().Widget(Control::CadreEcart, 1)->isVisible(), discard_shown);
    Shoot("12-hands");
    CheckTheCopyButton();
    Click(Control::PanelMainsOK);
  }

  // The code shown is the deal's in its readable form, and Copy puts it on the clipboard and
  // says so until its timer ticks (started again here at once, so that no wait is needed).
  void CheckTheCopyButton() {
    const QString code = Text(Control::PanelCodeDonne);
    QCOMPARE(code, QString::fromStdString(EncodeDealCode(DealAsDealt(game().flow.state))));
    QGuiApplication::clipboard()->clear();
    Click(Control::PanelCopierCode);
    QCOMPARE(QGuiApplication::clipboard()->text(), code);
    QCOMPARE(Text(Control::PanelCopierCode), QStringLiteral("Copied!"));
    QVERIFY(view().TimerActive(TimerId::TimerCopie));
    Shoot("12b-hands-copied");
    view().StartTimer(TimerId::TimerCopie, 0);
    QTRY_COMPARE(Text(Control::PanelCopierCode), QStringLiteral("Copy"));
    QVERIFY(!view().TimerActive(TimerId::TimerCopie));
  }

  // The sheet ends on the taker's result, the totals on screen are those of the file.
  void CheckTheScoreSheetAndTheTotals() {
    Click(Control::PanelScoreDetaille);
    const QString result = Text(Control::PanelTexteResultat);
    QVERIFY(result.startsWith(QStringLiteral("Result for the Taker : ") +
                              Text(Control::panelScoreFinalPreneur) + QStringLiteral(" points.")));
    QVERIFY(view().Widget(Control::panelScoreApresPoignee)->isVisible());
    QCOMPARE(Text(Control::panelValeurPoignee), QString::number(10 * declared_ + 10));
    Shoot("13-score-sheet");
    Click(Control::panelFeuilleScore);

    QTimer::singleShot(50, [] { AnswerBox(QMessageBox::Yes); });
    QTimer::singleShot(150, [] { AnswerBox(QMessageBox::Ok); });
    view().Action(Control::menuQuit)->trigger();
    Options saved;
    QCOMPARE(ReadOptionsFile(opened_->FilePath(QStringLiteral("options98")).toStdString(), saved),
             ReadStatus::Ok);
    for (int seat = 1; seat <= 4; ++seat)
      QCOMPARE(Text(Control::panelScoreTotal, seat), QString::number(saved.Scores[seat]));
  }

  static void AnswerBox(QMessageBox::StandardButton answer) {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
      box->done(answer);
  }

  // A small image draws the face rendered at the size of a card of the table.
  bool ShowsCorner(CardImage* image, const Card& card) {
    const QSize card_size(game().table.layout.CardWidth, game().table.layout.CardHeight);
    return image->fit() == CardImage::Fit::TopLeft &&
           image->Face().cacheKey() == CardFaces().Face(FaceName(card), card_size).cacheKey();
  }

  // What the screen shows, when a folder for the pictures is given.
  void Shoot(const QString& name) {
    const QString folder = qEnvironmentVariable("ZARVANE_SHOTS_DIR");
    if (folder.isEmpty())
      return;
    QTest::qWait(300);
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(folder).filePath(name + ".png"));
  }

  void Click(Control control, int index = 0) { QVERIFY(clicks().Click(control, index)); }

  // A click on the free background at the right of the table.
  void ClickTable() { clicks().ClickTable(); }

  bool Visible(Control control) { return view().Widget(control)->isVisible(); }
  QString Text(Control control, int index = 0) {
    QWidget* widget = view().Widget(control, index);
    if (auto* label = qobject_cast<QLabel*>(widget))
      return label->text();
    return static_cast<QAbstractButton*>(widget)->text();
  }
  CardImage* Image(Control control, int index) {
    return static_cast<CardImage*>(view().Widget(control, index));
  }
  TfrmZarvane* window() { return opened_->game_window(); }
  testing::Clicks clicks() { return testing::Clicks(window()); }
  QtTableView& view() { return window()->view(); }
  Game& game() { return window()->game(); }

  std::unique_ptr<testing::OpenedGame> opened_;
  int declared_ = 0;
  bool shot_bids_ = false;
  bool shot_dog_ = false;
  bool shot_play_ = false;
  bool checked_first_trick_ = false;
};

}  // namespace zarvane

QTEST_MAIN(zarvane::WholeDealTest)
#include "table/game.h"
#include "whole_deal_test.moc"
