// Number text forms: formatNumber, printNumber and parseNumber.
#include "platform/number_text.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/text_output.h"

int formatNumberInto(double x, char* out) {
  // to_chars with a precision behaves exactly like printf's "%.16g" in the
  // "C" locale, and is several times faster than snprintf.
  std::to_chars_result r =
      std::to_chars(out, out + NUMBER_TEXT_CAPACITY, x, std::chars_format::general, 16);
  return static_cast<int>(r.ptr - out);
}

std::string formatNumber(double x) {
  char buffer[NUMBER_TEXT_CAPACITY];
  int length = formatNumberInto(x, buffer);
  return std::string(buffer, static_cast<size_t>(length));
}

std::string formatNumberPositional(double x) {
  char buffer[NUMBER_TEXT_CAPACITY];
  const int length = formatNumberInto(x, buffer);
  const std::string_view text(buffer, static_cast<size_t>(length));
  const size_t e = text.find('e');
  if (e == std::string_view::npos) return std::string(text);
  // "-d.ddde-05": the sign, the digits without the point, the exponent.
  const bool negative = text[0] == '-';
  std::string digits;
  for (char c : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
    if (c != '.') digits += c;
  }
  int exponent = 0;
  std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
  if (text[e + 1] == '-') exponent = -exponent;
  std::string out = negative ? "-" : "";
  if (exponent < 0) {
    out += "0.";
    out.append(static_cast<size_t>(-exponent - 1), '0');
    out += digits;
  } else {
    // %g leaves no trailing zeros in the digits, and a positive exponent
    // here is at least 16, beyond the 16 digits: the point never shows.
    out += digits;
    out.append(static_cast<size_t>(exponent + 1) - digits.size(), '0');
  }
  return out;
}

bool sameNumberText(double a, double b) {
  char ta[NUMBER_TEXT_CAPACITY];
  char tb[NUMBER_TEXT_CAPACITY];
  int la = formatNumberInto(a, ta);
  int lb = formatNumberInto(b, tb);
  return la == lb && std::memcmp(ta, tb, static_cast<size_t>(la)) == 0;
}

void printNumber(double x) {
  char buffer[NUMBER_TEXT_CAPACITY + 1];
  int length = formatNumberInto(x, buffer + 1);
  if (buffer[1] == '-') {
    printText(std::string_view(buffer + 1, static_cast<size_t>(length)), false);
  } else {
    buffer[0] = ' ';
    printText(std::string_view(buffer, static_cast<size_t>(length) + 1), false);
  }
}

namespace {

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

// "&" integers: digits accumulate modulo 2^64 and the bit pattern is read
// as a signed 64-bit value.
double parseBasedInteger(std::string_view text) {
  int base = 8;
  size_t start = 1;
  switch (text[1]) {
    case 'H':
    case 'h':
      base = 16;
      start = 2;
      break;
    case 'O':
    case 'o':
      start = 2;
      break;
    case 'B':
    case 'b':
      base = 2;
      start = 2;
      break;
    default:
      break;
  }
  uint64_t value = 0;
  for (size_t i = start; i < text.size(); ++i) {
    int digit = digitValue(text[i]);
    if (digit >= base) break;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
  }
  return static_cast<double>(static_cast<int64_t>(value));
}

locale_t cLocale() {
  static locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

// The texts the program itself produces are plain decimals; from_chars reads
// those without a copy. Anything it cannot settle goes to strtod.
bool isPlainDecimal(std::string_view text) {
  if (text.empty()) return false;
  char first = text[0];
  if (first == '-') {
    if (text.size() < 2) return false;
    first = text[1];
  }
  if (!((first >= '0' && first <= '9') || first == '.')) return false;
  for (char c : text) {
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) {
      return false;
    }
  }
  return true;
}

double parseWithStrtod(std::string_view text) {
  std::string copy(text);
  for (char& c : copy) {
    if (c == 'd') c = 'e';
    if (c == 'D') c = 'E';
  }
  return strtod_l(copy.c_str(), nullptr, cLocale());
}

}  // namespace

double parseNumber(std::string_view text) {
  size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return 0.0;
  text.remove_prefix(begin);
  if (text.size() >= 2 && text[0] == '&') return parseBasedInteger(text);
  if (isPlainDecimal(text)) {
    double value = 0.0;
    std::from_chars_result r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec == std::errc()) return value;
  }
  return parseWithStrtod(text);
}
