#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "engine/bidding.h"
#include "engine/card_play.h"
#include "engine/deal_flow.h"
#include "engine/discard.h"
#include "engine/game.h"
#include "engine/language.h"
#include "engine/poignee.h"
#include "tests/support/fake_table_view.h"
#include "tests/support/fixed_clock.h"

namespace zarvane::testing {

// A game started as the window starts it, on a recording screen, with its options file in a
// folder of its own; it fires timers and clicks as a player would.
class DealDriver {
 public:
  explicit DealDriver(int language = 1, int start_milliseconds = 36'000'000)
      : folder_(std::filesystem::temp_directory_path() /
                ("zarvane-driver-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)))),
        game(view, SteppingClock(start_milliseconds)) {
    std::filesystem::create_directories(folder_);
    game.OptionsPath = (folder_ / "options98").string();
    StartUp(game);
    if (language != 0)
      ChooseLanguage(game, language);
  }
  ~DealDriver() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  DealDriver(const DealDriver&) = delete;
  DealDriver& operator=(const DealDriver&) = delete;

  // Fires the timer if it is armed, as the event loop would; false when it was not.
  bool Fire(TimerId timer) {
    if (!view.Armed(timer))
      return false;
    switch (timer) {
      case TimerId::TimerEnchere:
        TimerEnchereTimer(game);
        break;
      case TimerId::TimerEntreCarte:
        TimerEntreCarteTimer(game);
        break;
      case TimerId::TimerTransition:
        TimerTransitionTimer(game);
        break;
    }
    return true;
  }

  // A new deal that South opens, the computed bids replaced before anybody speaks.
  void DealWithBids(int south, int east, int north, int west) {
    game.FirstPlayer = kWest;  // the next deal starts with South
    NewDeal(game, 0);
    game.ComputedBid[kSouth] = south;
    game.ComputedBid[kEast] = east;
    game.ComputedBid[kNorth] = north;
    game.ComputedBid[kWest] = west;
    // South speaks first, so his preset is recomputed from the new value.
    game.AnnouncedBid[kSouth] = kNotSpoken;
    StartBidTurn(game, kSouth);
  }

  // The computer bids until South has the floor or the auction is over.
  void RunComputerBids() {
    while (Fire(TimerId::TimerEnchere)) {
    }
  }

  // South's bid, then whatever the computer seats after him say.
  void SouthBids(int code) {
    SouthBid(game, code);
    RunComputerBids();
  }

  // A click on the window's background.
  void Click() { Continue(game); }

  // Selects the first six cards of the 24 that may go to the discard, then confirms.
  void MakeSouthDiscard() {
    int chosen = 0;
    for (int k = 1; k <= 24 && chosen < 6; ++k) {
      const Card card = *view.Get(Control::Carte3D, k).card;
      if (card.Suit == kAtout || card.Value == kKing)
        continue;
      DiscardClick(game, k);
      ++chosen;
    }
    PanelConfirmeEcartClick(game);
  }

  // One move of a player who bids the advice, declines the poignee, makes the first discard
  // allowed and plays a random legal card: a timer tick, a click or a card. False once the
  // deal is scored and nothing is left to do.
  bool Step(std::mt19937& choices) {
    if (Fire(TimerId::TimerEnchere))
      return true;
    if (game.SouthToBid == 1) {
      EvMaMainClick(game);
      return true;
    }
    if (game.DiscardMode == 1) {
      MakeSouthDiscard();
      return true;
    }
    if (game.PoigneePending == 1) {
      PanelPoigneeAucuneClick(game);
      return true;
    }
    if (game.TrickNumber == 19 && view.Visible(Control::PanelResultat))
      return false;
    if (game.ContinueState != 0 || game.DogOnDisplay == 1) {
      Click();
      return true;
    }
    if (Fire(TimerId::TimerEntreCarte))
      return true;
    if (game.HumanMayPlay == 1 && game.CurrentSeat == game.HumanSeat) {
      std::vector<int> legal;
      for (int slot = 1; slot <= 18; ++slot) {
        if (game.Playable[game.HumanSeat][slot] == 1)
          legal.push_back(slot);
      }
      if (legal.empty())
        return false;
      PlayHumanCard(game, legal[choices() % legal.size()]);
      return true;
    }
    return Fire(TimerId::TimerTransition);
  }

  FakeTableView view;

 private:
  std::filesystem::path folder_;

 public:
  Game game;
};

}  // namespace zarvane::testing
