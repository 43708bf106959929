#include "core/solution.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "core/number.h"

namespace kairo {

using namespace Qt::StringLiterals;

namespace worked {

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

QString comma() {
  return QCoreApplication::translate("Kairo", "、", "between two formulas on one line");
}

QString roundingNote() {
  return QCoreApplication::translate(
      "Kairo",
      "途中の値は有効数字 4 けたで示し（≒）、計算は丸めずに進めます。"
      "答えは小数第 3 位を四捨五入して、小数第 2 位まで示します。");
}

FinalAnswer finalAnswer(Complex value, bool complex) {
  FinalAnswer answer{value, answerText(value.re), QString()};
  if (complex) answer.im = answerText(value.im);
  return answer;
}

// "Z ≒ 50 − j38.89 Ω（実部 50、虚部 −38.89）", or "R = 70 Ω", from the answer's own texts.
QString finalLine(const QString& lhs, const FinalAnswer& answer, const QString& unit) {
  const QString re = withMinusSign(answer.re);
  bool rounded = differs(answer.re.toDouble(), answer.value.re);
  if (answer.im.isEmpty()) return lhs + relation(rounded) + re + unit;
  const QString im = withMinusSign(answer.im);
  rounded = rounded || differs(answer.im.toDouble(), answer.value.im);
  return QCoreApplication::translate("Kairo", "%1（実部 %2、虚部 %3）")
      .arg(lhs + relation(rounded) + complexText(re, im, false) + unit, re, im);
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

SolutionStep elementStep(const ExerciseState& s, int k, Complex z) {
  const QString n = subscript(k);
  const Shown x = figure(z.im);
  const Shown value = figure(double(s.lcValue(k)));
  switch (s.elementKind(k)) {
    case 2:
      return {
          QCoreApplication::translate("Kairo", "Z%1（コンデンサ C%1 = %2 uF）").arg(n, value.text),
          u"Z"_s + n + u" = jX"_s + n + comma() + u"X"_s + n + u" = −1/(ωC"_s + n + u")"_s,
          chain(u"X"_s + n, {u"−1 / (10⁴ × "_s + value + u" × 10⁻⁶)"_s}),
          chain(u"X"_s + n, {x + u" Ω"_s}) + comma() + chain(u"Z"_s + n, {figure(z) + u" Ω"_s})};
    case 3:
      return {
          QCoreApplication::translate("Kairo", "Z%1（コイル L%1 = %2 mH）").arg(n, value.text),
          u"Z"_s + n + u" = jX"_s + n + comma() + u"X"_s + n + u" = ωL"_s + n,
          chain(u"X"_s + n, {u"10⁴ × "_s + value + u" × 10⁻³"_s}),
          chain(u"X"_s + n, {x + u" Ω"_s}) + comma() + chain(u"Z"_s + n, {figure(z) + u" Ω"_s})};
    default:
      return {
          QCoreApplication::translate("Kairo", "Z%1（抵抗 R%1 = %2 Ω）").arg(n, figure(z.re).text),
          u"Z"_s + n + u" = R"_s + n, chain(u"Z"_s + n, {figure(z.re)}),
          chain(u"Z"_s + n, {figure(z) + u" Ω"_s})};
  }
}

}  // namespace worked

namespace {

using worked::kMinus;

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

}  // namespace

QString solutionHtml(const QList<SolutionStage>& stages, unsigned selected) {
  QString html;
  for (qsizetype i = 0; i < stages.size() && i < 32; ++i)
    if (selected >> i & 1u) html += stageHtml(stages[i]);
  return html;
}

}  // namespace kairo
