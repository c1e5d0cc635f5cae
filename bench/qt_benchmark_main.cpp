// The main of the benchmarks that draw windows: Qt's application must exist before any widget.
#include <benchmark/benchmark.h>
#include <QApplication>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
