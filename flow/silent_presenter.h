#pragma once

#include <optional>
#include <string>

#include "common/random.h"
#include "flow/presenter.h"

namespace zarvane {

// A presenter that shows nothing, for a deal played again off the screen. It draws from the
// game's generator exactly what the table draws for the small offsets of the cards it lays
// out, at the same moments, so that the computer's choices meet the same draws and the deal
// goes on as it went on the screen. It answers every question no.
class SilentPresenter final : public Presenter {
 public:
  explicit SilentPresenter(Generator& random) : random_(random) {}

  void StartTimer(TimerId, int) override {}
  void StopTimer(TimerId) override {}
  void Say(const Bilingual&) override {}
  void Tell(const Bilingual&) override {}
  bool Ask(const Bilingual&) override { return false; }
  void TellFileTrouble(const Bilingual&, const std::string&) override {}
  void ShowLanguageTexts() override {}
  void ShowOptions() override {}
  void ShowOpening() override {}
  std::optional<int> ChooseColour(int) override { return std::nullopt; }
  void ShowTotalsReset() override {}
  bool AskQuit() override { return false; }
  void SayGoodbye() override {}
  void EnablePreviousTrick(bool) override {}
  void EnableCardAdvice(bool) override {}
  void EnableReplay(bool) override {}
  void ClearForNewDeal() override {}
  // South's 18 cards, each laid a little below the hand line.
  void ShowDealtHand() override { Draw(18); }
  void ShowBid(int, int) override {}
  void OfferBids() override {}
  void HideBids() override {}
  void ShowHighestBid() override {}
  void AnnounceTaker() override {}
  // The six dog cards, each laid a little below the table's middle.
  void ShowDog() override { Draw(6); }
  void HideDog() override {}
  void ShowTableAndTakerFrame() override {}
  // The 24 cards of the discard row, each a little above the hand line.
  void ShowDiscardRow() override { Draw(24); }
  void LiftDiscardImage(int, bool) override {}
  void ShowDiscardConfirmation(bool) override {}
  void HideDiscardRow() override {}
  void LayOutSouthHand() override { Draw(18); }
  void ShowDeductions() override {}
  void OfferPoignee(int) override {}
  void HidePoigneeQuestion() override {}
  // Each trump of the poignee window.
  void OpenPoigneeWindow(int trumps) override { Draw(trumps); }
  void RaisePoigneeImage(int, bool) override {}
  void ShowPoigneeComplete(bool) override {}
  void ShowPoigneeOk() override {}
  void ClosePoigneeWindow() override {}
  void ShowPlayable() override {}
  void ClearRulePanel(int) override {}
  void ShowMarkedRules(int, const MarkedRules&) override {}
  void LowerAdvisedCard() override {}
  void LiftAdvisedCard(int) override {}
  void ShowCardPlayed(int, int) override {}
  void ShowTrickEnd() override {}
  void ClearTrickCards() override {}
  void ResumePlay() override {}

 private:
  void Draw(int cards) {
    for (int card = 0; card < cards; ++card)
      RandomBelow(random_, 3);
  }

  Generator& random_;
};

}  // namespace zarvane
