#include "core/strategy/play_reading.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "core/strategy/auction_reading.h"
#include "core/strategy/discard_reading.h"
#include "core/strategy/sampled_world.h"

namespace zarvane {

namespace {

// Deals drawn for each world, and how many of them at most are played again to count their
// surprises: the replays cost far more than the draws.
constexpr int kDraws = 32;
constexpr int kReplays = 12;

struct DrawnDeal {
  int auction = 0;  // how far its hands are from the auction
  HiddenDeal deal;
};

// The deals drawn, nearest the auction first and, at one distance, in the order drawn; no more
// once enough agree with it to use up the replays. A defender's draws often contradict the
// auction, and replayed in the order drawn they would use the replays up before a deal that fits
// it came.
std::vector<DrawnDeal> DrawsByAuction(const Core& real, int observer,
                                      const HiddenDealDrawer& drawer, Generator& draws) {
  std::vector<DrawnDeal> drawn;
  int agreeing = 0;
  for (int n = 0; n < kDraws && agreeing < kReplays; ++n) {
    HiddenDeal deal = DrawReadingDiscard(real, observer, drawer, draws);
    const int auction = AuctionDistance(real, observer, deal);
    agreeing += auction == 0 ? 1 : 0;
    drawn.push_back({auction, std::move(deal)});
  }
  std::stable_sort(drawn.begin(), drawn.end(),
                   [](const DrawnDeal& a, const DrawnDeal& b) { return a.auction < b.auction; });
  return drawn;
}

}  // namespace

void SetUpLikeliestWorld(Core& world, Core& scratch, const Core& model, const Core& real,
                         int observer, const HiddenDealDrawer& drawer, Generator& draws,
                         bool reads_partners) {
  int nearest = std::numeric_limits<int>::max();
  int replays = 0;
  for (const auto& [auction, deal] : DrawsByAuction(real, observer, drawer, draws)) {
    // The later draws are no nearer the auction.
    if (auction >= nearest || replays == kReplays)
      break;
    scratch = model;
    ++replays;
    const int distance =
        auction + SetUpWorldCountingSurprises(scratch, real, observer, deal, nearest - auction - 1,
                                              reads_partners);
    if (distance < nearest) {
      nearest = distance;
      world = scratch;
    }
  }
}

}  // namespace zarvane
