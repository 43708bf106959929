#include "courses/advanced/quantities.h"

#include <QCoreApplication>
#include <QList>
#include <cmath>
#include <numbers>

#include "core/circuit_code.h"
#include "core/expected.h"

namespace kairo::advanced {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

bool isStep(char32_t c) {
  return (c >= U'1' && c <= U'9') || c == U'a';
}

double squaredMagnitude(Complex z) {
  return z.re * z.re + z.im * z.im;
}

}  // namespace

double normalizedDegrees(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d <= -180.0) d += 360.0;
  if (d > 180.0) d -= 360.0;
  return d;
}

double magnitude(Complex z) {
  return std::hypot(z.re, z.im);
}

double angleDegrees(Complex z) {
  if (z.re == 0.0 && z.im == 0.0) return 0.0;
  return normalizedDegrees(std::atan2(z.im, z.re) * kDegreesPerRadian);
}

double zMagnitude(const ExerciseState& s) {
  return magnitude(s.zTotal);
}
double zAngle(const ExerciseState& s) {
  return angleDegrees(s.zTotal);
}
double zReal(const ExerciseState& s) {
  return s.zTotal.re;
}
double zImaginary(const ExerciseState& s) {
  return s.zTotal.im;
}

// P and Q from |I1|² and Z keep their signs exact where X = 0 (Q = 0, not a rounding residue).
double activePower(const ExerciseState& s) {
  return squaredMagnitude(s.current1) * s.zTotal.re;
}
double reactivePower(const ExerciseState& s) {
  return squaredMagnitude(s.current1) * s.zTotal.im;
}
double apparentPower(const ExerciseState& s) {
  return s.voltageE * magnitude(s.current1);
}
double powerFactorPercent(const ExerciseState& s) {
  const double apparent = apparentPower(s);
  return apparent > 0.0 ? 100.0 * activePower(s) / apparent : 0.0;
}

double current1Magnitude(const ExerciseState& s) {
  return magnitude(s.current1);
}
double current1Angle(const ExerciseState& s) {
  return angleDegrees(s.current1);
}
double current2Magnitude(const ExerciseState& s) {
  return magnitude(s.current2);
}
double current2Angle(const ExerciseState& s) {
  return angleDegrees(s.current2);
}
double current3Magnitude(const ExerciseState& s) {
  return magnitude(s.current3);
}
double current3Angle(const ExerciseState& s) {
  return angleDegrees(s.current3);
}
double current1Real(const ExerciseState& s) {
  return s.current1.re;
}
double current1Imaginary(const ExerciseState& s) {
  return s.current1.im;
}

Complex voltage1(const ExerciseState& s) {
  return product(s.current1, s.z1);
}
Complex voltage23(const ExerciseState& s) {
  return product(s.current1, s.z23Parallel);
}
double v23Magnitude(const ExerciseState& s) {
  return magnitude(voltage23(s));
}
double v23Angle(const ExerciseState& s) {
  return angleDegrees(voltage23(s));
}

bool isAdvancedCircuit(const ExerciseState& state) {
  bool resistor = false, reactive = false;
  for (int k = 1; k <= 3; ++k) {
    const int kind = state.kind(k);
    if (kind < 1 || kind > 3) return false;
    (kind == 1 ? resistor : reactive) = true;
  }
  return resistor && reactive && hasAnswer(state);
}

bool withinGeneratorLimits(const ExerciseState& state) {
  const std::optional<ExerciseState> s = solved(state);
  if (!s) return false;
  // A hair of tolerance keeps the limits inclusive for values that are exact in decimal but not in
  // binary (26 problems have a current of exactly 0.1 A).
  constexpr double kSlack = 1e-9;
  const double z = zMagnitude(*s);
  if (z < 5.0 - kSlack || z > 500.0 + kSlack) return false;
  for (const Complex i : {s->current1, s->current2, s->current3})
    if (magnitude(i) < 0.1 - kSlack) return false;
  return true;
}

std::optional<QString> refusesCode(QStringView code, const ExerciseState& replayed) {
  const QList<char32_t> c = foldedCode(code);
  if (c.size() != 8) return QCoreApplication::translate("Kairo", "上級の回路コードは 8 文字です。");
  for (const int position : {1, 5, 6, 7})
    if (!isStep(c[position - 1]))
      return codePositionRefusal(position, QCoreApplication::translate("Kairo", "1〜9 か a"));
  for (const int position : {2, 3, 4})
    if (c[position - 1] < U'1' || c[position - 1] > U'3')
      return codePositionRefusal(position, QCoreApplication::translate("Kairo", "1〜3"));
  if (!isAdvancedCircuit(replayed))
    return QCoreApplication::translate("Kairo",
                                       "上級の回路には、抵抗と、コンデンサかコイルが要ります。");
  return std::nullopt;
}

}  // namespace kairo::advanced
