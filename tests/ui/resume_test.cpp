#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "flow/deal_saving.h"
#include "flow/interrupted_deal.h"
#include "tests/ui/clicks.h"
#include "ui/windows.h"

namespace zarvane {

// The program stopped in the middle of a deal, as by a kill: started again in the same folder,
// it offers the deal, puts it back on the table, and the deal is finished by clicks.
class ResumeTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(folder_.isValid());
    previous_folder_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
  }
  void cleanup() {
    windows_.reset();
    QDir::setCurrent(previous_folder_);
  }

  void aDealInterruptedByAKillIsResumedAndFinishedByClicks() {
    Start();
    view().Action(Control::menuInstantane)->trigger();
    view().Action(Control::menuClickObligatoire)->trigger();
    QVERIFY(clicks().Click(Control::PanelLancement));
    for (int moves = 0; moves < 5000 && game().flow.state.TrickNumber < 7; ++moves) {
      if (!Move())
        QTest::qWait(1);
    }
    QCOMPARE(game().flow.state.TrickNumber, 7);
    const auto hands = game().flow.state.InitialHands;
    const auto played = game().flow.state.PlayedSlot;
    const auto phase = game().flow.state.DealPhase;
    const QString message = clicks().view().Widget(Control::info)->property("text").toString();
    QVERIFY(QFile::exists(QString::fromLatin1(kResumeFileName.data(), kResumeFileName.size())));
    windows_.reset();  // the process ends without a word

    Start();
    QCOMPARE(asked_, 1);
    QCOMPARE(game().flow.state.TrickNumber, 7);
    QCOMPARE(game().flow.state.DealPhase, phase);
    QVERIFY(game().flow.state.InitialHands == hands);
    QVERIFY(game().flow.state.PlayedSlot == played);
    QCOMPARE(view().Widget(Control::info)->property("text").toString(), message);
    for (int moves = 0; moves < 5000 && !clicks().Visible(Control::PanelResultat); ++moves) {
      if (!Move())
        QTest::qWait(1);
    }
    QVERIFY(clicks().Visible(Control::PanelResultat));
    QVERIFY(!QFile::exists(QString::fromLatin1(kResumeFileName.data(), kResumeFileName.size())));
    const auto& scores = game().flow.state.options.Scores;
    QCOMPARE(scores[1] + scores[2] + scores[3] + scores[4], 0);
    QVERIFY(scores[game().flow.state.Taker] != 0);
  }

 private:
  // The program's windows created as at start, French chosen, the resume question answered Yes.
  void Start() {
    windows_ = CreateWindows(LayoutForPrimaryScreen(),
                             QCoreApplication::applicationDirPath().toStdString());
    windows_->frmSplash->show();
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ++asked_;
        box->button(QMessageBox::Yes)->click();
      }
    });
    answer.start(10);
    QTest::mouseClick(windows_->frmSplash->PanelStartFrench(), Qt::LeftButton);
  }

  // One move of a player who bids the advice, makes the first discard allowed, shows no
  // poignee and plays the first card he may; false while the computer seats play.
  bool Move() {
    testing::Clicks player = clicks();
    if (player.Visible(Control::BarreEnchere)) {
      player.Click(Control::evMaMain);
      if (player.Visible(Control::BarreEnchere))
        player.Click(Control::ButtonPasse);
      return true;
    }
    if (game().flow.state.DealPhase == Phase::Discard)
      return player.MakeTheDiscard();
    if (player.Visible(Control::PanelPoignee))
      return player.Click(Control::PanelPoigneeAucune);
    if (game().flow.state.DealPhase == Phase::SouthPlays &&
        !view().TimerActive(TimerId::TimerEntreCarte))
      return player.PlayALegalCard();
    if (WaitsForClick(game().flow.state.DealPhase) ||
        game().flow.state.DealPhase == Phase::DogShown) {
      player.ClickTable();
      return true;
    }
    return false;
  }

  testing::Clicks clicks() { return testing::Clicks(windows_->frmZarvane.get()); }
  QtTableView& view() { return windows_->frmZarvane->view(); }
  Game& game() { return windows_->frmZarvane->game(); }

  QTemporaryDir folder_;
  QString previous_folder_;
  std::unique_ptr<Windows> windows_;
  int asked_ = 0;
};

}  // namespace zarvane

QTEST_MAIN(zarvane::ResumeTest)
#include "resume_test.moc"
