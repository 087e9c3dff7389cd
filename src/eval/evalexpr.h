// The evalexpr tool: one evaluation per input line.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

// The output line for one evaluation: the value as formatNumber writes it
// (NaN as "nan", infinities as "inf" and "-inf"), a TAB, the error code and
// a line feed.
std::string formatResultLine(double value, int32_t code);

// Reads lines (ending at LF, a trailing CR removed) and writes one result
// line for each. The global variables must already be defined.
void runEvalexpr(std::istream& in, std::ostream& out);
