// Misses on the intermediate exercises: the selection after the third miss of a first attempt,
// the answer shown at the third miss of a second chance and the return to the start at the fourth.
#include <QtTest>

#include "courses/intermediate/ac_support.h"
#include "support/test_main.h"

using namespace kairo;
using namespace kairo::test;
using namespace kairo::screens;

namespace {

// The 50 Ω / 4 µF / 7 mH / 100 V circuit, run up to a second-chance exercise.
void reach(AcCourse& c, ScreenId target) {
  setCircuit(c.app.state(), {1, 2, 3}, {50, 4, 7}, 100);
  if (target == Normali2 || target == NormaliHei) {
    for (int miss = 0; miss < 3; ++miss) c.miss(Normali, "txtrr");
    c.d.click(NormaliFuseikai2, target == Normali2 ? "Command1" : "Command2");
    return;
  }
  c.typeImpedance(Normali);
  c.check(Normali);
  c.d.click(NormaliSeikai, "Command1");
  for (int k = 1; k <= 3; ++k) c.typeCurrent(NormalAA, k);
  for (int miss = 0; miss < 3; ++miss)
    c.miss(NormalAA, target == NormalAA3 ? "txtArr1" : "txtArr2");
  c.d.click(target == NormalAA3 ? NormalAAFuseikai3 : NormalAAFuseikai2,
            target == NormalAA2 ? "Command1" : "Command2");
}

}  // namespace

class IntermediateMisses : public QObject {
  Q_OBJECT

 private slots:
  // Misses 1 and 2 open the incorrect screen ("戻る" keeps the count), 3 the selection, 4 only
  // the incorrect screen again.
  void firstAttempt() {
    AcCourse c;
    c.miss(Normali, "txtrr");
    c.d.click(NormaliFuseikai1, "Command1");
    QVERIFY(!c.d.visible(NormaliFuseikai1) && c.d.visible(Normali));
    c.miss(Normali, "txtrr");
    c.miss(Normali, "txtrr");
    QVERIFY(c.d.visible(NormaliFuseikai2) && !c.d.visible(NormaliFuseikai1));
    c.miss(Normali, "txtrr");
    QVERIFY(c.d.visible(NormaliFuseikai1) && c.d.visible(NormaliFuseikai2));
    QCOMPARE(c.d.text(Normali, "Label6"), QStringLiteral("4"));
  }

  void followUp_data() {
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<ScreenId>("incorrect");
    QTest::addColumn<QStringList>("answers");  // "label=text"
    QTest::newRow("Normali2") << Normali2 << Normali2Fuseikai1
                              << QStringList{"Labelrr=50.", "Labeljj=-38.89"};
    QTest::newRow("Normali並") << NormaliHei << NormaliHeiFuseikai1
                               << QStringList{"Labelrr=0.", "Labeljj=-38.89"};
    QTest::newRow("NormalAA2") << NormalAA2 << NormalAA2Fuseikai1
                               << QStringList{"LabelArr1=1.25",  "LabelAjj1=0.97",
                                              "LabelArr2=1.94",  "LabelAjj2=1.51",
                                              "LabelArr3=-0.69", "LabelAjj3=-0.54"};
    QTest::newRow("NormalAA3") << NormalAA3 << NormalAA3Fuseikai1
                               << QStringList{"LabelArr1=1.25", "LabelAjj1=0.97"};
    QTest::newRow("NormalAA並") << NormalAAHei << NormalAAHeiFuseikai1
                                << QStringList{"LabelArr2=1.94", "LabelAjj2=1.51",
                                               "LabelArr3=-0.69", "LabelAjj3=-0.54"};
  }

  // The third miss shows the answer and opens NormalEND over the exercise; the fourth leaves
  // only the start screen, the problem kept.
  void followUp() {
    QFETCH(ScreenId, screen);
    QFETCH(ScreenId, incorrect);
    QFETCH(QStringList, answers);
    AcCourse c;
    reach(c, screen);
    c.check(screen);
    c.check(screen);
    QVERIFY(c.d.visible(incorrect) && !c.d.visible(NormalEND));
    c.check(screen);
    for (const QString& answer : answers)
      QCOMPARE(c.d.text(screen, qPrintable(answer.section('=', 0, 0))), answer.section('=', 1));
    QVERIFY(c.d.visible(NormalEND) && c.d.visible(screen) && !c.d.visible(incorrect));
    if (screen == NormalAA2) QVERIFY(!c.d.visible(Normali));
    c.check(screen);
    QCOMPARE(c.visible(), names({StartF}));
    QCOMPARE(c.app.state().voltageE, 100.0);
  }

  // After the third miss a right answer still opens the correct screen; NormalEND's END leaves
  // only the start screen, whatever else is open.
  void endScreen() {
    AcCourse c;
    reach(c, Normali2);
    for (int miss = 0; miss < 3; ++miss) c.check(Normali2);
    c.d.type(Normali2, "txtrr", "50");
    c.d.type(Normali2, "txtjj", "-38.89");
    c.check(Normali2);
    QVERIFY(c.d.visible(NormaliSeikai));
    c.app.open(Setsumei);
    c.d.click(NormalEND, "Command1");
    QCOMPARE(c.visible(), names({StartF}));
  }
};

KAIRO_TEST_CASE(IntermediateMisses)
#include "intermediate_misses.moc"
