// How long the window's thread is kept from its events while the Expert plays: the game window
// offscreen at the Expert level, South played by a timer that ticks every 5 ms on the window's
// thread, and the longest gap between two of its ticks over whole deals.
//
// window_gap_bench [--deals N] [--tricks T] [--on-the-spot] [--analysis]: N deals (3 unless
// told), each up to trick T (the whole deal unless told); --on-the-spot thinks on the window's
// thread, as the game did before its thinking moved to a worker; --analysis analyses South's
// play after each whole deal, the ticks going on until the analysis is over.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/scoring.h"
#include "flow/deal_flow.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "tests/support/south_moves.h"
#include "ui/fAnalyse.h"
#include "ui/windows.h"

namespace zarvane {
namespace {

constexpr int kTickMilliseconds = 5;

struct Settings {
  int deals = 3;
  int tricks = 19;
  bool on_the_spot = false;
  bool analysis = false;
};

Settings ReadSettings(int argc, char** argv) {
  Settings settings;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--deals" && i + 1 < argc)
      settings.deals = std::max(1, std::atoi(argv[++i]));
    else if (arg == "--tricks" && i + 1 < argc)
      settings.tricks = std::clamp(std::atoi(argv[++i]), 1, 19);
    else if (arg == "--on-the-spot")
      settings.on_the_spot = true;
    else if (arg == "--analysis")
      settings.analysis = true;
  }
  return settings;
}

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

}  // namespace
}  // namespace zarvane

int main(int argc, char** argv) {
  using namespace zarvane;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const Settings settings = ReadSettings(argc, argv);
  // The options file and the history of the deals go to a folder of their own.
  QTemporaryDir folder;
  QDir::setCurrent(folder.path());
  const auto windows =
      CreateWindows(LayoutForPrimaryScreen(), QCoreApplication::applicationDirPath().toStdString());
  windows->frmSplash->PanelStartFrenchClick();
  TfrmZarvane& window = *windows->frmZarvane;
  Game& game = window.game();
  if (settings.on_the_spot)
    game.flow.thinker = nullptr;
  Apply(game.flow, Move{MoveKind::Level, kExpertLevel});
  SetCardSpeed(game.flow, 5);
  SetTrickWait(game.flow, 0);
  game.flow.state.options.AtLeastOneTaker = 1;

  std::vector<double> gaps;
  int deals = 0;
  bool analysed = false;
  QElapsedTimer clock;
  qint64 last = -1;
  QTimer ticks;
  ticks.setTimerType(Qt::PreciseTimer);
  QObject::connect(&ticks, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    if (last >= 0)
      gaps.push_back(static_cast<double>(now - last) / 1e6);
    last = now;
    if (game.flow.state.DealPhase != Phase::Opening &&
        game.flow.state.TrickNumber < settings.tricks) {
      testing::SouthMoves(game, window.view().TimerActive(TimerId::TimerEntreCarte));
      return;
    }
    if (settings.analysis && game.flow.state.TrickNumber == kLastTrickDone) {
      if (!analysed) {
        analysed = true;
        window.ShowAnalysis();
        return;
      }
      if (window.analysis()->Running())
        return;
      window.analysis()->hide();
    }
    if (deals == settings.deals) {
      QCoreApplication::quit();
      return;
    }
    ++deals;
    analysed = false;
    NewDeal(game.flow, 0);
  });
  clock.start();
  ticks.start(kTickMilliseconds);
  QApplication::exec();

  std::printf(
      "%s%s, %d deal(s) to trick %d: %zu ticks of %d ms, longest gap %.1f ms, "
      "99th percentile %.1f ms, median %.1f ms\n",
      settings.on_the_spot ? "thinking on the window's thread" : "thinking on a worker",
      settings.analysis ? ", South's play analysed after each deal" : "", deals, settings.tricks,
      gaps.size(), kTickMilliseconds, *std::max_element(gaps.begin(), gaps.end()),
      Percentile(gaps, 0.99), Percentile(gaps, 0.5));
  return 0;
}
