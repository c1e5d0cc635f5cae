#include "table/review.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "table/review_layout.h"
#include "tests/support/deal_driver.h"

namespace zarvane {
namespace {

using testing::ControlState;
using testing::DealDriver;

struct PlayedCard {
  int seat;
  Card card;
};

// Plays the deal to its end as the driver's player would, and writes down every card in the
// order it reached the table. Right after the first trick the previous trick is opened.
std::vector<PlayedCard> PlayAndLog(DealDriver& d) {
  std::vector<PlayedCard> log;
  std::mt19937 choices(5);
  PerSeat<Card> before = d.game.flow.state.TrickCards;
  bool first_trick_checked = false;
  for (int moves = 0; moves < 5000 && d.Step(choices); ++moves) {
    for (int seat = 1; seat <= 4; ++seat) {
      const Card now = d.game.flow.state.TrickCards[seat];
      if (now.Suit != kNoSuit && !(now == before[seat]))
        log.push_back({seat, now});
    }
    before = d.game.flow.state.TrickCards;
    if (!first_trick_checked && d.game.flow.state.TrickNumber == 2 &&
        d.game.flow.state.DealPhase == Phase::TrickShown) {
      first_trick_checked = true;
      ShowPreviousTrick(d.game);
      for (int seat = 1; seat <= 4; ++seat)
        EXPECT_EQ(*d.view.Get(Control::cardPreviousTrick, seat).card,
                  d.game.flow.state.TrickCards[seat]);
    }
  }
  EXPECT_TRUE(first_trick_checked);
  return log;
}

std::vector<int> VisibleTrickImages(DealDriver& d) {
  std::vector<int> shown;
  for (int image = 1; image <= 72; ++image) {
    if (d.view.Visible(Control::CartePli, image))
      shown.push_back(image);
  }
  return shown;
}

TEST(ReviewWindows, TheTricksReplayCardByCardAndTheHandsFrameTheDiscard) {
  DealDriver d;
  d.DealWithBids(kGarde, kPasse, kPasse, kPasse);
  d.SouthBids(kGarde);
  const std::vector<PlayedCard> log = PlayAndLog(d);
  ASSERT_EQ(log.size(), 72u);
  ASSERT_TRUE(d.view.Visible(Control::PanelResultat));

  ShowPreviousTrick(d.game);
  EXPECT_TRUE(d.view.Visible(Control::frmPliPrecedent));
  for (int k = 69; k <= 72; ++k)
    EXPECT_EQ(*d.view.Get(Control::cardPreviousTrick, log[k - 1].seat).card, log[k - 1].card);

  FillAllTricks(d.game);
  EXPECT_TRUE(d.view.Visible(Control::frmTousPlis));
  EXPECT_EQ(VisibleTrickImages(d).size(), 72u);
  const Layout& layout = d.game.table.layout;
  for (int trick = 1; trick <= 18; ++trick) {
    // The first card of each trick names its leader: green for the taker, blue otherwise.
    const int leader = log[4 * (trick - 1)].seat;
    const ControlState& frame = d.view.Get(Control::CadrePli, trick);
    EXPECT_EQ(frame.colour, leader == kSouth ? 0x00FF00 : 0xFF0000);
    const Spot image = TrickImageSpot(layout, trick, leader);
    EXPECT_EQ(frame.left, image.left - 2);
    EXPECT_EQ(frame.top, image.top - 2);
  }

  for (int step = 1; step <= 72; ++step) {
    PanelPasApasClick(d.game);
    const std::vector<int> shown = VisibleTrickImages(d);
    ASSERT_EQ(shown.size(), static_cast<size_t>(step));
    const int trick = (step - 1) / 4 + 1;
    const int image = 4 * (trick - 1) + log[step - 1].seat;
    EXPECT_TRUE(d.view.Visible(Control::CartePli, image));
    EXPECT_EQ(*d.view.Get(Control::CartePli, image).card, log[step - 1].card);
    EXPECT_TRUE(d.view.Visible(Control::CadrePli, trick));
    if (trick < 18) {
      EXPECT_FALSE(d.view.Visible(Control::CadrePli, trick + 1));
    }
  }
  PanelPasApasClick(d.game);
  EXPECT_EQ(VisibleTrickImages(d).size(), 72u);

  PanelEffacerClick(d.game);
  EXPECT_TRUE(VisibleTrickImages(d).empty());
  EXPECT_FALSE(d.view.Visible(Control::CadrePli, 1));
  PanelPasApasClick(d.game);
  EXPECT_EQ(VisibleTrickImages(d), std::vector<int>{log[0].seat});

  // The dog stands left of South's hand and the discard right of it; each yellow frame
  // surrounds the image where a discarded card was dealt.
  FillHands(d.game);
  EXPECT_TRUE(d.view.Visible(Control::frmMains));
  const DesignRect south = ScaleRect(layout, kHandPanels[0]);
  const ControlState& dog = d.view.Get(Control::PanelChienAvantEcart);
  const ControlState& discard = d.view.Get(Control::PanelChienApresEcart);
  EXPECT_EQ(dog.left + 194 + 5, south.left);
  EXPECT_EQ(discard.left, south.left + south.width + 5);
  EXPECT_EQ(dog.top, south.top + 10);
  EXPECT_EQ(discard.top, dog.top);
  EXPECT_TRUE(discard.visible);
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(*d.view.Get(Control::CarteApresEcart, k).card, d.game.flow.state.Dog[k]);
    const ControlState& frame = d.view.Get(Control::CadreEcart, k);
    EXPECT_TRUE(frame.visible);
    std::vector<Card> framed;
    for (int e = 1; e <= 18; ++e) {
      const Spot at = PanelImageSpot(layout, e);
      if (south.left + at.left == frame.left + 2 && south.top + at.top == frame.top + 2)
        framed.push_back(*d.view.Get(Control::CarteMain, e).card);
      if (e <= 6 && dog.left + at.left == frame.left + 2 && dog.top + at.top == frame.top + 2)
        framed.push_back(*d.view.Get(Control::CarteAvantEcart, e).card);
    }
    ASSERT_EQ(framed.size(), 1u);
    EXPECT_TRUE(SameCard(framed[0], d.game.flow.state.Dog[k]));
  }
  for (int seat = 1; seat <= 4; ++seat) {
    for (int slot = 1; slot <= 18; ++slot) {
      EXPECT_EQ(*d.view.Get(Control::CarteMain, 18 * (seat - 1) + slot).card,
                d.game.flow.state.InitialHands[seat][slot]);
    }
  }
}

// Worked by hand at design size: corners of 30 x 50, gaps of 3 down and 5 across, a margin of
// 6; trick 8 stands in row 2, column 2, and its side cards drop by 26.5, rounded to 26.
TEST(ReviewWindows, TheSmallImagesStandWhereTheArithmeticPutsThem) {
  const Layout layout;
  const Spot south = TrickImageSpot(layout, 8, kSouth);
  const Spot east = TrickImageSpot(layout, 8, kEast);
  const Spot north = TrickImageSpot(layout, 8, kNorth);
  const Spot west = TrickImageSpot(layout, 8, kWest);
  EXPECT_EQ(std::vector<int>({south.left, south.top, east.left, east.top}),
            std::vector<int>({161, 171, 196, 144}));
  EXPECT_EQ(std::vector<int>({north.left, north.top, west.left, west.top}),
            std::vector<int>({161, 118, 126, 144}));
  const Spot twelfth = PanelImageSpot(layout, 12);
  EXPECT_EQ(twelfth.left, 3 * 2 + 2 * 30);
  EXPECT_EQ(twelfth.top, 50 + 4);
}

TEST(ReviewWindows, AfterAGardeSansTheDogStandsAboveEastsHandAndNothingIsFramed) {
  DealDriver d;
  d.DealWithBids(kPasse, kGardeSans, kPasse, kPasse);
  d.SouthBids(kPasse);
  std::mt19937 choices(3);
  for (int moves = 0; moves < 5000 && d.Step(choices); ++moves) {
  }
  ASSERT_EQ(d.game.flow.state.Taker, kEast);
  FillHands(d.game);
  const DesignRect east = ScaleRect(d.game.table.layout, kHandPanels[1]);
  const ControlState& dog = d.view.Get(Control::PanelChienAvantEcart);
  EXPECT_EQ(dog.left + 194, east.left + east.width);
  EXPECT_EQ(dog.top + 86 + 5, east.top);
  EXPECT_FALSE(d.view.Visible(Control::PanelChienApresEcart));
  for (int k = 1; k <= 6; ++k) {
    EXPECT_FALSE(d.view.Visible(Control::CadreEcart, k));
    EXPECT_EQ(*d.view.Get(Control::CarteAvantEcart, k).card, d.game.flow.state.InitialDog[k]);
  }
}

}  // namespace
}  // namespace zarvane
