#include <QElapsedTimer>
#include <QTest>
#include <string>

#include "app/exercise_state.h"
#include "calc/complex.h"
#include "calc/number.h"
#include "support/test_main.h"

using kairo::Complex;

namespace {

using Int = __int128;

// Every element value of the drill is a multiple of 1/2520 Ω (2520 = lcm(1..10) covers the
// capacitors' -100/v), so 2520 × impedance is a Gaussian integer and every expected answer is
// a quotient of two of them: exact, with no rounding anywhere.
constexpr Int kScale = 2520;

struct Gauss {
  Int re = 0, im = 0;
  bool isZero() const { return re == 0 && im == 0; }
};
Gauss operator+(Gauss a, Gauss b) {
  return {a.re + b.re, a.im + b.im};
}
Gauss operator*(Gauss a, Gauss b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
Gauss operator*(Int k, Gauss a) {
  return {k * a.re, k * a.im};
}

// p / q as real and imaginary numerators over one positive denominator.
struct ExactQuotient {
  Int re, im, den;
};
ExactQuotient quotient(Gauss p, Gauss q) {
  return {p.re * q.re + p.im * q.im, p.im * q.re - p.re * q.im, q.re * q.re + q.im * q.im};
}

std::string digits(Int n) {
  std::string text;
  do {
    text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
    n /= 10;
  } while (n > 0);
  return text;
}

// num / den (den > 0) rounded half away from zero to hundredths, written as "0.##" writes it.
std::string zero2Text(Int num, Int den) {
  const bool negative = num < 0;
  const Int magnitude = negative ? -num : num;
  const Int hundredths = (200 * magnitude + den) / (2 * den);
  std::string text = negative && hundredths != 0 ? "-" : "";
  text += digits(hundredths / 100) + ".";
  const int cents = static_cast<int>(hundredths % 100);
  if (cents != 0) text += static_cast<char>('0' + cents / 10);
  if (cents % 10 != 0) text += static_cast<char>('0' + cents % 10);
  return text;
}

// One element: its scaled exact impedance and the impedance the checks build from the state.
struct Element {
  Gauss scaled;
  Complex z;
};
Element element(int kind, int value) {
  switch (kind) {
    case 1:
      return {{kScale * 10 * value, 0}, {10.0 * value, 0.0}};
    case 2:
      return {{0, -kScale * 100 / value}, {0.0, kairo::capacitorReactance(value)}};
    default:
      return {{0, kScale * 10 * value}, {0.0, kairo::coilReactance(value)}};
  }
}

}  // namespace

class SweepTest : public QObject {
  Q_OBJECT

