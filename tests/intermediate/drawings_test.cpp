#include "intermediate/drawings.h"

#include <QtTest>

#include "ac_support.h"
#include "support/test_main.h"

using namespace kairo;
using namespace kairo::test;

class AcDrawings : public QObject {
  Q_OBJECT

 private slots:
  // Labels stand where the element kinds put them; a kind outside 1..3 draws and prints nothing
  // (at position 3 not even the voltage); a resistor carries Ω though unitText was "V".
  void labelsAndMissingKinds() {
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

    s.kind3 = 0;
    s.unitText = QStringLiteral("V");
    Canvas partial;
    drawWholeCircuit(partial, s, QStringLiteral("z"), QStringLiteral(":"));
    QCOMPARE(partial.printedTexts(), (QStringList{QStringLiteral("z1: 50 Ω"), "z2: 4 uF"}));

    setCircuit(s, {1, 3, 1}, {10, 2, 30}, 10);
    s.kind3 = 4;
    Canvas branches;
    drawParallelPart(branches, s, QStringLiteral(":"));
    QCOMPARE(branches.printedTexts(), QStringList{"Z2: 2 mH"});
  }

  // The total-current review writes Z with "#.##": no zero before the full stop.
  void totalCurrentReviewSmallParts() {
    ExerciseState s;
    s.voltageE = 30;
    s.zTotal = {0.5, -0.254};
    Canvas canvas;
    drawTotalCurrentReview(canvas, s);
    QCOMPARE(canvas.printedTexts().last(), QStringLiteral("Z=.5+j(-.25)Ω"));
  }
};

KAIRO_TEST_CASE(AcDrawings)
#include "drawings_test.moc"
