// Throughput of evaluateExpression on the texts the renderer sends (one per
// pixel column and curve: "x=" + the column's x + ";" + a polynomial text),
// and the time of the worst hostile texts, each of which must stay well
// under a second.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "eval/eval_error.h"
#include "eval/evaluate_expression.h"
#include "eval/text_pieces.h"
#include "eval/variables.h"
#include "platform/number_text.h"

namespace {

const char* const CURVE_TEXTS[] = {
    "-1*x^3+3*x^2+0*x^1-3.5",  // f
    "-3*x^2+6*x^1+0",          // f'
    "-6*x^1+6",                // f''
    "-6",                      // f'''
};

// The texts of one redraw at graph size 800 over [-6, 6].
std::vector<std::string> columnTexts(const char* curve) {
  std::vector<std::string> texts;
  for (int column = 0; column < 800; ++column) {
    double x = -6.0 + 12.0 * column / 799.0;
    texts.push_back(join({"x=", formatNumber(x), ";", curve}));
  }
  return texts;
}

void evaluateCurve(benchmark::State& state) {
  static const bool constantsDefined = [] {
    defineConstants();
    return true;
  }();
  (void)constantsDefined;
  const std::vector<std::string> texts = columnTexts(CURVE_TEXTS[state.range(0)]);
  size_t next = 0;
  for (auto _ : state) {
    double value = evaluateExpression(texts[next]);
    benchmark::DoNotOptimize(value);
    if (evalError != EVAL_OK) state.SkipWithError("evaluation failed");
    next = next + 1 == texts.size() ? 0 : next + 1;
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(CURVE_TEXTS[state.range(0)]);
}
BENCHMARK(evaluateCurve)->DenseRange(0, 3);

std::string hostileText(int which) {
  switch (which) {
    case 0:
      return join({repeat("(", 100000), "1", repeat(")", 100000)});
    case 1:
      return join({"1", repeat("+1", 32767)});  // 64 KiB
    case 2:
      return join({repeat("-", 65535), "1"});
    case 3:
      return join({repeat("not ", 16383), "1"});
    case 4:
      return join({repeat("sin ", 16383), "0"});
    case 5:
      return join({repeat("(", 1999), "1", repeat(")", 1999)});  // just within the depth limit
    case 6:
      return join({"1", repeat("+1", 1999)});
    case 7:
      return join({repeat("1+(", 1000), repeat("1+", 10000), "1", repeat(")", 1000)});
    default:
      return repeat("(1)", 21845);
  }
}

void evaluateHostile(benchmark::State& state) {
  const std::string text = hostileText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    double value = evaluateExpression(text);
    benchmark::DoNotOptimize(value);
  }
  state.SetLabel(join({std::string_view(text).substr(0, 12), "... (", std::to_string(text.size()),
                       " bytes, code ", std::to_string(evalError), ")"}));
}
BENCHMARK(evaluateHostile)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
