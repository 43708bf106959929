#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <span>

#include "core/exercise_state.h"
#include "core/expected.h"
#include "core/number.h"
#include "courses/advanced/answers.h"
#include "courses/advanced/quantities.h"
#include "support/test_main.h"

namespace adv = kairo::advanced;
using kairo::ExerciseState;

namespace {

using Int = __int128;
using Real = long double;

// 2520 = lcm(1..10) makes 2520 × every element impedance a Gaussian integer (the capacitors'
// -100/step included), so every answer of a circuit is exact in integers until the one conversion
// to long double for a root or an angle.
constexpr Int kScale = 2520;
constexpr Real kPi = std::numbers::pi_v<Real>;

struct Gauss {
  Int re = 0, im = 0;
};
Gauss operator+(Gauss a, Gauss b) {
  return {a.re + b.re, a.im + b.im};
}
Gauss operator*(Gauss a, Gauss b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
Gauss conj(Gauss a) {
  return {a.re, -a.im};
}
Int norm(Gauss a) {
  return a.re * a.re + a.im * a.im;
}
Real degrees(Gauss a) {
  return std::atan2(Real(a.im), Real(a.re)) * 180 / kPi;
}

// A problem as its code writes it: the source (10 × step volts), then kind and value step of each
// element.
struct Problem {
  int voltageStep = 0;
  std::array<int, 3> kinds{}, steps{};
  bool operator==(const Problem&) const = default;
};

Problem problemOf(int index) {
  const int kinds = index / 1000 % 27, steps = index % 1000;
  return {index / 27000 + 1,
          {kinds / 9 + 1, kinds / 3 % 3 + 1, kinds % 3 + 1},
          {steps / 100 + 1, steps / 10 % 10 + 1, steps % 10 + 1}};
}

Problem problemOf(QStringView code) {
  const auto step = [&](int i) { return code[i] == u'a' ? 10 : code[i].unicode() - u'0'; };
  return {step(0), {step(1), step(2), step(3)}, {step(4), step(5), step(6)}};
}

QString codeOf(const Problem& p) {
  QString code;
  for (int step :
       {p.voltageStep, p.kinds[0], p.kinds[1], p.kinds[2], p.steps[0], p.steps[1], p.steps[2], 3})
    code += step == 10 ? QChar(u'a') : QChar(u'0' + step);
  return code;
}

// The state as the generator writes it, and 2520 × each element's impedance.
ExerciseState stateOf(const Problem& p, std::array<Gauss, 3>& scaled) {
  ExerciseState s;
  s.voltageE = 10.0 * p.voltageStep;
  for (int k = 1; k <= 3; ++k) {
    const int kind = p.kinds[k - 1], step = p.steps[k - 1];
    s.kind(k) = kind;
    s.resistance(k) = kind == 1 ? 10 * step : 0;
    if (kind != 1) s.lcValue(k) = step;
    s.reactance(k) = kind == 1   ? 0.0
                     : kind == 2 ? kairo::capacitorReactance(step)
                                 : kairo::coilReactance(step);
    scaled[k - 1] = kind == 1   ? Gauss{kScale * 10 * step, 0}
                    : kind == 2 ? Gauss{0, -kScale * 100 / step}
                                : Gauss{0, kScale * 10 * step};
  }
  return s;
}

// The answers of the course in the order its questions ask them, then the reviews' own.
enum Answer {
  kZ,
  kTheta,
  kP,
  kQ,
  kS,
  kPf,
  kI1,
  kTh1,
  kI2,
  kTh2,
  kI3,
  kTh3,
  kR,
  kX,
  kRe1,
  kIm1,
  kV23,
  kThV,
  kAnswers
};
enum class Band { Magnitude, Angle, PowerFactor, Power };
struct Quantity {
  const char* name;
  Band band;
  double (*of)(const ExerciseState&);
};
const Quantity kQuantities[kAnswers] = {
    {"|Z|", Band::Magnitude, adv::zMagnitude},
    {"θ", Band::Angle, adv::zAngle},
    {"P", Band::Power, adv::activePower},
    {"Q", Band::Power, adv::reactivePower},
    {"S", Band::Power, adv::apparentPower},
    {"力率", Band::PowerFactor, adv::powerFactorPercent},
    {"|I1|", Band::Magnitude, adv::current1Magnitude},
    {"∠I1", Band::Angle, adv::current1Angle},
    {"|I2|", Band::Magnitude, adv::current2Magnitude},
    {"∠I2", Band::Angle, adv::current2Angle},
    {"|I3|", Band::Magnitude, adv::current3Magnitude},
    {"∠I3", Band::Angle, adv::current3Angle},
    {"R", Band::Magnitude, adv::zReal},
    {"X", Band::Magnitude, adv::zImaginary},
    {"Re I1", Band::Magnitude, adv::current1Real},
    {"Im I1", Band::Magnitude, adv::current1Imaginary},
    {"|V23|", Band::Magnitude, adv::v23Magnitude},
    {"∠V23", Band::Angle, adv::v23Angle},
};
constexpr int kQuestion1[] = {kZ, kTheta}, kQuestion2[] = {kP, kQ, kS, kPf},
              kQuestion3[] = {kI1, kTh1, kI2, kTh2, kI3, kTh3};
const std::span<const int> kQuestions[] = {kQuestion1, kQuestion2, kQuestion3};

// The tolerances the course grants, worked out here on their own to judge the program's.
Real tolerance(Band band, Real exact) {
  switch (band) {
    case Band::Magnitude:
      return std::max(Real(0.01), Real(0.002) * std::abs(exact));
    case Band::Angle:
      return 0.1;
    case Band::PowerFactor:
      return 0.2;
    case Band::Power:
      return std::max(Real(0.01), Real(0.005) * std::abs(exact));
  }
  return 0;
}

Real distance(Band band, Real a, Real b) {
  const Real apart = std::abs(a - b);
  if (band != Band::Angle) return apart;
  const Real turn = std::fmod(apart, Real(360));
  return std::min(turn, 360 - turn);
}

bool accepts(Band band, double exact, QStringView typed) {
  switch (band) {
    case Band::Magnitude:
      return adv::acceptsMagnitude(exact, typed);
    case Band::Angle:
      return adv::acceptsAngle(exact, typed);
    case Band::PowerFactor:
      return adv::acceptsPowerFactor(exact, typed);
    case Band::Power:
      return adv::acceptsPower(exact, typed);
  }
  return false;
}

double hundredths(Real value) {
  return double(std::round(value * 100) / 100);
}

// A value as a student types it, rounded to two decimals, held without allocating.
class Typed {
 public:
  explicit Typed(Real value) {
    char digits[48];
    const auto end = std::to_chars(digits, digits + sizeof digits, hundredths(value),
                                   std::chars_format::fixed, 2)
                         .ptr;
    for (const char* c = digits; c != end; ++c) text_[size_++] = char16_t(*c);
  }
  QStringView view() const { return {text_, size_}; }

 private:
  char16_t text_[48] = {};
  qsizetype size_ = 0;
};

// Every answer from the element values, without rounding: with N = a1 (a2 + a3) + a2 a3
// (2520² × (z1 (z2 + z3) + z2 z3)), Z = N / (2520 (a2 + a3)), I1 = 2520 E (a2 + a3) / N, and each
// branch carries the other's share: I2 = 2520 E a3 / N, I3 = 2520 E a2 / N; V23 = E a2 a3 / N.
std::array<Real, kAnswers> exactAnswers(const std::array<Gauss, 3>& a, int e) {
  const Gauss sum = a[1] + a[2], n = a[0] * sum + a[1] * a[2], z = n * conj(sum);
  const Real nn = Real(norm(n)), zDenominator = Real(kScale * norm(sum));
  std::array<Real, kAnswers> x{};
  x[kR] = Real(z.re) / zDenominator;
  x[kX] = Real(z.im) / zDenominator;
  x[kZ] = std::hypot(x[kR], x[kX]);
  x[kTheta] = degrees(z);
  // P = |I1|² R and Q = |I1|² X, with |I1|² = 2520² E² |a2 + a3|² / |N|².
  x[kP] = Real(kScale * e * e * z.re) / nn;
  x[kQ] = Real(kScale * e * e * z.im) / nn;
  const auto phasor = [&](Gauss numerator, Int factor, Answer magnitude, Answer angle) {
    x[magnitude] = Real(factor) * std::sqrt(Real(norm(numerator)) / nn);
    x[angle] = degrees(numerator * conj(n));
  };
  phasor(sum, kScale * e, kI1, kTh1);
  phasor(a[2], kScale * e, kI2, kTh2);
  phasor(a[1], kScale * e, kI3, kTh3);
  phasor(a[1] * a[2], e, kV23, kThV);
  const Gauss i1 = sum * conj(n);
  x[kRe1] = Real(kScale * e * i1.re) / nn;
  x[kIm1] = Real(kScale * e * i1.im) / nn;
  x[kS] = e * x[kI1];
  x[kPf] = 100 * x[kR] / x[kZ];
  return x;
}

// A student on a calculator who writes down every intermediate value to four significant figures.
using C = std::complex<double>;
double sig4(double v) {
  if (v == 0.0) return 0.0;
  const double scale = std::pow(10.0, 3 - std::floor(std::log10(std::abs(v))));
  return std::round(v * scale) / scale;
}
C sig4(C z) {
  return {sig4(z.real()), sig4(z.imag())};
}
double modulus(C z) {
  return std::sqrt(sig4(sig4(z.real() * z.real()) + sig4(z.imag() * z.imag())));
}
// The angle from the four-figure tangent, put in the quadrant of z.
double polarAngle(C z) {
  if (z.real() == 0.0) return z.imag() > 0 ? 90.0 : z.imag() < 0 ? -90.0 : 0.0;
  const double angle = std::atan(sig4(z.imag() / z.real())) * 180.0 / std::numbers::pi;
  return z.real() > 0 ? angle : z.imag() >= 0 ? angle + 180.0 : angle - 180.0;
}

// The student's answers to the three questions, unrounded: the reactances, the parallel branches
// (product over sum), Z = R + jX, then |Z| and θ; |I1| = E/|Z|, S = E|I1|, P = S cos θ and
// Q = S sin θ with cos θ = R/|Z| and sin θ = X/|Z|, 力率 = P/S; I1 = E/Z and the divider.
std::array<double, kAnswers> studentAnswers(const Problem& p) {
  const double e = 10.0 * p.voltageStep;
  C z[3];
  for (int k = 0; k < 3; ++k) {
    const double step = p.steps[k];
    z[k] = p.kinds[k] == 1   ? C(10.0 * step, 0.0)
           : p.kinds[k] == 2 ? C(0.0, sig4(-1.0 / (1e4 * step * 1e-6)))
                             : C(0.0, sig4(1e4 * step * 1e-3));
  }
  const C sum = sig4(z[1] + z[2]);
  const C total = sig4(z[0] + sig4(sig4(z[1] * z[2]) / sum));
  std::array<double, kAnswers> a{};
  a[kZ] = modulus(total);
  a[kTheta] = polarAngle(total);
  const double z4 = sig4(a[kZ]), i4 = sig4(e / z4), s4 = sig4(e * i4);
  a[kS] = e * i4;
  a[kP] = s4 * sig4(total.real() / z4);
  a[kQ] = s4 * sig4(total.imag() / z4);
  a[kPf] = 100.0 * sig4(a[kP]) / s4;
  const C i1 = sig4(C(e) / total);
  const C currents[] = {i1, sig4(i1 * sig4(z[2] / sum)), sig4(i1 * sig4(z[1] / sum))};
  for (int j = 0; j < 3; ++j) {
    a[kI1 + 2 * j] = modulus(currents[j]);
    a[kTh1 + 2 * j] = polarAngle(currents[j]);
  }
  return a;
}

// Failures of one kind: how many, and the first few codes.
struct Failures {
  int count = 0;
  QStringList first;
  void add(const Problem& p, const char* what) {
    if (++count <= 5) first << codeOf(p) + u' ' + QString::fromUtf8(what);
  }
  QByteArray report() const { return (QString::number(count) + u' ' + first.join(u", ")).toUtf8(); }
};

}  // namespace

class AdvancedSweepTest : public QObject {
  Q_OBJECT

