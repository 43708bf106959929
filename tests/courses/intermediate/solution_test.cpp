// The worked solutions of the beginner and intermediate courses, which share their shape.
#include <QElapsedTimer>
#include <QTest>

#include "core/expected.h"
#include "core/number.h"
#include "courses/beginner/beginner.h"
#include "courses/intermediate/intermediate.h"
#include "support/test_main.h"

using kairo::ExerciseState;
using kairo::Pattern;
using kairo::Solution;

namespace {

// The course whose solution is asked for.
enum class Course { Beginner, Intermediate };

namespace kairo_solution {
std::optional<Solution> workedSolution(const ExerciseState& s, Course course) {
  return course == Course::Beginner ? kairo::beginner::workedSolution(s)
                                    : kairo::intermediate::workedSolution(s);
}
std::optional<kairo::SolutionAnswers> finalAnswers(const ExerciseState& s, Course course) {
  return course == Course::Beginner ? kairo::beginner::finalAnswers(s)
                                    : kairo::intermediate::finalAnswers(s);
}
QString solutionHtml(const ExerciseState& s, Course course, bool impedance, bool currents) {
  const QList<kairo::SolutionStage> stages = course == Course::Beginner
                                                 ? kairo::beginner::solutionStages(s)
                                                 : kairo::intermediate::solutionStages(s);
  return kairo::solutionHtml(stages, (impedance ? 1u : 0u) | (currents ? 2u : 0u));
}
}  // namespace kairo_solution

// kinds: 1 resistor (Ω), 2 capacitor (µF), 3 coil (mH), written as the generators write them.
ExerciseState circuit(const QList<int>& kinds, const QList<int>& values, int volts) {
  ExerciseState s;
  for (int k = 1; k <= 3; ++k) {
    const int kind = kinds[k - 1], value = values[k - 1];
    s.kind(k) = kind;
    s.resistance(k) = kind == 1 ? value : 0;
    s.lcValue(k) = kind == 1 ? 0 : value;
    s.reactance(k) = kind == 1   ? 0.0
                     : kind == 2 ? kairo::capacitorReactance(value)
                                 : kairo::coilReactance(value);
  }
  s.voltageE = volts;
  return s;
}

QString allText(const Solution& solution) {
  QStringList lines;
  for (const auto* stage : {&solution.impedance, &solution.currents})
    for (const kairo::SolutionStep& step : stage->steps)
      lines << step.title << step.formula << step.substituted << step.result;
  return lines.join(u'\n');
}

QString typedForm(QString text) {
  return text.replace(u'-', QChar(0x2212));
}

}  // namespace

class SolutionTest : public QObject {
  Q_OBJECT

