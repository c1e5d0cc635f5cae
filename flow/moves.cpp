#include "flow/moves.h"

#include <algorithm>
#include <array>

#include "core/strategy/expert.h"
#include "flow/bidding.h"
#include "flow/card_advice.h"
#include "flow/card_play.h"
#include "flow/deal_flow.h"
#include "flow/deal_saving.h"
#include "flow/discard.h"
#include "flow/options_flow.h"
#include "flow/poignee.h"

namespace zarvane {

namespace {

// A handler carries the move out; false when it refused the move, which then leaves no trace
// (it told the player why, and a replay must not tell him again).
using Handler = bool (*)(Flow& game, int arg);

// Most handlers take every move they are given.
template <void (*Carry)(Flow&)>
bool Taken(Flow& game, int) {
  Carry(game);
  return true;
}
template <void (*Carry)(Flow&, int)>
bool TakenWith(Flow& game, int arg) {
  Carry(game, arg);
  return true;
}

// A click on one of South's cards: the click that goes on, a card for the discard, or his card.
void RouteHandCard(Flow& game, int slot) {
  if (WaitsForClick(game.state.DealPhase))
    GoOn(game);
  else if (game.state.DealPhase == Phase::Discard)
    PickDiscardCard(game, slot);
  else
    PlaySouthCard(game, slot);
}

void FollowBidAdvice(Flow& game) {
  TakeSouthBid(game, game.state.AnnouncedBid[kSouth]);
}

struct MoveEntry {
  MoveKind kind;
  std::string_view name;  // in the saved deal
  Handler handler;
};

// Every move of a deal, once: its kind, its name in the saved deal, its handler.
constexpr std::array<MoveEntry, kMoveKinds> kMoves = {{
    {MoveKind::BidTick, "BidTick", Taken<ShowPendingBid>},
    {MoveKind::SouthBid, "SouthBid", TakenWith<TakeSouthBid>},
    {MoveKind::BidAdvice, "BidAdvice", Taken<FollowBidAdvice>},
    {MoveKind::Continue, "Continue", Taken<GoOn>},
    {MoveKind::CardTick, "CardTick", Taken<PlayTurn>},
    {MoveKind::TransitionTick, "TransitionTick", Taken<EndTrickPause>},
    {MoveKind::HandCard, "HandCard", TakenWith<RouteHandCard>},
    {MoveKind::DogCard, "DogCard", TakenWith<TakeDog>},
    {MoveKind::DiscardCard, "DiscardCard", TakenWith<PickDiscardCard>},
    {MoveKind::ConfirmDiscard, "ConfirmDiscard", Taken<ConfirmSouthDiscard>},
    {MoveKind::NoPoignee, "NoPoignee", Taken<DeclinePoignee>},
    {MoveKind::PoigneeLevel, "PoigneeLevel", TakenWith<OpenPoigneeWindow>},
    {MoveKind::PoigneeCard, "PoigneeCard", TogglePoigneeCard},
    {MoveKind::LazyPoignee, "LazyPoignee", Taken<MarkLazyPoignee>},
    {MoveKind::PoigneeOk, "PoigneeOk", Taken<ConfirmPoignee>},
    {MoveKind::PoigneeCancel, "PoigneeCancel", Taken<CancelPoignee>},
    {MoveKind::Level, "Level", SetLevel},
    {MoveKind::CardAdvice, "CardAdvice", Taken<AskCardAdvice>},
    {MoveKind::ExpertCard, "ExpertCard", TakenWith<PlayThoughtCard>},
}};

constexpr bool InKindOrder() {
  for (std::size_t k = 0; k < kMoves.size(); ++k) {
    if (static_cast<std::size_t>(kMoves[k].kind) != k)
      return false;
  }
  return true;
}
static_assert(InKindOrder(), "the table lists the kinds in their order");

const MoveEntry& EntryOf(MoveKind kind) {
  return kMoves[static_cast<std::size_t>(kind)];
}

}  // namespace

void Apply(Flow& game, const Move& move, MoveOrigin origin) {
  const bool recorded = game.Record.Open;
  if (recorded)
    game.Record.Moves.push_back(move);
  if (!EntryOf(move.kind).handler(game, move.arg) && recorded)
    game.Record.Moves.pop_back();
  if (origin == MoveOrigin::Player)
    SaveDealRecord(game);
  else
    game.ThinkingDue = false;  // the record's next move is the card the seat thought of
  ThinkOfWhatIsDue(game, origin);
}

void ThinkOfWhatIsDue(Flow& game, MoveOrigin origin) {
  if (game.AdviceDue) {
    game.AdviceDue = false;
    // The Expert thinks on the worker, as for a computer seat, so that the window stays live;
    // a replay thinks on the spot, so that the table stands as it did.
    if (game.thinker != nullptr && origin == MoveOrigin::Player) {
      game.AdviceTicket = ++game.ThinkingTicket;
      game.thinker->Think(game.state, game.state.HumanSeat, game.AdviceTicket);
    } else {
      LiftAdviceThoughtNow(game);
    }
  }
  if (game.ThinkingDue && game.state.DealPhase == Phase::Thinking) {
    game.ThinkingDue = false;
    const std::uint32_t ticket = ++game.ThinkingTicket;
    if (game.thinker != nullptr)
      game.thinker->Think(game.state, game.state.CurrentSeat, ticket);
    else
      DeliverThoughtCard(game, ticket, *ExpertCardSlot(game.state, game.state.CurrentSeat));
  }
}

void DeliverThoughtCard(Flow& game, std::uint32_t ticket, int slot) {
  if (ticket == game.AdviceTicket) {
    AdvisedCardChosen(game, ticket, slot);
    return;
  }
  if (ticket != game.ThinkingTicket || game.state.DealPhase != Phase::Thinking)
    return;
  Apply(game, Move{MoveKind::ExpertCard, slot});
}

std::string_view MoveName(MoveKind kind) {
  return EntryOf(kind).name;
}

std::optional<MoveKind> MoveKindNamed(std::string_view name) {
  const auto found = std::find_if(kMoves.begin(), kMoves.end(),
                                  [name](const MoveEntry& entry) { return entry.name == name; });
  if (found == kMoves.end())
    return std::nullopt;
  return found->kind;
}

}  // namespace zarvane
