// The reduction engine: the value of a range of a token list. The order of
// its steps is the grammar: statements, parenthesised groups, assignment,
// functions, then the operator levels from the logical words down to "^".
// It builds no tree; it splits a range at the rightmost operator of the
// loosest level present and evaluates both sides, rewriting groups, function
// calls and "not" in the list as number tokens.
#pragma once

#include <cstdint>

#include "eval/token_list.h"

// The deepest nesting of ranges the engine follows: groups inside groups,
// operands of long operator chains, chained assignments and "not"s. A text
// that needs more stops with EVAL_ERR_UNEXPECTED and 0.0 instead of
// exhausting the stack.
constexpr int32_t MAX_RANGE_DEPTH = 2000;

// The value of the tokens from first to last, both included; a null last
// runs to the end of the list. Errors go to evalError.
double evaluateRange(Token* first, Token* last);
