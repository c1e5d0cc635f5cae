#pragma once

#include "common/random.h"

namespace zarvane::testing {

// A clock that starts at a chosen time of day and moves on one millisecond at each reading,
// so that successive deal attempts are seeded apart as they are in a real run.
inline Clock SteppingClock(int start_milliseconds) {
  return [now = start_milliseconds]() mutable {
    const int t = now++ % 86'400'000;
    return TimeOfDay{t / 3'600'000, t / 60'000 % 60, t / 1000 % 60, t % 1000};
  };
}

// A clock stuck at one time of day.
inline Clock FixedClock(TimeOfDay time) {
  return [time] { return time; };
}

}  // namespace zarvane::testing
