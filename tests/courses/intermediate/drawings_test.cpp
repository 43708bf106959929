#include <QtTest>

#include "ac_support.h"
#include "courses/intermediate/intermediate.h"
#include "support/test_main.h"

using namespace kairo;
using namespace kairo::intermediate;
using namespace kairo::test;

class AcDrawings : public QObject {
  Q_OBJECT

 private slots:
  // Labels stand where the element kinds put them; a kind field that lags behind the values (a
  // beginner problem sets none, a kept element keeps the earlier one) draws what the values make
  // the element; a resistor carries Ω though unitText was "V".
  void labelsAndLaggingKinds() {
    ExerciseState s;
    setCircuit(s, {1, 2, 3}, {50, 4, 7}, 100);
    s.unitText = QStringLiteral("V");
    Canvas whole;
    drawWholeCircuit(whole, s, QStringLiteral("z"), QStringLiteral("="));
    QStringList at;
    for (const auto& item : whole.items())
      if (const auto* text = std::get_if<Canvas::Text>(&item))
        at << QStringLiteral("%1 %2,%3").arg(text->text).arg(text->at.x()).arg(text->at.y());
    QCOMPARE(at, (QStringList{QStringLiteral("z1= 50 Ω 2430,650"), "z2= 4 uF 3050,1200",
                              "z3= 7 mH 4350,1200", " 100 V 1300,1450"}));

    s.kind1 = s.kind2 = s.kind3 = 0;
    Canvas lagging;
    drawWholeCircuit(lagging, s, QStringLiteral("z"), QStringLiteral(":"));
    QCOMPARE(lagging.printedTexts(),
             (QStringList{QStringLiteral("z1: 50 Ω"), "z2: 4 uF", "z3: 7 mH", " 100 V"}));

    setCircuit(s, {1, 3, 1}, {10, 2, 30}, 10);
    s.kind3 = 4;
    Canvas branches;
    drawParallelPart(branches, s, QStringLiteral(":"));
    QCOMPARE(branches.printedTexts(), (QStringList{QStringLiteral("Z2: 2 mH"), "z3: 30 Ω"}));
  }

  // The reviews print the values of the circuit on the drawing, whatever an earlier check left:
  // the whole complex current, and Z with "#.##", a part that rounds to zero as "0.".
  void reviewTexts_data() {
    QTest::addColumn<QList<int>>("circuit");  // kinds, values, volts
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("impedance");
    QTest::newRow("10 uF, 20 Ω, 2 mH: Z = 10")
        << QList<int>{2, 1, 3, 10, 20, 2, 50} << "I=5.+j(0.)A"
        << "Z=10.+j(0.)Ω";
    QTest::newRow("50 Ω, 4 uF, 7 mH") << QList<int>{1, 2, 3, 50, 4, 7, 100} << "I=1.25+j(0.97)A"
                                      << "Z=50.+j(-38.89)Ω";
    QTest::newRow("small parts") << QList<int>{2, 1, 3, 10, 100, 1, 10} << "I=10.+j(1.)A"
                                 << "Z=.99+j(-.1)Ω";
  }
  void reviewTexts() {
    QFETCH(QList<int>, circuit);
    QFETCH(QString, current);
    QFETCH(QString, impedance);
    ExerciseState s;
    setCircuit(s, {circuit[0], circuit[1], circuit[2]}, {circuit[3], circuit[4], circuit[5]},
               circuit[6]);
    s.zTotal = {1, 2};
    s.current1 = {3, 4};
    Canvas branch, total;
    drawBranchCurrentReview(branch, s);
    drawTotalCurrentReview(total, s);
    QCOMPARE(branch.printedTexts().first(), current);
    QCOMPARE(total.printedTexts().last(), impedance);
  }
};

KAIRO_TEST_CASE(AcDrawings)
#include "drawings_test.moc"
