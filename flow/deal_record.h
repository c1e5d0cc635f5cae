#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/deal.h"

namespace zarvane {

// Every way a player, or a timer, moves a deal on.
enum class MoveKind : std::uint8_t {
  BidTick,         // the bid timer's tick
  SouthBid,        // a bid button, with the bid
  BidAdvice,       // the bid advice button
  Continue,        // a click that goes on
  CardTick,        // the card timer's tick
  TransitionTick,  // the tick after a trick
  HandCard,        // one of South's card images, with its number
  DogCard,         // a dog card on the table, with its number
  DiscardCard,     // a card of the discard row, with its number
  ConfirmDiscard,  // the discard's confirmation
  NoPoignee,       // "Aucune"
  PoigneeLevel,    // a poignee's level button, with the level
  PoigneeCard,     // a trump of the poignee window, with its number
  LazyPoignee,     // the lazy button
  PoigneeOk,       // the poignee's OK
  PoigneeCancel,   // the poignee's cancel button
  Level,           // a level entry, with the level
  CardAdvice,      // the card advice command
  ExpertCard,      // an Expert seat's card, thought, with its slot
};
inline constexpr int kMoveKinds = static_cast<int>(MoveKind::ExpertCard) + 1;

// The move's name in the saved deal, and back; the table of moves holds them with the handlers.
std::string_view MoveName(MoveKind kind);
std::optional<MoveKind> MoveKindNamed(std::string_view name);

struct Move {
  MoveKind kind = MoveKind::Continue;
  int arg = 0;
  friend bool operator==(const Move&, const Move&) = default;
};

// The deal in progress as it was dealt, and every move made in it since: enough to play it
// again card for card, from the same generator, after the program was closed.
struct DealRecord {
  // From the deal until it is scored.
  bool Open = false;
  DealtDeal Deal;
  int ReplayedDeal = 0;
  bool FromCode = false;
  // The generator just after the deal, before the hand was laid out on the table.
  std::uint32_t Generator = 0;
  int Level = 4;
  // What a replay and the next deal's shuffle start from.
  Table<int, 1, 78> DealOrder{};
  Table<int, 1, 78> SavedDeck{};
  std::vector<Move> Moves;
};

// Where a deal stood after its last move: a replay that does not end there is not this deal.
struct DealCheck {
  std::uint32_t Generator = 0;
  int Phase = 0;
  int TrickNumber = 0;
  int CardsInTrick = 0;
  friend bool operator==(const DealCheck&, const DealCheck&) = default;
};

}  // namespace zarvane
