#include <QElapsedTimer>
#include <QTest>
#include <string>

#include "core/complex.h"
#include "core/exercise_state.h"
#include "core/expected.h"
#include "core/number.h"
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

// num / den (den > 0) rounded half away from zero to hundredths, written as "0.##" writes it, or
// as "#.##" (no zero before the full stop) when `hash`.
std::string hundredthsText(Int num, Int den, bool hash = false) {
  const bool negative = num < 0;
  const Int magnitude = negative ? -num : num;
  const Int hundredths = (200 * magnitude + den) / (2 * den);
  std::string text = negative && hundredths != 0 ? "-" : "";
  if (!hash || hundredths >= 100) text += digits(hundredths / 100);
  text += ".";
  const int cents = static_cast<int>(hundredths % 100);
  if (cents != 0) text += static_cast<char>('0' + cents / 10);
  if (cents % 10 != 0) text += static_cast<char>('0' + cents % 10);
  return text;
}

// One element as the generators write it into the state, and its scaled exact impedance.
Gauss place(kairo::ExerciseState& s, int k, int kind, int value) {
  s.kind(k) = kind;
  s.resistance(k) = kind == 1 ? 10 * value : 0;
  if (kind != 1) s.lcValue(k) = value;
  s.reactance(k) = kind == 1   ? 0.0
                   : kind == 2 ? kairo::capacitorReactance(value)
                               : kairo::coilReactance(value);
  if (kind == 1) return {kScale * 10 * value, 0};
  if (kind == 2) return {0, -kScale * 100 / value};
  return {0, kScale * 10 * value};
}

}  // namespace

class SweepTest : public QObject {
  Q_OBJECT

 private slots:
  // Every circuit of both courses at every source voltage: the answers the checks expect, shown
  // as the course's pattern writes them, are the exact answers rounded. The references are
  // worked out here in exact fractions of the divider: each branch takes the other's share.
  void everyCircuitRoundsLikeExactArithmetic() {
    QElapsedTimer timer;
    timer.start();
    int parallelResonances = 0, zeroTotals = 0, compared = 0, wrongNoValue = 0;
    QStringList mismatches;
    int mismatchCount = 0;
    bool hash = false;
    auto check = [&](double value, Int num, Int den, const char* what, int circuit, int e) {
      ++compared;
      const QString got =
          kairo::formatNumber(value, hash ? kairo::Pattern::Hash2 : kairo::Pattern::Zero2);
      const std::string want = hundredthsText(num, den, hash);
      if (got == QLatin1String(want.data(), static_cast<qsizetype>(want.size()))) return;
      if (++mismatchCount <= 10)
        mismatches << QStringLiteral("circuit %1 E=%2 %3: got %4, exact %5")
                          .arg(circuit)
                          .arg(e)
                          .arg(QLatin1String(what), got, QString::fromStdString(want));
    };

    // The beginner course's three resistors (circuits 0..999, "#.##"), then every intermediate
    // circuit: kinds (3 base-3 digits) × values (3 base-10 digits), position 1 first.
    for (int index = 0; index < 1000 + 27000; ++index) {
      hash = index < 1000;
      const int circuit = hash ? index : index - 1000;
      const int kinds = hash ? 0 : circuit / 1000, values = circuit % 1000;
      kairo::ExerciseState s;
      const Gauss a1 = place(s, 1, kinds / 9 + 1, values / 100 + 1);
      const Gauss a2 = place(s, 2, kinds / 3 % 3 + 1, values / 10 % 10 + 1);
      const Gauss a3 = place(s, 3, kinds % 3 + 1, values % 10 + 1);
      const Gauss sum = a2 + a3;
      const Gauss prod = a2 * a3;
      const Gauss totalNumerator = a1 * sum + prod;
      for (int e = 10; e <= 100; e += 10) {
        s.voltageE = e;
        const std::optional<kairo::ExerciseState> answers = kairo::solved(s);
        if (sum.isZero() || totalNumerator.isZero()) {
          if (answers) ++wrongNoValue;
          continue;
        }
        if (!answers) {
          ++wrongNoValue;
          continue;
        }
        // z23Parallel = a2 a3 / (2520 S) and zTotal = (a1 S + a2 a3) / (2520 S), S = a2 + a3.
        const Gauss scaledSum = kScale * sum;
        const ExactQuotient parallel = quotient(prod, scaledSum);
        const ExactQuotient total = quotient(totalNumerator, scaledSum);
        // I1 = E·2520·S / N; I2 = I1·z3/S = E·2520·a3 / N; I3 = I1·z2/S = E·2520·a2 / N.
        const ExactQuotient i1 = quotient(e * scaledSum, totalNumerator);
        const ExactQuotient i2 = quotient(e * kScale * a3, totalNumerator);
        const ExactQuotient i3 = quotient(e * kScale * a2, totalNumerator);
        const struct {
          const char* what;
          kairo::Complex got;
          ExactQuotient want;
        } rows[] = {{"z23Parallel", answers->z23Parallel, parallel},
                    {"zTotal", answers->zTotal, total},
                    {"current1", answers->current1, i1},
                    {"current2", answers->current2, i2},
                    {"current3", answers->current3, i3}};
        for (const auto& row : rows) {
          check(row.got.re, row.want.re, row.want.den, row.what, index, e);
          if (!hash) check(row.got.im, row.want.im, row.want.den, row.what, index, e);
        }
      }
      if (sum.isZero())
        ++parallelResonances;
      else if (totalNumerator.isZero())
        ++zeroTotals;
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
