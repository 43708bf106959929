// The beginner course walked through its windows: the clean pass, the retry and review roads of
// both selection screens, with what stays visible and what the drawing screen shows on the way.
#include <QTest>

#include "courses/beginner/course_expect.h"
#include "support/test_main.h"

using namespace kairo;
using namespace kairo::test;
using namespace kairo::test::easy;
using namespace kairo::screens;

namespace {

const Problem kSeventy{50, 30, 60, 50};  // R 70, Rp 20, I .71 .48 .24

QStringList valueTexts(const Problem& p) {
  return {QString("R1= %1 Ω").arg(p.r1), QString("R2= %1 Ω").arg(p.r2),
          QString("R3= %1 Ω").arg(p.r3), QString(" %1 V").arg(p.e)};
}

QStringList withArrows(QStringList texts) {
  return texts << "I1"
               << "I2"
               << "I3";
}

// The three labelled current arrows, written down from the drawing's description.
QStringList arrowStrokes() {
  Expected e;
  e.line(1800, 800, 2100, 800, kForeground).to(2000, 850, kForeground);
  e.line(2100, 800, 2000, 750, kForeground);
  for (int x : {3300, 4300})
    e.line(x, 1500, x, 1800, kForeground)
        .to(x - 50, 1700, kForeground)
        .line(x, 1800, x + 50, 1700, kForeground);
  QStringList out = e.entries();
  out.sort();
  return out;
}

QStringList minus(QStringList all, const QStringList& part) {
  for (const QString& s : part) all.removeOne(s);
  return all;
}

}  // namespace

class BeginnerCourse : public QObject {
  Q_OBJECT

 private slots:
  void cleanPass() {
    Application app;
    EasyCourse d(app);
    const Problem p = d.begin();
    const QStringList circuit = strokes(app.canvas());
    d.resistance(EasyR1, typed(p.total()));
    QCOMPARE(d.visibleScreens(), names({EasyR1, EasyRSeikai, SetForm}));
    QCOMPARE(d.text(EasyR1, "lblA"), "正解！！");

    d.click(EasyRSeikai, "Command1");
    QCOMPARE(d.visibleScreens(), names({EasyA, EasyR1, SetForm}));
    QCOMPARE(app.canvas().printedTexts(), withArrows(valueTexts(p)));
    QCOMPARE(minus(strokes(app.canvas()), circuit), arrowStrokes());
    QCOMPARE(d.text(EasyA, "txtArr1") + d.text(EasyA, "txtArr3") + d.text(EasyA, "Label6"), "0");

    d.currents(EasyA, typed(p.current(1)), typed(p.current(2)), typed(p.current(3)));
    QCOMPARE(d.visibleScreens(), names({EasyA, EasyASeikai, EasyR1, SetForm}));
    QCOMPARE(d.text(EasyASeikai, "Label2"), "初級合格です！");
    d.click(EasyASeikai, "Command1");
    QCOMPARE(d.visibleScreens(), names({StartF}));
  }

  // Misses on EasyR1 count on through "戻る"; the third offers the selection, a fourth only
  // brings back the incorrect-answer screen; the retry asks again on EasyR2 over the same drawing.
  void resistanceRetry() {
    Application app;
    EasyCourse d(app);
    d.begin(kSeventy);
    const QStringList texts = app.canvas().printedTexts(), circuit = strokes(app.canvas());
    for (int miss = 1; miss <= 2; ++miss) {
      d.resistance(EasyR1, "20");
      QCOMPARE(d.visibleScreens(), names({EasyR1, EasyRFuseikai1, SetForm}));
      QCOMPARE(d.text(EasyR1, "Label6"), QString::number(miss));
      d.click(EasyRFuseikai1, "Command1");
      QCOMPARE(d.visibleScreens(), names({EasyR1, SetForm}));
    }
    d.resistance(EasyR1, "69.99");
    QCOMPARE(d.visibleScreens(), names({EasyR1, EasyRFuseikai2, SetForm}));
    d.resistance(EasyR1, "abc");
    QCOMPARE(d.visibleScreens(), names({EasyR1, EasyRFuseikai1, EasyRFuseikai2, SetForm}));
    QCOMPARE(d.text(EasyR1, "Label6"), "4");
    d.click(EasyRFuseikai1, "Command1");

    d.click(EasyRFuseikai2, "Command1");
    QCOMPARE(d.visibleScreens(), names({EasyR2, SetForm}));
    QCOMPARE(d.state().missCount, 0);
    QCOMPARE(d.text(EasyR1, "txtZR") + d.text(EasyR1, "Label6"), "0");
    QCOMPARE(app.canvas().printedTexts(), texts);
    QCOMPARE(strokes(app.canvas()), circuit);

    d.resistance(EasyR2, "20");
    QCOMPARE(d.visibleScreens(), names({EasyR2, EasyR2Fuseikai1, SetForm}));
    d.resistance(EasyR2, "70.00");
    QCOMPARE(d.visibleScreens(), names({EasyR2, EasyRSeikai, SetForm}));
    QCOMPARE(d.text(EasyR2, "lblZR") + d.text(EasyR2, "lblA") + d.text(EasyR2, "Label6"),
             "70.正解！！1");
    d.click(EasyRSeikai, "Command1");
    QCOMPARE(d.visibleScreens(), names({EasyA, EasyR2, SetForm}));
    d.currents(EasyA, ".71", "0.48", ".24");
    d.click(EasyASeikai, "Command1");
    QCOMPARE(d.visibleScreens(), names({StartF}));
  }

