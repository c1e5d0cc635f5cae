#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDeadlineTimer>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <chrono>
#include <memory>
#include <random>
#include <vector>

#include "core/consistency.h"
#include "table/controls.h"
#include "tests/ui/opened_game.h"

namespace zarvane {

namespace {

constexpr int kInputs = 2500;

const Qt::Key kKeys[] = {Qt::Key_F1, Qt::Key_F2,  Qt::Key_F3,     Qt::Key_F4,     Qt::Key_F5,
                         Qt::Key_F6, Qt::Key_F7,  Qt::Key_F8,     Qt::Key_F9,     Qt::Key_F12,
                         Qt::Key_A,  Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space};

}  // namespace

// The real game window under a few thousand random clicks, keys and menu choices, with its
// timers running; every box that opens is answered at random by a watcher, as a player would.
class RandomInputTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    opened_ = std::make_unique<testing::OpenedGame>();
    QVERIFY(opened_->Ready());
    opened_->ChooseFrench();
    game_window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(game_window()));
    view().Action(Control::menuInstantane)->trigger();
    view().Action(Control::menuUneSeconde)->trigger();
    watcher_.setInterval(3);
    connect(&watcher_, &QTimer::timeout, this, [this] { AnswerTheBoxOpen(); });
    watcher_.start();
  }

  void cleanup() {
    watcher_.stop();
    opened_.reset();
  }

  void randomClicksKeysAndMenusNeitherCrashNorFreezeNorLoseTheGame() {
    std::mt19937 random(4242);
    for (int n = 0; n < kInputs; ++n) {
      SendOneInput(random);
      if (random() % 4 == 0)
        QTest::qWait(static_cast<int>(random() % 4));
      QCoreApplication::processEvents();
    }
    watcher_.stop();
    // Whatever box the last input opened has been answered by now.
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() == nullptr, 2000);
    QVERIFY2(answered_ > 0, "no box was ever opened");
    if (game().flow.state.SavedDeck[1] != 0) {
      const std::vector<std::string> faults = StateFaults(game().flow.state);
      QVERIFY2(faults.empty(), faults.empty() ? "" : faults.front().c_str());
    }
    std::int64_t sum = 0;
    for (std::int32_t total : game().flow.state.options.Scores)
      sum += total;
    QCOMPARE(sum, std::int64_t{0});
    qInfo("%d inputs, %d boxes answered, the deal at trick %d", kInputs, answered_,
          game().flow.state.TrickNumber);
    PlayOnToTheResult();
  }

 private:
  void SendOneInput(std::mt19937& random) {
    switch (random() % 10) {
      case 0:
        QTest::keyClick(game_window(), kKeys[random() % std::size(kKeys)]);
        return;
      case 1:
        TriggerAnEntry(random);
        return;
      case 2:
        ClickAt(game_window()->surface(), random);
        return;
      default:
        ClickAWidget(random);
    }
  }

  // Any shown, enabled control of the program's windows, at a random point inside it.
  void ClickAWidget(std::mt19937& random) {
    std::vector<QWidget*> shown;
    for (Control control : kAllControls) {
      for (int index = 0; index <= 24; ++index) {
        QWidget* widget =
            view().IsRegistered(control, index) ? view().Widget(control, index) : nullptr;
        if (widget != nullptr && widget->isVisible() && widget->isEnabled()) {
          shown.push_back(widget);
        }
      }
    }
    if (!shown.empty())
      ClickAt(shown[random() % shown.size()], random);
  }

  void ClickAt(QWidget* widget, std::mt19937& random) {
    const QPoint at(
        static_cast<int>(random() % static_cast<unsigned>(std::max(1, widget->width()))),
        static_cast<int>(random() % static_cast<unsigned>(std::max(1, widget->height()))));
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
  }

  // A menu entry chosen as from the open menu; the quit entry is left to its key, F9.
  void TriggerAnEntry(std::mt19937& random) {
    std::vector<QAction*> entries;
    for (Control control : kAllControls) {
      if (control == Control::menuQuit || !view().IsRegistered(control) ||
          view().Action(control) == nullptr) {
        continue;
      }
      QAction* entry = view().Action(control);
      if (entry->isEnabled() && entry->menu() == nullptr)
        entries.push_back(entry);
    }
    // A menu cannot be opened while the poignee window keeps the game window disabled.
    if (!entries.empty() && game_window()->isEnabled())
      entries[random() % entries.size()]->trigger();
  }

  // A message box gets one of its buttons, the colour chooser a choice or a cancel.
  void AnswerTheBoxOpen() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr)
      return;
    ++answered_;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      const QList<QAbstractButton*> buttons = box->buttons();
      if (!buttons.isEmpty())
        buttons[answers_() % buttons.size()]->click();
      return;
    }
    if (auto* chooser = qobject_cast<QColorDialog*>(modal)) {
      chooser->setCurrentColor(QColor::fromRgb(answers_() & 0xFFFFFF));
      answers_() % 2 == 0 ? chooser->accept() : chooser->reject();
      return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
  }

  // The game is not frozen: played on with the forward moves only, the deal reaches its result.
  // A replayed deal ends with a box saying its score does not count: boxes are still answered.
  void PlayOnToTheResult() {
    watcher_.start();
    view().Action(Control::menuInstantane)->trigger();
    view().Action(Control::menuUneSeconde)->trigger();
    QWidget* result = view().Widget(Control::PanelResultat);
    // A deadline rather than a count of steps: an Expert deal on a busy machine thinks for
    // seconds, a frozen game for ever.
    const QDeadlineTimer deadline(std::chrono::seconds(90));
    while (!result->isVisible() && !deadline.hasExpired()) {
      QVERIFY(QApplication::activeModalWidget() == nullptr);
      StepForward();
      QTest::qWait(2);
    }
    QVERIFY2(result->isVisible(), "the deal never reached its result");
  }

  void StepForward() {
    auto shown = [this](Control control, int index = 0) {
      return view().Widget(control, index)->isVisible();
    };
    auto click = [this](Control control, int index = 0) {
      QTest::mouseClick(view().Widget(control, index), Qt::LeftButton);
    };
    if (shown(Control::frmPoignee)) {
      click(Control::PanelAnnulerPoignee);
    } else if (shown(Control::PanelLancement)) {
      click(Control::PanelLancement);
    } else if (shown(Control::BarreEnchere)) {
      click(Control::ButtonPasse);
    } else if (shown(Control::PanelPoignee)) {
      click(Control::PanelPoigneeAucune);
    } else if (shown(Control::PanelConfirmeEcart)) {
      click(Control::PanelConfirmeEcart);
    } else if (game().flow.state.DealPhase == Phase::Discard) {
      ClickTheFirstCardWith(Qt::PointingHandCursor, 24);
    } else if (WaitsForClick(game().flow.state.DealPhase) ||
               game().flow.state.DealPhase == Phase::DogShown) {
      QWidget* surface = game_window()->surface();
      QTest::mouseClick(surface, Qt::LeftButton, {},
                        QPoint(surface->width() - 5, 5 * surface->height() / 6));
    } else if (game().flow.state.DealPhase == Phase::SouthPlays &&
               game().flow.state.CurrentSeat == kSouth) {
      ClickTheFirstCardWith(Qt::PointingHandCursor, 18);
    }
  }

  void ClickTheFirstCardWith(Qt::CursorShape shape, int last) {
    for (int k = 1; k <= last; ++k) {
      QWidget* card = view().Widget(Control::Carte3D, k);
      if (card->isVisible() && card->cursor().shape() == shape &&
          (game().flow.state.DealPhase == Phase::Discard
               ? game().flow.DiscardSelected[game().flow.DiscardImageMap[k]] == 0
               : game().flow.state.Playable[kSouth][k] == 1)) {
        QTest::mouseClick(card, Qt::LeftButton);
        return;
      }
    }
  }

  TfrmZarvane* game_window() { return opened_->game_window(); }
  QtTableView& view() { return game_window()->view(); }
  Game& game() { return game_window()->game(); }

  std::unique_ptr<testing::OpenedGame> opened_;
  QTimer watcher_;
  std::mt19937 answers_{77};
  int answered_ = 0;
};

}  // namespace zarvane

QTEST_MAIN(zarvane::RandomInputTest)
#include "random_input_test.moc"
#include "table/game.h"
