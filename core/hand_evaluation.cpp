#include "core/hand_evaluation.h"

namespace zarvane {

namespace {

int TrumpLengthBonus(int trumps) {
  if (trumps <= 5)
    return 0;
  if (trumps == 6)
    return 2;
  if (trumps == 7)
    return 4;
  if (trumps == 8)
    return 6;
  if (trumps == 9)
    return 9;
  return 12;
}

// One row of the table of bands, picked by the bouts held.
struct BidRow {
  int minimum_trumps;
  int c;
  int prise_from;
  int garde_from;
  int garde_sans_band_from;  // GARDE SANS when n >= x, else GARDE
  int x;
  int garde_contre_from;  // GARDE CONTRE when n >= y, else GARDE SANS
  int y;
};

BidRow RowFor(int bouts, bool holds_21) {
  switch (bouts) {
    case 3:
      return {4, 5, 52, 62, 78, 6, 84, 7};
    case 2:
      return holds_21 ? BidRow{5, 5, 50, 56, 76, 6, 84, 7} : BidRow{5, 7, 50, 56, 76, 6, 84, 7};
    case 1:
      return {6, 8, 70, 76, 104, 7, 114, 8};
    default:
      return {7, 9, 80, 86, 124, 8, 130, 9};
  }
}

}  // namespace

int CardPoints(const Card& card) {
  if (card.Suit == kAtout) {
    if (IsOudler(card))
      return 12;
    return card.Value >= 15 ? 3 : 2;
  }
  switch (card.Value) {
    case 14:
      return 12;
    case 13:
      return 6;
    case 12:
    case 11:
      return 2;
    default:
      return 1;
  }
}

int TrumpPoints(const Core& game, int seat) {
  return TrumpPoints(game.Hands[seat]);
}

int TrumpPoints(const Hand& hand) {
  int points = 0;
  int trumps = 0;
  for (const Card& card : hand) {
    if (card.Suit != kAtout)
      continue;
    points += CardPoints(card);
    ++trumps;
  }
  return points + TrumpLengthBonus(trumps);
}

int HandValue(const Core& game, int seat, int n) {
  return HandValue(game.Hands[seat], n);
}

int HandValue(const Hand& hand, int n) {
  int value = TrumpPoints(hand);
  for (const Card& card : hand) {
    if (card.Suit != kAtout)
      value += CardPoints(card);
  }
  if (n >= 9)
    value += 10 * (n - 8) + (n - 8) * (n - 7);
  return value;
}

int ComputeBid(const Core& game, int seat) {
  return ComputeBid(game.Hands[seat]);
}

int ComputeBid(const Hand& hand) {
  int n = 0;
  int g = 0;
  int bouts = 0;
  bool holds_21 = false;
  for (const Card& card : hand) {
    if (card.Suit != kAtout)
      continue;
    if (card.Value != 0)
      ++n;
    if (card.Value >= 13)
      ++g;
    if (IsOudler(card))
      ++bouts;
    if (card.Value == 21)
      holds_21 = true;
  }
  return TableBid(bouts, holds_21, n, g, HandValue(hand, n));
}

int TableBid(int bouts, bool holds_21, int n, int g, int value) {
  const BidRow row = RowFor(bouts, holds_21);
  // n >= C - G/2 in real arithmetic, kept whole by doubling both sides.
  if (n < row.minimum_trumps || 2 * n < 2 * row.c - g)
    return kPasse;
  if (value < row.prise_from)
    return kPasse;
  if (value < row.garde_from)
    return kPrise;
  if (value < row.garde_sans_band_from)
    return kGarde;
  if (value < row.garde_contre_from)
    return n >= row.x ? kGardeSans : kGarde;
  return n >= row.y ? kGardeContre : kGardeSans;
}

}  // namespace zarvane
