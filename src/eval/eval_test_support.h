// Test fixture for the evaluator: each test starts with the global table
// holding just the constants, an empty local table and no error.
#pragma once

#include <gtest/gtest.h>

#include "eval/eval_error.h"
#include "eval/variables.h"

class EvalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    globalVariables.clear();
    localVariables.clear();
    defineConstants();
    evalError = EVAL_OK;
  }
  void TearDown() override {
    globalVariables.clear();
    localVariables.clear();
    defineConstants();
  }
};
