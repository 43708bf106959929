#include "core/solution.h"

#include <algorithm>
#include <cmath>

#include "core/expected.h"
#include "core/number.h"

namespace kairo {
namespace {

using namespace Qt::StringLiterals;

constexpr QChar kMinus = QChar(0x2212);

// A number or expression as written in the text, and whether writing it rounded a value; a
// rounded right-hand side is joined with "≒" instead of "=".
struct Shown {
  QString text;
  bool rounded = false;
};

Shown operator+(Shown a, const Shown& b) {
  return {a.text + b.text, a.rounded || b.rounded};
}
Shown operator+(Shown a, const QString& b) {
  return {a.text + b, a.rounded};
}
Shown operator+(const QString& a, const Shown& b) {
  return {a + b.text, b.rounded};
}

bool differs(double written, double exact) {
  return std::abs(written - exact) > 1e-9 * std::max(1.0, std::abs(exact));
}

// The printed minus sign in place of the ASCII one the number functions write.
QString withMinusSign(QString text) {
  if (text.startsWith(u'-')) text[0] = kMinus;
  return text;
}

// An in-between value: four significant digits, never an exponent; from 1000 up the whole number.
// What is left of cancelling terms (below 1e-9) reads 0.
Shown figure(double x) {
  if (!(std::abs(x) >= 1e-9)) return {u"0"_s, false};
  const double magnitude = std::abs(x);
  const int decimals =
      magnitude >= 1000 ? 0 : 3 - static_cast<int>(std::floor(std::log10(magnitude)));
  QString text = QString::number(x, 'f', decimals);
  if (text.contains(u'.')) {
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
  }
  if (text == "-0"_L1) text = u"0"_s;
  return {withMinusSign(text), differs(text.toDouble(), x)};
}

// The text an answer box accepts for the value: the checks' two decimals, no trailing full stop.
QString answerText(double x) {
  QString text = formatNumber(x, Pattern::Zero2);
  if (text.endsWith(u'.')) text.chop(1);
  return text;
}

// "a + jb" from the texts of the two parts; `compact` drops a zero part as in-between values do.
QString complexText(const QString& re, const QString& im, bool compact) {
  const bool negative = im.startsWith(kMinus);
  const QString magnitude = negative ? im.mid(1) : im;
  if (compact && im == "0"_L1) return re;
  if (compact && re == "0"_L1) return (negative ? u"−j"_s : u"j"_s) + magnitude;
  return re + (negative ? u" − j"_s : u" + j"_s) + magnitude;
}

Shown figure(Complex z) {
  const Shown re = figure(z.re), im = figure(z.im);
  return {complexText(re.text, im.text, true), re.rounded || im.rounded};
}

Shown bracketed(const Shown& x) {
  return u"("_s + x + u")"_s;
}
// A factor or second operand in brackets when it would otherwise read as a subtraction or as two
// terms.
Shown operand(const Shown& x) {
  return x.text.startsWith(kMinus) || x.text.contains(u' ') ? bracketed(x) : x;
}
Shown squared(const Shown& x) {
  return operand(x) + u"²"_s;
}

QString relation(bool rounded) {
  return rounded ? u" ≒ "_s : u" = "_s;
}

// "lhs = e1 ≒ e2 …", each sign by whether that expression rounds.
QString chain(const QString& lhs, const QList<Shown>& expressions) {
  QString text = lhs;
  for (const Shown& e : expressions) text += relation(e.rounded) + e.text;
  return text;
}

Complex conjugate(Complex z) {
  return {z.re, -z.im};
}

QString subscript(int k) {
  return QString(QChar(0x2080 + k));
}

QString roundingNote() {
  return u"途中の値は有効数字 4 けたで示し（≒）、計算は丸めずに進めます。"
         u"答えは小数第 3 位を四捨五入して、小数第 2 位まで示します。"_s;
}

FinalAnswer finalAnswer(Complex value, Course course) {
  FinalAnswer answer{value, answerText(value.re), QString()};
  if (course == Course::Intermediate) answer.im = answerText(value.im);
  return answer;
}

// "Z ≒ 50 − j38.89 Ω（実部 50、虚部 −38.89）", or "R = 70 Ω", from the answer's own texts.
QString finalLine(const QString& lhs, const FinalAnswer& answer, const QString& unit) {
  const QString re = withMinusSign(answer.re);
  bool rounded = differs(answer.re.toDouble(), answer.value.re);
  if (answer.im.isEmpty()) return lhs + relation(rounded) + re + unit;
  const QString im = withMinusSign(answer.im);
  rounded = rounded || differs(answer.im.toDouble(), answer.value.im);
  return lhs + relation(rounded) + complexText(re, im, false) + unit + u"（実部 "_s + re +
         u"、虚部 "_s + im + u"）"_s;
}

// ---------------------------------------------------------------------------------------------
// Beginner course: three resistors.

void beginnerImpedance(const ExerciseState& s, Solution& out) {
  const Shown r1 = figure(s.z1.re), r2 = figure(s.z2.re), r3 = figure(s.z3.re);
  SolutionStage& stage = out.impedance;
  stage.heading = u"合成抵抗"_s;
  stage.lead =
      u"合成抵抗は次のように求めます。R₂ と R₃ が並列につながり、"
      u"R₁ はその並列部分と直列につながっています。"_s +
      roundingNote();
  stage.steps.append({u"並列部分の合成抵抗 R₂₃"_s, u"R₂₃ = R₂R₃/(R₂ + R₃)"_s,
                      chain(u"R₂₃"_s, {r2 + u" × "_s + r3 + u" / ("_s + r2 + u" + "_s + r3 + u")"_s,
                                       figure(s.z23Product.re) + u" / "_s + figure(s.z23Sum.re)}),
                      chain(u"R₂₃"_s, {figure(s.z23Parallel.re) + u" Ω"_s})});
  stage.steps.append({u"回路全体の合成抵抗 R"_s, u"R = R₁ + R₂R₃/(R₂ + R₃) = R₁ + R₂₃"_s,
                      chain(u"R"_s, {r1 + u" + "_s + figure(s.z23Parallel.re)}),
                      finalLine(u"R"_s, out.answers.total, u" Ω"_s)});
}

void beginnerCurrents(const ExerciseState& s, Solution& out) {
  const Shown r2 = figure(s.z2.re), r3 = figure(s.z3.re), i1 = figure(s.current1.re);
  const Shown sum = u" / ("_s + r2 + u" + "_s + r3 + u")"_s;
  SolutionStage& stage = out.currents;
  stage.heading = u"電流"_s;
  stage.lead = u"電流は次のように求めます。各枝には、もう一方の枝の割合で電流が分かれます。"_s +
               roundingNote();
  stage.steps.append({u"回路全体の電流 I₁"_s, u"I₁ = E/R"_s,
                      chain(u"I₁"_s, {figure(s.voltageE) + u" / "_s + figure(s.zTotal.re)}),
                      finalLine(u"I₁"_s, out.answers.current1, u" A"_s)});
  stage.steps.append(
      {u"枝 2 の電流 I₂：枝 2 には、もう一方の枝の抵抗 R₃ の割合で電流が流れます。"_s,
       u"I₂ = I₁ × R₃/(R₂ + R₃)"_s, chain(u"I₂"_s, {i1 + u" × "_s + r3 + sum}),
       finalLine(u"I₂"_s, out.answers.current2, u" A"_s)});
  stage.steps.append(
      {u"枝 3 の電流 I₃：枝 3 には、もう一方の枝の抵抗 R₂ の割合で電流が流れます。"_s,
       u"I₃ = I₁ × R₂/(R₂ + R₃)"_s, chain(u"I₃"_s, {i1 + u" × "_s + r2 + sum}),
       finalLine(u"I₃"_s, out.answers.current3, u" A"_s)});
  stage.steps.append(
      {u"確かめ：二つの枝の電流を足すと、回路全体の電流になります。"_s, u"I₂ + I₃ = I₁"_s,
       chain(u"I₂ + I₃"_s, {figure(s.current2.re) + u" + "_s + figure(s.current3.re)}),
       chain(u"I₂ + I₃"_s, {figure(s.current2.re + s.current3.re)}) +
           u" となり、I₁ と一致します。"_s});
}

// ---------------------------------------------------------------------------------------------
// Intermediate course: resistors, capacitors and coils at ω = 10⁴ rad/s.

SolutionStep elementStep(const ExerciseState& s, int k, Complex z) {
  const QString n = subscript(k);
  const Shown x = figure(z.im);
  const Shown value = figure(double(s.lcValue(k)));
  switch (s.elementKind(k)) {
    case 2:
      return {
          u"Z"_s + n + u"（コンデンサ C"_s + n + u" = "_s + value.text + u" uF）"_s,
          u"Z"_s + n + u" = jX"_s + n + u"、X"_s + n + u" = −1/(ωC"_s + n + u")"_s,
          chain(u"X"_s + n, {u"−1 / (10⁴ × "_s + value + u" × 10⁻⁶)"_s}),
          chain(u"X"_s + n, {x + u" Ω"_s}) + u"、"_s + chain(u"Z"_s + n, {figure(z) + u" Ω"_s})};
    case 3:
      return {
          u"Z"_s + n + u"（コイル L"_s + n + u" = "_s + value.text + u" mH）"_s,
          u"Z"_s + n + u" = jX"_s + n + u"、X"_s + n + u" = ωL"_s + n,
          chain(u"X"_s + n, {u"10⁴ × "_s + value + u" × 10⁻³"_s}),
          chain(u"X"_s + n, {x + u" Ω"_s}) + u"、"_s + chain(u"Z"_s + n, {figure(z) + u" Ω"_s})};
    default:
      return {u"Z"_s + n + u"（抵抗 R"_s + n + u" = "_s + figure(z.re).text + u" Ω）"_s,
              u"Z"_s + n + u" = R"_s + n, chain(u"Z"_s + n, {figure(z.re)}),
              chain(u"Z"_s + n, {figure(z) + u" Ω"_s})};
  }
}

// A plain non-negative number stands as it is; anything else is bracketed as a factor.
Shown grouped(const Shown& x) {
  for (const QChar c : x.text)
    if (!c.isDigit() && c != u'.') return bracketed(x);
  return x;
}

// numerator / denominator, worked by multiplying both with the conjugate of a complex denominator.
QList<Shown> division(Complex numerator, Complex denominator) {
  const Shown num = grouped(figure(numerator));
  QList<Shown> steps{num + u" / "_s + grouped(figure(denominator))};
  if (figure(denominator.im).text == "0"_L1) return steps;
  const Complex top = product(numerator, conjugate(denominator));
  const double bottom = denominator.re * denominator.re + denominator.im * denominator.im;
  steps.append(num + bracketed(figure(conjugate(denominator))) + u" / ("_s +
               squared(figure(denominator.re)) + u" + "_s + squared(figure(denominator.im)) +
               u")"_s);
  steps.append(grouped(figure(top)) + u" / "_s + figure(bottom));
  return steps;
}

void intermediateImpedance(const ExerciseState& s, Solution& out) {
  const Shown r2 = figure(s.z2.re), x2 = figure(s.z2.im), r3 = figure(s.z3.re),
              x3 = figure(s.z3.im);
  SolutionStage& stage = out.impedance;
  stage.heading = u"合成インピーダンス"_s;
  stage.lead =
      u"合成インピーダンスは次のように求めます。Z = R + jX と書くと、抵抗は X = 0、"
      u"コイルとコンデンサは R = 0 です。ω = 10⁴ rad/s です。"_s +
      roundingNote();
  const Complex z[] = {s.z1, s.z2, s.z3};
  for (int k = 1; k <= 3; ++k) stage.steps.append(elementStep(s, k, z[k - 1]));
  stage.steps.append(
      {u"並列部分の分子 Z₂Z₃"_s, u"Z₂Z₃ = (R₂ + jX₂)(R₃ + jX₃) = (R₂R₃ − X₂X₃) + j(R₂X₃ + X₂R₃)"_s,
       chain(u"Z₂Z₃"_s, {u"("_s + operand(r2) + u" × "_s + operand(r3) + u" − "_s + operand(x2) +
                         u" × "_s + operand(x3) + u") + j("_s + operand(r2) + u" × "_s +
                         operand(x3) + u" + "_s + operand(x2) + u" × "_s + operand(r3) + u")"_s}),
       chain(u"Z₂Z₃"_s, {figure(s.z23Product)})});
  stage.steps.append({u"並列部分の分母 Z₂ + Z₃"_s, u"Z₂ + Z₃ = (R₂ + R₃) + j(X₂ + X₃)"_s,
                      chain(u"Z₂ + Z₃"_s, {u"("_s + r2 + u" + "_s + operand(r3) + u") + j("_s + x2 +
                                           u" + "_s + operand(x3) + u")"_s}),
                      chain(u"Z₂ + Z₃"_s, {figure(s.z23Sum) + u" Ω"_s})});
  stage.steps.append(
      {u"並列部分の合成インピーダンス Z₂₃：分母の共役複素数を分子と分母に掛けて、"
       u"分母を実数にします。"_s,
       u"Z₂₃ = Z₂Z₃/(Z₂ + Z₃)、(a + jb)/(c + jd) = (a + jb)(c − jd)/(c² + d²)"_s,
       chain(u"Z₂₃"_s, division(s.z23Product, s.z23Sum)),
       chain(u"Z₂₃"_s, {figure(s.z23Parallel) + u" Ω"_s})});
  stage.steps.append({u"回路全体の合成インピーダンス Z"_s, u"Z = Z₁ + Z₂Z₃/(Z₂ + Z₃) = Z₁ + Z₂₃"_s,
                      chain(u"Z"_s, {figure(s.z1) + u" + "_s + operand(figure(s.z23Parallel))}),
                      finalLine(u"Z"_s, out.answers.total, u" Ω"_s)});
}

void intermediateCurrents(const ExerciseState& s, Solution& out) {
  const Complex e{s.voltageE, 0.0};
  const Shown i1 = grouped(figure(s.current1));
  const Shown sum = grouped(figure(s.z23Sum));
  SolutionStage& stage = out.currents;
  stage.heading = u"電流"_s;
  stage.lead = u"電流は次のように求めます。各枝には、もう一方の枝の割合で電流が分かれます。"_s +
               roundingNote();
  stage.steps.append(
      {u"回路全体の電流 I₁：分母の共役複素数を分子と分母に掛けて、"
       u"分母を実数にします。"_s,
       u"I₁ = E/Z"_s, chain(u"I₁"_s, division(e, s.zTotal)),
       finalLine(u"I₁"_s, out.answers.current1, u" A"_s)});
  stage.steps.append(
      {u"枝 2 の電流 I₂：枝 2 には、もう一方の枝のインピーダンス Z₃ の割合で電流が流れます。"_s,
       u"I₂ = I₁ × Z₃/(Z₂ + Z₃)"_s,
       chain(u"I₂"_s, {i1 + u" × "_s + grouped(figure(s.z3)) + u" / "_s + sum,
                       i1 + u" × "_s + grouped(figure(s.divider2))}),
       finalLine(u"I₂"_s, out.answers.current2, u" A"_s)});
  stage.steps.append(
      {u"枝 3 の電流 I₃：枝 3 には、もう一方の枝のインピーダンス Z₂ の割合で電流が流れます。"_s,
       u"I₃ = I₁ × Z₂/(Z₂ + Z₃)"_s,
       chain(u"I₃"_s, {i1 + u" × "_s + grouped(figure(s.z2)) + u" / "_s + sum,
                       i1 + u" × "_s + grouped(figure(s.divider3))}),
       finalLine(u"I₃"_s, out.answers.current3, u" A"_s)});
  stage.steps.append(
      {u"確かめ：二つの枝の電流を足すと、回路全体の電流になります。"_s, u"I₂ + I₃ = I₁"_s,
       chain(u"I₂ + I₃"_s, {grouped(figure(s.current2)) + u" + "_s + grouped(figure(s.current3))}),
       chain(u"I₂ + I₃"_s, {figure(add(s.current2, s.current3))}) +
           u" となり、I₁ と一致します。"_s});
}

// ---------------------------------------------------------------------------------------------
// Rich text

bool isSubscript(QChar c) {
  return c.unicode() >= 0x2080 && c.unicode() <= 0x2089;
}
bool isSuperscript(QChar c) {
  const char16_t u = c.unicode();
  return u == 0x00B2 || u == 0x00B3 || u == 0x00B9 || u == 0x2070 || (u >= 0x2074 && u <= 0x2079) ||
         u == 0x207B;
}
QChar baseline(QChar c) {
  switch (c.unicode()) {
    case 0x00B2:
      return u'2';
    case 0x00B3:
      return u'3';
    case 0x00B9:
      return u'1';
    case 0x207B:
      return kMinus;
  }
  return QChar(u'0' + (c.unicode() & 0xF));  // ₀–₉ and ⁰, ⁴–⁹ end in their digit
}

// Escaped, with runs of subscript and superscript characters as <sub> and <sup>: not every screen
// font has those characters.
QString richLine(const QString& text) {
  const QString escaped = text.toHtmlEscaped();
  QString html;
  for (qsizetype i = 0; i < escaped.size();) {
    const bool sub = isSubscript(escaped[i]);
    if (!sub && !isSuperscript(escaped[i])) {
      html += escaped[i++];
      continue;
    }
    html += sub ? "<sub>"_L1 : "<sup>"_L1;
    for (; i < escaped.size() && (sub ? isSubscript(escaped[i]) : isSuperscript(escaped[i])); ++i)
      html += baseline(escaped[i]);
    html += sub ? "</sub>"_L1 : "</sup>"_L1;
  }
  return html;
}

// The lines of a step are indented under its title; rich text keeps no-break spaces only.
QString stageHtml(const SolutionStage& stage) {
  const QString indent = u"<br>&nbsp;&nbsp;&nbsp;&nbsp;"_s;
  QString html =
      u"<p><b>"_s + richLine(stage.heading) + u"</b><br>"_s + richLine(stage.lead) + u"</p>"_s;
  for (const SolutionStep& step : stage.steps)
    html += u"<p>"_s + richLine(step.title) + indent + richLine(step.formula) + indent +
            richLine(step.substituted) + indent + u"<b>"_s + richLine(step.result) + u"</b></p>"_s;
  return html;
}

// The expected values the checks compare with; the beginner course has resistors only.
std::optional<ExerciseState> solvedAs(const ExerciseState& state, Course course) {
  if (course == Course::Intermediate) return solved(state);
  ExerciseState circuit = state;
  for (int k = 1; k <= 3; ++k) circuit.reactance(k) = 0.0;
  return solved(circuit);
}

SolutionAnswers answersOf(const ExerciseState& s, Course course) {
  return {finalAnswer(s.zTotal, course), finalAnswer(s.current1, course),
          finalAnswer(s.current2, course), finalAnswer(s.current3, course)};
}

}  // namespace

std::optional<SolutionAnswers> finalAnswers(const ExerciseState& state, Course course) {
  const std::optional<ExerciseState> s = solvedAs(state, course);
  if (!s) return std::nullopt;
  return answersOf(*s, course);
}

std::optional<Solution> workedSolution(const ExerciseState& state, Course course) {
  const std::optional<ExerciseState> s = solvedAs(state, course);
  if (!s) return std::nullopt;
  Solution out;
  out.course = course;
  out.answers = answersOf(*s, course);
  if (course == Course::Beginner) {
    beginnerImpedance(*s, out);
    beginnerCurrents(*s, out);
  } else {
    intermediateImpedance(*s, out);
    intermediateCurrents(*s, out);
  }
  return out;
}

QString solutionHtml(const Solution& solution, bool impedanceStage, bool currentStage) {
  QString html;
  if (impedanceStage) html += stageHtml(solution.impedance);
  if (currentStage) html += stageHtml(solution.currents);
  return html;
}

QString solutionHtml(const ExerciseState& state, Course course, bool impedanceStage,
                     bool currentStage) {
  const std::optional<Solution> solution = workedSolution(state, course);
  return solution ? solutionHtml(*solution, impedanceStage, currentStage) : QString();
}

}  // namespace kairo
