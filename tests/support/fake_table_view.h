#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "table/table_view.h"
#include "tests/support/running_hash.h"

namespace zarvane::testing {

// What the player would see of one control, as last set by the presenter.
struct ControlState {
  bool visible = false;
  bool enabled = true;
  bool checked = false;
  std::string text;
  std::string hint;
  int colour = -1;
  int font_size = 0;
  Pointer pointer = Pointer::Normal;
  int left = 0;
  int top = 0;
  int width = 0;
  std::optional<Card> card;
  friend bool operator==(const ControlState&, const ControlState&) = default;
};

// A screen that remembers: the latest state of every control, the armed timers and the
// message boxes. Questions and the colour chooser answer from queues a test fills.
class FakeTableView : public TableView {
 public:
  void SetVisible(Control c, int index, bool visible) override {
    Record(Verb::SetVisible, c, index, visible);
    At(c, index).visible = visible;
  }
  void SetEnabled(Control c, int index, bool enabled) override {
    Record(Verb::SetEnabled, c, index, enabled);
    At(c, index).enabled = enabled;
  }
  void SetChecked(Control c, int index, bool checked) override {
    Record(Verb::SetChecked, c, index, checked);
    At(c, index).checked = checked;
  }
  void SetText(Control c, int index, std::string_view utf8) override {
    Record(Verb::SetText, c, index, utf8);
    At(c, index).text = std::string(utf8);
  }
  void SetHint(Control c, int index, std::string_view utf8) override {
    Record(Verb::SetHint, c, index, utf8);
    At(c, index).hint = std::string(utf8);
  }
  void SetColour(Control c, int index, int colour) override {
    Record(Verb::SetColour, c, index, colour);
    At(c, index).colour = colour;
  }
  void SetFontSize(Control c, int index, int points) override {
    Record(Verb::SetFontSize, c, index, points);
    At(c, index).font_size = points;
  }
  void SetFocus(Control c, int index) override {
    Record(Verb::SetFocus, c, index);
    focus = {c, index};
  }
  void SetPointer(Control c, int index, Pointer p) override {
    Record(Verb::SetPointer, c, index, static_cast<int>(p));
    At(c, index).pointer = p;
  }
  void Place(Control c, int index, int left, int top) override {
    Record(Verb::Place, c, index, left, top);
    At(c, index).left = left;
    At(c, index).top = top;
  }
  void SetWidth(Control c, int index, int width) override {
    Record(Verb::SetWidth, c, index, width);
    At(c, index).width = width;
  }
  void ShowCard(Control c, int index, Card card) override {
    Record(Verb::ShowCard, c, index, card.Value, card.Suit);
    At(c, index).card = card;
  }
  void StartTimer(TimerId t, int milliseconds) override {
    Record(Verb::StartTimer, Control{}, static_cast<int>(t), milliseconds);
    timers[t] = milliseconds;
  }
  void StopTimer(TimerId t) override {
    Record(Verb::StopTimer, Control{}, static_cast<int>(t));
    timers.erase(t);
  }
  void Inform(std::string_view text) override {
    Record(Verb::Inform, Control{}, 0, text);
    WhileABoxIsOpen();
    informed.emplace_back(text);
  }
  bool Ask(std::string_view text) override {
    Record(Verb::Ask, Control{}, 0, text);
    WhileABoxIsOpen();
    asked.emplace_back(text);
    if (answers.empty())
      return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<int> ChooseColour(int current) override {
    Record(Verb::ChooseColour, Control{}, 0, current);
    WhileABoxIsOpen();
    colour_dialog_preset = current;
    return colour_choice;
  }

  const ControlState& Get(Control c, int index = 0) { return At(c, index); }
  bool Visible(Control c, int index = 0) { return At(c, index).visible; }
  const std::string& Text(Control c, int index = 0) { return At(c, index).text; }
  bool Armed(TimerId t) const { return timers.contains(t); }
  // Every control shows the same, and the same timers are armed; a control never set counts
  // as one in its first state.
  bool ShowsTheSameAs(const FakeTableView& other) const {
    return timers == other.timers && Covers(other) && other.Covers(*this);
  }

  std::map<TimerId, int> timers;
  std::vector<std::string> informed;
  std::vector<std::string> asked;
  std::deque<bool> answers;
  std::optional<int> colour_choice;
  std::optional<int> colour_dialog_preset;
  std::optional<std::pair<Control, int>> focus;
  // A box runs an event loop of its own: what happens meanwhile (timer ticks) goes here.
  std::function<void()> while_a_box_is_open;
  // Every change the screen has received, in order: verb, control, index and values.
  RunningHash changes;

 private:
  enum class Verb {
    SetVisible,
    SetEnabled,
    SetChecked,
    SetText,
    SetHint,
    SetColour,
    SetFontSize,
    SetFocus,
    SetPointer,
    Place,
    SetWidth,
    ShowCard,
    StartTimer,
    StopTimer,
    Inform,
    Ask,
    ChooseColour
  };
  template <typename... Values>
  void Record(Verb verb, Control c, int index, const Values&... values) {
    changes.Add(static_cast<int>(verb));
    changes.Add(static_cast<int>(c));
    changes.Add(index);
    (changes.Add(values), ...);
  }
  void WhileABoxIsOpen() {
    if (while_a_box_is_open)
      while_a_box_is_open();
  }
  ControlState& At(Control c, int index) { return controls_[{c, index}]; }
  bool Covers(const FakeTableView& other) const {
    for (const auto& [control, state] : controls_) {
      const auto found = other.controls_.find(control);
      if (state != (found == other.controls_.end() ? ControlState{} : found->second))
        return false;
    }
    return true;
  }
  std::map<std::pair<Control, int>, ControlState> controls_;
};

}  // namespace zarvane::testing
