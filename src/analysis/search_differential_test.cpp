// The fast scan against the reference scan on random command lines: every
// hit of every search and the whole report text must be identical.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "analysis/extended_arithmetic.h"
#include "analysis/options.h"
#include "analysis/point_search.h"
#include "analysis/polynomial.h"
#include "analysis/report.h"
#include "app/command_line.h"
#include "platform/text_output.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int COMMAND_LINES = 1000;  // the sanitizers slow every evaluation down
#else
constexpr int COMMAND_LINES = 2400;
#endif

using Random = std::mt19937_64;

double uniform(Random& random, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(random);
}

int uniformInt(Random& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

// Exact text of a double: reads back as the same value.
std::string exactText(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

// A short decimal as a user would type it.
std::string shortText(double v, int digits) {
  char text[40];
  std::snprintf(text, sizeof text, "%.*g", digits, v);
  return text;
}

std::vector<double> productOfRoots(const std::vector<double>& roots, double scale) {
  std::vector<double> c{scale};
  for (double r : roots) {
    c.push_back(0.0);
    for (size_t i = c.size() - 1; i > 0; --i)
      c[i] -= r * c[i - 1];
  }
  return c;
}

std::vector<double> chebyshev(int n) {
  // T0 = 1, T1 = x, T(k+1) = 2x T(k) - T(k-1), highest power first.
  std::vector<double> previous{1.0};
  std::vector<double> current{1.0, 0.0};
  if (n == 0) return previous;
  for (int k = 1; k < n; ++k) {
    std::vector<double> next(current.size() + 1, 0.0);
    for (size_t i = 0; i < current.size(); ++i)
      next[i] = 2.0 * current[i];
    for (size_t i = 0; i < previous.size(); ++i)
      next[i + 2] -= previous[i];
    previous = current;
    current = next;
  }
  return current;
}

// Roots spread over [centre - spread, centre + spread], some repeated, some
// in tight clusters.
std::vector<double> randomRoots(Random& random, int degree, double centre, double spread) {
  std::vector<double> roots;
  while (static_cast<int>(roots.size()) < degree) {
    double r = centre + uniform(random, -spread, spread);
    if (uniformInt(random, 0, 3) == 0) r = std::round(r * 4.0) / 4.0;
    int kind = uniformInt(random, 0, 5);
    int copies = 1;
    if (kind == 0) copies = uniformInt(random, 2, 4);  // repeated
    for (int k = 0; k < copies && static_cast<int>(roots.size()) < degree; ++k)
      roots.push_back(r);
    if (kind == 1) {  // a cluster around r
      double gap = std::pow(10.0, uniform(random, -7.0, -2.0)) * spread;
      int size = uniformInt(random, 1, 4);
      for (int k = 1; k <= size && static_cast<int>(roots.size()) < degree; ++k) {
        roots.push_back(r + k * gap);
      }
    }
  }
  return roots;
}

struct CommandLine {
  std::vector<std::string> arguments;
  std::string text() const {
    std::string line;
    for (const std::string& a : arguments)
      line += a + " ";
    return line;
  }
};

// Interval, step and continuation: near 0, on the default interval, or far
// from 0 where the roots have been placed.
void addSwitches(Random& random, CommandLine& line, double centre, double spread) {
  double lower = -10.0;
  double upper = 10.0;
  int kind = uniformInt(random, 0, 5);
  if (kind == 1) {  // near 0, both ends small
    lower = -std::pow(10.0, uniform(random, -6.0, 1.0));
    upper = std::pow(10.0, uniform(random, -6.0, 1.0));
  } else if (kind == 2 || centre != 0.0) {  // around the roots
    lower = centre - spread * uniform(random, 0.5, 1.5);
    upper = centre + spread * uniform(random, 0.5, 1.5);
  } else if (kind == 3) {  // one-sided, start on a round number
    lower = std::round(uniform(random, -12.0, 5.0));
    upper = lower + std::pow(10.0, uniform(random, -2.0, 1.3));
  } else if (kind == 4 && uniformInt(random, 0, 9) == 0) {  // empty interval
    lower = 3.0;
    upper = -3.0;
  }
  bool typed = uniformInt(random, 0, 1) == 0;
  std::string lowerText = typed ? shortText(lower, 4) : exactText(lower);
  std::string upperText = typed ? shortText(upper, 4) : exactText(upper);
  if (kind != 0 || uniformInt(random, 0, 1) == 0) {
    line.arguments.push_back("/i");
    line.arguments.push_back(lowerText + "," + upperText);
  }
  double width = std::fabs(upper - lower);
  if (width == 0.0) width = 1.0;
  // Up to some 20 000 positions so that the reference stays quick.
  double positions = std::pow(10.0, uniform(random, 1.5, 4.3));
  double step = width / positions;
  line.arguments.push_back("/s");
  line.arguments.push_back(uniformInt(random, 0, 2) == 0 ? exactText(step) : shortText(step, 2));
  int continuation = uniformInt(random, 0, 3);
  if (continuation == 1) {
    line.arguments.push_back("/f");
    line.arguments.push_back(shortText(step * std::pow(10.0, uniform(random, -4.0, 1.0)), 3));
  } else if (continuation == 2) {
    line.arguments.push_back("/f");
    line.arguments.push_back(shortText(std::pow(10.0, uniform(random, -12.0, -3.0)), 2));
  }
}

CommandLine randomCommandLine(Random& random) {
  CommandLine line;
  std::vector<double> c;
  int degree = uniformInt(random, 1, 12);
  double centre = 0.0;
  double spread = 0.0;
  int kind = uniformInt(random, 0, 8);
  std::vector<std::string> typedCoefficients;
  switch (kind) {
    case 0:  // small integers
      for (int i = 0; i <= degree; ++i) {
        int v = uniformInt(random, -20, 20);
        if (uniformInt(random, 0, 3) == 0) v = 0;
        if (i == 0 && v == 0) v = 1;
        typedCoefficients.push_back(std::to_string(v));
      }
      break;
    case 1:  // decimals
      for (int i = 0; i <= degree; ++i) {
        double v = uniform(random, -10.0, 10.0);
        typedCoefficients.push_back(shortText(v, uniformInt(random, 1, 6)));
      }
      break;
    case 2:  // products of (x - r) near 0, repeated and clustered roots
      spread = std::pow(10.0, uniform(random, -1.0, 1.0));
      c = productOfRoots(randomRoots(random, degree, 0.0, spread), uniform(random, -3.0, 3.0));
      break;
    case 3: {  // roots far from 0
      centre = (uniformInt(random, 0, 1) ? 1.0 : -1.0) * std::pow(10.0, uniform(random, 1.0, 6.0));
      spread = std::fabs(centre) * std::pow(10.0, uniform(random, -4.0, -1.0));
      c = productOfRoots(randomRoots(random, std::min(degree, 6), centre, spread), 1.0);
      break;
    }
    case 4: {  // Wilkinson type: roots 1..n, scaled
      double scale = std::pow(2.0, uniformInt(random, -3, 0));
      std::vector<double> roots;
      for (int k = 1; k <= degree; ++k)
        roots.push_back(k * scale);
      c = productOfRoots(roots, 1.0);
      break;
    }
    case 5:  // Chebyshev
      c = chebyshev(degree);
      break;
    case 6: {  // huge or tiny coefficients
      double scale = std::pow(10.0, uniformInt(random, -300, 300));
      for (int i = 0; i <= degree; ++i) {
        double v = uniform(random, -5.0, 5.0) * scale;
        if (uniformInt(random, 0, 4) == 0) v *= std::pow(10.0, uniformInt(random, -30, 30));
        c.push_back(v);
      }
      break;
    }
    case 8: {  // huge values far from 0: overflow to inf, settled by the leading term
      int variant = uniformInt(random, 0, 2);
      double scale = std::pow(10.0, uniform(random, 250.0, 308.0));
      for (int i = 0; i <= degree; ++i) {
        double v = uniform(random, -5.0, 5.0);
        if (variant == 0) v *= scale;            // every coefficient huge
        if (variant == 1 && i == 0) v *= scale;  // only the leading one
        if (variant == 2) {                      // at the double range: derivative lists overflow
          v = i < 2 ? std::copysign(uniform(random, 0.5, 1.0), v) * 1.79e308 : v * 1e307;
        }
        if (uniformInt(random, 0, 5) == 0 && i > 0) v = 0.0;
        c.push_back(v);
      }
      if (c[0] == 0.0) c[0] = scale;
      // Far intervals, on one side of 0 or across it.
      centre = (uniformInt(random, 0, 1) ? 1.0 : -1.0) * std::pow(10.0, uniform(random, 0.0, 7.0));
      spread = std::fabs(centre) * uniform(random, 0.05, 1.5);
      break;
    }
    default: {  // integer roots, possibly repeated: exact zeros at positions
      std::vector<double> roots;
      for (int k = 0; k < std::min(degree, 8); ++k)
        roots.push_back(uniformInt(random, -8, 8));
      c = productOfRoots(roots, 1.0);
      break;
    }
  }
  for (double v : c)
    typedCoefficients.push_back(exactText(v));
  line.arguments = typedCoefficients;
  addSwitches(random, line, centre, spread);
  if (uniformInt(random, 0, 1) == 0) line.arguments.push_back("/n");
  return line;
}

// The report as the program prints it, captured from standard output.
std::string reportText(const Polynomial& p, const std::vector<ReportRow>& rows) {
  std::FILE* capture = std::tmpfile();
  std::fflush(stdout);
  int saved = dup(STDOUT_FILENO);
  dup2(fileno(capture), STDOUT_FILENO);
  printReport(p, rows);
  flushTextOutput();
  dup2(saved, STDOUT_FILENO);
  close(saved);
  std::string text;
  std::rewind(capture);
  char buffer[4096];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, capture)) > 0)
    text.append(buffer, n);
  std::fclose(capture);
  return text;
}

