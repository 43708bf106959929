// The intermediate course through its windows: the clean pass, the retries and the three reviews.
#include <QtTest>

#include "courses/intermediate/ac_support.h"
#include "support/test_main.h"

using namespace kairo;
using namespace kairo::test;
using namespace kairo::screens;

namespace {

// 50 Ω, 4 µF, 7 mH, 100 V: Z = 50 - j38.89, I1 = 1.25 + j0.97, I2 = 1.94 + j1.51,
// I3 = -0.69 - j0.54.
void example(AcCourse& c) {
  setCircuit(c.app.state(), {1, 2, 3}, {50, 4, 7}, 100);
}

void typeRow(AcCourse& c, ScreenId id, int k, const char* re, const char* im) {
  c.d.type(id, qPrintable(QStringLiteral("txtArr%1").arg(k)), QString::fromUtf8(re));
  c.d.type(id, qPrintable(QStringLiteral("txtAjj%1").arg(k)), QString::fromUtf8(im));
}

void threeMisses(AcCourse& c, ScreenId id, const char* box) {
  for (int miss = 0; miss < 3; ++miss) c.miss(id, box);
}

// Normali answered right and NEXT pressed: NormalAA is open.
void toCurrents(AcCourse& c) {
  c.typeImpedance(Normali);
  c.check(Normali);
  c.d.click(NormaliSeikai, "Command1");
}

}  // namespace

class IntermediateCourse : public QObject {
  Q_OBJECT

 private slots:
  // One miss, then the right impedance and currents of the generated problem.
  void cleanPass() {
    AcCourse c;
    const QStringList circuit = c.drawn();
    c.miss(Normali, "txtrr");
    c.typeImpedance(Normali);
    c.check(Normali);
    QVERIFY(c.d.visible(NormaliSeikai));
    QCOMPARE(c.d.text(Normali, "lblA"), QStringLiteral("正解！！"));
    QCOMPARE(c.app.state().missCount, 1);  // a right answer does not reset the count
    c.d.click(NormaliSeikai, "Command1");
    QCOMPARE(c.drawn(), circuit + QStringList({"I1", "I2", "I3"}));
    QCOMPARE(c.app.state().missCount, 0);
    QCOMPARE(c.visible(), names({Normali, NormalAA, SetForm}));
    saveShot(c.d.form(SetForm), QStringLiteral("drawing_arrows"));

    for (int k = 1; k <= 3; ++k) c.typeCurrent(NormalAA, k);
    c.check(NormalAA);
    QCOMPARE(c.d.text(NormalAASeikai, "Label2"), QStringLiteral("中級合格です！"));
    c.d.click(NormalAASeikai, "Command1");
    QCOMPARE(c.visible(), names({StartF}));
  }

  // "もう一度やり直す" keeps the drawing and opens the second-chance exercise; leaving NormalAA
  // empties its boxes and count.
  void retries() {
    AcCourse c;
    example(c);
    const QStringList circuit = c.drawn();
    threeMisses(c, Normali, "txtrr");
    QVERIFY(!c.d.visible(NormaliFuseikai1));
    c.d.click(NormaliFuseikai2, "Command1");
    QCOMPARE(c.visible(), names({Normali2, SetForm}));
    QCOMPARE(c.drawn(), circuit);
    c.d.type(Normali2, "txtrr", "50");
    c.d.type(Normali2, "txtjj", "-38.89");
    c.check(Normali2);
    QCOMPARE(c.d.text(Normali2, "Labelrr") + c.d.text(Normali2, "Labeljj"), "50.-38.89");
    c.d.click(NormaliSeikai, "Command1");
    QCOMPARE(c.visible(), names({Normali2, NormalAA, SetForm}));

    // I1 right opens 不正解2, I1 wrong 不正解3; both retry on NormalAA2.
    for (auto [selection, spoiled] :
         {std::pair{NormalAAFuseikai2, "txtArr2"}, {NormalAAFuseikai3, "txtAjj1"}}) {
      c.app.hide(NormalAA2);
      c.app.open(NormalAA);
      for (int k = 1; k <= 3; ++k) c.typeCurrent(NormalAA, k);
      threeMisses(c, NormalAA, spoiled);
      QVERIFY(c.d.visible(selection) && !c.d.visible(NormalAAFuseikai1));
      c.d.click(selection, "Command1");
      QCOMPARE(c.visible(), names({Normali2, NormalAA2, SetForm}));
      QCOMPARE(c.drawn(), circuit + QStringList({"I1", "I2", "I3"}));
      QCOMPARE(c.d.text(NormalAA, "txtArr1") + c.d.text(NormalAA, "Label6"), "0");
    }
  }

