#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <map>
#include <memory>

#include "table/controls.h"
#include "tests/ui/opened_game.h"
#include "ui/card_faces.h"
#include "ui/widgets.h"
#include "ui/windows.h"

namespace zarvane {
namespace {

// The families of the game window and how many members each has.
const std::map<Control, int> kFamilies = {
    {Control::Carte3D, 24},     {Control::CarteChien, 6},  {Control::CarteTable, 4},
    {Control::CadrePreneur, 4}, {Control::PanelDec, 4},    {Control::panelScoreTotal, 4},
    {Control::PanelRegle, 4},   {Control::HonourCell, 16}, {Control::CountLabel, 4}};

// The controls of the game window come first in the list, up to the opening window's.
template <typename Visit>
void ForEachGameWindowControl(Visit visit) {
  for (Control control : kAllControls) {
    if (control == Control::frmSplash)
      break;
    const auto family = kFamilies.find(control);
    if (family == kFamilies.end()) {
      visit(control, 0);
      continue;
    }
    for (int index = 1; index <= family->second; ++index)
      visit(control, index);
  }
}

int Round(double value) {
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace

// The game window as the program opens it, on the screen the offscreen platform was given.
class GameWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    opened_ = std::make_unique<testing::OpenedGame>();
    QVERIFY(opened_->Ready());
    screen_ = QGuiApplication::primaryScreen()->geometry();
    scale_ = std::min(screen_.width() / 800.0, screen_.height() / 600.0);
    QVERIFY(QTest::qWaitForWindowExposed(opened_->splash()));
  }

  void cleanupTestCase() { opened_.reset(); }

  // Every card image has the card size of this screen (115 x 192 on a 1024 x 768 one), and
  // the taker's frame is ten scaled pixels larger each way.
  void cardImagesTakeTheScreenScale() {
    const QSize card(Round(90 * scale_), Round(150 * scale_));
    if (screen_.size() == QSize(1024, 768))
      QCOMPARE(card, QSize(115, 192));
    for (const auto& [family, count] :
         {std::pair{Control::Carte3D, 24}, std::pair{Control::CarteChien, 6},
          std::pair{Control::CarteTable, 4}}) {
      for (int index = 1; index <= count; ++index)
        QCOMPARE(view().Widget(family, index)->size(), card);
    }
    const QSize frame = card + QSize(Round(10 * scale_), Round(10 * scale_));
    for (int seat = 1; seat <= 4; ++seat)
      QCOMPARE(view().Widget(Control::CadrePreneur, seat)->size(), frame);
  }

  // The suit symbols head the deductions panel from its top; their columns stand clear above
  // the title and the trump line. The panel reads its type size 12 as points, as the bid
  // bubbles read theirs: 16 design pixels, 20 on a 1024 x 768 screen.
  void deductionsPanelCellsAndCounts() {
    const int title_top = view().Widget(Control::PanelInfoDeductions)->y();
    for (Control image :
         {Control::ImagePique, Control::ImageCoeur, Control::ImageTrefle, Control::ImageCarreau}) {
      QVERIFY(view().Widget(image)->y() <= Round(3 * game().table.layout.WindowScale));
    }
    for (int suit = 1; suit <= 4; ++suit)
      QVERIFY(view().Widget(Control::CountLabel, suit)->geometry().bottom() < title_top);
    QVERIFY(view().Widget(Control::PanelAtoutMax)->y() > title_top);

    const int twelve_points = Round(16 * game().table.layout.WindowScale);
    if (screen_.size() == QSize(1024, 768))
      QCOMPARE(twelve_points, 20);
    for (int suit = 1; suit <= 4; ++suit) {
      QCOMPARE(view().Widget(Control::CountLabel, suit)->font().pixelSize(), twelve_points);
      for (int c = 1; c <= 4; ++c)
        QCOMPARE(view().Widget(Control::HonourCell, (suit - 1) * 4 + c)->font().pixelSize(),
                 twelve_points);
    }
  }

  // The presenter can reach every control of the game window, families in full and no more, each
  // under its component name; the other windows are reachable too.
  void everyGameWindowControlIsRegistered() {
    ForEachGameWindowControl([this](Control control, int index) {
      const QString name = ControlObjectName(control, index);
      QVERIFY2(view().IsRegistered(control, index), qPrintable(name));
      QObject* object = view().Action(control, index)
                            ? static_cast<QObject*>(view().Action(control, index))
                            : view().Widget(control, index);
      QCOMPARE(object->objectName(), name);
      if (QWidget* widget = view().Widget(control, index))
        QCOMPARE(widget->window(), static_cast<QWidget*>(game_window()));
    });
    for (const auto& [family, count] : kFamilies) {
      QVERIFY(!view().IsRegistered(family, 0));
      QVERIFY(!view().IsRegistered(family, count + 1));
    }
    QCOMPARE(view().Widget(Control::Carte3D, 7)->objectName(), QStringLiteral("Carte3D7"));
    for (Control window : {Control::frmSplash, Control::frmPliPrecedent, Control::frmMains,
                           Control::frmPoignee, Control::frmScoreDetaille, Control::frmTousPlis}) {
      QVERIFY(view().Widget(window)->isWindow());
    }
  }

