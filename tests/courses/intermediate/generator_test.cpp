#include <QtTest>

#include "ac_support.h"
#include "core/random.h"
#include "courses/intermediate/intermediate.h"
#include "support/test_main.h"
#include "ui/code_panel.h"

using namespace kairo;
using namespace kairo::intermediate;
using namespace kairo::test;

class AcGenerator : public QObject {
  Q_OBJECT

 private slots:
  // 50 Ω, 4 µF, 7 mH, 100 V: reactances 0, -25, 70, code a1235472, Z = 50 - j38.89.
  void workedExample() {
    const AcProblem example{{1, 2, 3}, {5, 4, 7}, 10};
    AcCourse c;
    ExerciseState& s = c.app.state();
    s.lcValue1 = 9;  // a resistor leaves the L/C value of its position alone
    applyProblem(s, example);
    QCOMPARE((std::array{s.resistance1, s.lcValue1, s.resistance2, s.resistance3}),
             (std::array{50, 9, 0, 0}));
    QCOMPARE((std::array{s.reactance1, s.reactance2, s.reactance3, s.voltageE}),
             (std::array{0.0, -25.0, 70.0, 100.0}));
    QCOMPARE(circuitCode(example), QStringLiteral("a1235472"));
    QCOMPARE(circuitCode(AcProblem{{1, 1, 1}, {10, 1, 9}, 3}), QStringLiteral("3111a191"));

    c.d.type(screens::Normali, "txtrr", "50");
    c.d.type(screens::Normali, "txtjj", "38.89");
    c.check(screens::Normali);
    QVERIFY(c.d.visible(screens::NormaliFuseikai1));
    c.d.type(screens::Normali, "txtjj", "-38.89");
    c.check(screens::Normali);
    QVERIFY(c.d.visible(screens::NormaliSeikai) && !c.d.visible(screens::NormaliFuseikai1));
  }

  // Branches with L × C = 10 cancel; so does 10 µF in series with 2 mH ‖ 2 mH.
  void circuitsWithoutAnswer() {
    for (auto [c, l] : {std::pair{1, 10}, {2, 5}, {5, 2}, {10, 1}}) {
      QVERIFY(!hasAnswer(AcProblem{{1, 2, 3}, {5, c, l}, 5}));
      QVERIFY(!hasAnswer(AcProblem{{3, 3, 2}, {4, l, c}, 5}));
    }
    QVERIFY(!hasAnswer(AcProblem{{2, 3, 3}, {10, 2, 2}, 5}));
    QVERIFY(hasAnswer(AcProblem{{2, 3, 3}, {10, 2, 3}, 5}));
    QVERIFY(hasAnswer(AcProblem{{1, 3, 3}, {1, 2, 2}, 5}));
  }

  // Every press makes seven draws in the stated order (seven more for each circuit without an
  // answer), keeps only circuits with an answer, and draws and codes what it drew.
  void manyPresses() {
    AcCourse c;
    Random mirror;
    auto pick = [&mirror](int n) { return int(n * mirror.next() + 1); };
    auto digit = [](int step) { return step == 10 ? QStringLiteral("a") : QString::number(step); };
    static const char* const kUnits[] = {"Ω", "uF", "mH"};
    int draws = 0;
    for (int press = 0; press < 5000; ++press) {
      if (press > 0) {
        c.check(screens::Normali);  // a miss, which the next start forgets
        c.d.click(screens::Normali, "cmdSuuti");
      }
      std::array<int, 3> kinds{}, steps{}, values{};
      int volts = 0;
      do {
        ++draws;
        for (int& kind : kinds) kind = pick(3);
        for (int& step : steps) step = pick(10);
        volts = 10 * pick(10);
        for (int k = 0; k < 3; ++k) values[k] = kinds[k] == 1 ? 10 * steps[k] : steps[k];
      } while (!answersFor(kinds, values, volts).defined);

      const ExerciseState& s = c.app.state();
      QCOMPARE((std::array{s.kind1, s.kind2, s.kind3}), kinds);
      QStringList texts;
      QString code = digit(volts / 10);
      for (int k = 1; k <= 3; ++k) {
        QCOMPARE(s.kind(k) == 1 ? s.resistance(k) : s.lcValue(k), values[k - 1]);
        QVERIFY(s.kind(k) == 1 ? s.reactance(k) == 0.0 : s.resistance(k) == 0);
        texts << QStringLiteral("Z%1: %2 %3")
                     .arg(k)
                     .arg(values[k - 1])
                     .arg(QString::fromUtf8(kUnits[kinds[k - 1] - 1]));
        code += QString::number(kinds[k - 1]);
      }
      for (int step : steps) code += digit(step);
      code += kinds == std::array{1, 1, 1} ? QStringLiteral("1") : QStringLiteral("2");
      texts << QStringLiteral(" %1 V").arg(volts);
      QCOMPARE(c.drawn(), texts);
      QString panel;
      for (const char* label : kCodePanelLabels) panel += c.d.text(screens::SetForm, label);
      QCOMPARE(panel, code);
      QCOMPARE(s.voltageE, double(volts));
      QCOMPARE(c.d.text(screens::Normali, "Label6"), QStringLiteral("0"));
    }
    QVERIFY(draws > 5000);  // the fixed seed does run into circuits that cancel
  }
};

KAIRO_TEST_CASE(AcGenerator)
#include "generator_test.moc"
