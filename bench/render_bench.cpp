#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <vector>

#include "core/cards.h"
#include "core/game_state.h"
#include "table/layout.h"
#include "ui/card_faces.h"
#include "ui/widgets.h"

namespace zarvane {
namespace {

// The card size of a 1920 x 1080 screen, the largest the game is tried on.
const Layout kLayout = ScaleForScreen(1920, 1080, 96);

std::vector<Card> AllCards() {
  GameState state;
  BuildCardTable(state);
  return std::vector<Card>(state.CardTable.begin(), state.CardTable.end());
}

// All 78 faces from nothing: each SVG parsed and rendered at the card size.
void BM_RenderAllFacesCold(benchmark::State& state) {
  const std::vector<Card> cards = AllCards();
  const QSize size(kLayout.CardWidth, kLayout.CardHeight);
  for (auto _ : state) {
    CardFaces().Clear();
    for (const Card& card : cards)
      benchmark::DoNotOptimize(CardFaces().Face(FaceName(card), size));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(cards.size()));
}
BENCHMARK(BM_RenderAllFacesCold)->Unit(benchmark::kMillisecond);

// South's 18 cards drawn again from faces already rendered, and the hand painted on screen.
void BM_RedrawSouthHandWarm(benchmark::State& state) {
  const std::vector<Card> cards = AllCards();
  QWidget table;
  table.resize(kLayout.SurfaceWidth, kLayout.SurfaceHeight);
  std::vector<CardImage*> hand;
  for (int slot = 0; slot < 18; ++slot) {
    auto* image = new CardImage(&table);
    image->setGeometry(kLayout.HandLeft + slot * kLayout.CardStep, kLayout.HandTop,
                       kLayout.CardWidth, kLayout.CardHeight);
    hand.push_back(image);
  }
  table.show();
  // Nothing is painted before the platform has exposed the window.
  while (!table.windowHandle() || !table.windowHandle()->isExposed())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  for (int slot = 0; slot < 18; ++slot)
    DrawCardFace(hand[slot], cards[slot * 4]);
  // Two hands drawn in turn, so that every redraw changes all 18 faces.
  int other = 1;
  for (auto _ : state) {
    for (int slot = 0; slot < 18; ++slot)
      DrawCardFace(hand[slot], cards[slot * 4 + other]);
    table.repaint();
    other = 1 - other;
  }
}
BENCHMARK(BM_RedrawSouthHandWarm)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zarvane
