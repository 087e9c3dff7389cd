// Point search over the default interval and the whole text-mode process.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "analysis/options.h"
#include "analysis/polynomial.h"
#include "analysis/report.h"

namespace {

// The search the program uses, which skips the positions where it proves
// that no sign can change.
void searchDefaultInterval(benchmark::State& state, std::vector<double> coefficients) {
  Options options;
  Polynomial p{std::move(coefficients)};
  for (auto _ : state) {
    std::vector<ReportRow> rows = runPointSearch(options, p);
    benchmark::DoNotOptimize(rows.data());
  }
}

// The plain scan, evaluating every one of the 2 000 001 positions.
void plainScanDefaultInterval(benchmark::State& state, std::vector<double> coefficients) {
  Options options;
  Polynomial p{std::move(coefficients)};
  for (auto _ : state) {
    std::vector<ReportRow> rows = runPointSearchWith(options, p, findNextPointReference);
    benchmark::DoNotOptimize(rows.data());
  }
}

// (x+7)(x+5)(x+2)(x+0.5)(x-1)(x-3)(x-6): seven real zeros in [-10, 10].
const std::vector<double> SEVEN_ZEROS = {1, 4.5, -52, -187, 561, 1148.5, -846, -630};

BENCHMARK_CAPTURE(searchDefaultInterval, quadratic_1_0_m4, std::vector<double>{1, 0, -4})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(searchDefaultInterval, cubic_m1_3_0_m3p5, std::vector<double>{-1, 3, 0, -3.5})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(searchDefaultInterval, degree7_seven_zeros, SEVEN_ZEROS)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plainScanDefaultInterval, quadratic_1_0_m4, std::vector<double>{1, 0, -4})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plainScanDefaultInterval, cubic_m1_3_0_m3p5, std::vector<double>{-1, 3, 0, -3.5})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plainScanDefaultInterval, degree7_seven_zeros, SEVEN_ZEROS)
    ->Unit(benchmark::kMillisecond);

// The whole process for "-1 3 0 -3.5 /n", output discarded.
void wholeProcessCubic(benchmark::State& state) {
  for (auto _ : state) {
    pid_t pid = fork();
    if (pid == 0) {
      int devNull = open("/dev/null", O_WRONLY);
      dup2(devNull, STDOUT_FILENO);
      execl(POLYVISTA_EXECUTABLE, "polyvista", "-1", "3", "0", "-3.5", "/n",
            static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
  }
}
BENCHMARK(wholeProcessCubic)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