  // "Version française" hides the opening window, opens the game window maximised and gives
  // it its French captions.
  void frenchChoiceOpensTheGameWindow() {
    QVERIFY(!game_window()->isVisible());
    opened_->ChooseFrench();
    QVERIFY(!opened_->splash()->isVisible());
    QVERIFY(game_window()->isVisible());
    QVERIFY(game_window()->windowState() & Qt::WindowMaximized);
    QCOMPARE(game().flow.Language, 1);
    QCOMPARE(Button(Control::PanelLancement)->text(),
             QStringLiteral("Cliquez ici pour commencer à jouer !"));
    QCOMPARE(Button(Control::ButtonPasse)->text(), QStringLiteral("PASSE"));
    QVERIFY(Button(Control::PanelLancement)->isVisible());
    QVERIFY(!view().Widget(Control::TableRonde)->isVisible());
    game_window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(game_window()));
    // The scaled design stands in the middle of the window, which fills the frameless screen.
    const QWidget* surface = game_window()->surface();
    const int right_margin = surface->parentWidget()->width() - surface->geometry().right() - 1;
    QVERIFY(std::abs(surface->x() - right_margin) <= 1);
    QCOMPARE(surface->x(), game().table.layout.SurfaceLeft);
  }

  // Before the first deal there is nothing to replay and no previous trick: F3 and F12 and
  // their buttons are disabled and do nothing.
  void replayAndPreviousTrickWaitForADeal() {
    QVERIFY(!view().Action(Control::menuGameAgain)->isEnabled());
    QVERIFY(!view().Action(Control::menuPreviousTrick)->isEnabled());
    QVERIFY(!view().Widget(Control::SBGameAgain)->isEnabled());
    QVERIFY(!view().Widget(Control::SBVoirPliPrecedent)->isEnabled());
    QTest::keyClick(game_window(), Qt::Key_F3);
    QTest::keyClick(game_window(), Qt::Key_F12);
    QVERIFY(!view().Widget(Control::Carte3D, 1)->isVisible());
    QVERIFY(Button(Control::PanelLancement)->isVisible());
  }

  // F2 deals: South's 18 cards appear along the bottom, faces drawn, one card step apart from
  // the left margin and at most two scaled pixels below the hand line, each with the no-drop
  // pointer; replay becomes possible.
  void f2DealsSouthsHand() {
    // South gets a hand worth exactly a GARDE, so that someone always takes.
    view().Action(Control::menuForceGarde)->trigger();
    QCOMPARE(game().flow.state.options.ForceOption, 4);
    QTest::keyClick(game_window(), Qt::Key_F2);
    const Layout& layout = game().table.layout;
    QCOMPARE(layout.HandLeft, Round(20 * scale_));
    QCOMPARE(layout.CardStep, Round(40 * scale_));
    for (int slot = 1; slot <= 18; ++slot) {
      auto* card = static_cast<CardImage*>(view().Widget(Control::Carte3D, slot));
      QVERIFY2(card->isVisible(), qPrintable(card->objectName()));
      QVERIFY(!card->Face().isNull());
      QCOMPARE(card->x(), layout.HandLeft + (slot - 1) * layout.CardStep);
      QVERIFY(card->y() >= layout.HandTop);
      QVERIFY(card->y() <= layout.HandTop + Round(2 * layout.YScale));
      // Not playable yet: the arrow with the small barred circle, not the no-entry sign.
      QCOMPARE(card->cursor().shape(), Qt::BitmapCursor);
      QVERIFY(!card->cursor().pixmap().isNull());
    }
    for (int k = 19; k <= 24; ++k)
      QVERIFY(!view().Widget(Control::Carte3D, k)->isVisible());
    QVERIFY(!Button(Control::PanelLancement)->isVisible());
    QVERIFY(view().Action(Control::menuGameAgain)->isEnabled());
  }

  // Every control of the game window, the 18th card and the result panel included, lies on
  // the screen, wherever the window puts the scaled design.
  void wholeDesignFitsOnScreen() {
    ForEachGameWindowControl([this](Control control, int index) {
      QWidget* widget = view().Widget(control, index);
      if (!widget || widget->isWindow())
        return;
      const QRect on_screen(widget->mapToGlobal(QPoint(0, 0)), widget->size());
      QVERIFY2(screen_.contains(on_screen),
               qPrintable(ControlObjectName(control, index) + QStringLiteral(" at ") +
                          QString::number(on_screen.x()) + QLatin1Char(',') +
                          QString::number(on_screen.y()) + QLatin1Char(' ') +
                          QString::number(on_screen.width()) + QLatin1Char('x') +
                          QString::number(on_screen.height())));
    });
  }

