// The worked solution of a beginner problem: three resistors.
#include "core/solution.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/expected.h"
#include "core/number.h"
#include "courses/beginner/beginner.h"

namespace kairo::beginner {
namespace {

using namespace Qt::StringLiterals;
using namespace worked;

void beginnerImpedance(const ExerciseState& s, Solution& out) {
  const Shown r1 = figure(s.z1.re), r2 = figure(s.z2.re), r3 = figure(s.z3.re);
  SolutionStage& stage = out.impedance;
  stage.heading = QCoreApplication::translate("Kairo", "合成抵抗");
  stage.lead =
      QCoreApplication::translate("Kairo",
                                  "合成抵抗は次のように求めます。R₂ と R₃ が並列につながり、"
                                  "R₁ はその並列部分と直列につながっています。") +
      roundingNote();
  stage.steps.append({QCoreApplication::translate("Kairo", "並列部分の合成抵抗 R₂₃"),
                      u"R₂₃ = R₂R₃/(R₂ + R₃)"_s,
                      chain(u"R₂₃"_s, {r2 + u" × "_s + r3 + u" / ("_s + r2 + u" + "_s + r3 + u")"_s,
                                       figure(s.z23Product.re) + u" / "_s + figure(s.z23Sum.re)}),
                      chain(u"R₂₃"_s, {figure(s.z23Parallel.re) + u" Ω"_s})});
  stage.steps.append({QCoreApplication::translate("Kairo", "回路全体の合成抵抗 R"),
                      u"R = R₁ + R₂R₃/(R₂ + R₃) = R₁ + R₂₃"_s,
                      chain(u"R"_s, {r1 + u" + "_s + figure(s.z23Parallel.re)}),
                      finalLine(u"R"_s, out.answers.total, u" Ω"_s)});
}

void beginnerCurrents(const ExerciseState& s, Solution& out) {
  const Shown r2 = figure(s.z2.re), r3 = figure(s.z3.re), i1 = figure(s.current1.re);
  const Shown sum = u" / ("_s + r2 + u" + "_s + r3 + u")"_s;
  SolutionStage& stage = out.currents;
  stage.heading = QCoreApplication::translate("Kairo", "電流");
  stage.lead =
      QCoreApplication::translate(
          "Kairo", "電流は次のように求めます。各枝には、もう一方の枝の割合で電流が分かれます。") +
      roundingNote();
  stage.steps.append({QCoreApplication::translate("Kairo", "回路全体の電流 I₁"), u"I₁ = E/R"_s,
                      chain(u"I₁"_s, {figure(s.voltageE) + u" / "_s + figure(s.zTotal.re)}),
                      finalLine(u"I₁"_s, out.answers.current1, u" A"_s)});
  stage.steps.append(
      {QCoreApplication::translate(
           "Kairo", "枝 2 の電流 I₂：枝 2 には、もう一方の枝の抵抗 R₃ の割合で電流が流れます。"),
       u"I₂ = I₁ × R₃/(R₂ + R₃)"_s, chain(u"I₂"_s, {i1 + u" × "_s + r3 + sum}),
       finalLine(u"I₂"_s, out.answers.current2, u" A"_s)});
  stage.steps.append(
      {QCoreApplication::translate(
           "Kairo", "枝 3 の電流 I₃：枝 3 には、もう一方の枝の抵抗 R₂ の割合で電流が流れます。"),
       u"I₃ = I₁ × R₂/(R₂ + R₃)"_s, chain(u"I₃"_s, {i1 + u" × "_s + r2 + sum}),
       finalLine(u"I₃"_s, out.answers.current3, u" A"_s)});
  stage.steps.append(
      {QCoreApplication::translate("Kairo",
                                   "確かめ：二つの枝の電流を足すと、回路全体の電流になります。"),
       u"I₂ + I₃ = I₁"_s,
       chain(u"I₂ + I₃"_s, {figure(s.current2.re) + u" + "_s + figure(s.current3.re)}),
       QCoreApplication::translate("Kairo", "%1 となり、I₁ と一致します。")
           .arg(chain(u"I₂ + I₃"_s, {figure(s.current2.re + s.current3.re)}))});
}

// Every element taken as the resistor it is, as the checks of the course take it.
std::optional<ExerciseState> solvedResistors(const ExerciseState& state) {
  ExerciseState circuit = state;
  for (int k = 1; k <= 3; ++k) circuit.reactance(k) = 0.0;
  return solved(circuit);
}

SolutionAnswers answersOf(const ExerciseState& s) {
  return {finalAnswer(s.zTotal, false), finalAnswer(s.current1, false),
          finalAnswer(s.current2, false), finalAnswer(s.current3, false)};
}

}  // namespace

std::optional<SolutionAnswers> finalAnswers(const ExerciseState& state) {
  const std::optional<ExerciseState> s = solvedResistors(state);
  if (!s) return std::nullopt;
  return answersOf(*s);
}

std::optional<Solution> workedSolution(const ExerciseState& state) {
  const std::optional<ExerciseState> s = solvedResistors(state);
  if (!s) return std::nullopt;
  Solution out;
  out.answers = answersOf(*s);
  beginnerImpedance(*s, out);
  beginnerCurrents(*s, out);
  return out;
}

QList<SolutionStage> solutionStages(const ExerciseState& state) {
  const std::optional<Solution> solution = workedSolution(state);
  if (!solution) return {};
  return {solution->impedance, solution->currents};
}

}  // namespace kairo::beginner
