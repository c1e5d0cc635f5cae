#include <gtest/gtest.h>

#include "core/deal_code.h"
#include "flow/deal_flow.h"
#include "flow/options_flow.h"
#include "table/deal_code_words.h"
#include "table/review.h"
#include "tests/support/deal_driver.h"

namespace zarvane {
namespace {

using testing::DealDriver;

// A deal sent by its code is dealt card for card at the other end, whatever hand strength and
// taker options are chosen there; it counts, its replay deals it again and does not count, and
// the four-hands window shows the code it came from.
TEST(DealByCode, ACodeDealsItsDealWhateverTheOptionsAndItsReplayDealsItAgain) {
  for (int force = 1; force <= 6; ++force) {
    SCOPED_TRACE(::testing::Message() << "force " << force);
    DealDriver sender(1, 48'000'000 + force);
    SetForceOption(sender.game, force);
    NewDeal(sender.game, 0);
    const DealtDeal sent = DealAsDealt(sender.game);
    const std::string code = EncodeDealCode(sent);

    DealDriver receiver(2, 49'000'000);
    SetForceOption(receiver.game, force % 6 + 1);
    ToggleAtLeastOneTaker(receiver.game);
    const auto decoded = DecodeDealCode(code);
    ASSERT_TRUE(decoded.deal.has_value());
    PlayDealFromCode(receiver.game, *decoded.deal);
    const auto expect_the_sent_deal = [&] {
      EXPECT_EQ(receiver.game.InitialHands, sender.game.InitialHands);
      EXPECT_EQ(receiver.game.InitialDog, sender.game.InitialDog);
      EXPECT_EQ(receiver.game.FirstPlayer, sender.game.FirstPlayer);
      EXPECT_EQ(receiver.game.ComputedBid, sender.game.ComputedBid);
    };
    expect_the_sent_deal();
    EXPECT_EQ(receiver.game.ReplayedDeal, 0);
    receiver.game.Taker = kSouth;
    FillHands(receiver.game);
    EXPECT_EQ(receiver.view.Text(Control::PanelCodeDonne), code);
    EXPECT_EQ(receiver.view.Text(Control::PanelCopierCode), "Copy");

    ReplayDeal(receiver.game);
    expect_the_sent_deal();
    EXPECT_EQ(receiver.game.ReplayedDeal, 1);
    NewDeal(receiver.game, 0);
    EXPECT_FALSE(receiver.game.DealFromCode);
  }
}

// The Copy button says it copied, in the chosen language, until its one-shot timer ticks; the
// tick puts its caption back.
TEST(DealByCode, TheCopyButtonSaysItCopiedUntilItsTimerTicks) {
  for (const auto& [language, copy, copied] :
       {std::tuple{1, "Copier", "Copié !"}, std::tuple{2, "Copy", "Copied!"}}) {
    DealDriver d(language);
    NewDeal(d.game, 0);
    d.game.Taker = kSouth;
    FillHands(d.game);
    EXPECT_EQ(d.view.Text(Control::PanelCopierCode), copy);
    EXPECT_FALSE(d.view.Armed(TimerId::TimerCopie));
    PanelCopierCodeClick(d.game);
    EXPECT_EQ(d.view.Text(Control::PanelCopierCode), copied);
    ASSERT_TRUE(d.view.Armed(TimerId::TimerCopie));
    EXPECT_EQ(d.view.timers[TimerId::TimerCopie], 1500);
    EXPECT_TRUE(d.Fire(TimerId::TimerCopie));
    EXPECT_EQ(d.view.Text(Control::PanelCopierCode), copy);
    EXPECT_FALSE(d.view.Armed(TimerId::TimerCopie));
  }
}

// Why a code is refused, in both languages, with the group of the fault when it is known.
TEST(DealByCode, ARefusedCodeSaysWhyAndWhere) {
  DealDriver d(2);
  NewDeal(d.game, 0);
  const std::string code = EncodeDealCode(DealAsDealt(d.game));
  std::string slip = code;
  slip[14] = slip[14] == '7' ? '8' : '7';
  std::string unknown = code;
  unknown[39] = 'U';
  const auto words = [](int language, const std::string& text) {
    return CodeFaultWords(language, DecodeDealCode(text));
  };
  EXPECT_EQ(words(1, slip), "Ce code a une faute de frappe dans le groupe 3.");
  EXPECT_EQ(words(2, slip), "This code has a typing slip in group 3.");
  EXPECT_EQ(words(1, unknown), "Ce code a un caractère inconnu dans le groupe 7.");
  EXPECT_EQ(words(2, unknown), "This code has an unknown character in group 7.");
  EXPECT_EQ(words(2, code.substr(1)), "A deal code has 35 characters, in 7 groups of 5.");
  EXPECT_EQ(words(2, "AAAAAAAAAAAAAAAAAAAAAAAAAAAAB"),
            "This code has a typing slip: check it character by character.");
  EXPECT_EQ(words(1, "AAAAAAAAAAAAAAAAAAAAAAAAAAAAB"),
            "Ce code a une faute de frappe : vérifiez-le caractère par caractère.");
}

}  // namespace
}  // namespace zarvane
