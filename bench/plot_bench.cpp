// The graph's full pass: f with axes and all three derivatives on 800 x 800
// pixels, as the display loop renders it after "+" or "-"; one 60 Hz frame
// (16.7 ms) is the budget.
#include <benchmark/benchmark.h>

#include "analysis/options.h"
#include "analysis/polynomial.h"
#include "eval/variables.h"
#include "platform/screen.h"
#include "plot/display_loop.h"

namespace {

constexpr uint32_t ALL_CURVES =
    FLAG_FIRST_DERIVATIVE | FLAG_SECOND_DERIVATIVE | FLAG_THIRD_DERIVATIVE;

void BM_RenderAllCurves800(benchmark::State& state) {
  defineConstants();
  openWindow(800, 880, 24, 1);
  const DisplayCurves curves = makeDisplayCurves(Polynomial{{-1, 3, 0, -3.5}});
  for (auto _ : state) {
    PlotImage* image = renderDisplayGraph(curves, 800, ALL_CURVES, 5.0);
    benchmark::DoNotOptimize(image->pixels.data());
    destroyImage(image);
  }
  closeWindow();
}
BENCHMARK(BM_RenderAllCurves800)->Unit(benchmark::kMillisecond);

// The whole redraw of one key: clear, render, XOR blit, legend, prompt.
void BM_RedrawPass800(benchmark::State& state) {
  defineConstants();
  openWindow(800, 880, 24, 1);
  const DisplayCurves curves = makeDisplayCurves(Polynomial{{-1, 3, 0, -3.5}});
  PlotImage* image = showDisplayPass(curves, 800, ALL_CURVES, 10, 5.0);
  for (auto _ : state) {
    clearDisplayPass(image, 10);
    image = showDisplayPass(curves, 800, ALL_CURVES, 10, 5.0);
  }
  destroyImage(image);
  closeWindow();
}
BENCHMARK(BM_RedrawPass800)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