  // South's turn gives the advice button the focus and the keypad Enter presses it. The auction
  // over, F5 shows each seat's total over its bid bubble, in front of the player, and F5 again
  // gives the four bids back.
  void totalsStandOverTheBidBubbles() {
    QTRY_VERIFY_WITH_TIMEOUT(view().Widget(Control::BarreEnchere)->isVisible(), 5000);
    QCOMPARE(QApplication::focusWidget(), Button(Control::evMaMain));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_COMPARE_WITH_TIMEOUT(game().flow.state.DealPhase, Phase::AuctionOver, 5000);
    QWidget* surface = game_window()->surface();
    for (const bool totals : {true, false}) {
      QTest::keyClick(game_window(), Qt::Key_F5);
      for (int seat = 1; seat <= 4; ++seat) {
        QWidget* bubble = view().Widget(Control::PanelDec, seat);
        QWidget* total = view().Widget(Control::panelScoreTotal, seat);
        QVERIFY(bubble->isVisible());
        QCOMPARE(total->isVisible(), totals);
        QCOMPARE(surface->childAt(total->geometry().center()), totals ? total : bubble);
      }
    }
  }

  // The auction over, a click on a control of the bar leaves the deal waiting; a click on one of
  // South's greyed cards goes through to the table and names the taker, and a click on the free
  // table moves the deal on again.
  void backgroundClickContinuesTheDeal() {
    QCOMPARE(game().flow.state.DealPhase, Phase::AuctionOver);
    QCOMPARE(game().flow.state.TrickNumber, 0);
    QCOMPARE(game().flow.BidsMade, 4);

    QTest::mouseClick(view().Widget(Control::info), Qt::LeftButton);
    QCOMPARE(game().flow.state.TrickNumber, 0);
    QCOMPARE(game().flow.BidsMade, 4);

    QWidget* greyed = view().Widget(Control::Carte3D, 1);
    QVERIFY(!greyed->isEnabled());
    QTest::mouseClick(greyed, Qt::LeftButton);
    QCOMPARE(game().flow.state.TrickNumber, 1);
    QVERIFY(game().flow.state.Taker >= 1);
    QVERIFY(game().flow.state.DealPhase == Phase::DogShown ||
            game().flow.state.DealPhase == Phase::PlayReady);

    QWidget* surface = game_window()->surface();
    const QPoint free_table(surface->width() - 5, Round(300 * game().table.layout.WindowScale));
    QCOMPARE(surface->childAt(free_table), nullptr);
    QTest::mouseClick(surface, Qt::LeftButton, {}, free_table);
    QVERIFY(game().flow.state.DealPhase == Phase::Discard ||
            game().flow.state.DealPhase == Phase::Playing);
  }

  // Once the taker is known the level cannot change: the refusal is told in a box, and the
  // entry Qt ticked on the click goes back to the level in force.
  void refusedLevelKeepsItsTick() {
    const int level = game().flow.state.options.Level;
    const Control entries[4] = {Control::menuDebutant, Control::menuAmateur, Control::menuBon,
                                Control::menuPro};
    const Control other = entries[level == 1 ? 1 : 0];
    QString told;
    QTimer::singleShot(50, [&told] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        told = box->text();
        box->accept();
      }
    });
    view().Action(other)->trigger();
    QCOMPARE(told, QStringLiteral("Vous ne pouvez pas changer de niveau en pleine partie !"));
    QCOMPARE(game().flow.state.options.Level, level);
    QVERIFY(!view().Action(other)->isChecked());
    QVERIFY(view().Action(entries[level - 1])->isChecked());
  }

  // Menu ticks and the bar's toggle buttons always show the options the game holds, however
  // Qt would have flipped them on its own; each change reaches the options file here.
  void ticksFollowTheOptions() {
    view().Action(Control::menuRapide)->trigger();
    QCOMPARE(game().flow.state.options.CardSpeed, 4);
    QVERIFY(view().Action(Control::menuRapide)->isChecked());
    QVERIFY(!view().Action(Control::menuNormal)->isChecked());

    auto* delta = static_cast<QToolButton*>(view().Widget(Control::SBVoirDeductions));
    for (int press = 0; press < 2; ++press) {
      QTest::mouseClick(delta, Qt::LeftButton);
      const bool shown = game().flow.state.options.ShowDeductions == 1;
      QCOMPARE(delta->isChecked(), shown);
      QCOMPARE(view().Action(Control::menuDeductions)->isChecked(), shown);
      QCOMPARE(view().Widget(Control::PanelDeductions)->isVisible(), shown);
    }

    QAction* advice = view().Action(Control::menuConseilEnch);
    for (int press = 0; press < 2; ++press) {
      advice->trigger();
      QCOMPARE(advice->isChecked(), game().flow.state.options.BidAdvice == 1);
    }
    QVERIFY(QFileInfo::exists(opened_->FilePath(QStringLiteral("options98"))));
  }

 private:
  TfrmZarvane* game_window() { return opened_->game_window(); }
  QtTableView& view() { return game_window()->view(); }
  Game& game() { return game_window()->game(); }
  QPushButton* Button(Control control) { return static_cast<QPushButton*>(view().Widget(control)); }

  QRect screen_;
  double scale_ = 1.0;
  std::unique_ptr<testing::OpenedGame> opened_;
};

}  // namespace zarvane

QTEST_MAIN(zarvane::GameWindowTest)
#include "table/game.h"
#include "window_test.moc"