 private slots:
  // Every code of the intermediate alphabet: which circuits the course poses and generates, the
  // program's answers against exact ones, a student's rounded work accepted, and typical wrong
  // answers refused wherever they differ from the right one.
  void everyCode() {
    QElapsedTimer timer;
    timer.start();
    const Problem onLimitExample = problemOf(u"11126253");
    int hard = 0, programHard = 0, generated = 0, programGenerated = 0, onCurrentLimit = 0;
    bool exampleOnLimit = false;
    Failures circuits, limits, values;
    std::array<int, 3> studentPassed{};
    constexpr Real kRadian = kPi / 180;
    const char* const wrongNames[] = {"θ with the wrong sign",     "θ in radians",
                                      "Q with the wrong sign",     "力率 as a fraction",
                                      "current angles in radians", "branch currents swapped"};
    std::array<int, 6> wrongChanges{};
    Failures wrongAccepted;

    for (int index = 0; index < 270000; ++index) {
      const Problem p = problemOf(index);
      std::array<Gauss, 3> a;
      const ExerciseState s = stateOf(p, a);
      const Gauss sum = a[1] + a[2];
      const auto resistors = std::ranges::count(p.kinds, 1);
      const bool isHard = resistors > 0 && resistors < 3 && norm(sum) != 0;
      const bool programIsHard = adv::isAdvancedCircuit(s);
      hard += isHard;
      programHard += programIsHard;
      if (programIsHard != isHard) circuits.add(p, "isAdvancedCircuit");

      // The generator's limits on the integers, squared: 5 ≤ |Z| ≤ 500, every |Ik| ≥ 0.1. Of the
      // currents of exactly 0.1 A, some come out a hair below it in binary floating point.
      bool within = false;
      if (isHard) {
        const Gauss n = a[0] * sum + a[1] * a[2];
        const Int zScale = kScale * kScale * norm(sum), nn = norm(n);
        const Int currentScale = 100 * kScale * kScale * p.voltageStep * p.voltageStep * 100;
        within = 25 * zScale <= nn && nn <= 250000 * zScale;
        bool onLimit = false;
        for (const Gauss& numerator : {sum, a[2], a[1]}) {
          within = within && currentScale * norm(numerator) >= nn;
          onLimit = onLimit || currentScale * norm(numerator) == nn;
        }
        if (within && onLimit) {
          ++onCurrentLimit;
          exampleOnLimit = exampleOnLimit || p == onLimitExample;
        }
      }
      const bool programWithin = programIsHard && adv::withinGeneratorLimits(s);
      generated += within;
      programGenerated += programWithin;
      if (programWithin != within) limits.add(p, "withinGeneratorLimits");
      if (!within) continue;

      const std::optional<ExerciseState> answers = kairo::solved(s);
      if (!answers) {
        values.add(p, "no solution");
        continue;
      }
      std::array<double, kAnswers> got;
      for (int q = 0; q < kAnswers; ++q) got[q] = kQuantities[q].of(*answers);
      const std::array<Real, kAnswers> x = exactAnswers(a, 10 * p.voltageStep);
      for (int q = 0; q < kAnswers; ++q) {
        const Band band = kQuantities[q].band;
        if (distance(band, got[q], x[q]) > tolerance(band, x[q]) / 100 ||
            (band == Band::Angle && !(got[q] > -180.0 && got[q] <= 180.0)))
          values.add(p, kQuantities[q].name);
      }

      const std::array<double, kAnswers> student = studentAnswers(p);
      for (int question = 0; question < 3; ++question)
        studentPassed[question] += std::ranges::all_of(kQuestions[question], [&](int q) {
          return accepts(kQuantities[q].band, got[q], Typed(student[q]).view());
        });

      // A wrong answer changes the answer where one of its boxes, typed to two decimals, lies
      // outside the tolerance of the exact value; there the check must refuse it.
      struct Box {
        Answer answer = kAnswers;  // none: the wrong answer has fewer boxes
        Real typed = 0;
      };
      const std::array<Box, 4> wrongs[] = {
          {{{kTheta, -x[kTheta]}}},
          {{{kTheta, x[kTheta] * kRadian}}},
          {{{kQ, -x[kQ]}}},
          {{{kPf, x[kPf] / 100}}},
          {{{kTh1, x[kTh1] * kRadian}, {kTh2, x[kTh2] * kRadian}, {kTh3, x[kTh3] * kRadian}}},
          {{{kI2, x[kI3]}, {kTh2, x[kTh3]}, {kI3, x[kI2]}, {kTh3, x[kTh2]}}},
      };
      for (int w = 0; w < 6; ++w) {
        bool changes = false, refused = false;
        for (const Box& box : wrongs[w]) {
          if (box.answer == kAnswers) break;
          const Band band = kQuantities[box.answer].band;
          changes = changes || distance(band, hundredths(box.typed), x[box.answer]) >
                                   tolerance(band, x[box.answer]) + 1e-9;
          refused = refused || !accepts(band, got[box.answer], Typed(box.typed).view());
        }
        wrongChanges[w] += changes;
        if (changes && !refused) wrongAccepted.add(p, wrongNames[w]);
      }
    }

    qInfo(
        "%d codes in %lld ms: %d circuits of the course, %d generated, %d of them with a "
        "current of exactly 0.1 A",
        270000, static_cast<long long>(timer.elapsed()), hard, generated, onCurrentLimit);
    for (int question = 0; question < 3; ++question)
      qInfo("問題%d: the four-figure student is accepted in %d of %d problems (%.3f %%)",
            question + 1, studentPassed[question], generated,
            100.0 * studentPassed[question] / generated);
    for (int w = 0; w < 6; ++w)
      qInfo("%s changes the answer in %d problems (the same answer in %d)", wrongNames[w],
            wrongChanges[w], generated - wrongChanges[w]);

    QCOMPARE(hard, 179200);
    QCOMPARE(programHard, hard);
    QVERIFY2(circuits.count == 0, circuits.report());
    QCOMPARE(generated, 152936);
    QCOMPARE(programGenerated, generated);
    QVERIFY2(limits.count == 0, limits.report());
    QCOMPARE(onCurrentLimit, 122);
    QVERIFY(exampleOnLimit);
    QVERIFY2(values.count == 0, values.report());
    for (int question = 0; question < 3; ++question)
      QVERIFY2(studentPassed[question] >= 0.995 * generated, "a student is refused too often");
    QVERIFY2(wrongAccepted.count == 0, wrongAccepted.report());
  }

