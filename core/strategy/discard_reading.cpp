#include "core/strategy/discard_reading.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/deal.h"
#include "core/discard.h"
#include "core/strategy/auction_reading.h"

namespace zarvane {

namespace {

// Draws tried before the plain draw; about one in four agrees with the play.
constexpr int kAttempts = 12;
// Hands drawn over all the attempts to find one worth the taker's bid, each attempt discarding
// from the first it finds, else from the nearest: drawn at random, his hand is often too weak
// for it. Where few hands are worth it, every attempt would otherwise draw many.
constexpr int kHandDraws = 32;

bool Among(const std::vector<Card>& cards, const Card& card) {
  return std::any_of(cards.begin(), cards.end(), [&](const Card& c) { return SameCard(c, card); });
}

bool MayLieAt(int places, int place) {
  return (places & (1 << place)) != 0;
}

// What a defender knows of the taker's 24 cards: the dog he was shown, the cards the taker
// played.
struct TakersShownCards {
  std::vector<Card> dog;
  std::vector<Card> played;
};

TakersShownCards ShownCards(const Core& game) {
  TakersShownCards shown;
  for (const Card& card : game.InitialDog)
    shown.dog.push_back(Card{card.Value, card.Suit, 1});
  for (const Card& card : game.Hands[game.Taker]) {
    if (card.InHand == 0)
      shown.played.push_back(Card{card.Value, card.Suit, 1});
  }
  return shown;
}

// The taker's dealt cards as a defender sees them: those he surely had, the cards he played from
// his own hand and the unseen cards that can lie nowhere but with him or in the discard; and
// the unseen cards he may have had.
struct DealtCandidates {
  std::vector<Card> sure;
  std::vector<Card> may;
};

DealtCandidates CandidatesForDealtHand(const std::vector<Card>& unseen,
                                       const HiddenDealDrawer& drawer, int taker,
                                       const TakersShownCards& shown) {
  DealtCandidates candidates;
  for (const Card& card : shown.played) {
    if (!Among(shown.dog, card))
      candidates.sure.push_back(card);
  }
  const int taker_or_discard = (1 << taker) | (1 << kSetAsidePlace);
  for (const Card& card : unseen) {
    const int places = drawer.PlacesOf(card);
    if (Among(shown.dog, card) || (places & taker_or_discard) == 0)
      continue;
    if ((places & ~taker_or_discard) == 0)
      candidates.sure.push_back(card);
    else
      candidates.may.push_back(card);
  }
  return candidates;
}

constexpr auto kHandCards = static_cast<std::size_t>(Hand::kSize);

bool CanDrawDealtHand(const DealtCandidates& candidates) {
  return candidates.sure.size() <= kHandCards &&
         candidates.sure.size() + candidates.may.size() >= kHandCards;
}

// The taker's 18 dealt cards: the sure ones and others drawn among those he may have had.
std::vector<Card> DrawDealtHand(const DealtCandidates& candidates, Generator& random) {
  std::vector<Card> dealt = candidates.sure;
  std::vector<Card> may = candidates.may;
  while (dealt.size() < kHandCards) {
    const auto pick = RandomBelow(random, static_cast<std::uint32_t>(may.size()));
    dealt.push_back(may[pick]);
    may[pick] = may.back();
    may.pop_back();
  }
  return dealt;
}

// The taker's unplayed cards and his discard when the computer discards from the dealt hand and
// the shown dog; nothing when he would have set aside a card he played since, or put a card
// where the defender knows it is not.
std::optional<HiddenDeal> DiscardFrom(const std::vector<Card>& dealt, int taker,
                                      const TakersShownCards& shown, const HiddenDealDrawer& drawer,
                                      Generator& random) {
  GameState discarding;
  discarding.Taker = taker;
  for (int slot = 1; slot <= Hand::kSize; ++slot)
    discarding.Hands[taker][slot] = dealt[static_cast<std::size_t>(slot - 1)];
  for (int d = 1; d <= 6; ++d)
    discarding.Dog[d] = shown.dog[static_cast<std::size_t>(d - 1)];
  // The other seats hold nothing here: sorting their empty hands would only cost time.
  SortHand(discarding, taker);
  SortDog(discarding);
  discarding.random.GeneratorState = static_cast<std::uint32_t>(RandomBelow(random, ~0u));
  ChooseComputerDiscard(discarding);
  HiddenDeal deal;
  for (int i = 1; i <= 24; ++i) {
    const Card& card = discarding.MergedCards[i];
    const bool kept = discarding.KeepFlags[i] == 1;
    if (Among(shown.played, card)) {
      if (!kept)
        return std::nullopt;
      continue;
    }
    const int place = kept ? taker : kSetAsidePlace;
    if (!Among(shown.dog, card) && !MayLieAt(drawer.PlacesOf(card), place))
      return std::nullopt;
    deal.cards[place].push_back(card);
  }
  return deal;
}

}  // namespace

HiddenDeal DrawReadingDiscard(const Core& game, int observer, const HiddenDealDrawer& drawer,
                              Generator& random) {
  const int bid = game.AnnouncedBid[game.Taker];
  if (observer != game.Taker && (bid == kPrise || bid == kGarde)) {
    const TakersShownCards shown = ShownCards(game);
    const DealtCandidates candidates =
        CandidatesForDealtHand(UnseenCards(game, observer), drawer, game.Taker, shown);
    int hands_left = kHandDraws;
    for (int attempt = 0; attempt < kAttempts && CanDrawDealtHand(candidates); ++attempt) {
      const std::vector<Card> dealt = NearestOf(
          std::max(1, hands_left),
          [&] {
            --hands_left;
            return DrawDealtHand(candidates, random);
          },
          [&](const std::vector<Card>& hand) { return BidDistance(BidFor(hand), bid, kPasse); });
      auto deal = DiscardFrom(dealt, game.Taker, shown, drawer, random);
      if (deal && drawer.DrawRest(*deal, random))
        return *deal;
    }
  }
  return drawer.Draw(random);
}

}  // namespace zarvane
