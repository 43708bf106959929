// The worked solution of an advanced problem: Z in polar form, the power, the phasor currents.
#include "core/solution.h"

#include <QCoreApplication>
#include <cmath>

#include "core/expected.h"
#include "courses/advanced/advanced.h"
#include "courses/advanced/quantities.h"

namespace kairo::advanced {
namespace {

using namespace Qt::StringLiterals;
using namespace worked;

// An angle in degrees as the text writes in-between values.
Shown degrees(double angle) {
  return figure(angle) + u"°"_s;
}

// "|X| = v unit、∠X = a°", the final answers as the boxes take them.
QString polarLine(const QString& name, double magnitude, double angle, const QString& unit) {
  return finalLine(u"|"_s + name + u"|"_s, finalAnswer({magnitude, 0}, false), u" "_s + unit) +
         comma() + finalLine(u"∠"_s + name, finalAnswer({angle, 0}, false), u"°"_s);
}

SolutionStage polarStage(const ExerciseState& s) {
  SolutionStage stage;
  stage.heading = QCoreApplication::translate("Kairo", "問題１　合成インピーダンス（極形式）");
  stage.lead = QCoreApplication::translate(
                   "Kairo",
                   "まず Z = R + jX を求め、その大きさ |Z| と偏角 θ に直します。"
                   "θ はコイル寄り（誘導性）で正、コンデンサ寄り（容量性）で負になります。") +
               roundingNote();
  const Complex z[] = {s.z1, s.z2, s.z3};
  for (int k = 1; k <= 3; ++k) stage.steps.append(elementStep(s, k, z[k - 1]));
  stage.steps.append({QCoreApplication::translate(
                          "Kairo", "並列部分 Z₂₃：分母の共役複素数を分子と分母に掛けます。"),
                      u"Z₂₃ = Z₂Z₃/(Z₂ + Z₃)"_s, chain(u"Z₂₃"_s, division(s.z23Product, s.z23Sum)),
                      chain(u"Z₂₃"_s, {figure(s.z23Parallel) + u" Ω"_s})});
  stage.steps.append({QCoreApplication::translate("Kairo", "回路全体 Z = R + jX"),
                      u"Z = Z₁ + Z₂₃"_s,
                      chain(u"Z"_s, {figure(s.z1) + u" + "_s + operand(figure(s.z23Parallel))}),
                      finalLine(u"Z"_s, finalAnswer(s.zTotal, true), u" Ω"_s)});
  const Shown r = figure(s.zTotal.re), x = figure(s.zTotal.im);
  stage.steps.append({QCoreApplication::translate("Kairo", "大きさ |Z|"), u"|Z| = √(R² + X²)"_s,
                      chain(u"|Z|"_s, {u"√("_s + squared(r) + u" + "_s + squared(x) + u")"_s}),
                      finalLine(u"|Z|"_s, finalAnswer({zMagnitude(s), 0}, false), u" Ω"_s)});
  stage.steps.append(
      {QCoreApplication::translate("Kairo", "偏角 θ（R > 0 なので tan⁻¹ の値そのまま）"),
       u"θ = tan⁻¹(X/R)"_s, chain(u"θ"_s, {u"tan⁻¹("_s + x + u" / "_s + r + u")"_s}),
       finalLine(u"θ"_s, finalAnswer({zAngle(s), 0}, false), u"°"_s)});
  return stage;
}

SolutionStage powerStage(const ExerciseState& s) {
  const double i1 = current1Magnitude(s);
  const Shown e = figure(s.voltageE), i = figure(i1);
  SolutionStage stage;
  stage.heading = QCoreApplication::translate("Kairo", "問題２　電力と力率");
  stage.lead = QCoreApplication::translate(
                   "Kairo",
                   "E は実効値です。電源から流れる電流の大きさ |I₁| から皮相電力 S を求め、"
                   "偏角 θ で有効電力 P と無効電力 Q に分けます。") +
               roundingNote();
  stage.steps.append({QCoreApplication::translate("Kairo", "電流の大きさ |I₁|"), u"|I₁| = E/|Z|"_s,
                      chain(u"|I₁|"_s, {e + u" / "_s + figure(zMagnitude(s))}),
                      finalLine(u"|I₁|"_s, finalAnswer({i1, 0}, false), u" A"_s)});
  stage.steps.append({QCoreApplication::translate("Kairo", "皮相電力 S"), u"S = E|I₁|"_s,
                      chain(u"S"_s, {e + u" × "_s + i}),
                      finalLine(u"S"_s, finalAnswer({apparentPower(s), 0}, false), u" V·A"_s)});
  stage.steps.append({QCoreApplication::translate("Kairo", "有効電力 P（抵抗で消費される電力）"),
                      u"P = E|I₁| cos θ = |I₁|²R"_s,
                      chain(u"P"_s, {squared(i) + u" × "_s + figure(s.zTotal.re)}),
                      finalLine(u"P"_s, finalAnswer({activePower(s), 0}, false), u" W"_s)});
  stage.steps.append({QCoreApplication::translate("Kairo", "無効電力 Q（遅れを正、進みを負）"),
                      u"Q = E|I₁| sin θ = |I₁|²X"_s,
                      chain(u"Q"_s, {squared(i) + u" × "_s + operand(figure(s.zTotal.im))}),
                      finalLine(u"Q"_s, finalAnswer({reactivePower(s), 0}, false), u" var"_s)});
  const double x = s.zTotal.im;
  const QString pf = QCoreApplication::translate("Kairo", "力率", "the power factor in formulas");
  const QString kind =
      x < 0 ? QCoreApplication::translate("Kairo", "X < 0 なので電流は電圧より進み、進み力率です。")
      : x > 0
          ? QCoreApplication::translate("Kairo", "X > 0 なので電流は電圧より遅れ、遅れ力率です。")
          : QCoreApplication::translate("Kairo", "X = 0 なので電流と電圧は同相です。");
  stage.steps.append(
      {QCoreApplication::translate("Kairo", "力率：P が S に占める割合。") + kind,
       pf + u" = P/S × 100 = cos θ × 100"_s,
       chain(pf, {figure(activePower(s)) + u" / "_s + figure(apparentPower(s)) + u" × 100"_s}),
       finalLine(pf, finalAnswer({powerFactorPercent(s), 0}, false), u" %"_s)});
  return stage;
}

SolutionStage phasorStage(const ExerciseState& s) {
  const Shown i1 = grouped(figure(s.current1));
  const Shown sum = grouped(figure(s.z23Sum));
  SolutionStage stage;
  stage.heading = QCoreApplication::translate("Kairo", "問題３　電流のフェーザ");
  stage.lead = QCoreApplication::translate(
                   "Kairo",
                   "E を基準（0°）にとり、複素数で電流を求めてから大きさと位相角に直します。"
                   "位相角は −180° より大きく 180° 以下で、E より進むとき正です。"
                   "各枝には、もう一方の枝のインピーダンスの割合で電流が分かれます。") +
               roundingNote();
  stage.steps.append({QCoreApplication::translate("Kairo", "回路全体の電流 I₁"),
                      u"I₁ = E/Z"_s + comma() + u"∠I₁ = −θ"_s,
                      chain(u"I₁"_s, division({s.voltageE, 0}, s.zTotal)),
                      chain(u"I₁"_s, {figure(s.current1) + u" A"_s}) + u"　"_s +
                          polarLine(u"I₁"_s, current1Magnitude(s), current1Angle(s), u"A"_s)});
  stage.steps.append({QCoreApplication::translate("Kairo", "枝 2 の電流 I₂"),
                      u"I₂ = I₁ × Z₃/(Z₂ + Z₃)"_s,
                      chain(u"I₂"_s, {i1 + u" × "_s + grouped(figure(s.z3)) + u" / "_s + sum}),
                      chain(u"I₂"_s, {figure(s.current2) + u" A"_s}) + u"　"_s +
                          polarLine(u"I₂"_s, current2Magnitude(s), current2Angle(s), u"A"_s)});
  stage.steps.append({QCoreApplication::translate("Kairo", "枝 3 の電流 I₃"),
                      u"I₃ = I₁ × Z₂/(Z₂ + Z₃)"_s,
                      chain(u"I₃"_s, {i1 + u" × "_s + grouped(figure(s.z2)) + u" / "_s + sum}),
                      chain(u"I₃"_s, {figure(s.current3) + u" A"_s}) + u"　"_s +
                          polarLine(u"I₃"_s, current3Magnitude(s), current3Angle(s), u"A"_s)});
  stage.steps.append(
      {QCoreApplication::translate("Kairo", "大きさと位相角の求め方"),
       u"|a + jb| = √(a² + b²)"_s + comma() +
           QCoreApplication::translate("Kairo", "位相角 = tan⁻¹(b/a)"),
       QCoreApplication::translate("Kairo",
                                   "a < 0 のときは tan⁻¹ の値に ±180° を加えて、−180° より大きく "
                                   "180° 以下に収めます。"),
       chain(u"∠I₁"_s, {degrees(current1Angle(s))})});
  return stage;
}

}  // namespace

QList<SolutionStage> solutionStages(const ExerciseState& state) {
  const std::optional<ExerciseState> s = solved(state);
  if (!s) return {};
  return {polarStage(*s), powerStage(*s), phasorStage(*s)};
}

}  // namespace kairo::advanced
