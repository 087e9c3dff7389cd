// The evaluator's variables: a global table filled by the driver (the
// constants "e" and "pi") and a local table filled by the assignments of
// one expression text and emptied when its evaluation ends. Names compare
// byte for byte; a local entry hides a global one of the same name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Variable {
  std::string name;
  double value;
};

extern std::vector<Variable> globalVariables;
extern std::vector<Variable> localVariables;

// Creates or overwrites the variable in the local or the global table. A
// built-in function's name (exactly as listed, lower case) is refused with
// EVAL_ERR_RESERVED_NAME and nothing is stored.
void defineVariable(std::string_view name, double value, bool local);

// The local, else the global value; EVAL_ERR_UNDEFINED_NAME and NaN when
// neither table holds the name.
double lookupVariable(std::string_view name);

void clearLocalVariables();

// Defines the global constants "e" and "pi"; the driver calls it once at
// start-up, before the first evaluation.
void defineConstants();
