#pragma once

#include "table/null_table_view.h"

namespace zarvane {

// A screen that shows nothing, remembering only which timers are armed, so that a driver can
// fire them.
class TimerTrackingView : public NullTableView {
 public:
  void StartTimer(TimerId t, int) override { armed_[static_cast<int>(t)] = true; }
  void StopTimer(TimerId t) override { armed_[static_cast<int>(t)] = false; }
  bool Armed(TimerId t) const { return armed_[static_cast<int>(t)]; }

 private:
  bool armed_[4] = {};  // one per TimerId
};

}  // namespace zarvane
