// The fast point search against the plain scan: degrees 2 to 10 on the
// default settings, a step of 1e-7, a degree-20 polynomial with clustered
// roots, huge coefficients on a wide interval, and whole processes.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "analysis/extended_arithmetic.h"
#include "analysis/options.h"
#include "analysis/point_search.h"
#include "analysis/polynomial.h"
#include "analysis/report.h"

namespace {

Polynomial productOfRoots(const std::vector<double>& roots) {
  std::vector<double> c{1.0};
  for (double r : roots) {
    c.push_back(0.0);
    for (size_t i = c.size() - 1; i > 0; --i)
      c[i] -= r * c[i - 1];
  }
  return Polynomial{c};
}

// n real zeros spread over [-8, 8].
Polynomial spreadZeros(int n) {
  std::vector<double> roots;
  for (int k = 0; k < n; ++k)
    roots.push_back(-8.0 + 16.0 * (k + 0.25) / n);
  return productOfRoots(roots);
}

// Twenty zeros 0.05 apart in [0.5, 1.45].
Polynomial clusteredDegree20() {
  std::vector<double> roots;
  for (int k = 0; k < 20; ++k)
    roots.push_back(0.5 + 0.05 * k);
  return productOfRoots(roots);
}

// The report's loop on the plain scan.
size_t plainSearch(const Options& options, const Polynomial& p) {
  size_t rows = 0;
  double start = options.lower;
  for (;;) {
    SearchHit hit = findNextPointReference(start, options.upper, options.step, p);
    if (hit.x > options.upper) return rows;
    ++rows;
    start = extendedAdd(hit.x, options.continuation);
  }
}

void fastDegree(benchmark::State& state) {
  Options options;
  Polynomial p = spreadZeros(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(runPointSearch(options, p).size());
}
BENCHMARK(fastDegree)->DenseRange(2, 10)->Unit(benchmark::kMicrosecond);

void plainDegree(benchmark::State& state) {
  Options options;
  Polynomial p = spreadZeros(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(plainSearch(options, p));
}
BENCHMARK(plainDegree)->Arg(2)->Arg(6)->Arg(10)->Unit(benchmark::kMillisecond);

void fastCubicFineStep(benchmark::State& state) {
  Options options;
  options.step = 0.0000001;
  Polynomial p{{-1, 3, 0, -3.5}};
  for (auto _ : state)
    benchmark::DoNotOptimize(runPointSearch(options, p).size());
}
BENCHMARK(fastCubicFineStep)->Unit(benchmark::kMicrosecond);

void fastClustered20(benchmark::State& state) {
  Options options;
  Polynomial p = clusteredDegree20();
  for (auto _ : state)
    benchmark::DoNotOptimize(runPointSearch(options, p).size());
}
BENCHMARK(fastClustered20)->Unit(benchmark::kMillisecond);

void plainClustered20(benchmark::State& state) {
  Options options;
  Polynomial p = clusteredDegree20();
  for (auto _ : state)
    benchmark::DoNotOptimize(plainSearch(options, p));
}
BENCHMARK(plainClustered20)->Unit(benchmark::kMillisecond);

// Huge coefficients on a wide interval: the values overflow to inf far from
// 0, where only the leading term settles the signs.
void fastHugeCoefficients(benchmark::State& state, std::vector<double> coefficients) {
  Options options;
  options.lower = -1e7;
  options.upper = 1e7;
  options.step = 0.5;
  options.continuation = 0.5;
  Polynomial p{coefficients};
  for (auto _ : state)
    benchmark::DoNotOptimize(runPointSearch(options, p).size());
}
BENCHMARK_CAPTURE(fastHugeCoefficients, cubic, std::vector<double>{1e300, 1e300, 1e300, 1e300})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fastHugeCoefficients, degree10,
                  std::vector<double>{1e300, -2e300, 3e300, 1e299, -5e300, 1e300, 2e300, -1e300,
                                      4e300, 1e300, -3e300})
    ->Unit(benchmark::kMicrosecond);

// Whole processes, output discarded.
void wholeProcess(benchmark::State& state, std::vector<std::string> arguments) {
  std::vector<char*> argv;
  std::string name = "polyvista";
  argv.push_back(name.data());
  for (std::string& a : arguments)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  for (auto _ : state) {
    pid_t pid = fork();
    if (pid == 0) {
      int devNull = open("/dev/null", O_WRONLY);
      dup2(devNull, STDOUT_FILENO);
      execv(POLYVISTA_EXECUTABLE, argv.data());
      _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
  }
}
BENCHMARK_CAPTURE(wholeProcess, cubic, std::vector<std::string>{"-1", "3", "0", "-3.5", "/n"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(wholeProcess, cubic_step_1e7,
                  std::vector<std::string>{"-1", "3", "0", "-3.5", "/s", "0.0000001", "/n"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(wholeProcess, degree10,
                  std::vector<std::string>{"1", "0", "-55", "0", "1023", "0", "-7645", "0", "21076",
                                           "0", "-14400", "/n"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
