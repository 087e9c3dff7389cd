#include "eval/evalexpr.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "eval/eval_test_support.h"

namespace {

TEST(EvalexprTest, FormatsValueTabCode) {
  struct Row {
    double value;
    int32_t code;
    const char* line;
  };
  const Row rows[] = {
      {4.0, 0, "4\t0\n"},
      {-0.5, 0, "-0.5\t0\n"},
      {0.0, 11, "0\t11\n"},
      {1e16, 0, "1e+16\t0\n"},
      {std::numeric_limits<double>::infinity(), 0, "inf\t0\n"},
      {-std::numeric_limits<double>::infinity(), 0, "-inf\t0\n"},
      {std::numeric_limits<double>::quiet_NaN(), 0, "nan\t0\n"},
      {-std::numeric_limits<double>::quiet_NaN(), 0, "nan\t0\n"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(formatResultLine(row.value, row.code), row.line) << row.line;
  }
}

using EvalexprRunTest = EvalTest;

TEST_F(EvalexprRunTest, OneResultLinePerInputLine) {
  std::istringstream in("x=2;x*x\r\nx\n\n1/0\n(0/0)*1\npi\n2 x\nsqr 2");
  std::ostringstream out;
  runEvalexpr(in, out);
  EXPECT_EQ(out.str(),
            "4\t0\n"
            "0\t9\n"
            "0\t3\n"
            "inf\t0\n"
            "nan\t0\n"
            "3.141592653589793\t0\n"
            "0\t11\n"
            "1.414213562373095\t0\n");
}

TEST_F(EvalexprRunTest, NoInputGivesNoOutput) {
  std::istringstream in("");
  std::ostringstream out;
  runEvalexpr(in, out);
  EXPECT_EQ(out.str(), "");
}

}  // namespace
