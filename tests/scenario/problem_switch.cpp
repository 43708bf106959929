// A new problem, a replay or leaving a course never leaves a window about the earlier problem, and
// a check always works on the circuit on the drawing.
#include <QTest>

#include "courses/beginner/course_expect.h"
#include "courses/intermediate/ac_support.h"
#include "support/test_main.h"

using namespace kairo;
using namespace kairo::test;
using namespace kairo::screens;

namespace {

// Every exercise window empty and counting from 0.
void verifyAllExercisesClean(Driver& d) {
  for (ScreenId id : d.app().screens().all()) {
    if (!d.app().checkOf(id) || !d.created(id)) continue;
    for (auto* box : d.form(id)->findChildren<QLineEdit*>())
      QVERIFY2(box->text().isEmpty(), qPrintable(ScreenRegistry::name(id) + box->objectName()));
    for (auto* label : d.form(id)->findChildren<QLabel*>()) {
      const QString name = label->objectName();
      if (name == "lblA" || name.startsWith("LabelA") || name.startsWith("Labelrr") ||
          name.startsWith("Labeljj") || name == "lblZR")
        QVERIFY2(label->text().isEmpty(), qPrintable(ScreenRegistry::name(id) + name));
    }
    QCOMPARE(d.text(id, "Label6"), "0");
  }
}

}  // namespace

class ProblemSwitch : public QObject {
  Q_OBJECT

 private slots:
  // "start" under an open follow-up: only the new problem's first exercise and the drawing stay.
  void startWhileAFollowUpIsOpen() {
    Application app;
    easy::EasyCourse d(app);
    d.begin({50, 30, 60, 50});
    d.resistance(EasyR1, "70");
    d.click(EasyRSeikai, "Command1");
    for (int miss = 0; miss < 3; ++miss) d.currents(EasyA, ".71", "1", "1");
    d.click(EasyAFuseikai2, "Command1");
    d.currents(EasyA2, "1", "1", "1");
    QCOMPARE(d.visibleScreens(), easy::names({EasyA2, EasyA2Fuseikai1, EasyR1, SetForm}));
    d.click(EasyR1, "cmdSuuti");
    QCOMPARE(d.visibleScreens(), easy::names({EasyR1, SetForm}));
    verifyAllExercisesClean(d);

    AcCourse c;
    setCircuit(c.app.state(), {1, 2, 3}, {50, 4, 7}, 100);
    c.typeImpedance(Normali);
    c.check(Normali);
    c.d.click(NormaliSeikai, "Command1");
    for (int k = 1; k <= 3; ++k) c.typeCurrent(NormalAA, k);
    for (int miss = 0; miss < 3; ++miss) c.miss(NormalAA, "txtArr2");
    c.d.click(NormalAAFuseikai2, "Command2");
    c.miss(NormalAAHei, "txtArr2");
    c.d.click(Normali, "cmdSuuti");
    QCOMPARE(c.visible(), names({Normali, SetForm}));
    verifyAllExercisesClean(c.d);
  }

  // The currents are checked against the circuit as it stands, not against impedances an earlier
  // check of another problem left behind.
  void checksUseTheCircuitOnTheDrawing() {
    Application app;
    easy::EasyCourse d(app);
    d.begin({50, 30, 60, 50});
    d.resistance(EasyR1, "70");
    d.click(EasyRSeikai, "Command1");
    ExerciseState& s = d.state();
    s.resistance1 = 20, s.resistance2 = 40, s.resistance3 = 10, s.voltageE = 90;
    d.currents(EasyA, "3.21", ".64", "2.57");
    QVERIFY(d.visible(EasyASeikai));
  }

  // A replay after a revealed answer starts clean too.
  void replayAfterARevealedAnswer() {
    AcCourse c;
    setCircuit(c.app.state(), {1, 2, 3}, {50, 4, 7}, 100);
    c.typeImpedance(Normali);
    c.check(Normali);
    c.d.click(NormaliSeikai, "Command1");
    for (int miss = 0; miss < 3; ++miss) c.miss(NormalAA, "txtArr1");
    c.d.click(NormalAAFuseikai3, "Command1");
    for (int miss = 0; miss < 3; ++miss) c.miss(NormalAA2, "txtArr1");
    QCOMPARE(c.d.text(NormalAA2, "LabelArr1"), "1.25");
    c.d.click(NormalEND, "Command1");
    c.d.type(StartF, "passtxt", "a1235472");
    c.d.click(StartF, "Command5");
    QCOMPARE(c.visible(), names({Normali, SetForm}));
    verifyAllExercisesClean(c.d);
  }

  // The fourth miss of NormalAA並 reached through Normali2 leaves nothing of the course behind.
  void fourthMissLeavesNothingBehind() {
    AcCourse c;
    setCircuit(c.app.state(), {1, 2, 3}, {50, 4, 7}, 100);
    for (int miss = 0; miss < 3; ++miss) c.miss(Normali, "txtrr");
    c.d.click(NormaliFuseikai2, "Command1");
    c.typeImpedance(Normali2);
    c.check(Normali2);
    c.d.click(NormaliSeikai, "Command1");
    for (int k = 1; k <= 3; ++k) c.typeCurrent(NormalAA, k);
    for (int miss = 0; miss < 3; ++miss) c.miss(NormalAA, "txtArr2");
    c.d.click(NormalAAFuseikai2, "Command2");
    QCOMPARE(c.visible(), names({Normali2, NormalAAHei, SetForm}));
    for (int miss = 0; miss < 4; ++miss) c.miss(NormalAAHei, "txtArr2");
    QCOMPARE(c.visible(), names({StartF}));
  }

  // Closing the drawing screen from its title bar is its "戻る": back to the start screen.
  void closingTheDrawingScreen() {
    Application app;
    easy::EasyCourse d(app);
    d.begin();
    d.resistance(EasyR1, "1");
    QVERIFY(!d.form(SetForm)->close());
    QCOMPARE(d.visibleScreens(), easy::names({StartF}));
    QVERIFY(app.canvas().items().empty());
    d.click(StartF, "Command3");
    QCOMPARE(d.visibleScreens(), easy::names({EasyR1, SetForm}));
  }
};

KAIRO_TEST_CASE(ProblemSwitch)
#include "problem_switch.moc"