 private slots:
  // Every intermediate circuit at every source voltage: the answers the checks compute in double
  // and show under "0.##" are the exact answers rounded.
  void everyCircuitRoundsLikeExactArithmetic() {
    QElapsedTimer timer;
    timer.start();
    int parallelResonances = 0, zeroTotals = 0, compared = 0, wrongNoValue = 0;
    QStringList mismatches;
    int mismatchCount = 0;
    auto check = [&](const QString& got, Int num, Int den, const char* what, int circuit, int e) {
      ++compared;
      const std::string want = zero2Text(num, den);
      if (got == QLatin1String(want.data(), static_cast<qsizetype>(want.size()))) return;
      if (++mismatchCount <= 10)
        mismatches << QStringLiteral("circuit %1 E=%2 %3: got %4, exact %5")
                          .arg(circuit)
                          .arg(e)
                          .arg(QLatin1String(what), got, QString::fromStdString(want));
    };
    auto format = [](double x) { return kairo::formatNumber(x, kairo::Pattern::Zero2); };

    for (int circuit = 0; circuit < 27000; ++circuit) {
      // circuit = kinds (3 base-3 digits) × values (3 base-10 digits), position 1 first.
      const int kinds = circuit / 1000, values = circuit % 1000;
      const Element e1 = element(kinds / 9 + 1, values / 100 + 1);
      const Element e2 = element(kinds / 3 % 3 + 1, values / 10 % 10 + 1);
      const Element e3 = element(kinds % 3 + 1, values % 10 + 1);

      const Complex z23Sum = kairo::add(e2.z, e3.z);
      const Complex z23Product = kairo::product(e2.z, e3.z);
      const auto z23Parallel = kairo::devide(z23Sum, z23Product);
      const Gauss sum = e2.scaled + e3.scaled;
      if (sum.isZero()) {
        ++parallelResonances;
        if (z23Parallel) ++wrongNoValue;
        continue;
      }
      if (!z23Parallel) {
        ++wrongNoValue;
        continue;
      }
      // z23Parallel = a2 a3 / (2520 S) and zTotal = (a1 S + a2 a3) / (2520 S), S = a2 + a3.
      const Gauss prod = e2.scaled * e3.scaled;
      const Gauss scaledSum = kScale * sum;
      const ExactQuotient parallel = quotient(prod, scaledSum);
      check(format(z23Parallel->re), parallel.re, parallel.den, "z23Parallel.re", circuit, 0);
      check(format(z23Parallel->im), parallel.im, parallel.den, "z23Parallel.im", circuit, 0);

      const Complex zTotal = kairo::add(e1.z, *z23Parallel);
      const Gauss totalNumerator = e1.scaled * sum + prod;
      const ExactQuotient total = quotient(totalNumerator, scaledSum);
      check(format(zTotal.re), total.re, total.den, "zTotal.re", circuit, 0);
      check(format(zTotal.im), total.im, total.den, "zTotal.im", circuit, 0);

      if (totalNumerator.isZero()) {
        ++zeroTotals;
        for (int e = 10; e <= 100; e += 10)
          if (kairo::devide(zTotal, {double(e), 0})) ++wrongNoValue;
        continue;
      }
      // I1 = E·2520·S / N, I2 = I1·z2/S = E·2520·a2 / N, I3 = E·2520·a3 / N; computed for E = 1
      // and scaled, since E only multiplies the numerators.
      const ExactQuotient i1 = quotient(scaledSum, totalNumerator);
      const ExactQuotient i2 = quotient(kScale * e2.scaled, totalNumerator);
      const ExactQuotient i3 = quotient(kScale * e3.scaled, totalNumerator);
      const auto divider2 = kairo::devide(z23Sum, e2.z);
      const auto divider3 = kairo::devide(z23Sum, e3.z);
      if (!divider2 || !divider3) {
        ++wrongNoValue;
        continue;
      }
      for (int e = 10; e <= 100; e += 10) {
        const auto current1 = kairo::devide(zTotal, {double(e), 0});
        if (!current1) {
          ++wrongNoValue;
          continue;
        }
        const Complex current2 = kairo::product(*current1, *divider2);
        const Complex current3 = kairo::product(*current1, *divider3);
        check(format(current1->re), e * i1.re, i1.den, "current1.re", circuit, e);
        check(format(current1->im), e * i1.im, i1.den, "current1.im", circuit, e);
        check(format(current2.re), e * i2.re, i2.den, "current2.re", circuit, e);
        check(format(current2.im), e * i2.im, i2.den, "current2.im", circuit, e);
        check(format(current3.re), e * i3.re, i3.den, "current3.re", circuit, e);
        check(format(current3.im), e * i3.im, i3.den, "current3.im", circuit, e);
      }
    }
    qInfo("%d answers compared in %lld ms", compared, static_cast<long long>(timer.elapsed()));

    QCOMPARE(parallelResonances, 240);
    QCOMPARE(zeroTotals, 78);
    QCOMPARE(wrongNoValue, 0);
    QVERIFY2(mismatchCount == 0,
             qPrintable(QString::number(mismatchCount) + " mismatches:\n" + mismatches.join('\n')));
  }
};

KAIRO_TEST_CASE(SweepTest)
#include "sweep.moc"
