// Polynomial: value, derivative and text forms.
#include "analysis/polynomial.h"

#include <cmath>
#include <cstddef>

#include "analysis/extended_arithmetic.h"
#include "platform/number_text.h"

double evaluatePolynomial(double x, const Polynomial& p) {
  const double* c = p.coefficients.data();
  size_t n = p.coefficients.size();
  double r = c[0];
  for (size_t i = 1; i < n; ++i)
    r = extendedMulAdd(x, r, c[i]);
  return r;
}

void derivePolynomial(const Polynomial& p, Polynomial& d) {
  size_t n = p.coefficients.size();
  if (n == 1) {
    d.coefficients.assign(1, 0.0);
    return;
  }
  std::vector<double> result(n - 1);
  for (size_t i = 0; i + 1 < n; ++i) {
    result[i] = extendedMul(static_cast<double>(n - 1 - i), p.coefficients[i]);
  }
  d.coefficients = std::move(result);
}

namespace {

void appendDisplayTerm(std::string& text, double c, size_t index, size_t power) {
  text += ' ';
  if (c < 0.0) {
    text += '-';
  } else if (index > 0) {
    text += '+';
  }
  if (c != 1.0) text += formatNumber(std::fabs(c));
  text += 'x';
  if (power != 1) {
    text += '^';
    text += std::to_string(power);
  }
}

void appendExpressionTerm(std::string& text, double c, size_t index, size_t power) {
  // Not signbit: -0 gets "+" and writes itself as "-0", like any c >= 0.
  if (c >= 0.0 && index > 0) text += '+';
  // The evaluator's scanner reads no exponent form.
  text += formatNumberPositional(c);
  text += "*x^";
  text += std::to_string(power);
}

}  // namespace

std::string polynomialText(const Polynomial& p, int mode) {
  const std::vector<double>& c = p.coefficients;
  size_t n = c.size();
  std::string text;
  for (size_t i = 0; i + 1 < n; ++i) {
    if (mode == 1) {
      appendDisplayTerm(text, c[i], i, n - 1 - i);
    } else {
      appendExpressionTerm(text, c[i], i, n - 1 - i);
    }
  }
  double constant = c[n - 1];
  if (mode == 1) text += ' ';
  if (constant >= 0.0) text += '+';
  text += mode == 1 ? formatNumber(constant) : formatNumberPositional(constant);
  return text;
}