  // The worked values of the course's three example problems, rounded to two decimals.
  void workedValues_data() {
    QTest::addColumn<QList<double>>("printed");
    // |Z|, θ, P, Q, S, 力率, |I1|, ∠I1, |I2|, ∠I2, |I3|, ∠I3, |V23|, ∠V23
    QTest::newRow("a1235473") << QList<double>{63.34, -37.87,  124.62, -96.92, 157.87,
                                               78.94, 1.58,    37.87,  2.46,   37.87,
                                               0.88,  -142.13, 61.39,  -52.13};
    QTest::newRow("a3124353") << QList<double>{27.74, 70.56,  120.0,  340.0,  360.56,
                                               33.28, 3.61,   -70.56, 2.0,    -126.87,
                                               3.0,   -36.87, 60.0,   -126.87};
    QTest::newRow("51234a53") << QList<double>{41.91, -17.35,  56.94, -17.79, 59.65,
                                               95.45, 1.19,    17.35, 1.49,   17.35,
                                               0.3,   -162.65, 14.91, -72.65};
  }
  void workedValues() {
    QFETCH(QList<double>, printed);
    std::array<Gauss, 3> scaled;
    const ExerciseState s =
        stateOf(problemOf(QString::fromLatin1(QTest::currentDataTag())), scaled);
    QVERIFY(adv::isAdvancedCircuit(s) && adv::withinGeneratorLimits(s));
    const ExerciseState answers = kairo::solved(s).value();
    QStringList got, want;
    for (int q : {kZ, kTheta, kP, kQ, kS, kPf, kI1, kTh1, kI2, kTh2, kI3, kTh3, kV23, kThV}) {
      got << kairo::formatNumber(kQuantities[q].of(answers), kairo::Pattern::Zero2);
      want << kairo::formatNumber(printed[want.size()], kairo::Pattern::Zero2);
    }
    QCOMPARE(got, want);
  }
};

KAIRO_TEST_CASE(AdvancedSweepTest)
#include "sweep.moc"
