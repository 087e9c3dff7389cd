#include "eval/variables.h"

#include <gtest/gtest.h>

#include <cmath>

#include "eval/eval_test_support.h"
#include "eval/evaluate_expression.h"

namespace {

using VariablesTest = EvalTest;

TEST_F(VariablesTest, TheConstantsAreDefinedGlobally) {
  EXPECT_EQ(evaluateExpression("pi"), 3.141592653589793);
  EXPECT_EQ(evalError, EVAL_OK);
  EXPECT_EQ(evaluateExpression("e"), 2.718281828459045);
  EXPECT_EQ(evalError, EVAL_OK);
  // Names compare byte for byte.
  EXPECT_EQ(evaluateExpression("PI"), 0.0);
  EXPECT_EQ(evalError, EVAL_ERR_UNDEFINED_NAME);
}

TEST_F(VariablesTest, AFunctionNameIsRefusedAndNothingStored) {
  defineVariable("sin", 1.0, false);
  EXPECT_EQ(evalError, EVAL_ERR_RESERVED_NAME);
  defineVariable("frac", 1.0, true);
  EXPECT_EQ(evalError, EVAL_ERR_RESERVED_NAME);
  EXPECT_EQ(globalVariables.size(), 2u);
  EXPECT_TRUE(localVariables.empty());
}

TEST_F(VariablesTest, OperatorWordsAndOtherCasesOfFunctionNamesAreAccepted) {
  defineVariable("mod", 5.0, false);
  defineVariable("SIN", 6.0, false);
  EXPECT_EQ(evalError, EVAL_OK);
  EXPECT_EQ(lookupVariable("mod"), 5.0);
  EXPECT_EQ(lookupVariable("SIN"), 6.0);
}

TEST_F(VariablesTest, RedefiningReplacesOnlyTheValue) {
  defineVariable("pi", 3.0, false);
  EXPECT_EQ(evalError, EVAL_OK);
  ASSERT_EQ(globalVariables.size(), 2u);
  EXPECT_EQ(globalVariables[1].name, "pi");
  EXPECT_EQ(evaluateExpression("pi"), 3.0);
}

TEST_F(VariablesTest, ALocalVariableHidesTheGlobalOneUntilCleared) {
  defineVariable("e", 1.5, true);
  defineVariable("y", 2.5, true);
  defineVariable("x", 3.5, true);
  EXPECT_EQ(lookupVariable("e"), 1.5);
  ASSERT_EQ(localVariables.size(), 3u);
  EXPECT_EQ(localVariables[2].name, "x");
  clearLocalVariables();
  EXPECT_TRUE(localVariables.empty());
  EXPECT_EQ(lookupVariable("e"), 2.718281828459045);
}

TEST_F(VariablesTest, AnUndefinedNameGivesNaN) {
  EXPECT_TRUE(std::isnan(lookupVariable("x")));
  EXPECT_EQ(evalError, EVAL_ERR_UNDEFINED_NAME);
}

}  // namespace
