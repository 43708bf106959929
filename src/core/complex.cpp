#include "core/complex.h"

#include <cmath>

namespace kairo {

namespace {

// A divisor whose squared magnitude is below this is what is left of reactances that cancel
// (coil and capacitor in resonance): rounding noise, not a value to divide by. The smallest
// genuine divisor of the drill's circuits is many orders of magnitude larger.
constexpr double kSmallestSquaredDivisor = 1e-18;

bool isFinite(Complex z) {
  return std::isfinite(z.re) && std::isfinite(z.im);
}

}  // namespace

Complex add(Complex u, Complex v) {
  Complex result;
  result.re = u.re + v.re;
  result.im = u.im + v.im;
  return result;
}

Complex product(Complex u, Complex v) {
  Complex result;
  result.re = (u.re * v.re) - (u.im * v.im);
  result.im = (u.re * v.im) + (u.im * v.re);
  return result;
}

std::optional<Complex> devide(Complex u, Complex v) {
  if (!isFinite(u) || !isFinite(v)) return std::nullopt;
  // An infinite squared magnitude (|u| beyond about 1e154) would turn the quotient into 0 or NaN,
  // so such a divisor has no value either.
  const double squared = u.re * u.re + u.im * u.im;
  if (!(squared >= kSmallestSquaredDivisor) || !std::isfinite(squared)) return std::nullopt;
  Complex result;
  // The written formulas, each part divided by its own fresh u1² + u2².
  result.re = ((u.re * v.re) + (u.im * v.im)) / (u.re * u.re + u.im * u.im);
  result.im = ((u.re * v.im) - (u.im * v.re)) / (u.re * u.re + u.im * u.im);
  if (!isFinite(result)) return std::nullopt;
  return result;
}

}  // namespace kairo
