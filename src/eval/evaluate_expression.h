// The evaluator's entry for expression text.
#pragma once

#include <string_view>

// Evaluates text (statements separated by ";", assignments to local
// variables, operators, functions, the global constants) and returns its
// value. evalError is 0 afterwards when the value is that of the text;
// otherwise it holds the error code and the result is 0.0. The tokens and
// the local variables of the call are released before it returns.
double evaluateExpression(std::string_view text);
