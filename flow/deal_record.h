#pragma once

#include <cstdint>
#include <vector>

#include "core/deal.h"

namespace zarvane {

// Every way a player, or a timer, moves a deal on: one kind per handler of the flow.
enum class MoveKind : std::uint8_t {
  BidTick,         // TimerEnchereTimer
  SouthBid,        // SouthBid(code)
  BidAdvice,       // EvMaMainClick
  Continue,        // Continue
  CardTick,        // TimerEntreCarteTimer
  TransitionTick,  // TimerTransitionTimer
  HandCard,        // PlayHumanCard(k)
  DogCard,         // CarteChienClick(i)
  DiscardCard,     // DiscardClick(k)
  ConfirmDiscard,  // PanelConfirmeEcartClick
  NoPoignee,       // PanelPoigneeAucuneClick
  PoigneeLevel,    // OpenPoigneeWindow(level)
  PoigneeCard,     // TogglePoigneeCard(j)
  LazyPoignee,     // PanelBoutonParesseuxClick
  PoigneeOk,       // PanelOkPoigneeClick
  PoigneeCancel,   // PanelAnnulerPoigneeClick
  Level,           // SetLevel(level), during the auction
  CardAdvice,      // CardAdviceClick
  ExpertCard,      // ExpertCardChosen(slot)
};
inline constexpr int kMoveKinds = static_cast<int>(MoveKind::ExpertCard) + 1;

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