  // The parallel-part review: the two branches alone, Normali並 emptied, Z left alone, then the
  // whole circuit again with ":".
  void impedanceReview() {
    AcCourse c;
    example(c);
    for (const char* field : {"txtrr", "Labelrr", "lblA", "Label6"})
      c.app.setText(NormaliHei, field, "7");
    threeMisses(c, Normali, "txtrr");
    c.d.click(NormaliFuseikai2, "Command2");
    QCOMPARE(c.visible(), names({NormaliHei, SetForm}));
    QCOMPARE(c.drawn(), (QStringList{"z2: 4 uF", "Z3: 7 mH"}));
    saveShot(c.d.form(SetForm), QStringLiteral("drawing_parallel_review"));
    for (const char* field : {"txtrr", "Labelrr", "lblA", "Label6"})
      QCOMPARE(c.d.text(NormaliHei, field), QString(field == QLatin1String("Label6") ? "0" : ""));

    c.app.state().zTotal = {1, 2};
    c.d.type(NormaliHei, "txtrr", "0");
    c.d.type(NormaliHei, "txtjj", "-38.89");
    c.check(NormaliHei);
    QVERIFY(c.d.visible(NormaliHeiSeikai));
    QCOMPARE(c.app.state().zTotal, (Complex{1, 2}));
    QCOMPARE(c.d.text(NormaliHei, "Labelrr"), QString());  // not shown on a right answer
    c.d.click(NormaliHeiSeikai, "Command1");
    QCOMPARE(c.visible(), names({Normali2, SetForm}));
    QCOMPARE(c.drawn(), (QStringList{"z1: 50 Ω", "z2: 4 uF", "z3: 7 mH", " 100 V"}));
    saveShot(c.d.form(SetForm), QStringLiteral("drawing_whole_colon"));
  }

  // I1 right but I3's values in the I2 row: the branch-current review, then NormalAA2.
  void branchCurrentReview() {
    AcCourse c;
    example(c);
    toCurrents(c);
    typeRow(c, NormalAA, 1, "1.25", "0.97");
    typeRow(c, NormalAA, 2, "-0.69", "-0.54");
    typeRow(c, NormalAA, 3, "-0.69", "-0.54");
    for (int miss = 0; miss < 3; ++miss) c.check(NormalAA);
    c.d.click(NormalAAFuseikai2, "Command2");
    QCOMPARE(c.visible(), names({Normali, NormalAAHei, SetForm}));
    QCOMPARE(c.drawn(), (QStringList{"I=1.25+j(0.97)A", "I2", "I3", "z2= 4 uF", "Z3= 7 mH"}));
    saveShot(c.d.form(SetForm), QStringLiteral("drawing_branch_current_review"));

    typeRow(c, NormalAAHei, 2, "1.94", "1.51");
    typeRow(c, NormalAAHei, 3, "-0.69", "-0.54");
    c.check(NormalAAHei);
    QCOMPARE(c.d.text(NormalAAHei, "LabelAjj2") + c.d.text(NormalAAHei, "lblA"), "1.51正解！！");
    c.d.click(NormalAAHeiSeikai, "Command1");
    QCOMPARE(c.visible(), names({Normali, NormalAA2, SetForm}));
    QCOMPARE(c.drawn(),
             (QStringList{"z1= 50 Ω", "z2= 4 uF", "z3= 7 mH", " 100 V", "I1", "I2", "I3"}));
    saveShot(c.d.form(SetForm), QStringLiteral("drawing_whole_equals_arrows"));

    for (int k = 1; k <= 3; ++k) c.typeCurrent(NormalAA2, k);
    c.check(NormalAA2);
    QCOMPARE(c.d.text(NormalAA2, "LabelArr1"), QString());  // not shown on a right answer
    c.d.click(NormalAASeikai, "Command1");
    QCOMPARE(c.visible(), names({StartF}));
  }

  // I1 wrong: the source and Z alone; the pass screen's END leaves no window of the course.
  void totalCurrentReview() {
    AcCourse c;
    example(c);
    toCurrents(c);
    for (int miss = 0; miss < 3; ++miss) c.check(NormalAA);
    c.d.click(NormalAAFuseikai3, "Command2");
    QCOMPARE(c.visible(), names({Normali, NormalAA3, SetForm}));
    QCOMPARE(c.drawn(), (QStringList{"I", "E= 100 V", "Z=50.+j(-38.89)Ω"}));
    saveShot(c.d.form(SetForm), QStringLiteral("drawing_total_current_review"));

    typeRow(c, NormalAA3, 1, "1.25", "0.97");
    c.check(NormalAA3);
    QCOMPARE(c.d.text(NormalAA3, "LabelArr1") + c.d.text(NormalAA3, "LabelAjj1"), "1.250.97");
    c.d.click(NormalAAHeiSeikai, "Command1");
    for (int k = 1; k <= 3; ++k) c.typeCurrent(NormalAA2, k);
    c.check(NormalAA2);
    c.d.click(NormalAASeikai, "Command1");
    QCOMPARE(c.visible(), names({StartF}));
  }
};

KAIRO_TEST_CASE(IntermediateCourse)
#include "intermediate_course.moc"
