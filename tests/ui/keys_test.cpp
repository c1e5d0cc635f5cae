#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "flow/discard.h"
#include "flow/moves.h"
#include "flow/poignee.h"
#include "settings/card_names.h"
#include "table/controls.h"
#include "tests/ui/opened_game.h"
#include "ui/widgets.h"

namespace zarvane {

// A whole deal played from the keyboard alone, as a player who cannot use the mouse would,
// with what a screen reader would say checked on the way.
class KeysTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    opened_ = std::make_unique<testing::OpenedGame>();
    QVERIFY(opened_->Ready());
    opened_->splash()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(opened_->splash()));
    // The gold frame shows the language Enter chooses, and follows the arrows.
    QCOMPARE(SplashHighlighted(), QStringLiteral("Version française"));
    QTest::keyClick(opened_->splash(), Qt::Key_Right);
    QCOMPARE(SplashHighlighted(), QStringLiteral("English version"));
    QTest::keyClick(opened_->splash(), Qt::Key_Left);
    QCOMPARE(SplashHighlighted(), QStringLiteral("Version française"));
    QTest::keyClick(opened_->splash(), Qt::Key_Return);
    QVERIFY(window()->isVisible());
    window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window()));
    view().Action(Control::menuInstantane)->trigger();
    view().Action(Control::menuClickObligatoire)->trigger();
    view().Action(Control::menuForceGarde)->trigger();
  }

  void cleanup() { opened_.reset(); }

  // South takes with the dog shown, picks six cards and confirms with the arrows, Space and
  // Enter, plays every card he is asked for, goes on after each trick, and the deal is scored.
  void aWholeDealByKeysWithSouthTaking() {
    TakeWithTheDogShown();
    QCOMPARE(Name(Control::info), Text(Control::info));
    Key(Qt::Key_Space);  // the dog goes to South
    QCOMPARE(game().flow.state.DealPhase, Phase::Discard);
    PickSixCards();
    Key(Qt::Key_Return);
    QVERIFY(game().flow.state.DealPhase != Phase::Discard);  // the play begins at once
    for (const Card& card : game().flow.state.Dog)
      QVERIFY(IsDiscardable(card));

    QWidget* result = view().Widget(Control::PanelResultat);
    bool advice_followed = false;
    for (int move = 0; move < 200 && !result->isVisible(); ++move) {
      QTRY_VERIFY_WITH_TIMEOUT(!view().TimerActive(TimerId::TimerEntreCarte), 5000);
      if (result->isVisible())
        break;
      if (view().Widget(Control::PanelPoignee)->isVisible()) {
        Key(Qt::Key_Left);  // the last answer: none
        QCOMPARE(window()->focusWidget(), view().Widget(Control::PanelPoigneeAucune));
        Key(Qt::Key_Return);
      } else if (game().flow.state.DealPhase == Phase::SouthPlays && !advice_followed &&
                 game().flow.CardAdviceOpen == 1) {
        FollowTheAdviceByKeys();
        advice_followed = true;
      } else if (game().flow.state.DealPhase == Phase::SouthPlays) {
        PlayByKeys();
      } else {
        Key(Qt::Key_Space);
      }
    }
    QVERIFY(result->isVisible());
    QCOMPARE(game().flow.state.Taker, kSouth);
    QCOMPARE(game().flow.state.TakerPoints + game().flow.state.DefencePoints, 182);
    int sum = 0;
    for (int seat = 1; seat <= 4; ++seat)
      sum += game().flow.state.options.Scores[seat];
    QCOMPARE(sum, 0);
    QVERIFY(game().flow.state.options.Scores[kSouth] != 0);

    // The result panel's buttons take the arrows too, the analysis last.
    Key(Qt::Key_Right);
    QCOMPARE(window()->focusWidget(), view().Widget(Control::PanelAnalyse));
    Key(Qt::Key_Right);
    QCOMPARE(window()->focusWidget(), view().Widget(Control::panelRejouerDonne));
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    QCOMPARE(window()->focusWidget(), view().Widget(Control::PanelPanelNewPartie));
    // One Enter opens the button the highlight stands on.
    while (window()->focusWidget() != view().Widget(Control::PanelVoirMains))
      Key(Qt::Key_Left);
    Key(Qt::Key_Return);
    QVERIFY(view().Widget(Control::frmMains)->isVisible());
  }

  // The poignee window answers the same keys: it opens on the lazy button, a trump is marked
  // with Space, the arrows go round, and Enter accepts the complete poignee.
  void thePoigneeWindowByKeys() {
    Hand& hand = game().flow.state.Hands[kSouth];
    for (int slot = 1; slot <= 18; ++slot)
      hand[slot] = slot <= 10 ? Card(22 - slot, kAtout, 1) : Card(slot - 10, kPique, 1);
    game().flow.state.DealPhase = Phase::Poignee;
    Apply(game().flow, Move{MoveKind::PoigneeLevel, 1});
    QWidget* poignee = view().Widget(Control::frmPoignee);
    QVERIFY(poignee->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(poignee));

    QCOMPARE(poignee->focusWidget(), view().Widget(Control::PanelBoutonParesseux));
    QTest::keyClick(poignee, Qt::Key_Right);  // OK is hidden: the cancel button
    QTest::keyClick(poignee, Qt::Key_Right);  // round to the first trump
    QCOMPARE(poignee->focusWidget(), view().Widget(Control::CartePoignee, 1));
    QCOMPARE(poignee->focusWidget()->accessibleName(), QStringLiteral("Atout 21"));
    QTest::keyClick(poignee, Qt::Key_Space);
    QCOMPARE(game().flow.PoigneeSelected[1], 1);
    QTest::keyClick(poignee, Qt::Key_Return);  // not complete: Enter marks like Space
    QCOMPARE(game().flow.PoigneeSelected[1], 0);
    QTest::keyClick(poignee, Qt::Key_Left);  // round to the last stop: the cancel button
    QTest::keyClick(poignee, Qt::Key_Left);
    QCOMPARE(poignee->focusWidget(), view().Widget(Control::PanelBoutonParesseux));
    QTest::keyClick(poignee, Qt::Key_Space);
    QCOMPARE(game().flow.PoigneeMarked, 10);
    QTest::keyClick(poignee, Qt::Key_Return);
    QVERIFY(!poignee->isVisible());
    QCOMPARE(game().flow.state.PoigneeLevel, 1);
    QCOMPARE(game().flow.state.DealPhase, Phase::SouthPlays);
  }

 private:
  void Key(Qt::Key key) { QTest::keyClick(window(), key); }

  // F2 deals; the arrows reach the bid buttons, Enter follows the advice; Space goes on.
  void TakeWithTheDogShown() {
    for (int deal = 0; deal < 60; ++deal) {
      Key(Qt::Key_F2);
      QTRY_VERIFY_WITH_TIMEOUT(game().flow.state.DealPhase == Phase::AuctionOver ||
                                   view().Widget(Control::BarreEnchere)->isVisible(),
                               5000);
      if (view().Widget(Control::BarreEnchere)->isVisible()) {
        QCOMPARE(Name(Control::ButtonPasse), QStringLiteral("PASSE"));
        QCOMPARE(window()->focusWidget(), view().Widget(Control::evMaMain));
        Key(Qt::Key_Right);
        QCOMPARE(window()->focusWidget(), view().Widget(Control::ButtonPasse));
        Key(Qt::Key_Left);
        QCOMPARE(window()->focusWidget(), view().Widget(Control::evMaMain));
        Key(Qt::Key_Return);
      }
      QTRY_COMPARE_WITH_TIMEOUT(game().flow.state.DealPhase, Phase::AuctionOver, 5000);
      Key(Qt::Key_Space);
      if (game().flow.state.DealPhase == Phase::DogShown && game().flow.state.Taker == kSouth)
        return;
    }
    QFAIL("South never took with the dog shown");
  }

  // The highlight stops only on the cards that may go; Space lifts the highlighted one.
  void PickSixCards() {
    for (int chosen = 0; chosen < 6; ++chosen) {
      Key(Qt::Key_Right);
      const int k = FocusedCard();
      QVERIFY(k >= 1);
      QVERIFY(!MustKeep(DiscardImageCard(game().flow, k)));
      const int top = view().Widget(Control::Carte3D, k)->y();
      Key(Qt::Key_Space);
      QVERIFY(view().Widget(Control::Carte3D, k)->y() < top);
    }
    QCOMPARE(game().flow.state.DiscardCount, 6);
    QVERIFY(view().Widget(Control::PanelConfirmeEcart)->isVisible());
  }

  // F11 lifts the advised card and brings the highlight onto it: Space plays the advice.
  void FollowTheAdviceByKeys() {
    Key(Qt::Key_F11);
    QVERIFY(game().table.AdvisedSlot.has_value());
    const int slot = *game().table.AdvisedSlot;
    QCOMPARE(FocusedCard(), slot);
    Key(Qt::Key_Space);
    QCOMPARE(game().flow.state.Hands[kSouth][slot].InHand, 0);
  }

  // The highlight, where it stands on a card, stands on one South may play, and frames that
  // card alone: up to the next card that lies over it.
  void ExpectTheHighlightOnAPlayableCard() {
    const int slot = FocusedCard();
    if (slot < 1)
      return;
    QCOMPARE(game().flow.state.Playable[kSouth][slot], 1);
    const KeyHighlight* highlight = nullptr;
    for (QWidget* widget : window()->findChildren<QWidget*>()) {
      if (auto* found = dynamic_cast<KeyHighlight*>(widget); found && found->isVisible())
        highlight = found;
    }
    QVERIFY(highlight != nullptr);
    const QRect frame = highlight->geometry();
    const QRect card = view().Widget(Control::Carte3D, slot)->geometry();
    QVERIFY(frame.contains(card.topLeft()));
    for (int next = slot + 1; next <= 18; ++next) {
      const QWidget* over = view().Widget(Control::Carte3D, next);
      if (over->isVisible()) {
        QVERIFY(frame.right() < over->x() + frame.width() / 4);
        return;
      }
    }
    QVERIFY(frame.contains(card.bottomRight()));
  }

  // Every stop of the highlight is a card South may play, named in French; Enter plays it.
  void PlayByKeys() {
    ExpectTheHighlightOnAPlayableCard();
    int playable = 0;
    for (int slot = 1; slot <= 18; ++slot)
      playable += game().flow.state.Playable[kSouth][slot] == 1 &&
                  game().flow.state.Hands[kSouth][slot].InHand == 1;
    for (int step = 0; step < playable; ++step) {
      Key(Qt::Key_Right);
      const int slot = FocusedCard();
      QVERIFY(slot >= 1 && slot <= 18);
      QCOMPARE(game().flow.state.Playable[kSouth][slot], 1);
      const Card card = game().flow.state.Hands[kSouth][slot];
      QCOMPARE(view().Widget(Control::Carte3D, slot)->accessibleName(),
               QString::fromStdString(CardName(game().flow.Language, card.Value, card.Suit)));
      ExpectTheHighlightOnAPlayableCard();
    }
    const int slot = FocusedCard();
    Key(Qt::Key_Return);
    QCOMPARE(game().flow.state.Hands[kSouth][slot].InHand, 0);
  }

  // The caption of the opening window's button the gold frame stands around.
  QString SplashHighlighted() {
    const QWidget* frame = nullptr;
    for (QWidget* widget : opened_->splash()->findChildren<QWidget*>()) {
      if (dynamic_cast<KeyHighlight*>(widget) && widget->isVisible())
        frame = widget;
    }
    if (frame == nullptr)
      return {};
    for (QPushButton* button : opened_->splash()->findChildren<QPushButton*>()) {
      if (button->parentWidget() == frame->parentWidget() &&
          frame->geometry().contains(button->geometry()))
        return button->text();
    }
    return {};
  }

  int FocusedCard() {
    for (int k = 1; k <= 24; ++k) {
      if (view().Widget(Control::Carte3D, k) == window()->focusWidget())
        return k;
    }
    return -1;
  }

  QString Text(Control control) { return static_cast<QLabel*>(view().Widget(control))->text(); }
  QString Name(Control control) { return view().Widget(control)->accessibleName(); }
  TfrmZarvane* window() { return opened_->game_window(); }
  QtTableView& view() { return window()->view(); }
  Game& game() { return window()->game(); }

  std::unique_ptr<testing::OpenedGame> opened_;
};

}  // namespace zarvane

QTEST_MAIN(zarvane::KeysTest)
#include "keys_test.moc"
