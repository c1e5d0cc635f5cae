#pragma once

#include "table/table_view.h"

namespace zarvane {

// A screen that shows nothing: the computer's thinking plays its trial deals on it, and the
// benchmarks time the flow and the presenter alone with it.
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

}  // namespace zarvane
