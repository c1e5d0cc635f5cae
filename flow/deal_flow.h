#pragma once

#include <functional>
#include <optional>

#include "core/deal.h"
#include "flow/flow.h"

namespace zarvane {

// The commands that start a deal. Each deals, opens the deal's record and saves it.
// The new-deal command; replay 1 deals the previous deal again.
void NewDeal(Flow& game, int replay);
// Deals exactly the deal a code gives, whatever the options; it counts like any other.
void PlayDealFromCode(Flow& game, const DealtDeal& deal);
// "Jouer une donne..." (Ctrl+D). In the middle of a deal, from its auction until it is scored,
// it first asks whether to give that deal up, and a No leaves it as it stands. `ask_code`
// asks for a code and gives its deal, or nothing when the player cancels.
void PlayDealByCode(Flow& game, const std::function<std::optional<DealtDeal>()>& ask_code);
// "Redémarrer la partie", "REJOUER LA DONNE" and the replay button.
void ReplayDeal(Flow& game);

// The steps every deal starts with: the table and the deal state cleared, the first player
// seated, and once the cards are dealt, the record opened, the hand shown, the auction begun.
void ClearTableForDeal(Flow& game, int replay);
void SeatFirstPlayer(Core& game, int seat);
void OpenAuction(Flow& game);
// All of them, with the hands dealt anew; also when all four seats passed.
void DealNewHands(Flow& game, int replay);

// The click-to-continue machine's step, which a click on the background, the table or a bid
// bubble takes: the next trick, the play, the dog, the discard, or a deal dealt again.
void GoOn(Flow& game);
// The seat of the highest bid; sets HighestBid.
int FindTaker(Flow& game);
// Turns the dog face up for PRISE and GARDE, or prepares the play without it.
void ShowDog(Flow& game);

// The moves of the play's pacing. The card timer's tick: the seat to play is shown its cards,
// or plays. The transition timer's tick: the trick leaves the table as after a click.
void PlayTurn(Flow& game);
void EndTrickPause(Flow& game);
// A click on dog image i (1..6) on the table: the taker takes the dog.
void TakeDog(Flow& game, int i);

}  // namespace zarvane
