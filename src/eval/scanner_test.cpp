#include "eval/scanner.h"

#include <gtest/gtest.h>

#include <string>

#include "eval/eval_error.h"

namespace {

// The scanned tokens, one word each: numbers and identifiers as their text
// in brackets after a kind letter (N, V for a variable name, F for a
// function name), everything else as its symbol or operator word.
std::string scanned(std::string_view text) {
  static const char* const SYMBOLS[] = {"?",   "N",   "+",   "-",   "*",   "/",   "\\",  "^",
                                        "=",   "(",   ")",   "mod", "shl", "shr", "and", "or",
                                        "xor", "eqv", "imp", "not", "V",   "F",   ";"};
  evalError = EVAL_OK;
  Token* head = createList();
  scanExpression(text, head);
  std::string out;
  for (Token* t = head->next; t != nullptr; t = t->next) {
    if (!out.empty()) out += ' ';
    out += SYMBOLS[t->kind];
    if (t->kind == TK_NUMBER || t->kind == TK_NAME || t->kind == TK_FUNCTION) {
      out += '[' + t->text + ']';
    }
  }
  destroyList(head);
  return out;
}

TEST(ScannerTest, CutsTextIntoTokens) {
  struct Case {
    const char* text;
    const char* tokens;
  };
  const Case cases[] = {
      {"x=1.25;-1*x^3+3*x^2", "V[x] = N[1.25] ; - N[1] * V[x] ^ N[3] + N[3] * V[x] ^ N[2]"},
      {"-1*x^3-2", "N[-1] * V[x] ^ N[3] - N[2]"},
      {"2*-3", "N[2] * N[-3]"},
      {"-2^2", "N[-2] ^ N[2]"},
      {"x=-0.5", "V[x] = - N[0.5]"},
      {"(-1)-(+2)", "( - N[1] ) - ( + N[2] )"},
      {"f(1)+1;-2", "V[f] ( N[1] ) + N[1] ; - N[2]"},
      {"1 2", "N[12]"},
      {"\t1 .\t5", "N[1.5]"},
      {"1e5", "N[1] V[e5]"},
      {"5E-1", "N[5] V[E] - N[1]"},
      {"1 eqv 2", "N[1] eqv N[2]"},
      {"2 x", "N[2] V[x]"},
      {"2*-x", "N[2] * N[-] V[x]"},
      {"-;.", "N[-] ; N[.]"},
      {"- . +", "N[-.] +"},
      {"_a1=3", "V[_a1] = N[3]"},
      {"MOD Mod mod", "mod mod mod"},
      {"SIN Sqr cInt frac fracs", "F[SIN] F[Sqr] F[cInt] F[frac] V[fracs]"},
      {"not and or xor eqv imp shl shr", "not and or xor eqv imp shl shr"},
      {"7\\2/1", "N[7] \\ N[2] / N[1]"},
      {"5 and -1", "N[5] and N[-1]"},
      {"sin -1", "F[sin] - N[1]"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(scanned(c.text), c.tokens) << c.text;
    EXPECT_EQ(evalError, EVAL_OK) << c.text;
  }
}

TEST(ScannerTest, StopsAtTheFirstFault) {
  struct Case {
    const char* text;
    int32_t code;
    const char* tokensBefore;
  };
  const Case cases[] = {
      {"1.2.3", EVAL_ERR_NUMBER, ""},         {"..5", EVAL_ERR_NUMBER, ""},
      {"x+1.2.3", EVAL_ERR_NUMBER, "V[x] +"}, {"x=1:x", EVAL_ERR_UNEXPECTED, "V[x] = N[1]"},
      {"1,5", EVAL_ERR_UNEXPECTED, "N[1]"},   {"a<b", EVAL_ERR_UNEXPECTED, "V[a]"},
      {"\xE4", EVAL_ERR_UNEXPECTED, ""},      {"1!", EVAL_ERR_UNEXPECTED, "N[1]"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(scanned(c.text), c.tokensBefore) << c.text;
    EXPECT_EQ(evalError, c.code) << c.text;
  }
}

TEST(ScannerTest, ANulByteIsOutsideTheAlphabet) {
  EXPECT_EQ(scanned(std::string_view("1\0"
                                     "2",
                                     3)),
            "N[1]");
  EXPECT_EQ(evalError, EVAL_ERR_UNEXPECTED);
}

}  // namespace