bool sameHit(const SearchHit& a, const SearchHit& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string hitText(const SearchHit& h) {
  char text[200];
  std::snprintf(text, sizeof text, "x=%a f=%a d1=%a d2=%a d3=%a", h.x, h.f, h.d1, h.d2, h.d3);
  return text;
}

TEST(SearchDifferential, FastScanMatchesReferenceOnRandomCommandLines) {
  uint64_t seed = std::random_device{}();
  Random random(seed);
  int compared = 0;
  while (compared < COMMAND_LINES) {
    CommandLine line = randomCommandLine(random);
    std::vector<const char*> argv{"polyvista"};
    for (const std::string& a : line.arguments)
      argv.push_back(a.c_str());
    Options options;
    Polynomial p;
    if (parseCommandLine(static_cast<int>(argv.size()), argv.data(), options, p) != CMDLINE_RUN ||
        !isUsableRun(options, p)) {
      continue;  // the program would print the usage text
    }
    ++compared;
    SCOPED_TRACE("seed " + std::to_string(seed) + ", command line: " + line.text());

    // The report's loop, run with the reference scan, checking every single
    // hit of the fast scan on the way.
    std::vector<ReportRow> expected;
    double start = options.lower;
    for (;;) {
      SearchHit hit = findNextPointReference(start, options.upper, options.step, p);
      SearchHit fast = findNextPoint(start, options.upper, options.step, p);
      ASSERT_TRUE(sameHit(hit, fast)) << "start " << exactText(start) << "\n reference "
                                      << hitText(hit) << "\n fast      " << hitText(fast);
      if (hit.x > options.upper) break;
      ReportRow row;
      row.label = classifyHit(hit);
      row.x = hit.x;
      if (hit.f != 0.0) row.y = hit.f;
      expected.push_back(row);
      start = extendedAdd(hit.x, options.continuation);
    }
    ASSERT_EQ(reportText(p, runPointSearch(options, p)), reportText(p, expected));
  }
}

}  // namespace
