#include <gtest/gtest.h>

#include <random>

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
    SetForceOption(sender.game.flow, force);
    NewDeal(sender.game.flow, 0);
    const DealtDeal sent = DealAsDealt(sender.game.flow.state);
    const std::string code = EncodeDealCode(sent);

    DealDriver receiver(2, 49'000'000);
    SetForceOption(receiver.game.flow, force % 6 + 1);
    ToggleAtLeastOneTaker(receiver.game.flow);
    const auto decoded = DecodeDealCode(code);
    ASSERT_TRUE(decoded.deal.has_value());
    PlayDealFromCode(receiver.game.flow, *decoded.deal);
    const auto expect_the_sent_deal = [&] {
      EXPECT_EQ(receiver.game.flow.state.InitialHands, sender.game.flow.state.InitialHands);
      EXPECT_EQ(receiver.game.flow.state.InitialDog, sender.game.flow.state.InitialDog);
      EXPECT_EQ(receiver.game.flow.state.FirstPlayer, sender.game.flow.state.FirstPlayer);
      EXPECT_EQ(receiver.game.flow.state.ComputedBid, sender.game.flow.state.ComputedBid);
    };
    expect_the_sent_deal();
    EXPECT_EQ(receiver.game.flow.state.ReplayedDeal, 0);
    receiver.game.flow.state.Taker = kSouth;
    FillHands(receiver.game);
    EXPECT_EQ(receiver.view.Text(Control::PanelCodeDonne), code);
    EXPECT_EQ(receiver.view.Text(Control::PanelCopierCode), "Copy");

    ReplayDeal(receiver.game.flow);
    expect_the_sent_deal();
    EXPECT_EQ(receiver.game.flow.state.ReplayedDeal, 1);
    NewDeal(receiver.game.flow, 0);
    EXPECT_FALSE(receiver.game.flow.DealFromCode);
  }
}

// The Copy button says it copied, in the chosen language, until its one-shot timer ticks; the
// tick puts its caption back.
TEST(DealByCode, TheCopyButtonSaysItCopiedUntilItsTimerTicks) {
  for (const auto& [language, copy, copied] :
       {std::tuple{1, "Copier", "Copié !"}, std::tuple{2, "Copy", "Copied!"}}) {
    DealDriver d(language);
    NewDeal(d.game.flow, 0);
    d.game.flow.state.Taker = kSouth;
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

// Ctrl+D asks nothing before the first deal or once a deal is scored. In the middle of a deal it
// asks first whether to give it up: No leaves the deal, the screen and the record as they were
// and asks for no code; Yes asks for the code and deals its deal, unless the player cancels
// the code, which leaves the deal too. F2 still deals at once.
TEST(DealByCode, CtrlDInTheMiddleOfADealAsksBeforeDroppingIt) {
  DealDriver sender(2, 51'000'000);
  NewDeal(sender.game.flow, 0);
  const DealtDeal sent = DealAsDealt(sender.game.flow.state);
  int codes_asked = 0;
  std::optional<DealtDeal> typed;
  const auto ask_code = [&]() -> std::optional<DealtDeal> {
    ++codes_asked;
    return typed;
  };
  const auto expect_the_sent_deal = [&](const Game& game) {
    EXPECT_EQ(game.flow.state.InitialHands, sender.game.flow.state.InitialHands);
    EXPECT_EQ(game.flow.state.InitialDog, sender.game.flow.state.InitialDog);
    EXPECT_EQ(game.flow.state.FirstPlayer, sender.game.flow.state.FirstPlayer);
  };

  DealDriver d(2, 52'000'000);
  typed = sent;
  PlayDealByCode(d.game.flow, ask_code);
  EXPECT_TRUE(d.view.asked.empty());
  EXPECT_EQ(codes_asked, 1);
  expect_the_sent_deal(d.game);

  NewDeal(d.game.flow, 0);
  EXPECT_TRUE(d.view.asked.empty());
  d.RunComputerBids();
  const auto hands = d.game.flow.state.InitialHands;
  const Phase phase = d.game.flow.state.DealPhase;
  const auto bids = d.game.flow.state.AnnouncedBid;
  const std::vector<Move> moves = d.game.flow.Record.Moves;
  const testing::FakeTableView screen = d.view;
  const auto expect_the_deal_untouched = [&] {
    EXPECT_EQ(d.game.flow.state.InitialHands, hands);
    EXPECT_EQ(d.game.flow.state.DealPhase, phase);
    EXPECT_EQ(d.game.flow.state.AnnouncedBid, bids);
    EXPECT_EQ(d.game.flow.Record.Moves, moves);
    EXPECT_TRUE(d.view.ShowsTheSameAs(screen));
  };
  d.view.answers.push_back(false);
  PlayDealByCode(d.game.flow, ask_code);
  ASSERT_EQ(d.view.asked.size(), 1u);
  EXPECT_EQ(d.view.asked.back(), "Give up the deal in progress?");
  EXPECT_EQ(codes_asked, 1);
  expect_the_deal_untouched();

  typed.reset();
  d.view.answers.push_back(true);
  PlayDealByCode(d.game.flow, ask_code);
  EXPECT_EQ(codes_asked, 2);
  expect_the_deal_untouched();

  typed = sent;
  d.view.answers.push_back(true);
  PlayDealByCode(d.game.flow, ask_code);
  EXPECT_EQ(d.view.asked.size(), 3u);
  EXPECT_EQ(codes_asked, 3);
  expect_the_sent_deal(d.game);
  EXPECT_TRUE(d.game.flow.DealFromCode);

  std::mt19937 choices(5);
  while (d.Step(choices)) {
  }
  // The last trick, scored, still lies on the table.
  ASSERT_EQ(d.game.flow.state.DealPhase, Phase::TrickShown);
  PlayDealByCode(d.game.flow, ask_code);
  EXPECT_EQ(d.view.asked.size(), 3u);
  EXPECT_EQ(codes_asked, 4);
}

// Why a code is refused, in both languages, with the group of the fault when it is known.
TEST(DealByCode, ARefusedCodeSaysWhyAndWhere) {
  DealDriver d(2);
  NewDeal(d.game.flow, 0);
  const std::string code = EncodeDealCode(DealAsDealt(d.game.flow.state));
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
