// The long soak: whole deals under random clicks, menu commands and timer ticks, checked
// after every event, with the rate in events per second. A fault prints the seed and the
// events that replay it; `soak_run --replay FILE` replays such a log.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/soak.h"

namespace {

// Events per seed: short enough that a failing log stays readable.
constexpr std::int64_t kEventsPerSeed = 20'000;

int Replay(const char* file, const std::filesystem::path& folder) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  const std::string fault = zarvane::testing::ReplaySoak(text.str(), folder);
  std::printf("%s\n", fault.empty() ? "replayed with no fault" : fault.c_str());
  return fault.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::int64_t deals_wanted = 100'000;
  std::uint32_t seed = 1;
  const std::filesystem::path folder = zarvane::testing::SoakFolder("long");
  for (int k = 1; k + 1 < argc; k += 2) {
    const std::string_view option = argv[k];
    if (option == "--deals")
      deals_wanted = std::atoll(argv[k + 1]);
    else if (option == "--seed")
      seed = static_cast<std::uint32_t>(std::atoll(argv[k + 1]));
    else if (option == "--replay")
      return Replay(argv[k + 1], folder);
  }

  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpu_start = std::clock();
  std::vector<std::int64_t> fired(zarvane::testing::SoakEvents().size(), 0);
  std::int64_t events = 0;
  std::int64_t deals = 0;
  int seeds = 0;
  for (; deals < deals_wanted; ++seed, ++seeds) {
    const auto result = zarvane::testing::RunSoak(seed, kEventsPerSeed, folder);
    events += result.events;
    deals += result.deals_scored;
    for (std::size_t e = 0; e < fired.size(); ++e)
      fired[e] += result.fired[e];
    if (seeds % 50 == 49) {
      std::printf("%lld events, %lld deals so far\n", static_cast<long long>(events),
                  static_cast<long long>(deals));
      std::fflush(stdout);
    }
    if (!result.failure.empty()) {
      std::fprintf(stderr, "fault: %s\nreplay with:\n%s\n", result.failure.c_str(),
                   result.log.c_str());
      return 1;
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d seeds, %lld events, %lld whole deals scored, no fault\n", seeds,
              static_cast<long long>(events), static_cast<long long>(deals));
  for (std::size_t e = 0; e < fired.size(); ++e) {
    if (fired[e] == 0)
      std::printf("never reached: %s\n", zarvane::testing::SoakEvents()[e].name.data());
  }
  // On a shared machine the processor time is the fairer figure.
  const double cpu = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
  std::printf("%.1f s of wall time: %.0f events per second, %.0f deals per second\n", seconds,
              static_cast<double>(events) / seconds, static_cast<double>(deals) / seconds);
  std::printf("%.1f s of processor time: %.0f events per second\n", cpu,
              static_cast<double>(events) / cpu);
  return 0;
}
