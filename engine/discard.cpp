#include "engine/discard.h"

#include "engine/deal_flow.h"
#include "engine/deductions.h"
#include "engine/hand_layout.h"
#include "engine/messages.h"
#include "engine/play_preparation.h"

namespace zarvane {

namespace {

// Cards that neither discard may take.
bool MustKeep(const Card& card) {
  return card.Suit == kAtout || card.Value == kKing;
}

// The merged cards and, for each, where it came from: 1..18 the taker's slot, 19..24 the dog.
struct Merge {
  Table<Card, 1, 24> cards{};
  Table<int, 1, 24> source{};
};

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

ShortAndLong ChooseShortAndLongSuits(Game& game) {
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

void VoidSecondSuit(Game& game, int short_suit) {
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
void DiscardLoneHonour(Game& game, int suit) {
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

void DiscardLoneHonours(Game& game) {
  int suit = RandomUpTo(game.random, 4);
  for (int n = 0; n < 4 && game.DiscardCount < 6; ++n) {
    suit = NextSuit(suit);
    DiscardLoneHonour(game, suit);
  }
}

// One sweep downwards from a random position; what it leaves, the last fill takes.
void RandomFill(Game& game, int long_suit) {
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

void WriteBackComputerDiscard(GameState& game) {
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

int ImageLeft(const Game& game, int k) {
  return game.layout.HandLeft + (k - 1) * game.layout.DiscardStep;
}

// The card image k shows while South discards.
Card DiscardImageCard(const GameState& game, int k) {
  const int source = game.DiscardImageMap[k];
  return source <= 18 ? game.Hands[game.HumanSeat][source] : game.Dog[source - 18];
}

void PlaceDiscardImage(Game& game, int k, bool lifted) {
  const int lift = lifted ? game.layout.SelectLift : 0;
  game.view.Place(Control::Carte3D, k, ImageLeft(game, k), game.DiscardImageTop[k] - lift);
}

void SetConfirmationShown(Game& game, bool shown) {
  game.view.SetVisible(Control::PanelConfirmeEcart, 0, shown);
}

}  // namespace

Table<Card, 1, 24> MergeWithDog(const GameState& game, int taker) {
  return MergeHandAndDog(game, taker).cards;
}

void BeginDiscard(Game& game) {
  for (int i = 1; i <= 6; ++i)
    game.view.SetVisible(Control::CarteChien, i, false);
  if (game.Taker == game.HumanSeat) {
    game.DealPhase = Phase::Discard;
    StartHumanDiscard(game);
  } else {
    ComputerDiscard(game);
    game.DealPhase = Phase::PlayReady;
    Continue(game);
  }
}

void ComputerDiscard(Game& game) {
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

  WriteBackComputerDiscard(game);
  FillDiscardOrigin(game);
  PreparePlay(game);
  RefreshDeductions(game);
}

void StartHumanDiscard(Game& game) {
  for (int k = 1; k <= 24; ++k) {
    game.DiscardImageTop[k] = game.layout.HandTop - RandomUpTo(game.random, 3);
    PlaceDiscardImage(game, k, false);
    game.view.SetPointer(Control::Carte3D, k, Pointer::HandPoint);
    game.view.SetVisible(Control::Carte3D, k, false);
  }
  const Merge merge = MergeHandAndDog(game, game.HumanSeat);
  for (int k = 1; k <= 24; ++k) {
    game.view.ShowCard(Control::Carte3D, k, merge.cards[k]);
    game.DiscardImageMap[k] = merge.source[k];
  }
  game.DiscardCount = 0;
  game.DiscardSelected.Fill(0);
  for (int k = 1; k <= 24; ++k) {
    if (MustKeep(merge.cards[k]))
      game.view.SetPointer(Control::Carte3D, k, Pointer::NoEntry);
  }
  for (int k = 1; k <= 24; ++k)
    game.view.SetVisible(Control::Carte3D, k, true);
  Say(game, kDiscardPrompt);
}

void DiscardClick(Game& game, int k) {
  const int source = game.DiscardImageMap[k];
  if (MustKeep(DiscardImageCard(game, k))) {
    if (game.DiscardCount == 6)
      SetConfirmationShown(game, true);
  } else if (game.DiscardSelected[source] == 1) {
    game.DiscardSelected[source] = 0;
    PlaceDiscardImage(game, k, false);
    --game.DiscardCount;
    SetConfirmationShown(game, false);
  } else if (game.DiscardCount < 6) {
    game.DiscardSelected[source] = 1;
    PlaceDiscardImage(game, k, true);
    ++game.DiscardCount;
    if (game.DiscardCount == 6)
      SetConfirmationShown(game, true);
  } else {
    SetConfirmationShown(game, true);
  }
}

void PanelConfirmeEcartClick(Game& game) {
  SetConfirmationShown(game, false);
  ConfirmDiscard(game);
}

void ConfirmDiscard(Game& game) {
  // Only South's six selected cards make a discard; the panel is never shown otherwise, and
  // the count stays at six once a discard is made.
  if (game.DealPhase != Phase::Discard || game.DiscardCount != 6)
    return;
  for (int k = 1; k <= 24; ++k)
    game.view.SetVisible(Control::Carte3D, k, false);

  // Read every card before the hand and the dog are rewritten.
  Table<Card, 1, 24> cards{};
  for (int k = 1; k <= 24; ++k)
    cards[k] = DiscardImageCard(game, k);
  int slot = 1;
  int d = 1;
  for (int k = 1; k <= 24; ++k) {
    if (game.DiscardSelected[game.DiscardImageMap[k]] == 1) {
      game.Dog[d++] = cards[k];
    } else {
      Card card = cards[k];
      card.InHand = 1;
      game.Hands[game.HumanSeat][slot++] = card;
    }
  }

  FillDiscardOrigin(game);
  PreparePlay(game);
  RefreshDeductions(game);
  LayOutSouthHand(game);
  game.DealPhase = Phase::PlayReady;
  Continue(game);
}

void FillDiscardOrigin(Game& game) {
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
