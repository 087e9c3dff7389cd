#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

struct Parsed {
  CommandLineStatus status;
  Options options;
  Polynomial polynomial;
};

Parsed parse(std::initializer_list<const char*> arguments) {
  std::vector<const char*> argv{"polyvista"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  Parsed result;
  result.status = parseCommandLine(static_cast<int>(argv.size()), argv.data(), result.options,
                                   result.polynomial);
  return result;
}

TEST(ParseCommandLine, CoefficientsStandInOrderAroundSwitches) {
  for (const Parsed& p : {parse({"/i", "-5,5", "1", "0", "-1"}), parse({"1", "/n", "0", "-1"})}) {
    EXPECT_EQ(p.status, CMDLINE_RUN);
    EXPECT_EQ(p.polynomial.coefficients, (std::vector<double>{1, 0, -1}));
  }
  Parsed interval = parse({"/i", "-5,5", "1"});
  EXPECT_EQ(interval.options.lower, -5.0);
  EXPECT_EQ(interval.options.upper, 5.0);
  EXPECT_EQ(parse({"-1", "&H10", "3,5", "abc"}).polynomial.coefficients,
            (std::vector<double>{-1, 16, 3, 0}));
}

TEST(ParseCommandLine, EndsOfTheRun) {
  struct Case {
    std::initializer_list<const char*> arguments;
    CommandLineStatus status;
  };
  const Case cases[] = {
      {{}, CMDLINE_USAGE},
      {{""}, CMDLINE_USAGE},
      {{"", "1"}, CMDLINE_USAGE},
      {{"/?"}, CMDLINE_HELP},
      {{"1", "2", "/?"}, CMDLINE_HELP},
      {{"1", "/x", "/?"}, CMDLINE_USAGE},
      {{"1", "/s0.001"}, CMDLINE_USAGE},
      {{"1", "/step", "1"}, CMDLINE_USAGE},
      {{"1", "/"}, CMDLINE_USAGE},
      {{"1", "0", "-1", "/s"}, CMDLINE_USAGE},
      {{"1", "/s", ""}, CMDLINE_USAGE},
      {{"1", "/?", "/x"}, CMDLINE_HELP},
      {{"1", "/N", "/1", "/2", "/3"}, CMDLINE_RUN},
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv{"polyvista"};
    argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
    Options options;
    Polynomial polynomial;
    EXPECT_EQ(parseCommandLine(static_cast<int>(argv.size()), argv.data(), options, polynomial),
              c.status)
        << (c.arguments.size() > 0 ? *c.arguments.begin() : "(none)") << " ... "
        << c.arguments.size() << " arguments";
  }
}

TEST(ParseCommandLine, SwitchValues) {
  Parsed p = parse({"1", "/S", "0.001", "/f", "1e-3", "/w", "7", "/g", "640", "/n", "/n", "/3"});
  EXPECT_EQ(p.options.step, 0.001);
  EXPECT_EQ(p.options.continuation, 0.001);
  EXPECT_EQ(p.options.valueRange, 7.0);
  EXPECT_EQ(p.options.graphSize, 640);
  EXPECT_EQ(p.options.flags, FLAG_NO_GRAPHICS | FLAG_THIRD_DERIVATIVE);

  EXPECT_EQ(parse({"1", "/s", "1", "/s", "2"}).options.step, 2.0);
  Parsed w = parse({"1", "/w", "/n"});
  EXPECT_EQ(w.options.valueRange, 0.0);
  EXPECT_EQ(w.options.flags, 0u);

  Parsed stopped = parse({"1", "", "2"});
  EXPECT_EQ(stopped.status, CMDLINE_RUN);
  EXPECT_EQ(stopped.polynomial.coefficients, (std::vector<double>{1}));
}

TEST(ParseCommandLine, IntervalForms) {
  struct Case {
    const char* value;
    double lower;
    double upper;
  };
  const Case cases[] = {{"5", 0, 5}, {"5,", 5, 0}, {"1,2,3", 1, 2}, {"-3.5,x", -3.5, 0}};
  for (const Case& c : cases) {
    Parsed p = parse({"1", "/i", c.value});
    EXPECT_EQ(p.options.lower, c.lower) << c.value;
    EXPECT_EQ(p.options.upper, c.upper) << c.value;
  }
}

TEST(ParseCommandLine, GraphSizeRoundsHalvesToEven) {
  struct Case {
    const char* value;
    int32_t size;
  };
  const Case cases[] = {{"800.5", 800}, {"801.5", 802}, {"799.6", 800}, {"-3.5", -4}};
  for (const Case& c : cases)
    EXPECT_EQ(parse({"1", "/g", c.value}).options.graphSize, c.size) << c.value;
}

TEST(IsUsableRun, RefusesInputsThatCannotEnd) {
  struct Case {
    std::initializer_list<const char*> arguments;
    bool usable;
  };
  const Case cases[] = {
      {{"1", "0", "-4"}, true},
      {{"/n"}, false},
      {{"0", "-0", "0"}, false},
      {{"1", "/s", "0"}, false},
      {{"1", "/s", "-1"}, false},
      {{"1", "/s", "x"}, false},
      {{"1", "/s", "inf"}, false},
      {{"1", "/s", "1e-16"}, false},
      {{"1", "/f", "0"}, false},
      {{"1", "/f", "nan"}, false},
      {{"1", "/i", "-1e12,1"}, false},
      {{"1", "/i", "-1e12,1", "/s", "0.0002", "/f", "0.0002"}, false},
      {{"1", "/i", "-1e9,1", "/s", "0.25", "/f", "0.0002"}, true},
      {{"inf", "1"}, false},
      {{"1", "nan"}, false},
      {{"1", "/i", "0,inf"}, false},
      {{"1", "/w", "-inf"}, false},
      {{"1", "/w", "-3"}, true},
      {{"1", "/g", "0"}, false},
      {{"1", "/g", "0.5"}, false},
      {{"1", "/g", "0.6"}, true},
      {{"1", "/g", "3e9"}, false},
      {{"1", "/g", "nan"}, false},
      {{"1", "/g", "2147483647"}, true},
      {{"1", "/i", "5,-5"}, true},
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv{"polyvista"};
    argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
    Options options;
    Polynomial polynomial;
    ASSERT_EQ(parseCommandLine(static_cast<int>(argv.size()), argv.data(), options, polynomial),
              CMDLINE_RUN);
    std::string line;
    for (const char* a : c.arguments)
      line += std::string(a) + " ";
    EXPECT_EQ(isUsableRun(options, polynomial), c.usable) << line;
  }
}

}  // namespace
