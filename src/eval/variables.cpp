#include "eval/variables.h"

#include <limits>

#include "eval/eval_error.h"
#include "eval/functions.h"

std::vector<Variable> globalVariables;
std::vector<Variable> localVariables;

namespace {

Variable* findVariable(std::vector<Variable>& table, std::string_view name) {
  for (Variable& v : table) {
    if (v.name == name) return &v;
  }
  return nullptr;
}

bool isReservedName(std::string_view name) {
  for (std::string_view reserved : FUNCTION_NAMES) {
    if (reserved == name) return true;
  }
  return false;
}

}  // namespace

void defineVariable(std::string_view name, double value, bool local) {
  if (isReservedName(name)) {
    evalError = EVAL_ERR_RESERVED_NAME;
    return;
  }
  std::vector<Variable>& table = local ? localVariables : globalVariables;
  if (Variable* existing = findVariable(table, name)) {
    existing->value = value;
    return;
  }
  table.push_back(Variable{std::string(name), value});
}

double lookupVariable(std::string_view name) {
  if (const Variable* v = findVariable(localVariables, name)) return v->value;
  if (const Variable* v = findVariable(globalVariables, name)) return v->value;
  evalError = EVAL_ERR_UNDEFINED_NAME;
  return std::numeric_limits<double>::quiet_NaN();
}

void clearLocalVariables() {
  localVariables.clear();
}

void defineConstants() {
  defineVariable("e", 2.718281828459045, false);
  defineVariable("pi", 3.141592653589793, false);
}
