// Command line: coefficients and switches.
#include "app/command_line.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "analysis/point_search.h"
#include "platform/number_text.h"

namespace {

std::string_view argumentAt(int argc, const char* const* argv, int n) {
  if (n < 0 || n >= argc || argv[n] == nullptr) return std::string_view();
  return std::string_view(argv[n]);
}

std::string lowerAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

void applyInterval(std::string_view value, Options& options) {
  size_t comma = value.find(',');
  if (comma == std::string_view::npos) {
    options.lower = 0.0;
    options.upper = parseNumber(value);
  } else {
    options.lower = parseNumber(value.substr(0, comma));
    options.upper = parseNumber(value.substr(comma + 1));
  }
}

// Nearest integer, an exact half to the even neighbour; values outside the
// 32-bit range are clamped here and refused by isUsableRun.
int32_t roundGraphSize(double value) {
  double rounded = std::nearbyint(value);
  if (!(rounded >= INT32_MIN)) return INT32_MIN;
  if (rounded > INT32_MAX) return INT32_MAX;
  return static_cast<int32_t>(rounded);
}

bool isValueSwitch(const std::string& name) {
  return name == "i" || name == "s" || name == "f" || name == "g" || name == "w";
}

}  // namespace

CommandLineStatus parseCommandLine(int argc, const char* const* argv, Options& options,
                                   Polynomial& polynomial) {
  bool haveCoefficient = false;
  int n = 1;
  for (;; ++n) {
    std::string_view argument = argumentAt(argc, argv, n);
    if (argument.empty()) break;
    if (argument[0] != '/') {
      double value = parseNumber(argument);
      if (haveCoefficient) {
        polynomial.coefficients.push_back(value);
      } else {
        polynomial.coefficients.assign(1, value);
        haveCoefficient = true;
      }
      continue;
    }
    std::string name = lowerAscii(argument.substr(1));
    if (isValueSwitch(name)) {
      ++n;
      std::string_view value = argumentAt(argc, argv, n);
      if (value.empty()) return CMDLINE_USAGE;
      if (name == "i") applyInterval(value, options);
      if (name == "s") options.step = parseNumber(value);
      if (name == "f") options.continuation = parseNumber(value);
      if (name == "g") {
        double size = parseNumber(value);
        options.graphSize = roundGraphSize(size);
        // Remember a size that has no 32-bit value so it can be refused.
        if (!std::isfinite(size) || std::nearbyint(size) < INT32_MIN ||
            std::nearbyint(size) > INT32_MAX) {
          options.graphSize = 0;
        }
      }
      if (name == "w") options.valueRange = parseNumber(value);
    } else if (name == "n") {
      options.flags |= FLAG_NO_GRAPHICS;
    } else if (name == "1") {
      options.flags |= FLAG_FIRST_DERIVATIVE;
    } else if (name == "2") {
      options.flags |= FLAG_SECOND_DERIVATIVE;
    } else if (name == "3") {
      options.flags |= FLAG_THIRD_DERIVATIVE;
    } else if (name == "?") {
      return CMDLINE_HELP;
    } else {
      return CMDLINE_USAGE;
    }
  }
  if (n == 1) return CMDLINE_USAGE;
  return CMDLINE_RUN;
}

bool isUsableRun(const Options& options, const Polynomial& polynomial) {
  bool allZero = true;
  for (double c : polynomial.coefficients) {
    if (!std::isfinite(c)) return false;
    if (c != 0.0) allZero = false;
  }
  if (allZero) return false;
  if (!std::isfinite(options.lower) || !std::isfinite(options.upper)) return false;
  if (!std::isfinite(options.valueRange)) return false;
  if (options.graphSize < 1) return false;
  double magnitude = std::fmax(std::fabs(options.lower), std::fabs(options.upper));
  return stepMovesEveryPosition(options.step, magnitude) &&
         stepMovesEveryPosition(options.continuation, magnitude) &&
         scanPositionsWithinLimit(options.lower, options.upper, options.step);
}
