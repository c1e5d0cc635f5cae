#pragma once

#include <functional>
#include <optional>

#include "core/deal.h"
#include "flow/flow.h"

namespace zarvane {

// The game window's start values: the card table, the options, the first speaker.
void StartUp(Flow& game);
// The new-deal command; replay 1 deals the previous deal again.
void NewDeal(Flow& game, int replay);
// Deals exactly the deal a code gives, whatever the options; it counts like any other.
void PlayDealFromCode(Flow& game, const DealtDeal& deal);
// "Jouer une donne..." (Ctrl+D). In the middle of a deal, from its auction until it is scored,
// it first asks whether to give that deal up, and a No leaves it as it stands. `ask_code`
// asks for a code and gives its deal, or nothing when the player cancels.
void PlayDealByCode(Flow& game, const std::function<std::optional<DealtDeal>()>& ask_code);
// The steps every deal starts with: the table and the deal state cleared, the first player
// seated, and once the cards are dealt, the record opened, the hand shown, the auction begun.
void ClearTableForDeal(Flow& game, int replay);
void SeatFirstPlayer(Flow& game, int seat);
void OpenAuction(Flow& game);
// "Redémarrer la partie", "REJOUER LA DONNE" and the replay button.
void ReplayDeal(Flow& game);
// One step of the click-to-continue machine: a click on the background, the table, a bid
// bubble, or the tick of the transition timer.
void Continue(Flow& game);
// The seat of the highest bid; sets HighestBid.
int FindTaker(Flow& game);
// Turns the dog face up for PRISE and GARDE, or prepares the play without it.
void ShowDog(Flow& game);
void TimerEntreCarteTimer(Flow& game);
void TimerTransitionTimer(Flow& game);
// A click on South's card image k (1..24).
void Carte3DClick(Flow& game, int k);
// A click on dog image i (1..6) on the table.
void CarteChienClick(Flow& game, int i);

}  // namespace zarvane
