// The built-in functions and the resolution of single name tokens.
#pragma once

#include <string_view>

#include "eval/token_list.h"

constexpr int FUNCTION_COUNT = 17;

// Lower case; the scanner matches them in any mix of cases.
constexpr std::string_view FUNCTION_NAMES[FUNCTION_COUNT] = {
    "sin", "cos", "tan", "asin", "acos", "atan", "atn", "abs", "sgn",
    "sqr", "exp", "log", "ln",   "int",  "cint", "fix", "frac"};

// Index into FUNCTION_NAMES of name compared without regard to ASCII case,
// or -1.
int functionIndex(std::string_view name);

// For a TK_NAME token the variable's value. For a TK_FUNCTION token the
// function applied to the token after it, which must be a number, a name or
// another function name (EVAL_ERR_MISSING_OPERAND otherwise); an argument
// outside the function's domain, NaN included, sets EVAL_ERR_NO_VALUE and
// gives NaN. Does nothing and gives 0.0 while evalError is set.
double applyFunction(Token* t);
