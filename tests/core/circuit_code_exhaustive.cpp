// Every code the two generators can write decodes back into the circuit that produced it; the
// codes of circuits without an answer (which the generators never write) are turned down.
#include <QTest>
#include <array>
#include <cstdint>

#include "core/circuit_code.h"
#include "core/exercise_state.h"
#include "support/test_main.h"

using kairo::ElementStep;
using kairo::ExerciseState;
using kairo::FinishStep;
using kairo::SourceStep;

namespace {

QChar stepChar(int step) {
  return step == 10 ? QChar(u'a') : QChar(u'0' + step);
}

// Impedances scaled by 2520 (divisible by every capacitance 1..10) are whole numbers, so whether
// the branches or the whole circuit cancel is decided exactly.
struct Z {
  std::int64_t re, im;
};
Z scaled(int kind, int step) {
  constexpr std::int64_t k = 2520;
  if (kind == 1) return {10 * step * k, 0};
  if (kind == 2) return {0, -100 * k / step};
  return {0, 10 * step * k};
}
Z plus(Z a, Z b) {
  return {a.re + b.re, a.im + b.im};
}
Z times(Z a, Z b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
bool isZero(Z a) {
  return a.re == 0 && a.im == 0;
}

// z2 + z3 = 0, or z1 + z2·z3 / (z2 + z3) = 0, that is z1·(z2 + z3) + z2·z3 = 0.
bool withoutAnswer(const std::array<int, 3>& kinds, const std::array<int, 3>& steps) {
  const Z z1 = scaled(kinds[0], steps[0]), z2 = scaled(kinds[1], steps[1]),
          z3 = scaled(kinds[2], steps[2]);
  const Z sum = plus(z2, z3);
  return isZero(sum) || isZero(plus(times(z1, sum), times(z2, z3)));
}

// A problem of an earlier generation, so every field the code writes visibly changes.
ExerciseState earlier() {
  ExerciseState s;
  s.voltageE = 990;
  s.missCount = 3;
  for (int k = 1; k <= 3; ++k) {
    s.kind(k) = 9;
    s.resistance(k) = 777;
    s.lcValue(k) = 55;
    s.reactance(k) = 1.5;
  }
  return s;
}

}  // namespace

class CircuitCodeExhaustive : public QObject {
  Q_OBJECT

 private slots:
  void everyGeneratedCode() {
    const ExerciseState before = earlier();
    int decoded = 0, rejected = 0;
    for (int v = 1; v <= 10; ++v)
      for (int kindsIndex = 0; kindsIndex < 27; ++kindsIndex)
        for (int valuesIndex = 0; valuesIndex < 1000; ++valuesIndex) {
          const std::array<int, 3> kinds{kindsIndex / 9 + 1, kindsIndex / 3 % 3 + 1,
                                         kindsIndex % 3 + 1};
          const std::array<int, 3> steps{valuesIndex / 100 + 1, valuesIndex / 10 % 10 + 1,
                                         valuesIndex % 10 + 1};
          const bool resistors = kinds == std::array<int, 3>{1, 1, 1};
          QString code;
          code += stepChar(v);
          for (int kind : kinds) code += QChar(u'0' + kind);
          for (int step : steps) code += stepChar(step);
          code += resistors ? u'1' : u'2';

          const auto plan = kairo::decodeCircuitCode(code, before);
          if (withoutAnswer(kinds, steps)) {
            if (plan) QFAIL(qPrintable(code + " has no answer but was accepted"));
            ++rejected;
            continue;
          }
          if (!plan) QFAIL(qPrintable(code + " was turned down"));
          ++decoded;
          if (plan->steps.size() != 8) QFAIL(qPrintable(code + ": not one step per character"));

          // The panel texts give the code back character by character.
          QString panel = std::get<SourceStep>(plan->steps[0]).label;
          for (int k = 1; k <= 3; ++k)
            panel += std::get<ElementStep>(plan->steps[std::size_t(k)]).kindLabel();
          for (int k = 1; k <= 3; ++k)
            panel += std::get<ElementStep>(plan->steps[std::size_t(k)]).valueLabel;
          const auto& finish = std::get<FinishStep>(plan->steps[7]);
          panel += finish.classLabel();
          if (panel != code) QFAIL(qPrintable(code + " shows as " + panel));
          if (finish.allResistors() != resistors) QFAIL(qPrintable(code + ": wrong course"));

          ExerciseState s = before;
          for (const auto& step : plan->steps) kairo::applyStep(s, step);
          bool same = s.voltageE == 10.0 * v && s.missCount == 0;
          for (int k = 1; k <= 3; ++k) {
            const int kind = kinds[std::size_t(k - 1)], step = steps[std::size_t(k - 1)];
            const auto& e = std::get<ElementStep>(plan->steps[std::size_t(k)]);
            same = same && s.kind(k) == kind &&
                   e.textLabel == (resistors ? "R" : "Z") + QString::number(k);
            if (kind == 1) {
              same = same && s.resistance(k) == 10 * step && s.reactance(k) == 0.0 &&
                     s.lcValue(k) == before.lcValue(k);
            } else {
              const double x = kind == 2 ? -100.0 / step : 10.0 * step;
              same = same && s.resistance(k) == 0 && s.lcValue(k) == step &&
                     qAbs(s.reactance(k) - x) <= 1e-12 * qAbs(x);
            }
          }
          if (!same) QFAIL(qPrintable(code + " decodes into another circuit"));
        }
    QCOMPARE(decoded + rejected, 270000);
    // 2400 resonant branch pairs (LC = 10 in either order) and a few cancelling whole circuits.
    QVERIFY2(rejected > 2400 && rejected < 270000 / 50, qPrintable(QString::number(rejected)));
  }
};

KAIRO_TEST_CASE(CircuitCodeExhaustive)
#include "circuit_code_exhaustive.moc"
