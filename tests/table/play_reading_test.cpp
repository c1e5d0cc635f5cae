#include "core/strategy/play_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <vector>

#include "core/card_play.h"
#include "core/cards.h"
#include "core/strategy/auction_reading.h"
#include "core/strategy/computer_card.h"
#include "core/strategy/discard_reading.h"
#include "core/strategy/sampled_world.h"
#include "tests/support/deal_driver.h"
#include "tests/support/true_deal.h"

namespace zarvane {
namespace {

// Deals whose every card, South's too, is chosen by the rules at Pro; `look(game)` sees each
// card turn of the play.
template <typename Look>
void PlayDealsByTheRules(int deals, Look look) {
  for (int d = 0; d < deals; ++d) {
    testing::DealDriver driver(1, 40'000'000 + d * 7'919);
    driver.game.flow.state.options.Level = 4;
    std::mt19937 choices(static_cast<unsigned>(d));
    NewDeal(driver.game.flow, 0);
    while (!(driver.game.flow.state.DealPhase == Phase::Playing &&
             driver.game.flow.state.TrickNumber == 1) &&
           driver.Step(choices)) {
    }
    Core game = driver.game.flow.state;
    while (game.TrickNumber <= 18) {
      if (game.DealPhase == Phase::TrickShown) {
        ClearTrick(game);
        continue;
      }
      look(game);
      const int seat = game.CurrentSeat;
      ComputePlayableCards(game, seat);
      MarkedRules unused;
      PlayCard(game, seat, ComputerCardSlot(game, seat, unused).value());
    }
  }
}

// How many of the cards the observer cannot see in the other seats' hands the world puts where
// they really are.
int CardsPlacedRight(const Core& world, const Core& real, int observer) {
  int right = 0;
  for (int seat = 1; seat <= 4; ++seat) {
    if (seat == observer)
      continue;
    for (const Card& card : world.Hands[seat]) {
      for (const Card& held : real.Hands[seat])
        right += card.InHand == 1 && held.InHand == 1 && SameCard(held, card) ? 1 : 0;
    }
  }
  return right;
}

// When every seat plays by the rules, the deal as it lies seldom surprises anybody, whoever
// looks (the rules draw lots now and then); a deal drawn from the auction alone often does.
// Reading the plays finds deals that surprise less and put more of the hidden cards where they
// really are, and a count that passes its limit stops there.
TEST(PlayReading, TheTrueDealSeldomSurprisesAndReadingThePlaysPlacesMoreCardsRight) {
  Generator draws{.GeneratorState = 11};
  long true_surprises = 0;
  long blind_surprises = 0;
  long likeliest_surprises = 0;
  long blind_right = 0;
  long likeliest_right = 0;
  int positions = 0;
  PlayDealsByTheRules(12, [&](const Core& game) {
    if (game.TrickNumber < 4)
      return;
    const int observer = game.CurrentSeat;
    SCOPED_TRACE(::testing::Message() << "trick " << game.TrickNumber << " seat " << observer);
    Core model = game;
    model.options.Level = 4;
    Core world = model;
    true_surprises +=
        SetUpWorldCountingSurprises(world, game, observer, testing::TrueDeal(game, observer), 100);

    const HiddenDealDrawer drawer(game, observer);
    const HiddenDeal deal = DrawDealAfterAuction(game, observer, drawer, draws, 32);
    world = model;
    const int surprises = SetUpWorldCountingSurprises(world, game, observer, deal, 100);
    blind_surprises += surprises;
    blind_right += CardsPlacedRight(world, game, observer);
    if (surprises > 1) {
      world = model;
      EXPECT_EQ(SetUpWorldCountingSurprises(world, game, observer, deal, 0), 1);
    }

    Core likeliest = model;
    SetUpLikeliestWorld(likeliest, world, model, game, observer, drawer, draws);
    world = model;
    likeliest_surprises += SetUpWorldCountingSurprises(world, game, observer,
                                                       testing::TrueDeal(likeliest, observer), 100);
    likeliest_right += CardsPlacedRight(likeliest, game, observer);
    ++positions;
  });
  ASSERT_GT(positions, 500);
  EXPECT_LT(5 * true_surprises, blind_surprises);
  EXPECT_LT(3 * likeliest_surprises, 2 * blind_surprises);
  EXPECT_GT(likeliest_right, blind_right + positions / 2);
}

// How much the seat's choice among its playable cards surprises the observer: for each card it
// may play, the surprises of the course with that card over those of the course before it.
int SurprisesOfTheChoice(const Core& before, int seat, int observer, bool reads_partners) {
  Core world = before;
  const int before_the_choice = SetUpWorldCountingSurprises(
      world, before, observer, testing::TrueDeal(before, observer), 100, reads_partners);
  int surprising = 0;
  for (int slot = 1; slot <= 18; ++slot) {
    if (before.Playable[seat][slot] != 1)
      continue;
    Core after = before;
    PlayCard(after, seat, slot);
    world = after;
    surprising +=
        SetUpWorldCountingSurprises(world, after, observer, testing::TrueDeal(after, observer), 100,
                                    reads_partners) -
        before_the_choice;
  }
  return surprising;
}

// A seat with two cards to choose from says something by its choice: of the two, the rules'
// own pick is never a surprise and, often enough, the other one is; a seat with one card left
// to play says nothing.
TEST(PlayReading, AChoiceBetweenTwoCardsCountsAndAForcedCardNever) {
  int two_card_turns = 0;
  int surprising_choices = 0;
  int forced_surprises = 0;
  PlayDealsByTheRules(4, [&](const Core& game) {
    const int seat = game.CurrentSeat;
    const int observer = NextSeat(seat);
    Core before = game;
    before.options.Level = 4;
    ComputePlayableCards(before, seat);
    const int choices = CountPlayable(before, seat);
    if (choices > 2)
      return;
    const int surprising = SurprisesOfTheChoice(before, seat, observer, true);
    if (choices == 1) {
      forced_surprises += surprising;
      return;
    }
    EXPECT_LE(surprising, 1);
    surprising_choices += surprising;
    ++two_card_turns;
  });
  ASSERT_GT(two_card_turns, 20);
  EXPECT_GT(surprising_choices, 0);
  EXPECT_EQ(forced_surprises, 0);
}

// Measured without reading the partners, a seat's choice between two cards counts for the
// other side and never for its partners; read in full, it counts for both.
TEST(PlayReading, WithoutThePartnersOnlyTheOtherSidesChoicesCount) {
  struct Surprises {
    int read_in_full = 0;
    int other_side_alone = 0;
  };
  Surprises partners;
  Surprises other_side;
  PlayDealsByTheRules(4, [&](const Core& game) {
    const int seat = game.CurrentSeat;
    Core before = game;
    before.options.Level = 4;
    ComputePlayableCards(before, seat);
    if (CountPlayable(before, seat) != 2)
      return;
    for (int observer = 1; observer <= 4; ++observer) {
      if (observer == seat)
        continue;
      const bool partner = (observer == game.Taker) == (seat == game.Taker);
      for (const bool reads_partners : {false, true}) {
        const int surprising = SurprisesOfTheChoice(before, seat, observer, reads_partners);
        Surprises& seen = partner ? partners : other_side;
        (reads_partners ? seen.read_in_full : seen.other_side_alone) += surprising;
      }
    }
  });
  EXPECT_EQ(partners.other_side_alone, 0);
  EXPECT_GT(partners.read_in_full, 0);
  EXPECT_GT(other_side.other_side_alone, 0);
  EXPECT_EQ(other_side.other_side_alone, other_side.read_in_full);
}

bool ShownDog(const Core& game) {
  const int bid = game.AnnouncedBid[game.Taker];
  return bid == kPrise || bid == kGarde;
}

// A bit for each plain suit the taker had no card of when the play began, in the drawn deal.
int TakersVoids(const Core& game, const HiddenDeal& deal) {
  std::vector<Card> cards = deal.cards[game.Taker];
  for (const Card& card : game.Hands[game.Taker]) {
    if (card.InHand == 0)
      cards.push_back(card);
  }
  int voids = 0;
  for (int suit = kPique; suit <= kCarreau; ++suit) {
    const bool held = std::any_of(cards.begin(), cards.end(),
                                  [suit](const Card& card) { return card.Suit == suit; });
    voids |= held ? 0 : 1 << suit;
  }
  return voids;
}

bool FromTheDog(const Core& game, const Card& card) {
  return std::any_of(game.InitialDog.begin(), game.InitialDog.end(),
                     [&](const Card& dog) { return SameCard(dog, card); });
}

// A computer taker often voids a suit with his discard, which the play shows only later. In the
// first tricks a defender who reads the discard finds the taker's true voids far more often than
// a plain draw does. Each of his deals places every unseen card once, in the numbers each place
// holds, where it may lie: a card of the shown dog with the taker or in the discard. And his
// drawn deals fit the auction: the taker's hand drawn at random is seldom worth his bid.
TEST(PlayReading, ADefenderReadingTheDiscardFindsTheTakersVoids) {
  Generator draws{.GeneratorState = 5};
  int positions = 0;
  int read_found = 0;
  int plain_found = 0;
  int read_fit = 0;
  PlayDealsByTheRules(24, [&](const Core& game) {
    if (!ShownDog(game) || game.Taker == game.HumanSeat || game.CardsInTrick != 0 ||
        game.TrickNumber > 3) {
      return;
    }
    const int observer = NextSeat(game.Taker);
    SCOPED_TRACE(::testing::Message() << "trick " << game.TrickNumber);
    const HiddenDealDrawer drawer(game, observer);
    const HiddenDeal read = DrawReadingDiscard(game, observer, drawer, draws);
    const Table<int, 0, 4> counts = UnseenCounts(game, observer);
    std::vector<Card> placed;
    for (int place = 0; place <= 4; ++place) {
      EXPECT_EQ(static_cast<int>(read.cards[place].size()), counts[place]) << "place " << place;
      for (const Card& card : read.cards[place]) {
        const bool taker_or_discard = place == game.Taker || place == kSetAsidePlace;
        EXPECT_TRUE((drawer.PlacesOf(card) & (1 << place)) != 0 ||
                    (FromTheDog(game, card) && taker_or_discard))
            << CardFaceName(card) << " at " << place;
        placed.push_back(card);
      }
    }
    const std::vector<Card> unseen = UnseenCards(game, observer);
    EXPECT_EQ(placed.size(), unseen.size());
    for (const Card& card : unseen) {
      EXPECT_EQ(std::count_if(placed.begin(), placed.end(),
                              [&](const Card& c) { return SameCard(c, card); }),
                1)
          << CardFaceName(card);
    }
    const int true_voids = TakersVoids(game, testing::TrueDeal(game, observer));
    read_found += std::popcount(static_cast<unsigned>(TakersVoids(game, read) & true_voids));
    plain_found +=
        std::popcount(static_cast<unsigned>(TakersVoids(game, drawer.Draw(draws)) & true_voids));
    read_fit += AuctionDistance(game, observer, read) == 0 ? 1 : 0;
    ++positions;
  });
  ASSERT_GT(positions, 30);
  EXPECT_GT(read_found, 2 * plain_found + positions / 10);
  EXPECT_GT(4 * read_fit, 3 * positions) << read_fit << " of " << positions;
}

// A deal whose taker's place is already dealt is completed around it: those cards stay, every
// other unseen card goes once to a place with room. A place dealt more cards than it holds
// makes it refuse.
TEST(PlayReading, APartlyDealtDealIsCompletedAroundItsCardsAndAnOverfullPlaceRefused) {
  Generator draws{.GeneratorState = 9};
  int completed = 0;
  PlayDealsByTheRules(6, [&](const Core& game) {
    if (game.TrickNumber > 2 || game.CardsInTrick != 0)
      return;
    const int observer = NextSeat(game.Taker);
    const HiddenDealDrawer drawer(game, observer);
    const HiddenDeal whole = drawer.Draw(draws);
    HiddenDeal part;
    part.cards[game.Taker] = whole.cards[game.Taker];
    HiddenDeal completed_deal = part;
    ASSERT_TRUE(drawer.DrawRest(completed_deal, draws));
    EXPECT_TRUE(std::equal(part.cards[game.Taker].begin(), part.cards[game.Taker].end(),
                           completed_deal.cards[game.Taker].begin(),
                           completed_deal.cards[game.Taker].end(), SameCard));
    const Table<int, 0, 4> counts = UnseenCounts(game, observer);
    std::size_t placed = 0;
    for (int place = 0; place <= 4; ++place) {
      EXPECT_EQ(static_cast<int>(completed_deal.cards[place].size()), counts[place]);
      placed += completed_deal.cards[place].size();
    }
    EXPECT_EQ(placed, UnseenCards(game, observer).size());
    ++completed;

    HiddenDeal overfull = part;
    const int partner = NextSeat(observer);
    overfull.cards[game.Taker].push_back(whole.cards[partner].front());
    EXPECT_FALSE(drawer.DrawRest(overfull, draws));
  });
  EXPECT_GT(completed, 6);
}

// The taker, and a defender after a dog nobody saw, have no discard to read: they draw plainly.
TEST(PlayReading, OnlyADefenderAfterAShownDogReadsTheDiscard) {
  int readers = 0;
  PlayDealsByTheRules(8, [&](const Core& game) {
    for (int observer = 1; observer <= 4; ++observer) {
      const HiddenDealDrawer drawer(game, observer);
      Generator plain{.GeneratorState = 77};
      Generator reading = plain;
      const HiddenDeal drawn = drawer.Draw(plain);
      const HiddenDeal read = DrawReadingDiscard(game, observer, drawer, reading);
      const bool same =
          reading.GeneratorState == plain.GeneratorState &&
          std::equal(drawn.cards.begin(), drawn.cards.end(), read.cards.begin(),
                     [](const auto& a, const auto& b) {
                       return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameCard);
                     });
      const bool reads = observer != game.Taker && ShownDog(game);
      readers += reads ? 1 : 0;
      if (!reads) {
        EXPECT_TRUE(same) << "observer " << observer;
      }
    }
  });
  EXPECT_GT(readers, 0);
}

// A defender's draws often contradict the auction. Its likeliest world, always one of its draws,
// is chosen among the draws that fit the auction before the others, so that at least three times
// in four every hand in it is worth what its seat bid (replayed in the order drawn, under two in
// three).
TEST(PlayReading, ADefendersLikeliestWorldFitsTheAuction) {
  Generator draws{.GeneratorState = 13};
  int positions = 0;
  int fitting = 0;
  PlayDealsByTheRules(24, [&](const Core& game) {
    const int observer = game.CurrentSeat;
    if (observer == game.Taker || game.TrickNumber < 2 || game.CardsInTrick != 0)
      return;
    Core model = game;
    model.options.Level = 4;
    // Left as it is, the world would be the true deal: a trick number out of play shows it.
    Core likeliest = model;
    likeliest.TrickNumber = 0;
    Core scratch = model;
    SetUpLikeliestWorld(likeliest, scratch, model, game, observer, HiddenDealDrawer(game, observer),
                        draws);
    ASSERT_EQ(likeliest.TrickNumber, game.TrickNumber) << "no world set up";
    fitting += AuctionDistance(game, observer, testing::TrueDeal(likeliest, observer)) == 0 ? 1 : 0;
    ++positions;
  });
  ASSERT_GT(positions, 100);
  EXPECT_GT(4 * fitting, 3 * positions) << fitting << " of " << positions;
}

}  // namespace
}  // namespace zarvane
