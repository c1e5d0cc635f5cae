#pragma once

#include <optional>

#include "flow/flow.h"

namespace zarvane {

// Opened at the top of every handler through which a deal moves on. The outermost one adds
// its move to the deal's record; when it closes, the record is saved, or removed once the
// deal is scored. Handlers that others call (Continue from a click on a card) add nothing.
class MoveScope {
 public:
  MoveScope(Flow& game, std::optional<Move> move);
  ~MoveScope();
  MoveScope(const MoveScope&) = delete;
  MoveScope& operator=(const MoveScope&) = delete;

 private:
  Flow& game_;
};

// A click that was refused changes nothing and has no place in the record.
void ForgetMove(Flow& game);

// The record of the deal just dealt, before its hand is laid out.
void OpenDealRecord(Flow& game);

// Runs the handler of a recorded move.
void ReplayMove(Flow& game, const Move& move);

// Where the deal stands now.
DealCheck CheckOf(const Flow& game);

}  // namespace zarvane
