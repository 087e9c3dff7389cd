// Cutting expression text into tokens.
#pragma once

#include <string_view>

#include "eval/token_list.h"

enum NumberState {
  NUM_NONE = 0,      // not inside a number
  NUM_INTEGER = 1,   // a sign and/or digits, no "." yet
  NUM_FRACTION = 2,  // after the "."
};

// Appends the tokens of text after head. Numbers are positional only (an
// "e" ends a number and begins a name); blanks are skipped, also inside a
// number; "+" and "-" begin a number unless they follow a value, "(", "="
// or ";". Stops with EVAL_ERR_NUMBER at a second "." in a number and with
// EVAL_ERR_UNEXPECTED at a byte outside the alphabet.
void scanExpression(std::string_view text, Token* head);
