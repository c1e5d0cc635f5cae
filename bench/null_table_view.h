#pragma once

#include "engine/table_view.h"

namespace zarvane {

// A screen that shows nothing, for timing the engine alone.
class NullTableView : public TableView {
 public:
  void SetVisible(Control, int, bool) override {}
  void SetEnabled(Control, int, bool) override {}
  void SetChecked(Control, int, bool) override {}
  void SetText(Control, int, std::string_view) override {}
  void SetHint(Control, int, std::string_view) override {}
  void SetColour(Control, int, int) override {}
  void SetFontSize(Control, int, int) override {}
  void SetFocus(Control, int) override {}
  void SetPointer(Control, int, Pointer) override {}
  void Place(Control, int, int, int) override {}
  void SetWidth(Control, int, int) override {}
  void ShowCard(Control, int, Card) override {}
  void StartTimer(TimerId, int) override {}
  void StopTimer(TimerId) override {}
  void Inform(std::string_view) override {}
  bool Ask(std::string_view) override { return true; }
  std::optional<int> ChooseColour(int) override { return std::nullopt; }
};

// The same screen, remembering only which timers are armed, so that a driver can fire them.
class TimerTrackingView : public NullTableView {
 public:
  void StartTimer(TimerId t, int) override { armed_[static_cast<int>(t)] = true; }
  void StopTimer(TimerId t) override { armed_[static_cast<int>(t)] = false; }
  bool Armed(TimerId t) const { return armed_[static_cast<int>(t)]; }

 private:
  bool armed_[3] = {};
};

}  // namespace zarvane
