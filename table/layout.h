#pragma once

#include "common/rounding.h"

namespace zarvane {

// A rectangle of the 800 x 600 design surface.
struct DesignRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The design surface scaled to the screen, and the layout values derived from it.
struct Layout {
  // One factor both ways, so that a screen that is not 4:3 keeps the whole design in view.
  double XScale = 1.0;
  double YScale = 1.0;
  // ScaleWindow's factor M / 800, with M taken at 96 pixels per inch.
  double WindowScale = 1.0;
  // Where the scaled design starts in the maximised window, to centre it.
  int SurfaceLeft = 0;
  int SurfaceWidth = 800;
  int SurfaceHeight = 534;

  int CardWidth = 90;
  int CardHeight = 150;
  int FrameWidth = 100;
  int FrameHeight = 160;
  int HandLeft = 20;
  int CardStep = 40;
  int HandTop = 386;
  int DiscardStep = 30;
  int DogLeft = 267;
  int TableCentreY = 207;
  int SelectLift = 20;
  int PoigneeStep = 15;
  int CornerWidth = 30;
  int CornerHeight = 50;
};

// The scale of a screen of the given size and pixels per inch.
Layout ScaleForScreen(int screen_width, int screen_height, int pixels_per_inch);
// Fills the layout values from the scale and the design places they hang on.
void ComputeLayout(Layout& layout);

// A design rectangle, or a design type size, as ScaleWindow turns it into screen pixels.
DesignRect ScaleRect(const Layout& layout, DesignRect design);
int ScaleFont(const Layout& layout, int design_pixels);
// A type size the design gives in points, in design pixels at its 96 pixels per inch.
int PointsToDesignPixels(int points);

// The design places the presenter itself lays cards and frames against.
inline constexpr int kDesignWidth = 800;
inline constexpr int kDesignHeight = 600;
inline constexpr int kDesignClientHeight = 534;
inline constexpr DesignRect kTableRonde{213, 37, 360, 340};
inline constexpr DesignRect kBarreEnchere{114, 318, 567, 58};
// CarteTable1..4: South, East, North, West.
inline constexpr DesignRect kCarteTable[4] = {
    {345, 209, 90, 150}, {448, 136, 90, 150}, {345, 50, 90, 150}, {242, 136, 90, 150}};
// The poignee window's buttons, left to right: the lazy button, OK and cancel.
inline constexpr DesignRect kPoigneeButtons[3] = {
    {15, 200, 170, 34}, {195, 200, 100, 34}, {305, 200, 205, 34}};

}  // namespace zarvane
