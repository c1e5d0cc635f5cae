#include "core/card_play.h"

#include <algorithm>

#include "core/deductions.h"
#include "core/play_preparation.h"
#include "core/scoring.h"

namespace zarvane {

namespace {

// A card played for one of these reasons shows its player void in the led suit.
bool ShowsVoid(int code) {
  return code == kMustTrump || code == kNoSuitNoTrump;
}

bool Held(const Card& card) {
  return card.InHand == 1;
}

// The trick is open to any card: nothing on the table yet, or only the Excuse.
bool FreeLead(const Core& game) {
  return game.CardsInTrick == 0 ||
         (game.CardsInTrick == 1 && IsExcuse(game.TrickCards[game.TrickLeader]));
}

void MakePlayable(Core& game, int seat, int slot, int code) {
  game.Playable[seat][slot] = 1;
  game.PlayReason[seat][slot].Code = code;
}

// Flags every held card that passes the test, with the reason given; true if any did.
template <typename Test>
bool MakePlayableWhere(Core& game, int seat, int code, Test test) {
  bool any = false;
  for (int slot = 1; slot <= 18; ++slot) {
    const Card& card = game.Hands[seat][slot];
    if (Held(card) && test(card)) {
      MakePlayable(game, seat, slot, code);
      any = true;
    }
  }
  return any;
}

// The seat holds trumps and must play one: above `to_beat` when it can, any trump otherwise.
void RestrictToTrumpsAbove(Core& game, int seat, int to_beat) {
  const Hand& hand = game.Hands[seat];
  const bool can_beat = std::any_of(hand.begin(), hand.end(), [to_beat](const Card& card) {
    return Held(card) && IsTrump(card) && card.Value > to_beat;
  });
  for (int slot = 1; slot <= 18; ++slot) {
    const Card& card = hand[slot];
    if (!Held(card) || !IsTrump(card))
      continue;
    PlayReasonEntry& reason = game.PlayReason[seat][slot];
    if (!can_beat) {
      reason.Code = kCannotOvertrump;
      reason.Arg1 = to_beat;
    } else if (card.Value < to_beat) {
      game.Playable[seat][slot] = 0;
      reason.Code = kFollows;
    } else {
      reason.Code = kMustOvertrump;
      reason.Arg1 = to_beat;
    }
  }
}

void ComputePlainSuitLead(Core& game, int seat) {
  const int led = game.LedSuit;
  if (MakePlayableWhere(game, seat, kFollows, [led](const Card& c) { return c.Suit == led; }))
    return;
  const bool has_trump = MakePlayableWhere(game, seat, kMustTrump, IsTrump);
  if (has_trump) {
    for (int slot = 1; slot <= 18; ++slot) {
      if (game.Playable[seat][slot] == 1)
        game.PlayReason[seat][slot].Arg2 = led;
    }
    if (game.HighestTrumpInTrick != 0)
      RestrictToTrumpsAbove(game, seat, game.HighestTrumpInTrick);
    return;
  }
  MakePlayableWhere(game, seat, kNoSuitNoTrump, [](const Card&) { return true; });
  for (int slot = 1; slot <= 18; ++slot) {
    if (game.Playable[seat][slot] == 1)
      game.PlayReason[seat][slot].Arg2 = led;
  }
}

void ComputeTrumpLead(Core& game, int seat) {
  if (MakePlayableWhere(game, seat, kFollows, IsTrump)) {
    RestrictToTrumpsAbove(game, seat, std::max(game.LedValue, game.HighestTrumpInTrick));
    return;
  }
  MakePlayableWhere(game, seat, kNoTrumpOnTrumpLead, [](const Card&) { return true; });
}

bool IsLeader(const Core& game, int seat) {
  return seat == game.TrickLeader;
}

// A trump following a trump lead close below, or well above, the card before it.
void NoteTrumpGap(Core& game, int seat, const Card& card) {
  if (IsLeader(game, seat) || !IsTrump(game.TrickCards[game.TrickLeader]) || !IsTrump(card))
    return;
  const Card& before = game.TrickCards[PrevSeat(seat)];
  if (!IsTrump(before))
    return;
  const int p = before.Value;
  const int v = card.Value;
  if ((p > v && p - v <= 5) || (p < v && v - p >= 5))
    game.TrumpGapFlag = 1;
}

void NoteTakerLead(Core& game, int seat, int s) {
  if (seat != game.Taker || !IsLeader(game, seat))
    return;
  game.TakerLastLedSuit = s;
  if (s == kAtout)
    return;
  game.TakerLedSuit[s] = 1;
  game.TakerLedSuitCount = static_cast<int>(
      std::count(game.TakerLedSuit.begin(), game.TakerLedSuit.end(), std::uint8_t{1}));
  game.TakerLedSuitOrder[game.TakerLedSuitCount] = s;
}

void NoteCardOutOfHands(Core& game, int seat, const Card& card) {
  if (IsTrump(card)) {
    for (int other = 1; other <= 4; ++other)
      game.OutsideTrump[other][card.Value] = 0;
  }
  if (card.Suit != kAtout) {
    for (int other = 1; other <= 4; ++other) {
      game.OutsideCard[other][card.Suit][card.Value] = 0;
      if (other != seat)
        --game.OutsideSuitCount[other][card.Suit];
    }
  }
}

void NoteFirstLead(Core& game, int seat, const Card& card) {
  if (IsLeader(game, seat) && game.FirstLeadPending[seat] == 1) {
    game.FirstLeadPending[seat] = 0;
    if (seat == game.HumanSeat && seat != game.Taker && IsTrump(card) && card.Value % 2 == 1)
      game.HumanOddTrumpLead = game.HumanSeat;
  }
  for (int other = 1; other <= 4; ++other) {
    if (other != game.Taker && game.FirstLeadPending[other] == 0)
      game.NoDefenderLedYet = 0;
  }
}

void MarkVoidForAll(Core& game, int seat, int suit) {
  for (int observer = 1; observer <= 4; ++observer)
    game.KnownVoid[observer][seat][suit] = 1;
}

void MarkNoTrumpForAll(Core& game, int seat) {
  for (int observer = 1; observer <= 4; ++observer)
    game.KnownNoTrump[observer][seat] = 1;
}

}  // namespace

int CountPlayable(const Core& game, int seat) {
  const auto& flags = game.Playable[seat];
  return static_cast<int>(std::count(flags.begin(), flags.end(), 1));
}

bool Beats(const Card& challenger, const Card& best) {
  return (challenger.Suit == best.Suit && challenger.Value > best.Value) ||
         (IsTrump(challenger) && best.Suit != kAtout) || IsExcuse(best);
}

int TrickWinner(const Core& game) {
  int winner = game.TrickLeader;
  for (int seat = NextSeat(game.TrickLeader), i = 1; i <= 3; seat = NextSeat(seat), ++i) {
    if (Beats(game.TrickCards[seat], game.TrickCards[winner]))
      winner = seat;
  }
  return winner;
}

void ComputePlayableCards(Core& game, int seat) {
  game.Playable[seat].Fill(0);
  for (auto& reasons : game.PlayReason) {
    for (PlayReasonEntry& reason : reasons)
      reason.Code = kFollows;
  }
  if (FreeLead(game))
    MakePlayableWhere(game, seat, kFreeLead, [](const Card&) { return true; });
  else if (game.LedSuit != kAtout)
    ComputePlainSuitLead(game, seat);
  else
    ComputeTrumpLead(game, seat);
  MakePlayableWhere(game, seat, kFollows, IsExcuse);
}

void PlaceCard(Core& game, int seat, int slot) {
  RecordPlayedCard(game, seat, slot);
  Card& card = game.Hands[seat][slot];
  card.InHand = 0;
  game.TrickCards[seat] = Card{card.Value, card.Suit, 0};
  if (FreeLead(game)) {
    game.LedSuit = card.Suit;
    game.LedValue = card.Value;
  }
  if (game.CardsInTrick != 0 && IsTrump(card)) {
    const Card& lead = game.TrickCards[game.TrickLeader];
    if (lead.Suit != kAtout)
      game.HighestTrumpInTrick = std::max<int>(game.HighestTrumpInTrick, card.Value);
    else if (std::max<int>(lead.Value, game.HighestTrumpInTrick) < card.Value)
      game.HighestTrumpInTrick = card.Value;
  }
  ++game.CardsInTrick;
  if (game.CardsInTrick < 4) {
    game.CurrentSeat = NextSeat(game.CurrentSeat);
    game.DealPhase = Phase::Playing;
  }
}

void PlayCard(Core& game, int seat, int slot) {
  PlaceCard(game, seat, slot);
  if (game.CardsInTrick == 4)
    EndTrick(game);
}

void RecordPlayedCard(Core& game, int seat, int slot) {
  const Card card = game.Hands[seat][slot];
  const int s = card.Suit;
  const int v = card.Value;
  const int code = game.PlayReason[seat][slot].Code;
  const bool leader = IsLeader(game, seat);
  const bool taker = seat == game.Taker;

  NoteTrumpGap(game, seat, card);
  if (IsPetit(card))
    game.PetitInTrick = 1;
  if (taker && s != kAtout)
    game.TakerPlayedSuit[s] = 1;
  NoteTakerLead(game, seat, s);
  NoteCardOutOfHands(game, seat, card);
  if (!taker && s == game.ChosenSuit[game.Taker] && v == kKnight && IsLeader(game, game.Taker) &&
      game.TrickCards[game.Taker].Suit == s && game.TrickCards[game.Taker].Value == kKing) {
    game.KnightFellOnKing = 1;
  }
  game.PlayedSlot[seat][game.TrickNumber] = slot;
  if (leader)
    game.TrickLeaders[game.TrickNumber] = seat;
  if (IsExcuse(card)) {
    game.ExcuseHolder = kPlayed;
    game.ExcusePlayed = 1;
  }
  if (IsPetit(card)) {
    game.PetitHolder = kPlayed;
    game.TrumpGapFlag = 0;
    game.TrumpPlayed[1] = 1;
  }
  NoteFirstLead(game, seat, card);
  if (s != kAtout && game.SuitOpening[s] == 1)
    game.SuitOpening[s] = 2;
  if (IsTrump(card)) {
    game.NoTrumpPlayedYet[seat] = 0;
    ++game.TrumpsPlayedCount;
    game.TrumpPlayed[v] = 1;
  }
  if (s != kAtout)
    game.SuitCardPlayed[s][v] = 1;
  if (ShowsVoid(code))
    MarkVoidForAll(game, seat, game.PlayReason[seat][slot].Arg2);
  if (s != kAtout && --game.SuitCount[seat][s] == 0)
    game.KnownVoid[seat][seat][s] = 1;
  if (!taker && code == kMustTrump && game.ChosenSuit[game.Taker] == game.LedSuit)
    game.ChosenSuitTrumped = 1;
  if (code == kNoSuitNoTrump || code == kNoTrumpOnTrumpLead)
    MarkNoTrumpForAll(game, seat);
  if (IsTrump(card) && --game.TrumpCount[seat] == 0)
    game.KnownNoTrump[seat][seat] = 1;
  if (taker && IsPetit(card) && code == kMustTrump)
    game.TakerPetitCut = 0;
  if (taker && s != kAtout && code == kFreeLead) {
    if (game.TakerFirstSuit == -1)
      game.TakerFirstSuit = s;
    else if (game.TakerSecondSuit == -1)
      game.TakerSecondSuit = s;
  }
  if (game.RuleState[16] == 1 && leader && game.TakerPetitCut == 0 && IsTrump(card))
    game.TakerPetitCut = -1;
  if (IsTrump(card) && v >= 2)
    game.TrumpHolder[v] = kPlayed;
  else if (s != kAtout)
    game.CardHolder[s][v] = kPlayed;
  if (s != kAtout && v == kKing)
    game.TakerBareKing[s] = 0;
  RecordInferences(game, seat, slot, s, v);
  DeduceCardLocationsAfterCard(game, s, ShowsVoid(code) ? game.LedSuit : kNoSuit);
  if (IsTrump(card)) {
    for (int other = 1; other <= 4; ++other) {
      if (other != seat)
        --game.OutsideTrumpCount[other];
    }
  }
}

void RecordInferences(Core& game, int seat, int slot, int suit, int value) {
  const PlayReasonEntry reason = game.PlayReason[seat][slot];
  for (int observer = 1; observer <= 4; ++observer) {
    for (int holder = 1; holder <= 4; ++holder) {
      if (suit == kAtout) {
        game.TrumpStatus[observer][value] = kPlayed;
        game.MayHoldTrump[observer][holder][value] = 0;
      } else {
        game.CardStatus[observer][suit][value] = kPlayed;
        game.MayHoldCard[observer][holder][suit][value] = 0;
      }
    }
    if (ShowsVoid(reason.Code)) {
      for (int v = 1; v <= 14; ++v)
        game.MayHoldCard[observer][seat][game.LedSuit][v] = 0;
    }
    if (reason.Code == kCannotOvertrump) {
      for (int v = reason.Arg1 + 1; v <= 21; ++v)
        game.MayHoldTrump[observer][seat][v] = 0;
    }
    if (reason.Code == kNoSuitNoTrump || reason.Code == kNoTrumpOnTrumpLead) {
      for (int v = 1; v <= 21; ++v)
        game.MayHoldTrump[observer][seat][v] = 0;
    }
  }
}

void EndTrick(Core& game) {
  game.PetitInTrick = 0;
  const int winner = TrickWinner(game);
  game.TrickLeader = winner;
  game.CurrentSeat = winner;
  ++game.TrickNumber;
  game.CardsInTrick = 0;
  game.HighestTrumpInTrick = 0;
  game.DealPhase = Phase::TrickShown;
  CountTrick(game);
  for (auto& opening : game.SuitOpening) {
    if (opening == 2)
      opening = 0;
  }
  if (game.TrickNumber < 19)
    RefreshAfterTrick(game);
}

void ClearTrick(Core& game) {
  for (Card& card : game.TrickCards)
    card.Suit = kNoSuit;
  game.DealPhase = game.TrickNumber == 19 ? Phase::DealOver : Phase::Playing;
}

}  // namespace zarvane
