#pragma once

#include <cstdint>
#include <functional>

namespace zarvane {

struct TimeOfDay {
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
  int milliseconds = 0;
};

// The wall clock in Coordinated Universal Time. A test replaces it to fix the time of day.
using Clock = std::function<TimeOfDay()>;
TimeOfDay UtcTimeOfDay();

// The 32-bit linear congruential generator behind every random choice of the game: the
// shuffle, the computer's choices and the small offsets of the cards on the table.
// A plain value, so a trial deal copies it with the rest of the state.
struct Generator {
  std::uint32_t GeneratorState = 0;
};

// 0..n-1: the high half of GeneratorState x n once the state has moved on.
std::uint32_t RandomBelow(Generator& generator, std::uint32_t n);
// 1..n.
int RandomUpTo(Generator& generator, int n);
// The state becomes the milliseconds elapsed since midnight.
void ReseedFromClock(Generator& generator, const Clock& clock);

}  // namespace zarvane
