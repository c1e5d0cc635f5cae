#include "common/random.h"

#include <chrono>

namespace zarvane {

TimeOfDay UtcTimeOfDay() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const auto since_midnight = now - floor<days>(now);
  const hh_mm_ss time{duration_cast<milliseconds>(since_midnight)};
  return {static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
          static_cast<int>(time.seconds().count()), static_cast<int>(time.subseconds().count())};
}

std::uint32_t RandomBelow(Generator& generator, std::uint32_t n) {
  generator.GeneratorState = generator.GeneratorState * 134775813u + 1u;
  return static_cast<std::uint32_t>((std::uint64_t{generator.GeneratorState} * n) >> 32);
}

int RandomUpTo(Generator& generator, int n) {
  return static_cast<int>(RandomBelow(generator, static_cast<std::uint32_t>(n))) + 1;
}

void ReseedFromClock(Generator& generator, const Clock& clock) {
  const TimeOfDay t = clock();
  generator.GeneratorState = static_cast<std::uint32_t>(
      ((t.hours * 60 + t.minutes) * 60 + t.seconds) * 1000 + t.milliseconds);
}

}  // namespace zarvane
