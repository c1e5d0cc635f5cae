#include "flow/moves.h"

#include "flow/bidding.h"
#include "flow/card_advice.h"
#include "flow/card_play.h"
#include "flow/deal_flow.h"
#include "flow/discard.h"
#include "flow/interrupted_deal.h"
#include "flow/options_flow.h"
#include "flow/poignee.h"

namespace zarvane {

MoveScope::MoveScope(Flow& game, std::optional<Move> move) : game_(game) {
  if (game.MoveDepth++ == 0 && move && game.Record.Open)
    game.Record.Moves.push_back(*move);
}

MoveScope::~MoveScope() {
  if (--game_.MoveDepth == 0)
    KeepDealRecord(game_);
}

void ForgetMove(Flow& game) {
  if (game.MoveDepth == 1 && game.Record.Open && !game.Record.Moves.empty())
    game.Record.Moves.pop_back();
}

void OpenDealRecord(Flow& game) {
  DealRecord& record = game.Record;
  record.Open = true;
  record.Deal = DealAsDealt(game);
  record.ReplayedDeal = game.ReplayedDeal;
  record.FromCode = game.DealFromCode;
  record.Generator = game.random.GeneratorState;
  record.Level = game.options.Level;
  record.DealOrder = game.DealOrder;
  record.SavedDeck = game.SavedDeck;
  record.Moves.clear();
}

void ReplayMove(Flow& game, const Move& move) {
  switch (move.kind) {
    case MoveKind::BidTick:
      return TimerEnchereTimer(game);
    case MoveKind::SouthBid:
      return SouthBid(game, move.arg);
    case MoveKind::BidAdvice:
      return EvMaMainClick(game);
    case MoveKind::Continue:
      return Continue(game);
    case MoveKind::CardTick:
      return TimerEntreCarteTimer(game);
    case MoveKind::TransitionTick:
      return TimerTransitionTimer(game);
    case MoveKind::HandCard:
      return PlayHumanCard(game, move.arg);
    case MoveKind::DogCard:
      return CarteChienClick(game, move.arg);
    case MoveKind::DiscardCard:
      return DiscardClick(game, move.arg);
    case MoveKind::ConfirmDiscard:
      return PanelConfirmeEcartClick(game);
    case MoveKind::NoPoignee:
      return PanelPoigneeAucuneClick(game);
    case MoveKind::PoigneeLevel:
      return OpenPoigneeWindow(game, move.arg);
    case MoveKind::PoigneeCard:
      return TogglePoigneeCard(game, move.arg);
    case MoveKind::LazyPoignee:
      return PanelBoutonParesseuxClick(game);
    case MoveKind::PoigneeOk:
      return PanelOkPoigneeClick(game);
    case MoveKind::PoigneeCancel:
      return PanelAnnulerPoigneeClick(game);
    case MoveKind::Level:
      return SetLevel(game, move.arg);
    case MoveKind::CardAdvice:
      return CardAdviceClick(game);
    case MoveKind::ExpertCard:
      return ExpertCardChosen(game, game.ThinkingTicket, move.arg);
  }
}

DealCheck CheckOf(const Flow& game) {
  return {game.random.GeneratorState, static_cast<int>(game.DealPhase), game.TrickNumber,
          game.CardsInTrick};
}

}  // namespace zarvane
