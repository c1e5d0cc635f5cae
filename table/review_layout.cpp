#include "table/review_layout.h"

#include "core/game_state.h"

namespace zarvane {

Spot TrickImageSpot(const Layout& layout, int trick, int seat) {
  const int w = layout.CornerWidth;
  const int h = layout.CornerHeight;
  const int gy = RoundHalfEven(3 * layout.YScale);
  const int gx = RoundHalfEven(5 * layout.XScale);
  const int m = RoundHalfEven(6 * layout.XScale);
  const int row = (trick - 1) / 6;
  const int column = (trick - 1) % 6;
  const int top = m + row * (2 * h + 4 * gy);
  const int left = m + column * (3 * w + 6 * gx);
  const int side_top = top + RoundHalfEven((h + gy) / 2.0);
  switch (seat) {
    case kSouth:
      return {left + w + gx, top + h + gy};
    case kEast:
      return {left + 2 * w + 2 * gx, side_top};
    case kNorth:
      return {left + w + gx, top};
    default:
      return {left, side_top};
  }
}

Spot PanelImageSpot(const Layout& layout, int e) {
  const int gx2 = RoundHalfEven(2 * layout.XScale);
  const int gy2 = RoundHalfEven(2 * layout.YScale);
  const int column = e > 9 ? e - 9 : e;
  return {column * gx2 + (column - 1) * layout.CornerWidth,
          e > 9 ? layout.CornerHeight + 2 * gy2 : gy2};
}

Spot FrameSpot(const Layout& layout, Spot image) {
  return {image.left - RoundHalfEven(2 * layout.XScale),
          image.top - RoundHalfEven(2 * layout.YScale)};
}

int FrameWidth(const Layout& layout) {
  return layout.CornerWidth + RoundHalfEven(4 * layout.XScale);
}

int FrameHeight(const Layout& layout) {
  return layout.CornerHeight + RoundHalfEven(4 * layout.YScale);
}

}  // namespace zarvane
