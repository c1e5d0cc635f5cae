#include "table/layout.h"

#include <algorithm>
#include <cmath>

namespace zarvane {

Layout ScaleForScreen(int screen_width, int screen_height, int pixels_per_inch) {
  Layout layout;
  const double scale = std::min(static_cast<double>(screen_width) / kDesignWidth,
                                static_cast<double>(screen_height) / kDesignHeight);
  layout.XScale = scale;
  layout.YScale = scale;
  const int m = static_cast<int>(std::trunc(kDesignWidth * scale * 96.0 / pixels_per_inch));
  layout.WindowScale = static_cast<double>(m) / kDesignWidth;
  layout.SurfaceWidth = RoundHalfEven(kDesignWidth * layout.WindowScale);
  layout.SurfaceHeight = RoundHalfEven(kDesignClientHeight * layout.WindowScale);
  layout.SurfaceLeft = std::max(0, (screen_width - layout.SurfaceWidth) / 2);
  ComputeLayout(layout);
  return layout;
}

void ComputeLayout(Layout& layout) {
  const double x = layout.XScale;
  const double y = layout.YScale;
  layout.CardWidth = RoundHalfEven(90 * x);
  layout.CardHeight = RoundHalfEven(150 * y);
  layout.FrameWidth = layout.CardWidth + RoundHalfEven(10 * x);
  layout.FrameHeight = layout.CardHeight + RoundHalfEven(10 * y);
  layout.HandLeft = RoundHalfEven(20 * x);
  layout.CardStep = RoundHalfEven(40 * x);
  const DesignRect bar = ScaleRect(layout, kBarreEnchere);
  layout.HandTop = bar.top + bar.height + RoundHalfEven(10 * y);
  layout.DiscardStep = RoundHalfEven(30 * x);
  layout.DogLeft = RoundHalfEven(layout.SurfaceWidth / 3.0);
  const DesignRect table = ScaleRect(layout, kTableRonde);
  layout.TableCentreY = table.top + RoundHalfEven(table.height / 2.0);
  layout.SelectLift = RoundHalfEven(20 * y);
  layout.PoigneeStep = static_cast<int>(std::trunc(15 * x));
  layout.CornerWidth = RoundHalfEven(30 * x);
  layout.CornerHeight = RoundHalfEven(50 * y);
}

DesignRect ScaleRect(const Layout& layout, DesignRect design) {
  const double m = layout.WindowScale;
  return {RoundHalfEven(design.left * m), RoundHalfEven(design.top * m),
          RoundHalfEven(design.width * m), RoundHalfEven(design.height * m)};
}

int ScaleFont(const Layout& layout, int design_pixels) {
  return std::max(1, RoundHalfEven(design_pixels * layout.WindowScale));
}

int PointsToDesignPixels(int points) {
  return RoundHalfEven(points * 96.0 / 72.0);
}

}  // namespace zarvane
