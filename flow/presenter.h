#pragma once

#include <optional>
#include <string>

#include "core/game_state.h"
#include "core/strategy/strategy.h"

namespace zarvane {

struct Bilingual;

// The three one-shot timers that pace a deal, whose ticks come back to the flow's handlers, and
// the one that puts the four-hands window's Copy button back to its caption.
enum class TimerId { TimerEnchere, TimerEntreCarte, TimerTransition, TimerCopie };

// The flow's one door to the screen: each call says what changed, in the player's terms, at
// the moment it changed. The table's presenter draws it; the control names, the layout, the
// texts of the chosen language and the cards' random offsets all live behind this door.
class Presenter {
 public:
  virtual ~Presenter() = default;

  // Pacing.
  virtual void StartTimer(TimerId timer, int milliseconds) = 0;
  virtual void StopTimer(TimerId timer) = 0;

  // Messages: a prompt on the message line, a box with OK, a Yes/No question.
  virtual void Say(const Bilingual& text) = 0;
  virtual void Tell(const Bilingual& text) = 0;
  virtual bool Ask(const Bilingual& text) = 0;
  // The options file's trouble, naming the file.
  virtual void TellFileTrouble(const Bilingual& trouble, const std::string& path) = 0;

  // Start, language and options.
  virtual void ShowLanguageTexts() = 0;
  virtual void ShowOptions() = 0;
  virtual void ShowOpening() = 0;
  virtual std::optional<int> ChooseColour(int current) = 0;
  virtual void ShowTotalsReset() = 0;
  virtual bool AskQuit() = 0;
  virtual void SayGoodbye() = 0;

  // Commands that come and go with the deal.
  virtual void EnablePreviousTrick(bool enabled) = 0;
  virtual void EnableCardAdvice(bool enabled) = 0;
  virtual void EnableReplay(bool enabled) = 0;

  // A new deal: the table cleared, then the dealt hand laid out.
  virtual void ClearForNewDeal() = 0;
  virtual void ShowDealtHand() = 0;

  // The auction.
  virtual void ShowBid(int seat, int bid) = 0;
  virtual void OfferBids() = 0;
  virtual void HideBids() = 0;
  virtual void ShowHighestBid() = 0;
  virtual void AnnounceTaker() = 0;

  // The dog and the discard.
  virtual void ShowDog() = 0;
  virtual void HideDog() = 0;
  virtual void ShowTableAndTakerFrame() = 0;
  virtual void ShowDiscardRow() = 0;
  virtual void LiftDiscardImage(int k, bool lifted) = 0;
  virtual void ShowDiscardConfirmation(bool shown) = 0;
  virtual void HideDiscardRow() = 0;
  virtual void LayOutSouthHand() = 0;
  virtual void ShowDeductions() = 0;

  // The poignee.
  virtual void OfferPoignee(int trumps) = 0;
  virtual void HidePoigneeQuestion() = 0;
  virtual void OpenPoigneeWindow(int trumps) = 0;
  virtual void RaisePoigneeImage(int j, bool raised) = 0;
  virtual void ShowPoigneeComplete(bool complete) = 0;
  virtual void ShowPoigneeOk() = 0;
  virtual void ClosePoigneeWindow() = 0;

  // The card play.
  virtual void ShowPlayable() = 0;
  virtual void ClearRulePanel(int seat) = 0;
  virtual void ShowMarkedRules(int seat, const MarkedRules& marked) = 0;
  virtual void LowerAdvisedCard() = 0;
  virtual void LiftAdvisedCard(int slot) = 0;
  virtual void ShowCardPlayed(int seat, int slot) = 0;
  virtual void ShowTrickEnd() = 0;
  virtual void ClearTrickCards() = 0;
  virtual void ResumePlay() = 0;
};

}  // namespace zarvane
