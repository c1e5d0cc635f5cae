#pragma once

#include <optional>
#include <string_view>

#include "core/game_state.h"
#include "flow/presenter.h"
#include "table/controls.h"

namespace zarvane {

enum class Pointer { Normal, HandPoint, NoDrop, NoEntry, HourGlass };

// The presenter's one door to the screen. Controls are addressed by name and index (index 0
// for a single control, 1.. for a family), so the same flow drives the Qt windows and the
// recording double of the tests.
class TableView {
 public:
  virtual ~TableView() = default;
  virtual void SetVisible(Control c, int index, bool visible) = 0;
  virtual void SetEnabled(Control c, int index, bool enabled) = 0;
  virtual void SetChecked(Control c, int index, bool checked) = 0;  // menu ticks, toggles
  virtual void SetText(Control c, int index, std::string_view utf8) = 0;
  virtual void SetHint(Control c, int index, std::string_view utf8) = 0;
  // colour: red in the low byte, then green, then blue.
  virtual void SetColour(Control c, int index, int colour) = 0;
  // A type size in points, as the bid bubbles' 14 for a bid and 10 for a pass.
  virtual void SetFontSize(Control c, int index, int points) = 0;
  virtual void SetFocus(Control c, int index) = 0;
  virtual void SetPointer(Control c, int index, Pointer p) = 0;
  virtual void Place(Control c, int index, int left, int top) = 0;
  // A new width for a control or a window, which keeps its height: the poignee window is as
  // wide as the trumps it shows.
  virtual void SetWidth(Control c, int index, int width) = 0;
  virtual void ShowCard(Control c, int index, Card card) = 0;  // draws the face
  virtual void StartTimer(TimerId t, int milliseconds) = 0;    // one-shot
  virtual void StopTimer(TimerId t) = 0;
  virtual void Inform(std::string_view text) = 0;  // box with OK
  virtual bool Ask(std::string_view text) = 0;     // Yes / No
  // The system colour chooser preset with a colour; nothing when the player cancels.
  virtual std::optional<int> ChooseColour(int current) = 0;
};

}  // namespace zarvane
