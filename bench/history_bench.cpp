#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWindow>
#include <filesystem>
#include <random>
#include <string>

#include "settings/score_history.h"
#include "table/layout.h"
#include "ui/fHistorique.h"

namespace zarvane {
namespace {

constexpr int kDeals = 10'000;
// A reset of the totals now and then, as a player makes them.
constexpr int kDealsPerSeries = 2'500;

// Ten thousand deals of plausible contracts, their totals kept as the game keeps them.
void WriteLongHistory(const std::string& path) {
  std::mt19937 random(98);
  Table<std::int32_t, 1, 4> totals{};
  for (int n = 1; n <= kDeals; ++n) {
    if (n % kDealsPerSeries == 1 && n > 1) {
      AppendHistoryLine(path, NewSeriesLine("2026-12-08T10:00:00"));
      totals.Fill(0);
    }
    ScoredDeal deal;
    deal.date = "2026-12-08T10:00:00";
    deal.level = static_cast<int>(random() % 5) + 1;
    deal.taker = static_cast<int>(random() % 4) + 1;
    deal.bid = static_cast<int>(random() % 4) + 1;
    const int per_defender = static_cast<int>(random() % 120) - 50;
    deal.made = per_defender >= 0;
    const int paid = deal.made ? per_defender + 25 : per_defender - 25;
    deal.taker_score = 3 * paid;
    for (int seat = 1; seat <= 4; ++seat)
      totals[seat] += seat == deal.taker ? deal.taker_score : -paid;
    deal.totals = totals;
    AppendHistoryLine(path, DealLine(deal));
  }
}

// What the player waits for from the menu entry to the window drawn: the file read, the chart
// and the table filled, the window shown and painted.
void BM_OpenHistoryOf10000Deals(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "zarvane-history-bench";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / kHistoryFileName).string();
  std::filesystem::remove(path);
  WriteLongHistory(path);
  const Layout layout = ScaleForScreen(1920, 1080, 96);
  for (auto _ : state) {
    TfrmHistorique window(layout);
    window.Fill(ReadScoreHistory(path), 1);
    window.show();
    // Nothing is painted before the platform has exposed the window.
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    window.repaint();
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_OpenHistoryOf10000Deals)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarvane
