// Runs the built program and compares the bytes it writes. Every run must
// end with exit code 0 and write nothing to standard error.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct ProgramRun {
  std::string out;
  std::string err;
  int exitCode = -1;
};

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs the program with the given argument vector (argv[0] included) and
// stdout and stderr captured in files.
ProgramRun runProgram(const std::vector<std::string>& argv) {
  char outPath[] = "/tmp/polyvista-out-XXXXXX";
  char errPath[] = "/tmp/polyvista-err-XXXXXX";
  int outFd = mkstemp(outPath);
  int errFd = mkstemp(errPath);
  ProgramRun run;
  pid_t pid = fork();
  if (pid == 0) {
    dup2(outFd, STDOUT_FILENO);
    dup2(errFd, STDERR_FILENO);
    // Without a display server the window cannot open, so no run waits for
    // a key.
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    std::vector<char*> args;
    for (const std::string& a : argv)
      args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(POLYVISTA_EXECUTABLE, args.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  close(outFd);
  close(errFd);
  run.out = readFile(outPath);
  run.err = readFile(errPath);
  unlink(outPath);
  unlink(errPath);
  return run;
}

ProgramRun runWith(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "polyvista");
  return runProgram(arguments);
}

void expectClean(const ProgramRun& run, const std::string& what) {
  EXPECT_EQ(run.exitCode, 0) << what;
  EXPECT_EQ(run.err, "") << what;
}

const std::string GOLDEN = POLYVISTA_GOLDEN_DIR;

TEST(ProgramOutput, Reports) {
  struct Case {
    std::vector<std::string> arguments;
    const char* report;
  };
  const Case cases[] = {
      {{"1", "0", "-4", "/n"},
       "\r\n    Polynom  x^2 +0x -4\r\n\r\n"
       " Nullstelle  -2\r\n"
       "    Minimum  -2.534427549557497e-09 (y =-4)\r\n"
       " Nullstelle   2\r\n"},
      {{"-1", "3", "0", "-3.5", "/n"},
       "\r\n    Polynom  -1x^3 +3x^2 +0x -3.5\r\n\r\n"
       " Nullstelle  -0.9422418509696662\r\n"
       "    Minimum   1.95836789600246e-09 (y =-3.5)\r\n"
       " Wendepunkt   1 (y =-1.5)\r\n"
       " Nullstelle   1.557874698331524\r\n"
       "    Maximum   2.00000000097114 (y = 0.5)\r\n"
       " Nullstelle   2.384367152638141\r\n"},
      {{"1", "-2", "1", "/n"},
       "\r\n    Polynom  x^2 -2x +1\r\n\r\n Nullstelle     Minimum   1.000000000093851\r\n"},
      {{"1", "0", "0", "1", "/n"},
       "\r\n    Polynom  x^3 +0x^2 +0x +1\r\n\r\n Nullstelle  -1\r\n Sattelpunkt   0 (y = 1)\r\n"},
      {{"2", "15", "-19.3088", "/n"},
       "\r\n    Polynom  2x^2 +15x -19.3088\r\n\r\n"
       " Nullstelle  -8.620000000000001\r\n"
       "    Minimum  -3.749999978298266 (y =-47.4338)\r\n"
       " Nullstelle   1.12\r\n"},
      {{"/n", "1", "0", "-90"},
       "\r\n    Polynom  x^2 +0x -90\r\n\r\n"
       " Nullstelle  -9.486832980505138\r\n"
       "    Minimum   9.929879776849102e-09 (y =-90)\r\n"
       " Nullstelle   9.486832980505138\r\n"},
      {{"1", "0", "4", "/n", "/i", "5,-5"}, "\r\n    Polynom  x^2 +0x +4\r\n\r\n"},
      {{"-1", "-1", "/n"}, "\r\n    Polynom  -1x -1\r\n\r\n Nullstelle  -1\r\n"},
      {{"7", "/n"}, "\r\n    Polynom  +7\r\n\r\n"},
  };
  for (const Case& c : cases) {
    ProgramRun run = runWith(c.arguments);
    EXPECT_EQ(run.out, c.report) << c.arguments[0] << " " << c.arguments[1];
    expectClean(run, c.arguments[0]);
  }
}

// Without a display the report goes to the console as with /n, followed by
// the note that the window could not be opened.
TEST(ProgramOutput, WithoutWindowTheReportGoesToTheConsole) {
  ProgramRun text = runWith({"1", "0", "-4", "/n"});
  ProgramRun graphic = runWith({"1", "0", "-4"});
  EXPECT_EQ(graphic.out, text.out +
                             "Das Grafikfenster konnte nicht ge\x94"
                             "ffnet werden.\r\n");
  expectClean(graphic, "1 0 -4");
}

TEST(ProgramOutput, UsageText) {
  const std::string usage = readFile(GOLDEN + "/usage.txt");
  ASSERT_FALSE(usage.empty());
  const std::vector<std::vector<std::string>> usageLines = {
      {},
      {""},
      {"", "1"},
      {"1", "/x", "/?"},
      {"1", "/s0.001"},
      {"1", "0", "-1", "/s"},
      {"1", "/s", "", "/n"},
      {"/n"},
      {"0", "0", "/n"},
      {"1", "/s", "0", "/n"},
      {"1", "/f", "-1", "/n"},
      {"1", "/i", "0,1e300", "/n"},
      {"1", "/g", "0", "/n"},
      {"1", "inf", "/n"},
  };
  for (const std::vector<std::string>& arguments : usageLines) {
    ProgramRun run = runWith(arguments);
    std::string line;
    for (const std::string& a : arguments)
      line += "[" + a + "]";
    EXPECT_EQ(run.out, usage) << line;
    expectClean(run, line);
  }
}

TEST(ProgramOutput, HelpText) {
  const std::string help = readFile(GOLDEN + "/help.txt");
  ASSERT_FALSE(help.empty());
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"/?"}, {"1", "2", "/?"}, {"/n", "/?", "/x"}}) {
    ProgramRun run = runWith(arguments);
    EXPECT_EQ(run.out, help) << arguments[0];
    expectClean(run, arguments[0]);
  }
}

TEST(ProgramOutput, CallNameIsTheLastPathComponent) {
  struct Case {
    const char* argument0;
    const char* line;
  };
  const Case cases[] = {
      {"/usr/local/bin/polyvista", "Anwendung: polyvista <Koeffizientenliste> [optionen]\r\n"},
      {"C:\\Tools\\PV.EXE", "Anwendung: PV.EXE <Koeffizientenliste> [optionen]\r\n"},
      {"a\\b/c", "Anwendung: c <Koeffizientenliste> [optionen]\r\n"},
      {"pv", "Anwendung: pv <Koeffizientenliste> [optionen]\r\n"},
  };
  for (const Case& c : cases) {
    ProgramRun run = runProgram({c.argument0});
    EXPECT_NE(run.out.find(c.line), std::string::npos) << c.argument0;
  }
  ProgramRun hint = runProgram({"C:\\x\\pv.exe"});
  EXPECT_NE(hint.out.find("           mehr Information mit pv.exe /?\r\n\r\n"), std::string::npos);
}

}  // namespace
