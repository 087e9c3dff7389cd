// The evaluator's error code. evaluateExpression clears it when it starts;
// afterwards a non-zero code means the returned value is 0.0 and the code
// tells why. A code stays until the next evaluation starts.
#pragma once

#include <cstdint>

constexpr int32_t EVAL_OK = 0;
// A ")" without an open "(", or a ";" inside parentheses.
constexpr int32_t EVAL_ERR_PARENTHESES = 2;
// Nothing to evaluate where a value is needed.
constexpr int32_t EVAL_ERR_MISSING_OPERAND = 3;
// A second "." in a number.
constexpr int32_t EVAL_ERR_NUMBER = 4;
// A byte outside the expression alphabet, "=" after something that is not a
// variable name, or a text nested or chained too deeply to evaluate.
constexpr int32_t EVAL_ERR_UNEXPECTED = 6;
// A variable name that no table holds.
constexpr int32_t EVAL_ERR_UNDEFINED_NAME = 9;
// defineVariable called with a built-in function's name.
constexpr int32_t EVAL_ERR_RESERVED_NAME = 10;
// Tokens that no operator joins, a function argument outside its domain, or
// an integer division or remainder by zero.
constexpr int32_t EVAL_ERR_NO_VALUE = 11;

extern int32_t evalError;
