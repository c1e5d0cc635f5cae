#pragma once

#include "table/layout.h"

namespace zarvane {

// Where a small card image or a frame stands inside its window or panel, in screen pixels.
struct Spot {
  int left = 0;
  int top = 0;
};

// The previous-trick window: the four cards sit like the seats at the table.
inline constexpr DesignRect kPreviousTrickCards[4] = {
    {162, 193, 90, 150}, {273, 95, 90, 150}, {161, 5, 90, 150}, {50, 94, 90, 150}};

// The four-hands window: the hand panels of South, East, North and West, and the size of
// the dog and discard panels, which move beside the taker's hand.
inline constexpr DesignRect kHandPanels[4] = {
    {253, 285, 290, 106}, {496, 146, 290, 106}, {253, 6, 290, 106}, {3, 145, 290, 106}};
inline constexpr DesignRect kDogPanel{0, 0, 194, 86};

// The all-tricks window: image 4(t - 1) + s shows the card seat s played in trick t; the
// tricks stand in three rows of six, each laid out like the table.
Spot TrickImageSpot(const Layout& layout, int trick, int seat);
// Image e (1..18) of a hand panel in two rows of nine, and of a dog panel (1..6) in one row.
Spot PanelImageSpot(const Layout& layout, int e);
// A frame goes around an image, two pixels out, as big as the image and its border.
Spot FrameSpot(const Layout& layout, Spot image);
int FrameWidth(const Layout& layout);
int FrameHeight(const Layout& layout);

}  // namespace zarvane