  // The parallel part alone, then the whole circuit redrawn exactly as the generator drew it.
  void parallelReview() {
    Application app;
    EasyCourse d(app);
    const Problem p = d.begin();
    const QStringList texts = app.canvas().printedTexts(), circuit = strokes(app.canvas());
    for (int miss = 0; miss < 3; ++miss) d.resistance(EasyR1, "1");
    d.click(EasyRFuseikai2, "Command2");
    QCOMPARE(d.visibleScreens(), names({EasyRHei, SetForm}));
    QCOMPARE(d.state().missCount, 0);
    QCOMPARE(app.canvas().printedTexts(), valueTexts(p).mid(1, 2));
    // Neither resistor 1 (its zigzag rises above the top wire) nor the source (at x = 2000).
    for (const auto& item : app.canvas().items())
      if (const auto* line = std::get_if<Canvas::Line>(&item))
        QVERIFY(std::min(line->from.y(), line->to.y()) >= 1000 &&
                line->from.x() + line->to.x() > 4000);

    const double total = d.state().zTotal.re;
    d.resistance(EasyRHei, typed(p.total()));  // the whole resistance is not the parallel part
    QCOMPARE(d.visibleScreens(), names({EasyRHei, EasyRHeiFuseikai1, SetForm}));
    d.click(EasyRHeiFuseikai1, "Command1");
    d.resistance(EasyRHei, typed(p.parallel()));
    QCOMPARE(d.visibleScreens(), names({EasyRHei, EasyRHeiSeikai, SetForm}));
    QCOMPARE(d.text(EasyRHei, "lblA"), "正解！！");
    QCOMPARE(d.state().zTotal.re, total);

    d.click(EasyRHeiSeikai, "Command1");
    QCOMPARE(d.visibleScreens(), names({EasyR2, EasyRHei, SetForm}));
    QCOMPARE(strokes(app.canvas()), circuit);
    QCOMPARE(app.canvas().printedTexts(), texts);
    QCOMPARE(d.state().missCount, 0);
    d.resistance(EasyR2, typed(p.total()));
    d.click(EasyRSeikai, "Command1");
    QCOMPARE(d.visibleScreens(), names({EasyA, EasyR2, SetForm}));
    QCOMPARE(minus(strokes(app.canvas()), circuit), arrowStrokes());
  }

  // Three misses on EasyA: the first current decides the review, which redraws a reduced circuit
  // with partial results; a right answer there leads back to the whole circuit on EasyA2.
  void currentReviews_data() {
    QTest::addColumn<Problem>("p");
    QTest::addColumn<bool>("firstRight");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("split") << Problem{10, 20, 70, 30} << true
                           << QStringList{"I=1.17A", "I2", "I3", "R2= 20 Ω", "R3= 70 Ω"};
    QTest::newRow("total") << Problem{10, 20, 70, 30} << false
                           << QStringList{"I", "E= 30 V", "R=25.556Ω"};
    QTest::newRow("total, whole R") << kSeventy << false << QStringList{"I", "E= 50 V", "R=70.Ω"};
  }

