#pragma once

#include <cstdint>

#include "common/random.h"
#include "common/table.h"
#include "settings/options.h"

namespace zarvane {

// Suit codes; the names are also the stems of the card face images.
inline constexpr int kAtout = 0;  // trumps and the Excuse
inline constexpr int kPique = 1;
inline constexpr int kCoeur = 2;
inline constexpr int kTrefle = 3;
inline constexpr int kCarreau = 4;
inline constexpr int kNoSuit = -1;  // an empty trick slot

inline constexpr int kKing = 14;
inline constexpr int kQueen = 13;
inline constexpr int kKnight = 12;
inline constexpr int kJack = 11;

// Bid codes; -1 means the seat has not spoken yet.
inline constexpr int kPasse = 0;
inline constexpr int kPrise = 1;
inline constexpr int kGarde = 2;
inline constexpr int kGardeSans = 3;
inline constexpr int kGardeContre = 4;
inline constexpr int kNotSpoken = -1;

// Seats in the order of bidding and play.
inline constexpr int kSouth = 1;
inline constexpr int kEast = 2;
inline constexpr int kNorth = 3;
inline constexpr int kWest = 4;

// A play-memory status: the card is out of play.
inline constexpr int kPlayed = 10;
// A play-memory status: the card is set aside in the dog or the discard.
inline constexpr int kSetAside = 5;

// Three bytes, so that a trial deal's copy of the state stays small.
struct Card {
  std::int8_t Value = 0;  // 1..14 in a plain suit, 1..21 in trumps, 0 the Excuse
  std::int8_t Suit = kNoSuit;
  std::uint8_t InHand = 0;

  constexpr Card() = default;
  constexpr Card(int value, int suit, int in_hand = 0)
      : Value(static_cast<std::int8_t>(value)),
        Suit(static_cast<std::int8_t>(suit)),
        InHand(static_cast<std::uint8_t>(in_hand)) {}

