#pragma once

// A circuit code worked out independently of the program, with std::complex: the answers the
// alternating-current courses expect, for tests to type.
#include <QString>
#include <cmath>
#include <complex>
#include <numbers>

namespace kairo::test {

using Cx = std::complex<double>;

// A code's circuit: impedance, currents and the voltage across the branches; the advanced
// course's answers in its boxes' order.
struct Worked {
  Cx z, i1, i2, i3, v23;
  double e;
  explicit Worked(const QString& code) {
    const auto step = [&](int i) { return code[i] == u'a' ? 10 : code[i].digitValue(); };
    e = 10.0 * step(0);
    Cx zk[3];
    for (int k = 0; k < 3; ++k) {
      const int kind = code[1 + k].digitValue(), value = step(4 + k);
      zk[k] = kind == 1 ? Cx(10.0 * value, 0) : Cx(0, kind == 2 ? -100.0 / value : 10.0 * value);
    }
    const Cx parallel = zk[1] * zk[2] / (zk[1] + zk[2]);
    z = zk[0] + parallel;
    i1 = e / z;
    i2 = i1 * zk[2] / (zk[1] + zk[2]);
    i3 = i1 * zk[1] / (zk[1] + zk[2]);
    v23 = i1 * parallel;
  }
  static double deg(Cx c) { return std::arg(c) * 180.0 / std::numbers::pi; }
  double p() const { return std::norm(i1) * z.real(); }
  double q() const { return std::norm(i1) * z.imag(); }
  double s() const { return e * std::abs(i1); }
  QList<double> polar() const { return {std::abs(z), deg(z)}; }
  QList<double> power() const { return {p(), q(), s(), 100 * p() / s()}; }
  QList<double> currents() const {
    return {std::abs(i1), deg(i1), std::abs(i2), deg(i2), std::abs(i3), deg(i3)};
  }
};

}  // namespace kairo::test
