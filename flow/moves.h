#pragma once

#include <cstdint>

#include "flow/flow.h"

namespace zarvane {

// Where a move comes from: the player or a timer now, or a saved deal's record played again,
// which is neither saved anew nor thought about: its next recorded move follows.
enum class MoveOrigin { Player, Record };

// The one door into a deal. The move is recorded, carried out by the one handler its kind and
// the deal's phase choose, and the deal saved once; then a seat that has started thinking, or
// an advice asked for, is thought about. A move the handler refuses leaves no trace.
void Apply(Flow& game, const Move& move, MoveOrigin origin = MoveOrigin::Player);

// What a move left to think about: an Expert seat's card goes to the thinker, or without one
// is thought and played on the spot, as a move of its own either way, so that a replayed deal
// plays the recorded card; South's advice at the Expert level goes to the thinker too. A
// record played again thinks of its advice on the spot and leaves the seats' cards to it.
void ThinkOfWhatIsDue(Flow& game, MoveOrigin origin = MoveOrigin::Player);
// The thinker's card for the request numbered `ticket`: an Expert seat's card, played as a
// move unless the request is no longer the one the table waits on; or South's advice, lifted.
void DeliverThoughtCard(Flow& game, std::uint32_t ticket, int slot);

}  // namespace zarvane
