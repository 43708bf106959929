#include <QTest>

#include "core/random.h"
#include "courses/beginner/beginner.h"
#include "courses/beginner/course_expect.h"
#include "support/test_main.h"
#include "ui/code_panel.h"

using namespace kairo;
using namespace kairo::test::easy;
using namespace kairo::screens;

namespace {

// The code digit of a value in tens, written out by hand: "a" stands for 100.
QString digit(int value) {
  return QString("123456789a").mid(value / 10 - 1, 1);
}

QString code(const ExerciseState& s) {
  return beginner::beginnerCircuitCode(s);
}

}  // namespace

class BeginnerGenerator : public QObject {
  Q_OBJECT

 private slots:
  void codePanelSpellsTheProblem() {
    ExerciseState s;
    s.resistance1 = s.resistance2 = s.resistance3 = 100;
    s.voltageE = 100;
    QCOMPARE(code(s), "a111aaa1");
    s = {};
    s.voltageE = 50, s.resistance1 = 30, s.resistance2 = 60, s.resistance3 = 10;
    QCOMPARE(code(s), "51113611");
  }

  // Each press draws exactly four values (R1, R2, R3, E) from the one generator, prints them over
  // a fresh drawing, writes the code panel and starts the count again; two runs agree.
  void everyPressDrawsFourValues() {
    QList<Problem> runs[2];
    for (auto& run : runs) {
      Application app;
      EasyCourse d(app);
      run << d.begin();
      Random reference(Random::kSeed);
      const int strokesPerProblem = int(strokes(app.canvas()).size());
      QVERIFY(strokesPerProblem > 0);
      for (int press = 0; press < 5; ++press) {
        if (press > 0) {
          d.state().missCount = 2;
          app.setText(EasyR1, "lblA", "正解！！");
          d.type(EasyR1, "txtZR", "12");
          d.click(EasyR1, "cmdSuuti");
          const ExerciseState& s = d.state();
          run << Problem{s.resistance1, s.resistance2, s.resistance3, int(s.voltageE)};
        }
        const Problem p = run.last();
        QCOMPARE(p.r1, 10 * reference.pick(10));
        QCOMPARE(p.r2, 10 * reference.pick(10));
        QCOMPARE(p.r3, 10 * reference.pick(10));
        QCOMPARE(p.e, 10 * reference.pick(10));
        QCOMPARE(d.state().reactance1 + d.state().reactance2 + d.state().reactance3, 0.0);
        QCOMPARE(d.state().missCount, 0);
        QCOMPARE(d.text(EasyR1, "Label6") + d.text(EasyR1, "lblA") + d.text(EasyR1, "txtZR"), "0");
        QStringList panel;
        for (const char* label : kCodePanelLabels) panel << d.text(SetForm, label);
        QCOMPARE(panel, (QStringList{digit(p.e), "1", "1", "1", digit(p.r1), digit(p.r2),
                                     digit(p.r3), "1"}));
        QCOMPARE(app.canvas().printedTexts(),
                 (QStringList{QString("R1= %1 Ω").arg(p.r1), QString("R2= %1 Ω").arg(p.r2),
                              QString("R3= %1 Ω").arg(p.r3), QString(" %1 V").arg(p.e)}));
        QCOMPARE(int(strokes(app.canvas()).size()), strokesPerProblem);
      }
      QCOMPARE(d.visibleScreens(), names({EasyR1, SetForm}));
    }
    QVERIFY(runs[0] == runs[1]);
  }

  // "start" leaves nothing of the earlier problem on screen: only EasyR1 and the drawing.
  void startLeavesOnlyTheNewProblem() {
    Application app;
    EasyCourse d(app);
    d.begin({50, 30, 60, 50});
    d.resistance(EasyR1, "70");
    d.click(EasyRSeikai, "Command1");
    d.currents(EasyA, "1", "1", "1");
    d.click(EasyR1, "cmdSuuti");
    QCOMPARE(d.visibleScreens(), names({EasyR1, SetForm}));
  }

  // Before any problem there is nothing to check against: no miss, no window.
  void checkBeforeAnyProblemDoesNothing() {
    Application app;
    EasyCourse d(app);
    app.start();
    d.click(StartF, "Command3");
    d.resistance(EasyR1, "0");
    QCOMPARE(d.state().missCount, 0);
    QCOMPARE(d.visibleScreens(), names({EasyR1, SetForm}));
  }
};

KAIRO_TEST_CASE(BeginnerGenerator)
#include "generator_test.moc"
