#include "core/play_preparation.h"

#include "core/deductions.h"

namespace zarvane {

namespace {

bool ShownDogContract(const Core& game) {
  const int bid = game.AnnouncedBid[game.Taker];
  return bid == kPrise || bid == kGarde;
}

void ResetPlayMemory(Core& game) {
  game.TrumpGapFlag = 0;
  game.MasterCard.Fill(14);
  game.KnightFellOnKing = 0;
  for (auto& counts : game.UnplacedSuitCount)
    counts.Fill(14);
  game.UnplacedTrumpCount.Fill(21);
  game.DiscardKnown.Fill(0);
  game.FirstLeadPending.Fill(1);
  game.SuitOpening.Fill(1);
  game.NoTrumpPlayedYet.Fill(1);
  game.NoDefenderLedYet = 1;
  game.TakerPetitCut = -1;
  game.HumanOddTrumpLead = -1;
  game.TakerFirstSuit = -1;
  game.TakerSecondSuit = -1;
  game.TakerLedSuit.Fill(0);
  game.TakerLedSuitCount = 0;
  game.TakerPlayedSuit.Fill(0);
  game.ChosenSuitTrumped = 0;
  game.TakerLedSuitOrder.Fill(-1);
  game.TrumpPlayed.Fill(0);
  game.ExcusePlayed = 0;
  for (auto& played : game.SuitCardPlayed)
    played.Fill(0);
  // No rule may see the taker's lead of an earlier deal.
  game.TakerLastLedSuit = -1;
}

void FindPetitAndExcuse(Core& game) {
  game.PetitHolder = -1;
  game.PetitSlot = -1;
  game.ExcuseHolder = -1;
  game.ExcuseSlot = -1;
  for (int seat = 1; seat <= 4; ++seat) {
    for (int slot = 1; slot <= 18; ++slot) {
      const Card& card = game.Hands[seat][slot];
      if (IsPetit(card)) {
        game.PetitHolder = seat;
        game.PetitSlot = slot;
      } else if (IsExcuse(card)) {
        game.ExcuseHolder = seat;
        game.ExcuseSlot = slot;
      }
    }
  }
}

void ClearPlayReasons(Core& game) {
  for (auto& reasons : game.PlayReason)
    reasons.Fill(PlayReasonEntry{-1, -1, -1});
}

void MarkCardsOutside(Core& game) {
  for (int seat = 1; seat <= 4; ++seat) {
    game.OutsideTrump[seat].Fill(1);
    for (const Card& card : game.Hands[seat]) {
      if (IsTrump(card))
        game.OutsideTrump[seat][card.Value] = 0;
    }
  }
  for (int seat = 1; seat <= 4; ++seat) {
    for (auto& suit : game.OutsideCard[seat])
      suit.Fill(1);
    for (const Card& card : game.Hands[seat]) {
      if (card.Suit != kAtout)
        game.OutsideCard[seat][card.Suit][card.Value] = 0;
    }
  }
}

void CountDogTrumps(Core& game) {
  if (game.DogWasShown != 1) {
    game.DogTrumpCount = -1;
    return;
  }
  game.DogTrumpCount = 0;
  for (const Card& card : game.InitialDog)
    game.DogTrumpCount += IsTrump(card) ? 1 : 0;
}

void CountTrumps(Core& game) {
  for (int seat = 1; seat <= 4; ++seat) {
    int trumps = 0;
    for (const Card& card : game.Hands[seat])
      trumps += IsTrump(card) ? 1 : 0;
    game.InitialTrumpCount[seat] = trumps;
    game.TrumpCount[seat] = trumps;
    game.OutsideTrumpCount[seat] = 21 - trumps;
  }
}

int CardsOfSuit(const Core& game, int seat, int suit) {
  int count = 0;
  for (const Card& card : game.Hands[seat])
    count += card.Suit == suit ? 1 : 0;
  return count;
}

void MarkOwnVoids(Core& game) {
  for (auto& seats : game.KnownVoid) {
    for (auto& suits : seats)
      suits.Fill(0);
  }
  for (int seat = 1; seat <= 4; ++seat) {
    for (int suit = kPique; suit <= kCarreau; ++suit) {
      if (CardsOfSuit(game, seat, suit) == 0)
        game.KnownVoid[seat][seat][suit] = 1;
    }
  }
}

void CountSuits(Core& game) {
  for (int seat = 1; seat <= 4; ++seat) {
    for (int suit = kPique; suit <= kCarreau; ++suit) {
      game.SuitCount[seat][suit] = CardsOfSuit(game, seat, suit);
      game.InitialSuitCount[seat][suit] = game.SuitCount[seat][suit];
    }
  }
}

// The longest plain suit; a tie goes to the first met from a random suit on.
void ChooseSuits(Core& game) {
  for (int seat = 1; seat <= 4; ++seat) {
    int suit = RandomUpTo(game.random, 4);
    int best = -1;
    int best_count = -1;
    for (int n = 0; n < 4; ++n) {
      if (game.InitialSuitCount[seat][suit] > best_count) {
        best = suit;
        best_count = game.InitialSuitCount[seat][suit];
      }
      suit = suit == kCarreau ? kPique : suit + 1;
    }
    game.ChosenSuit[seat] = best;
  }
}

void MarkOwnTrumplessness(Core& game) {
  for (auto& seats : game.KnownNoTrump)
    seats.Fill(0);
  for (int seat = 1; seat <= 4; ++seat) {
    if (game.TrumpCount[seat] == 0)
      game.KnownNoTrump[seat][seat] = 1;
  }
}

void FindTakerBareKings(Core& game) {
  for (int suit = kPique; suit <= kCarreau; ++suit) {
    bool king = false;
    for (const Card& card : game.Hands[game.Taker])
      king = king || (card.Suit == suit && card.Value == kKing);
    game.TakerBareKing[suit] = king && CardsOfSuit(game, game.Taker, suit) == 1 ? 1 : 0;
  }
}

void PlaceCard(Core& game, const Card& card, int holder, int slot) {
  if (IsTrump(card) && card.Value >= 2) {
    game.TrumpHolder[card.Value] = holder;
    game.TrumpSlot[card.Value] = slot;
  } else if (card.Suit != kAtout) {
    game.CardHolder[card.Suit][card.Value] = holder;
    game.CardSlot[card.Suit][card.Value] = slot;
  }
}

void FillHolders(Core& game) {
  for (int seat = 1; seat <= 4; ++seat) {
    for (int slot = 1; slot <= 18; ++slot)
      PlaceCard(game, game.Hands[seat][slot], seat, slot);
  }
  // The six set-aside cards belong to no hand: holder 0, no slot.
  for (const Card& card : game.Dog)
    PlaceCard(game, card, 0, -1);
}

void FindDogKings(Core& game) {
  game.DogKing.Fill(0);
  if (game.DogWasShown != 1)
    return;
  for (const Card& card : game.InitialDog) {
    if (IsKing(card))
      game.DogKing[card.Suit] = 1;
  }
}

void CountOutsideSuits(Core& game) {
  for (int seat = 1; seat <= 4; ++seat) {
    for (int suit = kPique; suit <= kCarreau; ++suit)
      game.OutsideSuitCount[seat][suit] = 14 - game.SuitCount[seat][suit];
  }
}

int HonourPoints(int value) {
  switch (value) {
    case kJack:
      return 1;
    case kKnight:
      return 2;
    case kQueen:
      return 3;
    case kKing:
      return 5;
    default:
      return 0;
  }
}

// A strong computer taker without the Petit plays his trumps to bring it down.
void DecidePetitHunt(Core& game) {
  game.PetitHunt = 0;
  const int taker = game.Taker;
  const int trumps = game.TrumpCount[taker];
  if (taker == game.HumanSeat || game.PetitHolder == taker || trumps <= 7)
    return;

  int strength = 0;
  for (int slot = 1; slot <= 8; ++slot) {
    const int value = game.Hands[taker][slot].Value;
    if (value == 21)
      strength += 5;
    else if (value >= 15)
      strength += 2;
    else if (value >= 10)
      strength += 1;
  }
  if (trumps > 8)
    strength += 2 * (trumps - 8);

  int oudlers = 0;
  int long_suit_cards = 0;
  int honours = 0;
  for (const Card& card : game.Hands[taker]) {
    if (card.Suit == kAtout && (card.Value == 21 || card.Value == 0))
      ++oudlers;
    if (card.Suit == game.ChosenSuit[taker]) {
      ++long_suit_cards;
      honours += HonourPoints(card.Value);
    }
  }
  if (long_suit_cards > 5)
    honours += long_suit_cards - 5;

  const bool support =
      trumps >= 10 || (oudlers <= 1 && honours >= 6) || (oudlers == 2 && honours > 8);
  game.PetitHunt = strength > 10 && support ? 1 : 0;
}

void KnowOwnCards(Core& game) {
  for (int i = 1; i <= 4; ++i) {
    for (const Card& card : game.Hands[i]) {
      for (int j = 1; j <= 4; ++j) {
        if (j == i)
          continue;
        if (card.Suit == kAtout)
          game.MayHoldTrump[i][j][card.Value] = 0;
        else
          game.MayHoldCard[i][j][card.Suit][card.Value] = 0;
      }
      if (card.Suit == kAtout)
        game.TrumpStatus[i][card.Value] = i;
      else
        game.CardStatus[i][card.Suit][card.Value] = i;
    }
  }
}

void KnowDogAndDiscard(Core& game) {
  const int taker = game.Taker;
  game.DiscardKnown[taker] = 1;
  for (const Card& card : game.Dog) {
    if (card.Suit == kAtout)
      continue;  // the discard holds plain cards only
    --game.OutsideSuitCount[taker][card.Suit];
    game.CardStatus[taker][card.Suit][card.Value] = kPlayed;
    for (int j = 1; j <= 4; ++j) {
      if (j != taker)
        game.MayHoldCard[taker][j][card.Suit][card.Value] = 0;
    }
  }
  // Every defender saw the dog go to the taker.
  for (const Card& card : game.InitialDog) {
    for (int i = 1; i <= 4; ++i) {
      for (int j = 1; j <= 4; ++j) {
        if (i == taker || j == taker)
          continue;
        if (card.Suit == kAtout)
          game.MayHoldTrump[i][j][card.Value] = 0;
        else
          game.MayHoldCard[i][j][card.Suit][card.Value] = 0;
      }
    }
  }
}

bool PlacedFor(int status, int observer) {
  return status == kPlayed || status == observer || status == kSetAside;
}

}  // namespace

void PreparePlay(Core& game) {
  ResetPlayMemory(game);
  FindPetitAndExcuse(game);
  game.TrumpsPlayedCount = 0;
  ClearPlayReasons(game);
  MarkCardsOutside(game);
  CountDogTrumps(game);
  CountTrumps(game);
  MarkOwnVoids(game);
  CountSuits(game);
  ChooseSuits(game);
  MarkOwnTrumplessness(game);
  FindTakerBareKings(game);
  FillHolders(game);
  FindDogKings(game);
  CountOutsideSuits(game);
  DecidePetitHunt(game);
  InitCardKnowledge(game);
  // The top trumps read this deal's knowledge, never what the last deal left in the tables.
  for (int seat = 1; seat <= 4; ++seat)
    game.TopTrump[seat] = TopTrumpFor(game, seat);
  DeduceCardLocations(game);
}

void InitCardKnowledge(Core& game) {
  for (int i = 1; i <= 4; ++i) {
    for (auto& suit : game.CardStatus[i])
      suit.Fill(-1);
    game.TrumpStatus[i].Fill(-1);
    for (int j = 1; j <= 4; ++j) {
      for (auto& suit : game.MayHoldCard[i][j])
        suit.Fill(-1);
      game.MayHoldTrump[i][j].Fill(-1);
    }
  }
  KnowOwnCards(game);
  if (ShownDogContract(game))
    KnowDogAndDiscard(game);
}

namespace {

// An observer who has seen six cards go out of play knows where the discard is.
bool LearnsDiscard(Core& game, int o) {
  if (game.DiscardKnown[o] != 0)
    return false;
  int out_of_play = 0;
  for (const auto& suit : game.CardStatus[o]) {
    for (int status : suit)
      out_of_play += status == kPlayed ? 1 : 0;
  }
  for (int status : game.TrumpStatus[o])
    out_of_play += status == kPlayed ? 1 : 0;
  if (out_of_play != 6)
    return false;
  game.DiscardKnown[o] = 1;
  return true;
}

// Places the observer's cards of a plain suit that can lie at one place only.
void PlaceCardsOfSuit(Core& game, int o, int s) {
  // This runs after every card of every trial deal and seldom places a card: a suit's cards are
  // weighed together without a branch per card, and only a suit with a card to place is walked.
  PerValue<std::int8_t> excluded{};
  for (int h = 1; h <= 4; ++h) {
    if (h == o)
      continue;
    for (int v = 1; v <= 14; ++v)
      excluded[v] += game.MayHoldCard[o][h][s][v] == 0 ? 1 : 0;
  }
  const int known = game.DiscardKnown[o] == 1 ? 1 : 0;
  int placeable = 0;
  for (int v = 1; v <= 14; ++v) {
    placeable |=
        (game.CardStatus[o][s][v] == -1) & ((excluded[v] == 3) | ((excluded[v] == 2) & known));
  }
  if (placeable == 0)
    return;
  for (int v = 1; v <= 14; ++v) {
    if (game.CardStatus[o][s][v] != -1)
      continue;
    if (excluded[v] == 2 && game.DiscardKnown[o] == 1) {
      int remaining = -1;
      for (int h = 1; h <= 4; ++h) {
        if (h != o && game.MayHoldCard[o][h][s][v] != 0)
          remaining = h;
      }
      game.CardStatus[o][s][v] = remaining;
      for (int h = 1; h <= 4; ++h) {
        if (h != remaining)
          game.MayHoldCard[o][h][s][v] = 0;
      }
    } else if (excluded[v] == 3) {
      game.CardStatus[o][s][v] = kSetAside;
      for (int h = 1; h <= 4; ++h)
        game.MayHoldCard[o][h][s][v] = 0;
    }
  }
}

void CountUnplacedOfSuit(Core& game, int o, int s) {
  int placed = 0;
  for (int status : game.CardStatus[o][s])
    placed += PlacedFor(status, o) ? 1 : 0;
  game.UnplacedSuitCount[o][s] = 14 - placed;
}

void CountUnplacedTrumps(Core& game, int o) {
  int placed = 0;
  for (int v = 1; v <= 21; ++v)
    placed += PlacedFor(game.TrumpStatus[o][v], o) ? 1 : 0;
  game.UnplacedTrumpCount[o] = 21 - placed;
}

}  // namespace

void DeduceCardLocations(Core& game) {
  for (int o = 1; o <= 4; ++o) {
    LearnsDiscard(game, o);
    for (int s = kPique; s <= kCarreau; ++s) {
      PlaceCardsOfSuit(game, o, s);
      CountUnplacedOfSuit(game, o, s);
    }
    CountUnplacedTrumps(game, o);
  }
}

void DeduceCardLocationsAfterCard(Core& game, int played_suit, int voided_suit) {
  for (int o = 1; o <= 4; ++o) {
    const bool discard_learnt = LearnsDiscard(game, o);
    for (int s = kPique; s <= kCarreau; ++s) {
      if (discard_learnt || s == played_suit || s == voided_suit) {
        PlaceCardsOfSuit(game, o, s);
        CountUnplacedOfSuit(game, o, s);
      }
    }
    if (played_suit == kAtout)
      CountUnplacedTrumps(game, o);
  }
}

}  // namespace zarvane
