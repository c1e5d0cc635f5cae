#include <gtest/gtest.h>

#include "table/hand_layout.h"
#include "table/layout.h"

namespace zarvane {
namespace {

// The layout values of three screens, worked out by hand from the design places: the bidding
// bar at 318 (58 high), the table oval at 37 (340 high), 800 x 534 of client area.
struct Expected {
  int width, height;
  int surface_left, surface_width, surface_height;
  int card_width, card_height, hand_left, card_step, hand_top, dog_left, table_centre_y;
};

TEST(Layout, ThreeScreensGiveTheValuesWorkedOutByHand) {
  // 1024 x 768: scale 1.28; the hand top is 407 + 74 + 13, and the table's centre 47 + 217.5
  // rounded to the even 218. 1366 x 768 keeps the height's 1.28 and centres the design.
  // 1920 x 1080: scale 1.8; 572 + 104 + 18 and 67 + 306.
  for (const Expected& e : {
           Expected{1024, 768, 0, 1024, 684, 115, 192, 26, 51, 494, 341, 265},
           Expected{1366, 768, 171, 1024, 684, 115, 192, 26, 51, 494, 341, 265},
           Expected{1920, 1080, 240, 1440, 961, 162, 270, 36, 72, 694, 480, 373},
       }) {
    SCOPED_TRACE(e.width);
    const Layout layout = ScaleForScreen(e.width, e.height, 96);
    EXPECT_EQ(layout.SurfaceLeft, e.surface_left);
    EXPECT_EQ(layout.SurfaceWidth, e.surface_width);
    EXPECT_EQ(layout.SurfaceHeight, e.surface_height);
    EXPECT_EQ(layout.CardWidth, e.card_width);
    EXPECT_EQ(layout.CardHeight, e.card_height);
    EXPECT_EQ(layout.HandLeft, e.hand_left);
    EXPECT_EQ(layout.CardStep, e.card_step);
    EXPECT_EQ(layout.HandTop, e.hand_top);
    EXPECT_EQ(layout.DogLeft, e.dog_left);
    EXPECT_EQ(layout.TableCentreY, e.table_centre_y);
  }
}

// The poignee window holds its row of buttons with the margin it has on the left, at every
// scale the game window can take (the card step is truncated to whole pixels, the buttons are
// not), and keeps the width its cards give it at the design scale and wherever the step is whole.
TEST(Layout, ThePoigneeWindowHoldsItsButtonsAtEveryScale) {
  for (int width = 800; width <= 2560; ++width) {
    SCOPED_TRACE(width);
    const Layout layout = ScaleForScreen(width, width * 3 / 4 + width % 7, 96);
    const DesignRect lazy = ScaleRect(layout, kPoigneeButtons[0]);
    const DesignRect cancel = ScaleRect(layout, kPoigneeButtons[2]);
    const int u = layout.PoigneeStep;
    for (int trumps = 10; trumps <= 18; ++trumps) {
      const int window = PoigneeWindowWidth(layout, trumps);
      EXPECT_LE(cancel.left + cancel.width + lazy.left, window);
      EXPECT_GE(window, 2 * u + 3 * u * (trumps - 1) + layout.CardWidth);
    }
  }
  for (int width : {800, 960, 1120}) {  // steps of 15, 18 and 21 pixels
    const Layout layout = ScaleForScreen(width, 600 * width / 800, 96);
    ASSERT_EQ(layout.PoigneeStep * 800, 15 * width);
    for (int trumps = 10; trumps <= 18; ++trumps) {
      const int u = layout.PoigneeStep;
      EXPECT_EQ(PoigneeWindowWidth(layout, trumps),
                2 * u + 3 * u * (trumps - 1) + layout.CardWidth);
    }
  }
}

}  // namespace
}  // namespace zarvane