  void currentReviews() {
    QFETCH(Problem, p);
    QFETCH(bool, firstRight);
    QFETCH(QStringList, texts);
    Application app;
    EasyCourse d(app);
    d.begin(p);
    d.resistance(EasyR1, typed(p.total()));
    d.click(EasyRSeikai, "Command1");
    const QString i1 = typed(p.current(1)), i2 = typed(p.current(2)), i3 = typed(p.current(3));
    for (int miss = 1; miss <= 4; ++miss) d.currents(EasyA, firstRight ? i1 : "9", i3, i2);
    const ScreenId selection = firstRight ? EasyAFuseikai2 : EasyAFuseikai3;
    QCOMPARE(d.visibleScreens(), names({EasyA, EasyAFuseikai1, selection, EasyR1, SetForm}));
    QCOMPARE(d.text(EasyA, "Label6"), "4");
    d.click(EasyAFuseikai1, "Command1");

    d.click(selection, "Command2");
    const ScreenId review = firstRight ? EasyAHei : EasyA3;
    QCOMPARE(d.visibleScreens(), names({review, EasyR1, SetForm}));
    QCOMPARE(d.text(EasyA, "txtArr1") + d.text(EasyA, "Label6"), "0");
    QCOMPARE(d.state().missCount, 0);
    QCOMPARE(app.canvas().printedTexts(), texts);
    const QStringList drawn = strokes(app.canvas());
    QStringList marks = arrowStrokes();
    if (!firstRight) {
      Expected box;
      box.line(3800, 1200, 4250, 1200, kLightRed).to(4250, 1800, kLightRed);
      box.to(3800, 1800, kLightRed).to(3800, 1200, kLightRed);
      marks = box.entries();
    }
    for (const QString& mark : marks) QVERIFY2(drawn.contains(mark), qPrintable(mark));

    if (firstRight) {
      d.answer(EasyAHei, {{"txtArr2", i3}, {"txtArr3", i2}});
      QVERIFY(d.visible(EasyAHeiFuseikai1));
      d.answer(EasyAHei, {{"txtArr2", i2}, {"txtArr3", i3}});
      QCOMPARE(d.text(EasyAHei, "lblA"), "正解！！");
    } else {
      d.answer(EasyA3, {{"txtArr1", i1}});
    }
    QCOMPARE(d.visibleScreens(), names({review, EasyAHeiSeikai, EasyR1, SetForm}));
    d.click(EasyAHeiSeikai, "Command1");
    QCOMPARE(d.visibleScreens(), names({EasyA2, EasyR1, SetForm}));
    QCOMPARE(app.canvas().printedTexts(), withArrows(valueTexts(p)));
    d.currents(EasyA2, i1, i2, i3);
    d.click(EasyASeikai, "Command1");
    QCOMPARE(d.visibleScreens(), names({StartF}));
  }

  // Both selection screens' retry leads to EasyA2 over the unchanged drawing; a later pass finds
  // EasyA2 empty, counting from 0 (a new problem leaves nothing of the earlier one).
  void currentRetries() {
    Application app;
    EasyCourse d(app);
    for (const ScreenId selection : {EasyAFuseikai2, EasyAFuseikai3}) {
      d.begin(kSeventy);
      d.resistance(EasyR1, "70");
      d.click(EasyRSeikai, "Command1");
      for (int miss = 1; miss <= 3; ++miss)
        d.currents(EasyA, selection == EasyAFuseikai2 ? ".71" : "1", "9", "9");
      const QStringList texts = app.canvas().printedTexts(), drawn = strokes(app.canvas());
      d.click(selection, "Command1");
      QCOMPARE(d.visibleScreens(), names({EasyA2, EasyR1, SetForm}));
      QCOMPARE(d.state().missCount, 0);
      QCOMPARE(d.text(EasyA, "txtArr2") + d.text(EasyA, "Label6"), "0");
      QCOMPARE(d.text(EasyA2, "LabelArr1") + d.text(EasyA2, "Label6"), "0");
      QCOMPARE(app.canvas().printedTexts(), texts);
      QCOMPARE(strokes(app.canvas()), drawn);
      for (int miss = 1; miss <= 3; ++miss) d.currents(EasyA2, "9", "9", "9");
      QCOMPARE(d.text(EasyA2, "LabelArr1"), "0.71");
      d.click(EasyREND, "Command1");
      QCOMPARE(d.visibleScreens(), names({StartF}));
    }
  }
};

KAIRO_TEST_CASE(BeginnerCourse)
#include "beginner_course.moc"