 private slots:
  // Worked by hand: the answers and some of the lines leading to them.
  void workedCircuits_data() {
    QTest::addColumn<bool>("intermediate");
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("volts");
    QTest::addColumn<QStringList>("answers");  // Z or R, I1, I2, I3: real and imaginary part each
    QTest::addColumn<QStringList>("lines");

    // Beginner problems keep the kinds of the last intermediate problem.
    QTest::newRow("50/30/60 Ω, 50 V")
        << false << QList<int>{2, 3, 2} << QList<int>{50, 30, 60} << 50
        << QStringList{"70", "", "0.71", "", "0.48", "", "0.24", ""}
        << QStringList{"R₂₃ = 30 × 60 / (30 + 60) = 1800 / 90", "R = 50 + 20", "I₁ = 50 / 70",
                       "I₂ ≒ 0.7143 × 60 / (30 + 60)", "I₂ + I₃ ≒ 0.4762 + 0.2381"};
    QTest::newRow("20/40/10 Ω, 90 V")
        << false << QList<int>{1, 1, 1} << QList<int>{20, 40, 10} << 90
        << QStringList{"28", "", "3.21", "", "0.64", "", "2.57", ""}
        << QStringList{"R = 28 Ω", "I₂ ≒ 3.214 × 10 / (40 + 10)", "I₃ ≒ 2.57 A"};
    QTest::newRow("50 Ω, 4 µF ∥ 7 mH, 100 V")
        << true << QList<int>{1, 2, 3} << QList<int>{50, 4, 7} << 100
        << QStringList{"50", "-38.89", "1.25", "0.97", "1.94", "1.51", "-0.69", "-0.54"}
        << QStringList{"X₂ = −1 / (10⁴ × 4 × 10⁻⁶)",
                       "X₃ = 70 Ω、Z₃ = j70 Ω",
                       "Z₂Z₃ = (0 × 0 − (−25) × 70) + j(0 × 70 + (−25) × 0)",
                       "Z₂₃ = 1750 / (j45) = 1750(−j45) / (0² + 45²) = (−j78750) / 2025",
                       "Z ≒ 50 − j38.89 Ω（実部 50、虚部 −38.89）",
                       "I₁ ≒ 100 / (50 − j38.89) ≒ 100(50 + j38.89) / (50² + (−38.89)²)",
                       "I₂ ≒ (1.246 + j0.9692) × (j70) / (j45) ≒ (1.246 + j0.9692) × 1.556",
                       "I₃ ≒ −0.69 − j0.54 A（実部 −0.69、虚部 −0.54）"};
    QTest::newRow("30 Ω, 4 µF ∥ 2 mH, 100 V")
        << true << QList<int>{1, 2, 3} << QList<int>{30, 4, 2} << 100
        << QStringList{"30", "100", "0.28", "-0.92", "-1.1", "3.67", "1.38", "-4.59"}
        << QStringList{"Z₂ + Z₃ = −j5 Ω", "Z = 30 + j100 Ω", "(0.2752 − j0.9174) × (−4)"};
  }
  void workedCircuits() {
    QFETCH(bool, intermediate);
    QFETCH(QList<int>, kinds);
    QFETCH(QList<int>, values);
    QFETCH(int, volts);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, lines);
    ExerciseState s = circuit(intermediate ? kinds : QList<int>{1, 1, 1}, values, volts);
    for (int k = 1; k <= 3; ++k) s.kind(k) = kinds[k - 1];
    const auto solution =
        kairo_solution::workedSolution(s, intermediate ? Course::Intermediate : Course::Beginner);
    QVERIFY(solution);
    const kairo::SolutionAnswers& a = solution->answers;
    const QStringList got{a.total.re,    a.total.im,    a.current1.re, a.current1.im,
                          a.current2.re, a.current2.im, a.current3.re, a.current3.im};
    QCOMPARE(got, answers);
    const QString text = allText(*solution);
    for (const QString& line : lines) QVERIFY2(text.contains(line), qPrintable(line + "\n" + text));
  }

  void htmlShowsTheSelectedStages() {
    const ExerciseState s = circuit({1, 2, 3}, {50, 4, 7}, 100);
    const QString both = kairo_solution::solutionHtml(s, Course::Intermediate, true, true);
    const QString impedance = kairo_solution::solutionHtml(s, Course::Intermediate, true, false);
    const QString currents = kairo_solution::solutionHtml(s, Course::Intermediate, false, true);
    QVERIFY(both.contains("X<sub>2</sub> = −1 / (10<sup>4</sup> × 4 × 10<sup>−6</sup>)"));
    QVERIFY(impedance.contains("Z<sub>23</sub>") && !impedance.contains("I<sub>1</sub>"));
    QVERIFY(currents.contains("I<sub>1</sub>") && !currents.contains("合成インピーダンス</b>"));
    QCOMPARE(both, impedance + currents);
    QVERIFY(!both.contains("font", Qt::CaseInsensitive));
    QVERIFY(kairo_solution::solutionHtml(s, Course::Intermediate, false, false).isEmpty());

    // A capacitor and a coil that cancel in parallel: no answer, nothing to show.
    const ExerciseState resonant = circuit({1, 2, 3}, {10, 10, 1}, 100);
    QVERIFY(!kairo_solution::workedSolution(resonant, Course::Intermediate));
    QVERIFY(kairo_solution::solutionHtml(resonant, Course::Intermediate, true, true).isEmpty());
  }

  // Every circuit of both courses at every voltage: each final figure is what the check accepts.
  // The whole text, worked for every seventh value triple of each kind combination (every value
  // at every position, the voltage turning with the circuit), shows the same figures.
  void everyFinalIsAccepted() {
    QElapsedTimer timer;
    timer.start();
    int circuits = 0, mismatches = 0;
    QString first;
    auto check = [&](const ExerciseState& s, Course course, bool worked) {
      const auto answers = kairo_solution::finalAnswers(s, course);
      const auto expected = kairo::solved(s);
      QCOMPARE(answers.has_value(), expected.has_value());
      if (!answers) return;
      ++circuits;
      const bool beginner = course == Course::Beginner;
      const Pattern pattern = beginner ? Pattern::Hash2 : Pattern::Zero2;
      const std::pair<kairo::FinalAnswer, kairo::Complex> finals[] = {
          {answers->total, expected->zTotal},
          {answers->current1, expected->current1},
          {answers->current2, expected->current2},
          {answers->current3, expected->current3}};
      for (const auto& [answer, value] : finals)
        if (!kairo::answerMatches(value.re, pattern, answer.re) ||
            (beginner ? !answer.im.isEmpty() : !kairo::answerMatches(value.im, pattern, answer.im)))
          if (mismatches++ == 0) first = answer.re + ' ' + answer.im;
      if (!worked) return;
      const QString result = kairo_solution::workedSolution(s, course)->currents.steps[2].result;
      const QString shown = beginner ? typedForm(answers->current3.re) + " A"
                                     : "（実部 " + typedForm(answers->current3.re) + "、虚部 " +
                                           typedForm(answers->current3.im) + "）";
      if (!result.endsWith(shown) && mismatches++ == 0) first = result;
    };

    for (int values = 0; values < 1000; ++values) {
      const QList<int> ohms{10 * (values / 100 + 1), 10 * (values / 10 % 10 + 1),
                            10 * (values % 10 + 1)};
      const int turn = values % 7 == 0 ? values / 7 : -1;
      auto worked = [&](int volts, int shift) {
        return turn >= 0 && volts == 10 * ((turn + shift) % 10 + 1);
      };
      for (int volts = 10; volts <= 100; volts += 10) {
        check(circuit({1, 1, 1}, ohms, volts), Course::Beginner, worked(volts, 0));
        for (int kinds = 0; kinds < 27; ++kinds) {
          const QList<int> kind{kinds / 9 + 1, kinds / 3 % 3 + 1, kinds % 3 + 1};
          QList<int> value(3);
          for (int k = 0; k < 3; ++k) value[k] = kind[k] == 1 ? ohms[k] : ohms[k] / 10;
          check(circuit(kind, value, volts), Course::Intermediate, worked(volts, kinds));
        }
        if (QTest::currentTestFailed()) return;
      }
    }
    qInfo("%d circuits in %lld ms", circuits, static_cast<long long>(timer.elapsed()));
    // 318 of the 27,000 intermediate circuits cancel out, at each of the ten voltages.
    QCOMPARE(circuits, 10'000 + 270'000 - 3'180);
    QVERIFY2(mismatches == 0, qPrintable(QString::number(mismatches) + " mismatches, " + first));
  }
};

KAIRO_TEST_CASE(SolutionTest)
#include "solution_test.moc"
