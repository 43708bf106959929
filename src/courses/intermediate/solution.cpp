// The worked solution of an intermediate problem: resistors, capacitors and coils at
// ω = 10⁴ rad/s, in complex numbers.
#include "core/solution.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/expected.h"
#include "core/number.h"
#include "courses/intermediate/intermediate.h"

namespace kairo::intermediate {
namespace {

using namespace Qt::StringLiterals;
using namespace worked;

void intermediateImpedance(const ExerciseState& s, Solution& out) {
  const Shown r2 = figure(s.z2.re), x2 = figure(s.z2.im), r3 = figure(s.z3.re),
              x3 = figure(s.z3.im);
  SolutionStage& stage = out.impedance;
  stage.heading = QCoreApplication::translate("Kairo", "合成インピーダンス");
  stage.lead = QCoreApplication::translate(
                   "Kairo",
                   "合成インピーダンスは次のように求めます。Z = R + jX と書くと、抵抗は X = 0、"
                   "コイルとコンデンサは R = 0 です。ω = 10⁴ rad/s です。") +
               roundingNote();
  const Complex z[] = {s.z1, s.z2, s.z3};
  for (int k = 1; k <= 3; ++k) stage.steps.append(elementStep(s, k, z[k - 1]));
  stage.steps.append(
      {QCoreApplication::translate("Kairo", "並列部分の分子 Z₂Z₃"),
       u"Z₂Z₃ = (R₂ + jX₂)(R₃ + jX₃) = (R₂R₃ − X₂X₃) + j(R₂X₃ + X₂R₃)"_s,
       chain(u"Z₂Z₃"_s, {u"("_s + operand(r2) + u" × "_s + operand(r3) + u" − "_s + operand(x2) +
                         u" × "_s + operand(x3) + u") + j("_s + operand(r2) + u" × "_s +
                         operand(x3) + u" + "_s + operand(x2) + u" × "_s + operand(r3) + u")"_s}),
       chain(u"Z₂Z₃"_s, {figure(s.z23Product)})});
  stage.steps.append({QCoreApplication::translate("Kairo", "並列部分の分母 Z₂ + Z₃"),
                      u"Z₂ + Z₃ = (R₂ + R₃) + j(X₂ + X₃)"_s,
                      chain(u"Z₂ + Z₃"_s, {u"("_s + r2 + u" + "_s + operand(r3) + u") + j("_s + x2 +
                                           u" + "_s + operand(x3) + u")"_s}),
                      chain(u"Z₂ + Z₃"_s, {figure(s.z23Sum) + u" Ω"_s})});
  stage.steps.append(
      {QCoreApplication::translate(
           "Kairo",
           "並列部分の合成インピーダンス Z₂₃：分母の共役複素数を分子と分母に掛けて、"
           "分母を実数にします。"),
       u"Z₂₃ = Z₂Z₃/(Z₂ + Z₃)"_s + comma() + u"(a + jb)/(c + jd) = (a + jb)(c − jd)/(c² + d²)"_s,
       chain(u"Z₂₃"_s, division(s.z23Product, s.z23Sum)),
       chain(u"Z₂₃"_s, {figure(s.z23Parallel) + u" Ω"_s})});
  stage.steps.append({QCoreApplication::translate("Kairo", "回路全体の合成インピーダンス Z"),
                      u"Z = Z₁ + Z₂Z₃/(Z₂ + Z₃) = Z₁ + Z₂₃"_s,
                      chain(u"Z"_s, {figure(s.z1) + u" + "_s + operand(figure(s.z23Parallel))}),
                      finalLine(u"Z"_s, out.answers.total, u" Ω"_s)});
}

void intermediateCurrents(const ExerciseState& s, Solution& out) {
  const Complex e{s.voltageE, 0.0};
  const Shown i1 = grouped(figure(s.current1));
  const Shown sum = grouped(figure(s.z23Sum));
  SolutionStage& stage = out.currents;
  stage.heading = QCoreApplication::translate("Kairo", "電流");
  stage.lead =
      QCoreApplication::translate(
          "Kairo", "電流は次のように求めます。各枝には、もう一方の枝の割合で電流が分かれます。") +
      roundingNote();
  stage.steps.append(
      {QCoreApplication::translate("Kairo",
                                   "回路全体の電流 I₁：分母の共役複素数を分子と分母に掛けて、"
                                   "分母を実数にします。"),
       u"I₁ = E/Z"_s, chain(u"I₁"_s, division(e, s.zTotal)),
       finalLine(u"I₁"_s, out.answers.current1, u" A"_s)});
  stage.steps.append(
      {QCoreApplication::translate(
           "Kairo",
           "枝 2 の電流 I₂：枝 2 には、もう一方の枝のインピーダンス Z₃ の割合で電流が流れます。"),
       u"I₂ = I₁ × Z₃/(Z₂ + Z₃)"_s,
       chain(u"I₂"_s, {i1 + u" × "_s + grouped(figure(s.z3)) + u" / "_s + sum,
                       i1 + u" × "_s + grouped(figure(s.divider2))}),
       finalLine(u"I₂"_s, out.answers.current2, u" A"_s)});
  stage.steps.append(
      {QCoreApplication::translate(
           "Kairo",
           "枝 3 の電流 I₃：枝 3 には、もう一方の枝のインピーダンス Z₂ の割合で電流が流れます。"),
       u"I₃ = I₁ × Z₂/(Z₂ + Z₃)"_s,
       chain(u"I₃"_s, {i1 + u" × "_s + grouped(figure(s.z2)) + u" / "_s + sum,
                       i1 + u" × "_s + grouped(figure(s.divider3))}),
       finalLine(u"I₃"_s, out.answers.current3, u" A"_s)});
  stage.steps.append(
      {QCoreApplication::translate("Kairo",
                                   "確かめ：二つの枝の電流を足すと、回路全体の電流になります。"),
       u"I₂ + I₃ = I₁"_s,
       chain(u"I₂ + I₃"_s, {grouped(figure(s.current2)) + u" + "_s + grouped(figure(s.current3))}),
       QCoreApplication::translate("Kairo", "%1 となり、I₁ と一致します。")
           .arg(chain(u"I₂ + I₃"_s, {figure(add(s.current2, s.current3))}))});
}

SolutionAnswers answersOf(const ExerciseState& s) {
  return {finalAnswer(s.zTotal, true), finalAnswer(s.current1, true), finalAnswer(s.current2, true),
          finalAnswer(s.current3, true)};
}

}  // namespace

std::optional<SolutionAnswers> finalAnswers(const ExerciseState& state) {
  const std::optional<ExerciseState> s = solved(state);
  if (!s) return std::nullopt;
  return answersOf(*s);
}

std::optional<Solution> workedSolution(const ExerciseState& state) {
  const std::optional<ExerciseState> s = solved(state);
  if (!s) return std::nullopt;
  Solution out;
  out.answers = answersOf(*s);
  intermediateImpedance(*s, out);
  intermediateCurrents(*s, out);
  return out;
}

QList<SolutionStage> solutionStages(const ExerciseState& state) {
  const std::optional<Solution> solution = workedSolution(state);
  if (!solution) return {};
  return {solution->impedance, solution->currents};
}

}  // namespace kairo::intermediate
