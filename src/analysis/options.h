// Options: the settings of one run, filled from the command line.
#pragma once

#include <cstdint>

constexpr uint32_t FLAG_NO_GRAPHICS = 1;
constexpr uint32_t FLAG_FIRST_DERIVATIVE = 2;
constexpr uint32_t FLAG_SECOND_DERIVATIVE = 4;
constexpr uint32_t FLAG_THIRD_DERIVATIVE = 8;

struct Options {
  double lower = -10.0;
  double upper = 10.0;
  double step = 0.00001;
  double continuation = 0.0000001;
  double valueRange = 0.0;  // 0: computed from the report
  int32_t graphSize = 800;
  uint32_t flags = 0;
};
