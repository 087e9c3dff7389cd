// Number text forms: the conversions between doubles and decimal text that
// the whole program shares. None of them depends on the user's locale: "."
// is the only decimal separator and "," ends a number.
#pragma once

#include <string>
#include <string_view>

// Largest text formatNumber writes for a finite value, plus room for "-nan".
constexpr int NUMBER_TEXT_CAPACITY = 32;

// Writes x as C's "%.16g" does (16 significant digits, positional for
// decimal exponents -4 to 15, otherwise exponent form with a sign and at
// least two digits). Infinities and NaN give "inf", "-inf", "nan", "-nan".
// Returns the number of bytes written to out (never more than
// NUMBER_TEXT_CAPACITY); the text is not NUL-terminated.
int formatNumberInto(double x, char* out);

// The text of formatNumberInto as a string.
std::string formatNumber(double x);

// The same significant digits as formatNumber, always in positional form
// (0.00001 rather than 1e-05, 10000000000000000 rather than 1e+16): the
// evaluator's scanner reads no exponents, so every number the program
// writes into expression text takes this form. Reading it back gives the
// value that formatNumber's text gives. Infinities and NaN as formatNumber.
std::string formatNumberPositional(double x);

// True when formatNumber(a) and formatNumber(b) are the same text.
bool sameNumberText(double a, double b);

// Writes formatNumber(x) to the text output, with one blank in front unless
// the text starts with "-". No line break.
void printNumber(double x);

// Reads a number from the front of text; never fails. Leading blanks are
// skipped; "&H", "&O", "&B" and "&" introduce integers in base 16, 8, 2 and 8
// that wrap around modulo 2^64 and are read as signed 64-bit values.
// Otherwise "d"/"D" count as exponent letters and the longest prefix that
// strtod accepts in the "C" locale is converted (hex, inf and nan included;
// values beyond the double range give an infinity). No number gives 0.
double parseNumber(std::string_view text);
