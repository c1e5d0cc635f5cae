#include "core/strategy/play_reading.h"

#include <limits>

#include "core/strategy/auction_reading.h"
#include "core/strategy/discard_reading.h"
#include "core/strategy/sampled_world.h"

namespace zarvane {

namespace {

// Deals drawn for each world, and how many of them at most are played again to count their
// surprises: the replays cost far more than the draws.
constexpr int kDraws = 32;
constexpr int kReplays = 12;

}  // namespace

void SetUpLikeliestWorld(Core& world, Core& scratch, const Core& model, const Core& real,
                         int observer, const HiddenDealDrawer& drawer, Generator& draws,
                         bool reads_partners) {
  int nearest = std::numeric_limits<int>::max();
  int replays = 0;
  for (int n = 0; n < kDraws && nearest > 0 && replays < kReplays; ++n) {
    const HiddenDeal deal = DrawReadingDiscard(real, observer, drawer, draws);
    const int auction = AuctionDistance(real, observer, deal);
    if (auction >= nearest)
      continue;
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
