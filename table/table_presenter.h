#pragma once

#include "flow/presenter.h"

namespace zarvane {

struct Game;

// The table's side of the flow's door: each change drawn through the game's TableView, with
// the control names, the layout, the texts and the cards' random offsets.
class TablePresenter final : public Presenter {
 public:
  explicit TablePresenter(Game& game) : game_(game) {}

  void StartTimer(TimerId timer, int milliseconds) override;
  void StopTimer(TimerId timer) override;

  void Say(const Bilingual& text) override;
  void Tell(const Bilingual& text) override;
  bool Ask(const Bilingual& text) override;
  void TellFileTrouble(const Bilingual& trouble, const std::string& path) override;

  void ShowLanguageTexts() override;
  void ShowOptions() override;
  void ShowOpening() override;
  std::optional<int> ChooseColour(int current) override;
  void ShowTotalsReset() override;
  bool AskQuit() override;
  void SayGoodbye() override;

  void EnablePreviousTrick(bool enabled) override;
  void EnableCardAdvice(bool enabled) override;
  void EnableReplay(bool enabled) override;

  void ClearForNewDeal() override;
  void ShowDealtHand() override;

  void ShowBid(int seat, int bid) override;
  void OfferBids() override;
  void HideBids() override;
  void ShowHighestBid() override;
  void AnnounceTaker() override;

  void ShowDog() override;
  void HideDog() override;
  void ShowTableAndTakerFrame() override;
  void ShowDiscardRow() override;
  void LiftDiscardImage(int k, bool lifted) override;
  void ShowDiscardConfirmation(bool shown) override;
  void HideDiscardRow() override;
  void LayOutSouthHand() override;
  void ShowDeductions() override;

  void OfferPoignee(int trumps) override;
  void HidePoigneeQuestion() override;
  void OpenPoigneeWindow(int trumps) override;
  void RaisePoigneeImage(int j, bool raised) override;
  void ShowPoigneeComplete(bool complete) override;
  void ShowPoigneeOk() override;
  void ClosePoigneeWindow() override;

  void ShowPlayable() override;
  void ClearRulePanel(int seat) override;
  void ShowMarkedRules(int seat, const MarkedRules& marked) override;
  void LowerAdvisedCard() override;
  void LiftAdvisedCard(int slot) override;
  void ShowCardPlayed(int seat, int slot) override;
  void ShowTrickEnd() override;
  void ClearTrickCards() override;
  void ResumePlay() override;

 private:
  Game& game_;
};

}  // namespace zarvane
