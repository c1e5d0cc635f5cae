#pragma once

#include <cmath>

namespace zarvane {

// Halves go to the even neighbour, in layout as in scoring (the default rounding mode).
inline int RoundHalfEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace zarvane
