// The analysis's arithmetic: the program's extended-precision operations and
// the three-valued sign that the point search compares.
#pragma once

#include "platform/extended_arithmetic.h"

// Three-valued sign: -1, 0 (either zero, and NaN) or +1.
inline int signOf(double v) { return (v > 0.0) - (v < 0.0); }