  friend bool operator==(const Card&, const Card&) = default;
};

inline bool IsExcuse(const Card& c) {
  return c.Suit == kAtout && c.Value == 0;
}
inline bool IsTrump(const Card& c) {
  return c.Suit == kAtout && c.Value != 0;
}
inline bool IsPetit(const Card& c) {
  return c.Suit == kAtout && c.Value == 1;
}
inline bool IsOudler(const Card& c) {
  return c.Suit == kAtout && (c.Value == 0 || c.Value == 1 || c.Value == 21);
}
inline bool IsKing(const Card& c) {
  return c.Suit >= kPique && c.Suit <= kCarreau && c.Value == 14;
}
// A plain card below the king: what a taker may put in the discard without restriction.
inline bool IsDiscardable(const Card& c) {
  return c.Suit != kAtout && c.Value < kKing;
}
inline bool SameCard(const Card& a, const Card& b) {
  return a.Value == b.Value && a.Suit == b.Suit;
}

using Hand = Table<Card, 1, 18>;
template <typename T>
using PerSeat = Table<T, 1, 4>;
template <typename T>
using PerSuit = Table<T, 1, 4>;
template <typename T>
using PerValue = Table<T, 1, 14>;  // plain cards
template <typename T>
using PerTrump = Table<T, 0, 21>;  // trumps 1..21 and the Excuse as 0

// Where the deal stands: what a click, a key or a timer's tick may do next.
enum class Phase {
  Opening,      // no deal yet
  Bidding,      // the computer seats speak, one bid timer after another
  SouthBids,    // South has the floor: the bid bar is up
  AuctionOver,  // the four bids stay on the table until a click
  DogShown,     // the dog lies face up until a click
  Discard,      // South picks his six cards
  PlayReady,    // no dog to show or the discard made: a click starts the play
  Playing,      // a computer seat's turn, or a card on its way to the table
  SouthPlays,   // South is to play and may click a card
  Poignee,      // South's first card waits on the poignee question or window
  TrickShown,   // a finished trick stays on the table until a click
  DealOver,     // the last trick is done and scored
  Thinking,     // an Expert seat thinks about its card
};

// The phases in which the table waits for a click anywhere to go on.
inline bool WaitsForClick(Phase phase) {
  return phase == Phase::AuctionOver || phase == Phase::PlayReady || phase == Phase::TrickShown;
}

struct PlayReasonEntry {
  std::int8_t Code = -1;
  std::int8_t Arg1 = -1;
  std::int8_t Arg2 = -1;
};

// The auction's outcome and the cards as they lie: fresh at every deal.
struct DealState {
  PerSeat<Hand> Hands{};
  Table<Card, 1, 6> Dog{};  // the dog, then the discard
  Table<Card, 1, 6> InitialDog{};
  PerSeat<std::int8_t> AnnouncedBid = PerSeat<std::int8_t>::Filled(kNotSpoken);
  int HighestBid = 0;
  int Taker = 0;
  int PoigneeLevel = 0;
  std::uint8_t DogWasShown = 0;
};

// The trick in progress, where the deal stands, and the record of the tricks played.
struct TrickState {
  Phase DealPhase = Phase::Opening;
  int TrickNumber = 0;
  PerSeat<Card> TrickCards{};
  int TrickLeader = 1;
  int CurrentSeat = 1;
  int CardsInTrick = 0;
  int LedSuit = kNoSuit;
  int LedValue = 0;
  int HighestTrumpInTrick = 0;
  std::uint8_t PetitInTrick = 0;
  PerSeat<Table<std::int8_t, 1, 18>> Playable{};
  PerSeat<Table<PlayReasonEntry, 1, 18>> PlayReason{};
  PerSeat<Table<std::int8_t, 1, 18>> PlayedSlot{};  // [seat][trick]
  Table<std::int8_t, 1, 18> TrickLeaders{};
};

// The points won so far, in half points, and the bouts.
struct ScoreState {
  int TakerPoints = 0;
  int DefencePoints = 0;
  int TakerBouts = 0;
  int DefenceBouts = 0;
  int PointsNeeded = 0;
  int PetitAuBout = 0;
};

// The play memory: what each observer knows of where each card is. Built again by
// PreparePlay at the start of every deal's play.
struct PlayMemory {
  PerSeat<PerSuit<PerValue<std::int8_t>>> CardStatus{};  // [observer][suit][value]
  PerSeat<PerTrump<std::int8_t>> TrumpStatus{};          // [observer][value]
  PerSeat<PerSeat<PerSuit<PerValue<std::int8_t>>>>
      MayHoldCard{};                                       // [observer][holder][suit][value]
  PerSeat<PerSeat<PerTrump<std::int8_t>>> MayHoldTrump{};  // [observer][holder][value]
  PerSeat<std::int8_t> DiscardKnown{};                     // [observer]
  PerSeat<PerSuit<PerValue<std::int8_t>>> OutsideCard{};
  PerSeat<Table<std::int8_t, 1, 21>> OutsideTrump{};
  PerSeat<PerSuit<std::int8_t>> OutsideSuitCount{};
  PerSeat<std::int8_t> OutsideTrumpCount{};
  PerSeat<PerSuit<std::int8_t>> SuitCount{};
  PerSeat<std::int8_t> TrumpCount{};
  PerSeat<PerSeat<PerSuit<std::int8_t>>> KnownVoid{};  // [observer][seat][suit]
  PerSeat<PerSeat<std::int8_t>> KnownNoTrump{};        // [observer][seat]
  Table<std::int8_t, 1, 21> TrumpPlayed{};
  PerSuit<PerValue<std::int8_t>> SuitCardPlayed{};
  int TrumpsPlayedCount = 0;
  PerSeat<std::int8_t> NoTrumpPlayedYet{};
  PerSeat<std::int8_t> FirstLeadPending{};
  int NoDefenderLedYet = 1;
  PerSuit<std::int8_t> SuitOpening{};
  int PetitHolder = -1;
  int PetitSlot = -1;
  int ExcuseHolder = -1;
  int ExcuseSlot = -1;
  int ExcusePlayed = 0;
  std::uint8_t TrumpGapFlag = 0;
  PerSuit<std::uint8_t> TakerPlayedSuit{};
  int TakerLastLedSuit = 0;
  PerSuit<std::uint8_t> TakerLedSuit{};
  int TakerLedSuitCount = 0;
  Table<std::int8_t, 1, 4> TakerLedSuitOrder{};
  int TakerFirstSuit = -1;
  int TakerSecondSuit = -1;
  PerSeat<std::int8_t> ChosenSuit{};
  int KnightFellOnKing = 0;
  int ChosenSuitTrumped = 0;
  int HumanOddTrumpLead = -1;
  int TakerPetitCut = -1;
};

// The strategy's own memory. The rules' switches last the whole run.
struct StrategyMemory {
  Table<std::int8_t, 1, 400> RuleState = Table<std::int8_t, 1, 400>::Filled(1);
  std::uint8_t CardChosen = 0;
  Table<std::int8_t, 2, 21> TrumpHolder{};
  Table<std::int8_t, 2, 21> TrumpSlot{};
  PerSuit<PerValue<std::int8_t>> CardHolder{};
  PerSuit<PerValue<std::int8_t>> CardSlot{};
  PerSuit<std::int8_t> MasterCard{};
  PerSeat<std::int8_t> TopTrump{};
  PerSeat<std::int8_t> UnplacedTrumpCount{};
  PerSeat<PerSuit<std::int8_t>> UnplacedSuitCount{};
  PerSeat<std::int8_t> InitialTrumpCount{};
  PerSeat<PerSuit<std::int8_t>> InitialSuitCount{};
  int DogTrumpCount = -1;
  PerSuit<std::uint8_t> DogKing{};
  PerSuit<std::int8_t> TakerBareKing{};
  std::uint8_t PetitHunt = 0;
};

// Everything the rules and the strategy read and write once the deal is made: the part of the
// game a trial deal copies. No screen, no clock and no file.
struct Core : DealState, TrickState, ScoreState, PlayMemory, StrategyMemory {
  // What carries from deal to deal.
  int FirstPlayer = kNorth;
  int HumanSeat = kSouth;
  int ReplayedDeal = 0;
  Generator random;
  Options options;  // the level and the running totals among them
};

// What making the deal and the computer's discard need besides: the pack, the shuffle, the
// computed bids, the hands as dealt. Never copied into a trial deal.
struct DealMaking {
  // The 78 cards in their fixed order, built once.
  Table<Card, 1, 78> CardTable{};
  Table<int, 1, 78> Deck{};
  Table<int, 1, 78> DealOrder{};
  Table<Card, 1, 78> DealtCards{};
  Table<int, 1, 78> SavedDeck{};
  PerSeat<Hand> InitialHands{};
  PerSeat<int> ComputedBid{};
  Table<Card, 1, 24> MergedCards{};
  Table<int, 1, 24> KeepFlags{};
  int DiscardCount = 0;
  Table<int, 1, 6> DiscardOrigin{};
};

// The rules' whole state.
struct GameState : Core, DealMaking {};

// A part of the state back to its fresh value, as `Renew<TrickState>(game)`.
template <typename Part>
void Renew(Part& part) {
  part = Part{};
}

inline int NextSeat(int seat) {
  return seat == 4 ? 1 : seat + 1;
}
inline int PrevSeat(int seat) {
  return seat == 1 ? 4 : seat - 1;
}

}  // namespace zarvane
