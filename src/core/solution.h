#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "core/complex.h"
#include "core/exercise_state.h"

namespace kairo {

// One step of a worked solution, each line in plain text with Unicode subscripts and superscripts
// (Z₂, 10⁻⁶).
struct SolutionStep {
  QString title;        // what the step finds, and why when that needs saying
  QString formula;      // in symbols
  QString substituted;  // with the problem's numbers
  QString result;       // the value found, with its unit
};

struct SolutionStage {
  QString heading;
  QString lead;  // the sentences before the first step
  QList<SolutionStep> steps;
};

// A final answer as the answer boxes take it: formatNumber's two decimals without a trailing full
// stop ("0.71", "70", "-38.89"). `im` stays empty where the answer is real.
struct FinalAnswer {
  Complex value;  // unrounded, as the checks compute it
  QString re;
  QString im;
};

struct SolutionAnswers {
  FinalAnswer total;  // R or Z
  FinalAnswer current1, current2, current3;
};

// A solution in two stages: the combined value, then the currents.
inline constexpr int kImpedanceStage = 1;
inline constexpr int kCurrentsStage = 2;
struct Solution {
  SolutionStage impedance;
  SolutionStage currents;
  SolutionAnswers answers;  // the texts the result lines show
};

// The stages of a worked solution whose bits are set in `stages` (bit s − 1 for stage s), as rich
// text for a read-only view: paragraphs, <b>, <sub> and <sup>, no font settings. Empty when no
// stage is selected.
QString solutionHtml(const QList<SolutionStage>& stages, unsigned selected);

// The pieces the courses write their solutions with.
namespace worked {

constexpr QChar kMinus = QChar(0x2212);

// A number or expression as written in the text, and whether writing it rounded a value; a
// rounded right-hand side is joined with "≒" instead of "=".
struct Shown {
  QString text;
  bool rounded = false;
};
Shown operator+(Shown a, const Shown& b);
Shown operator+(Shown a, const QString& b);
Shown operator+(const QString& a, const Shown& b);

// Whether a written value differs from the exact one beyond rounding noise.
bool differs(double written, double exact);
// The printed minus sign in place of the ASCII one the number functions write.
QString withMinusSign(QString text);
// An in-between value: four significant digits, never an exponent; from 1000 up the whole number.
Shown figure(double x);
Shown figure(Complex z);
// The text an answer box accepts for the value: the checks' two decimals, no trailing full stop.
QString answerText(double x);
// "a + jb" from the texts of the two parts; `compact` drops a zero part as in-between values do.
QString complexText(const QString& re, const QString& im, bool compact);
Shown bracketed(const Shown& x);
// A factor or second operand in brackets when it would otherwise read as a subtraction or as two
// terms.
Shown operand(const Shown& x);
Shown squared(const Shown& x);
// A plain non-negative number stands as it is; anything else is bracketed as a factor.
Shown grouped(const Shown& x);
QString relation(bool rounded);
// "lhs = e1 ≒ e2 …", each sign by whether that expression rounds.
QString chain(const QString& lhs, const QList<Shown>& expressions);
Complex conjugate(Complex z);
QString subscript(int k);
// The separator between two formulas written on one line ("、" in Japanese).
QString comma();
QString roundingNote();
// numerator / denominator, worked by multiplying both with the conjugate of a complex denominator.
QList<Shown> division(Complex numerator, Complex denominator);
FinalAnswer finalAnswer(Complex value, bool complex);
// "Z ≒ 50 − j38.89 Ω（実部 50、虚部 −38.89）", or "R = 70 Ω", from the answer's own texts.
QString finalLine(const QString& lhs, const FinalAnswer& answer, const QString& unit);

// Element k of an alternating-current circuit: its reactance from its capacitance or inductance
// at ω = 10⁴ rad/s, and its impedance z.
SolutionStep elementStep(const ExerciseState& s, int k, Complex z);

}  // namespace worked
}  // namespace kairo
