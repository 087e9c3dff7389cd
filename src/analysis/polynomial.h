// Polynomial: the coefficient list of the analysed polynomial, highest power
// first, and its value, derivative and text forms.
#pragma once

#include <string>
#include <vector>

// c[0]*x^(n-1) + ... + c[n-1]. Never empty; the zero polynomial is {0.0}.
struct Polynomial {
  std::vector<double> coefficients{0.0};
};

// Horner's scheme; each product and sum is formed with a 64-bit significand
// and the running value is rounded to double after every step.
double evaluatePolynomial(double x, const Polynomial& p);

// Replaces d with the derivative of p; a constant gives {0.0}.
void derivePolynomial(const Polynomial& p, Polynomial& d);

// mode 1: the display text (" x^2 -2x +3"); mode 2: the expression text
// for the evaluator ("1*x^2-2*x^1+3").
std::string polynomialText(const Polynomial& p, int mode);
