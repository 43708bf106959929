#include <QTest>
#include <complex>
#include <limits>

#include "core/complex.h"
#include "core/exercise_state.h"
#include "support/test_main.h"

using kairo::Complex;

namespace {

void verifyClose(Complex actual, std::complex<double> expected) {
  QVERIFY2(std::abs(std::complex<double>(actual.re, actual.im) - expected) <=
               1e-12 * std::max(1.0, std::abs(expected)),
           qPrintable(QStringLiteral("(%1, %2) vs (%3, %4)")
                          .arg(actual.re, 0, 'g', 17)
                          .arg(actual.im, 0, 'g', 17)
                          .arg(expected.real(), 0, 'g', 17)
                          .arg(expected.imag(), 0, 'g', 17)));
}

}  // namespace

class ComplexOpsTest : public QObject {
  Q_OBJECT

 private slots:
  // The worked values of the resistor course and of the reactive elements, by hand.
  void workedValues() {
    QCOMPARE(kairo::add({30, 0}, {20, 0}), (Complex{50, 0}));
    QCOMPARE(kairo::product({30, 0}, {20, 0}), (Complex{600, 0}));
    QCOMPARE(kairo::devide({50, 0}, {600, 0}), (Complex{12, 0}));
    QCOMPARE(kairo::product({0, 20}, {0, -20}), (Complex{400, 0}));
    QCOMPARE(kairo::product({300, 0}, {300, 0}), (Complex{90000, 0}));
    QCOMPARE(kairo::devide({0, 10}, {0, 10}), (Complex{1, 0}));
  }

  // The first argument is the divisor: (25 + 0j) / (3 + 4j) = 3 - 4j, not its inverse.
  void devideDividesSecondByFirst() {
    QCOMPARE(kairo::devide({3, 4}, {25, 0}), (Complex{3, -4}));
    QCOMPARE(kairo::devide({25, 0}, {3, 4}), (Complex{0.12, 0.16}));
  }

  // General values against the standard library's complex arithmetic.
  void agreesWithStdComplex() {
    const Complex samples[] = {{30, -25}, {0, 70}, {-12.5, 3.25}, {100, 0}, {1e-3, -7}};
    for (Complex u : samples) {
      for (Complex v : samples) {
        const std::complex<double> a(u.re, u.im), b(v.re, v.im);
        verifyClose(kairo::add(u, v), a + b);
        verifyClose(kairo::product(u, v), a * b);
        const auto quotient = kairo::devide(u, v);
        QVERIFY(quotient.has_value());
        verifyClose(*quotient, b / a);
      }
    }
  }

  // A zero divisor, or what rounding leaves of coil and capacitor reactances that cancel,
  // has no quotient; a small genuine divisor still divides.
  void zeroDivisorHasNoValue() {
    QVERIFY(!kairo::devide({0, 0}, {600, 0}));
    QVERIFY(!kairo::devide({-0.0, 0}, {0, 0}));
    QVERIFY(!kairo::devide({0, 1e-10}, {1, 1}));
    for (auto [millihenries, microfarads] : {std::pair{1, 10}, {2, 5}, {5, 2}, {10, 1}}) {
      const Complex coil{0, kairo::coilReactance(millihenries)};
      const Complex capacitor{0, kairo::capacitorReactance(microfarads)};
      QVERIFY(!kairo::devide(kairo::add(coil, capacitor), {50, 0}));
      QVERIFY(!kairo::devide(kairo::add(capacitor, coil), kairo::product(coil, capacitor)));
    }
    const auto small = kairo::devide({0, 1e-6}, {1, 0});
    QVERIFY(small.has_value());
    verifyClose(*small, {0, -1e6});
  }

  // Infinities and NaN never come out of a division.
  void nonFiniteGivesNoValue() {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QVERIFY(!kairo::devide({inf, 0}, {1, 0}));
    QVERIFY(!kairo::devide({1, 0}, {nan, 0}));
    QVERIFY(!kairo::devide({nan, 1}, {1, 0}));
    QVERIFY(!kairo::devide({1e-150, 1e-150}, {1e300, 1e300}));
    QVERIFY(!kairo::devide({1e200, 0}, {1, 0}));
  }
};

KAIRO_TEST_CASE(ComplexOpsTest)
#include "complex_ops.moc"
