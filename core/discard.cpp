#include "core/discard.h"

#include "core/play_preparation.h"

namespace zarvane {

bool MustKeep(const Card& card) {
  return card.Suit == kAtout || card.Value == kKing;
}

Merge MergeHandAndDog(const GameState& game, int taker) {
  Merge merge;
  int h = 1;
  int d = 1;
  for (int k = 1; k <= 24; ++k) {
    bool take_hand = d > 6;
    if (!take_hand && h <= 18) {
      const Card& hand = game.Hands[taker][h];
      const Card& dog = game.Dog[d];
      take_hand = hand.Suit < dog.Suit || (hand.Suit == dog.Suit && hand.Value > dog.Value);
    }
    if (take_hand) {
      merge.cards[k] = game.Hands[taker][h];
      merge.source[k] = h++;
    } else {
      merge.cards[k] = game.Dog[d];
      merge.source[k] = 18 + d++;
    }
  }
  return merge;
}

namespace {

// The next plain suit in the cyclic order PIQUE, COEUR, TREFLE, CARREAU.
int NextSuit(int suit) {
  return suit == kCarreau ? kPique : suit + 1;
}

// The honours and the count of one suit among the taker's 24 cards.
struct SuitView {
  int cards = 0;  // every card of the suit
  bool king = false;
  bool queen = false;
  bool knight = false;
  bool jack = false;
};

SuitView LookAtSuit(const GameState& game, int suit) {
  SuitView view;
  for (const Card& card : game.MergedCards) {
    if (card.Suit != suit)
      continue;
    ++view.cards;
    view.king = view.king || card.Value == kKing;
    view.queen = view.queen || card.Value == kQueen;
    view.knight = view.knight || card.Value == kKnight;
    view.jack = view.jack || card.Value == kJack;
  }
  return view;
}

void DiscardPosition(GameState& game, int i) {
  game.KeepFlags[i] = 0;
  ++game.DiscardCount;
}

// Discards the still-kept card of the suit with that value, if any.
void DiscardKeptCard(GameState& game, int suit, int value) {
  for (int i = 1; i <= 24; ++i) {
    const Card& card = game.MergedCards[i];
    if (card.Suit == suit && card.Value == value && game.KeepFlags[i] == 1) {
      DiscardPosition(game, i);
      return;
    }
  }
}

struct ShortAndLong {
  int short_suit = -1;
  int long_suit = -1;
};

ShortAndLong ChooseShortAndLongSuits(GameState& game) {
  ShortAndLong chosen;
  int smallest = 100;
  int largest = -100;
  int suit = RandomUpTo(game.random, 4);
  for (int n = 0; n < 4; ++n) {
    suit = NextSuit(suit);
    const SuitView view = LookAtSuit(game, suit);
    const int m = view.cards - (view.king ? 1 : 0);
    if (m > 0 && m < smallest && !view.king && !(view.queen && view.knight)) {
      chosen.short_suit = suit;
      smallest = m;
    }
    if (m > largest) {
      chosen.long_suit = suit;
      largest = m;
    }
  }
  return chosen;
}

void VoidShortSuit(GameState& game, int short_suit) {
  for (int i = 1; i <= 24 && game.DiscardCount < 6; ++i) {
    if (game.MergedCards[i].Suit == short_suit)
      DiscardPosition(game, i);
  }
}

// With a strong trump hand the taker can afford to void a second suit.
bool StrongEnoughForSecondVoid(const GameState& game) {
  int bouts = 0;
  int trumps = 0;
  for (const Card& card : game.MergedCards) {
    bouts += IsOudler(card) ? 1 : 0;
    trumps += IsTrump(card) ? 1 : 0;
  }
  return (trumps >= 8 && bouts >= 2) || trumps >= 9;
}

void VoidSecondSuit(GameState& game, int short_suit) {
  int suit = RandomUpTo(game.random, 4);
  int second = -1;
  for (int n = 0; n < 4 && second == -1; ++n) {
    suit = NextSuit(suit);
    if (suit == short_suit)
      continue;
    const SuitView view = LookAtSuit(game, suit);
    if (view.cards <= 6 - game.DiscardCount && !view.king)
      second = suit;
  }
  if (second == -1)
    return;
  for (int i = 1; i <= 24; ++i) {
    if (game.MergedCards[i].Suit == second && game.KeepFlags[i] == 1)
      DiscardPosition(game, i);
  }
}

// A lone honour is easily caught, so it goes to the discard where its points are safe. The
// draw is made as soon as a rule matches, whether or not the card is still to be had.
void DiscardLoneHonour(GameState& game, int suit) {
  const SuitView view = LookAtSuit(game, suit);
  if (view.queen && !view.king && !view.knight && !view.jack) {
    const bool has_excuse = [&game] {
      for (const Card& card : game.MergedCards) {
        if (IsExcuse(card))
          return true;
      }
      return false;
    }();
    if (!has_excuse || RandomUpTo(game.random, 100) >= 10)
      DiscardKeptCard(game, suit, kQueen);
  } else if (view.knight && !view.king && !view.queen && !view.jack) {
    if (RandomUpTo(game.random, 100) < 90)
      DiscardKeptCard(game, suit, kKnight);
  } else if (view.jack && !view.king && !view.queen && !view.knight) {
    if (RandomUpTo(game.random, 100) < 70)
      DiscardKeptCard(game, suit, kJack);
  }
}

void DiscardLoneHonours(GameState& game) {
  int suit = RandomUpTo(game.random, 4);
  for (int n = 0; n < 4 && game.DiscardCount < 6; ++n) {
    suit = NextSuit(suit);
    DiscardLoneHonour(game, suit);
  }
}

// One sweep downwards from a random position; what it leaves, the last fill takes.
void RandomFill(GameState& game, int long_suit) {
  int position = RandomUpTo(game.random, 24);
  for (int n = 0; n < 24 && game.DiscardCount < 6; ++n) {
    const Card& card = game.MergedCards[position];
    if (game.KeepFlags[position] == 1 && card.Suit != kAtout && card.Suit != long_suit &&
        card.Value != kKing) {
      DiscardPosition(game, position);
    }
    position = position == 1 ? 24 : position - 1;
  }
}

void LastFill(GameState& game) {
  for (int i = 24; i >= 1 && game.DiscardCount < 6; --i) {
    if (game.KeepFlags[i] == 1 && !MustKeep(game.MergedCards[i]))
      DiscardPosition(game, i);
  }
}

}  // namespace

Table<Card, 1, 24> MergeWithDog(const GameState& game, int taker) {
  return MergeHandAndDog(game, taker).cards;
}
void WriteBackDiscard(GameState& game) {
  int slot = 1;
  int d = 1;
  for (int i = 1; i <= 24; ++i) {
    if (game.KeepFlags[i] == 1) {
      Card card = game.MergedCards[i];
      card.InHand = 1;
      game.Hands[game.Taker][slot++] = card;
    } else {
      game.Dog[d++] = game.MergedCards[i];
    }
  }
}

void ChooseComputerDiscard(GameState& game) {
  game.MergedCards = MergeWithDog(game, game.Taker);
  game.KeepFlags.Fill(1);
  game.DiscardCount = 0;

  const ShortAndLong suits = ChooseShortAndLongSuits(game);
  if (suits.short_suit != -1)
    VoidShortSuit(game, suits.short_suit);
  if (suits.short_suit != -1 && game.DiscardCount < 6 && StrongEnoughForSecondVoid(game))
    VoidSecondSuit(game, suits.short_suit);
  if (game.DiscardCount < 6)
    DiscardLoneHonours(game);
  if (game.DiscardCount < 6)
    RandomFill(game, suits.long_suit);
  LastFill(game);
}

void ComputerDiscard(GameState& game) {
  ChooseComputerDiscard(game);
  WriteBackDiscard(game);
  FillDiscardOrigin(game);
  PreparePlay(game);
}

void FillDiscardOrigin(GameState& game) {
  for (int k = 1; k <= 6; ++k) {
    const Card& discarded = game.Dog[k];
    for (int slot = 1; slot <= 18; ++slot) {
      if (SameCard(game.InitialHands[game.Taker][slot], discarded))
        game.DiscardOrigin[k] = slot;
    }
    for (int d = 1; d <= 6; ++d) {
      if (SameCard(game.InitialDog[d], discarded))
        game.DiscardOrigin[k] = 18 + d;
    }
  }
}

}  // namespace zarvane
