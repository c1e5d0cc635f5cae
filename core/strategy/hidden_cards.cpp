#include "core/strategy/hidden_cards.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <utility>

#include "core/cards.h"

namespace zarvane {

namespace {

constexpr int kPlaces = HiddenDealDrawer::kPlaces;
constexpr int kMasks = HiddenDealDrawer::kMasks;

using Rooms = std::array<int, kPlaces>;

bool KnowsSetAside(const Core& game, int observer) {
  const int bid = game.AnnouncedBid[game.Taker];
  return observer == game.Taker && (bid == kPrise || bid == kGarde);
}

bool HeldBy(const Core& game, int seat, const Card& card) {
  for (const Card& held : game.Hands[seat]) {
    if (held.InHand == 1 && SameCard(held, card))
      return true;
  }
  return false;
}

int StatusOf(const Core& game, int observer, const Card& card) {
  return card.Suit == kAtout ? game.TrumpStatus[observer][card.Value]
                             : game.CardStatus[observer][card.Suit][card.Value];
}

bool Excluded(const Core& game, int observer, int seat, const Card& card) {
  if (card.Suit == kAtout) {
    return game.MayHoldTrump[observer][seat][card.Value] == 0 ||
           (IsTrump(card) && game.KnownNoTrump[observer][seat] == 1);
  }
  return game.MayHoldCard[observer][seat][card.Suit][card.Value] == 0 ||
         game.KnownVoid[observer][seat][card.Suit] == 1;
}

using Voids = PerSeat<PerSuit<std::uint8_t>>;

// A seat that did not follow a plain suit led, and played no Excuse, has none of it left. The
// play memory records this only when the seat had to trump first in the trick or could not
// trump, but everybody at the table saw it, and a deal that gave the seat the suit could not
// have been played as it was.
Voids ShownVoids(const Core& game) {
  Voids voids{};
  for (int trick = 1; trick <= game.TrickNumber && trick <= 18; ++trick) {
    const int cards = trick < game.TrickNumber ? 4 : game.CardsInTrick;
    int led = kNoSuit;
    for (int i = 0, seat = game.TrickLeaders[trick]; i < cards; ++i, seat = NextSeat(seat)) {
      const Card& card = game.Hands[seat][game.PlayedSlot[seat][trick]];
      if (IsExcuse(card))
        continue;
      if (led == kNoSuit)
        led = card.Suit;
      else if (led != kAtout && card.Suit != led)
        voids[seat][led] = 1;
    }
  }
  return voids;
}

// True when, in the observer's view, the card may lie at the place: the observer has not
// excluded that seat for it, nor found the seat void in its suit or out of trumps; the
// set-aside cards take it only when the observer does not know them and a discard could hold
// it.
bool MayLieAt(const Core& game, const Voids& voids, int observer, const Card& card, int place) {
  if (place == observer)
    return false;
  if (place != kSetAsidePlace) {
    return !Excluded(game, observer, place, card) &&
           !(card.Suit != kAtout && voids[place][card.Suit] == 1);
  }
  if (KnowsSetAside(game, observer))
    return false;
  const int bid = game.AnnouncedBid[game.Taker];
  // After a shown dog the set-aside cards are the taker's discard, which holds no trump, no
  // Excuse and no king; the untouched dog of the higher contracts may hold anything.
  return !(bid == kPrise || bid == kGarde) || IsDiscardable(card);
}

// The places the card may lie at. `trust_placements` also holds to the observer's conclusions
// of where a card is; they are left aside only when no deal could agree with them, as when a
// defender concluded the taker holds a card of the shown dog that went to the discard.
int PlacesFor(const Core& game, const Voids& voids, int observer, const Card& card,
              bool trust_placements) {
  const int status = StatusOf(game, observer, card);
  int mask = 0;
  for (int place = 0; place < kPlaces; ++place) {
    if (!MayLieAt(game, voids, observer, card, place))
      continue;
    if (trust_placements && status != -1 && status != place &&
        !(place == kSetAsidePlace && status == kSetAside)) {
      continue;
    }
    mask |= 1 << place;
  }
  return mask;
}

// For each group of places, the room it has left less the cards that can only go within it.
// The cards still to place can all be placed exactly when no group's slack is below zero.
using Slack = std::array<int, kMasks>;

Slack SlackOf(const std::vector<int>& masks, const Rooms& rooms) {
  Slack slack{};
  for (int group = 0; group < kMasks; ++group) {
    for (int place = 0; place < kPlaces; ++place) {
      if ((group & (1 << place)) != 0)
        slack[group] += rooms[place];
    }
    for (int mask : masks) {
      if ((mask & group) == mask)
        --slack[group];
    }
  }
  return slack;
}

bool Placeable(const Slack& slack) {
  return std::all_of(slack.begin(), slack.end(), [](int s) { return s >= 0; });
}

// Calls `visit` on every group of places that holds all the places of `mask`.
template <typename Visit>
void ForEachGroupHolding(int mask, Visit visit) {
  for (int group = mask; group < kMasks; group = (group + 1) | mask)
    visit(group);
}

// A card whose places are `mask` is no longer to place.
void TakeCard(Slack& slack, int mask) {
  ForEachGroupHolding(mask, [&slack](int group) { ++slack[group]; });
}

// One card fewer fits at the place.
void TakeRoom(Slack& slack, int place) {
  ForEachGroupHolding(1 << place, [&slack](int group) { --slack[group]; });
}

// Taking a room at the place leaves the cards still to place placeable.
bool LeavesPlaceable(const Slack& slack, int place) {
  bool placeable = true;
  ForEachGroupHolding(1 << place, [&](int group) { placeable = placeable && slack[group] >= 1; });
  return placeable;
}

// One place for the card, drawn in proportion to the room left, among the places that keep
// the remaining cards placeable.
int DrawPlace(int mask, const Slack& slack, const Rooms& rooms, Generator& random) {
  std::array<int, kPlaces> weights{};
  int total = 0;
  for (int place = 0; place < kPlaces; ++place) {
    if ((mask & (1 << place)) == 0 || rooms[place] == 0 || !LeavesPlaceable(slack, place))
      continue;
    weights[place] = rooms[place];
    total += weights[place];
  }
  assert(total > 0);
  int pick = static_cast<int>(RandomBelow(random, static_cast<std::uint32_t>(total)));
  for (int place = 0; place < kPlaces; ++place) {
    if (pick < weights[place])
      return place;
    pick -= weights[place];
  }
  return -1;
}

}  // namespace

std::vector<Card> CardsOfOtherSeats(const Core& game, int seat) {
  std::vector<Card> cards;
  for (int other = 1; other <= 4; ++other) {
    if (other != seat)
      cards.insert(cards.end(), game.Hands[other].begin(), game.Hands[other].end());
  }
  return cards;
}

std::vector<Card> UnseenCards(const Core& game, int observer) {
  std::vector<Card> unseen;
  for (const Card& card : kPack) {
    if (!HeldBy(game, observer, card) && StatusOf(game, observer, card) != kPlayed)
      unseen.push_back(Card{card.Value, card.Suit, 1});
  }
  return unseen;
}

Table<int, 0, 4> UnseenCounts(const Core& game, int observer) {
  Table<int, 0, 4> counts{};
  counts[kSetAsidePlace] = KnowsSetAside(game, observer) ? 0 : 6;
  for (int seat = 1; seat <= 4; ++seat) {
    if (seat == observer)
      continue;
    for (const Card& card : game.Hands[seat])
      counts[seat] += card.InHand;
  }
  return counts;
}

HiddenDealDrawer::HiddenDealDrawer(const Core& game, int observer) {
  const std::vector<Card> unseen = UnseenCards(game, observer);
  const Table<int, 0, 4> counts = UnseenCounts(game, observer);
  for (int place = 0; place < kPlaces; ++place)
    rooms_[place] = counts[place];
  const Voids voids = ShownVoids(game);
  std::vector<int> masks;
  for (const Card& card : unseen)
    masks.push_back(PlacesFor(game, voids, observer, card, true));
  if (!Placeable(SlackOf(masks, rooms_))) {
    masks.clear();
    for (const Card& card : unseen)
      masks.push_back(PlacesFor(game, voids, observer, card, false));
  }
  slack_ = SlackOf(masks, rooms_);
  for (std::size_t i = 0; i < unseen.size(); ++i) {
    cards_.push_back({unseen[i], masks[i]});
    places_[CardNumber(unseen[i])] = masks[i];
  }
}

void HiddenDealDrawer::PlaceAtRandom(std::vector<PlacedCard> cards, Rooms rooms, Slack slack,
                                     Generator& random, HiddenDeal& deal) {
  for (std::size_t i = cards.size(); i > 1; --i) {
    const auto j = RandomBelow(random, static_cast<std::uint32_t>(i));
    std::swap(cards[i - 1], cards[j]);
  }
  for (const PlacedCard& placed : cards) {
    TakeCard(slack, placed.places);
    const int place = DrawPlace(placed.places, slack, rooms, random);
    if (place < 0)
      break;
    --rooms[place];
    TakeRoom(slack, place);
    deal.cards[place].push_back(placed.card);
  }
}

HiddenDeal HiddenDealDrawer::Draw(Generator& random) const {
  HiddenDeal deal;
  PlaceAtRandom(cards_, rooms_, slack_, random, deal);
  return deal;
}

int HiddenDealDrawer::PlacesOf(const Card& card) const {
  return places_[CardNumber(card)];
}

bool HiddenDealDrawer::DrawRest(HiddenDeal& deal, Generator& random) const {
  Rooms rooms = rooms_;
  for (int place = 0; place < kPlaces; ++place) {
    rooms[place] -= static_cast<int>(deal.cards[place].size());
    if (rooms[place] < 0)
      return false;
  }
  Table<bool, 1, 78> dealt{};
  for (const auto& cards : deal.cards) {
    for (const Card& card : cards)
      dealt[CardNumber(card)] = true;
  }
  std::vector<PlacedCard> rest;
  std::vector<int> masks;
  for (const PlacedCard& placed : cards_) {
    if (!dealt[CardNumber(placed.card)]) {
      rest.push_back(placed);
      masks.push_back(placed.places);
    }
  }
  const Slack slack = SlackOf(masks, rooms);
  if (!Placeable(slack))
    return false;
  PlaceAtRandom(std::move(rest), rooms, slack, random, deal);
  return true;
}

HiddenDeal DrawHiddenDeal(const Core& game, int observer, Generator& random) {
  return HiddenDealDrawer(game, observer).Draw(random);
}

}  // namespace zarvane
