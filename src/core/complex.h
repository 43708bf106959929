#pragma once

#include <optional>

namespace kairo {

// A complex value: real part and imaginary part, both double so that every expected answer is
// computed without single-precision rounding.
struct Complex {
  double re = 0.0;
  double im = 0.0;
  friend bool operator==(const Complex&, const Complex&) = default;
};

Complex add(Complex u, Complex v);
Complex product(Complex u, Complex v);
// v ÷ u: the first argument is the divisor. No value when the divisor is zero (or so close to it
// that only rounding noise is left), never NaN or infinity.
std::optional<Complex> devide(Complex u, Complex v);

}  // namespace kairo
