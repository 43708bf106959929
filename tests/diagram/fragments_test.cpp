#include <QTest>

#include "core/exercise_state.h"
#include "diagram/canvas.h"
#include "diagram/drawing_list.h"
#include "diagram/elements.h"
#include "support/test_main.h"

using namespace kairo;
using kairo::test::describe;
using kairo::test::Expected;

namespace {

using Procedure = void (*)(Canvas&, const ExerciseState&);

ExerciseState loaded() {
  ExerciseState state;
  state.originX = state.originY = state.cursorX = 1000;
  state.branch2X = 2000;
  state.branch3X = 3000;
  state.resistance1 = 50;
  state.resistance2 = 30;
  state.resistance3 = 100;
  state.lcValue1 = 4;
  state.lcValue2 = 7;
  state.lcValue3 = 10;
  state.voltageE = 50;
  return state;
}

// What `procedure` draws with cursorX set by hand to `cursorX`.
QStringList byHand(Procedure procedure, int cursorX) {
  ExerciseState state = loaded();
  state.cursorX = cursorX;
  Canvas canvas;
  procedure(canvas, state);
  return describe(canvas.items());
}

// The labelled arrows I2 and I3, and the I1 arrow, as the screens describe them.
Expected arrow1() {
  return Expected()
      .line(1800, 800, 2100, 800, Qt::black)
      .to(2000, 850, Qt::black)
      .line(2100, 800, 2000, 750, Qt::black);
}
Expected branchArrows() {
  return Expected()
      .text(3400, 1500, "I2")
      .line(3300, 1500, 3300, 1800, Qt::black)
      .to(3250, 1700, Qt::black)
      .line(3300, 1800, 3350, 1700, Qt::black)
      .text(4400, 1500, "I3")
      .line(4300, 1500, 4300, 1800, Qt::black)
      .to(4250, 1700, Qt::black)
      .line(4300, 1800, 4350, 1700, Qt::black);
}

}  // namespace

class FragmentsTest : public QObject {
  Q_OBJECT

 private slots:
  void elementsGoToTheirPositionByKind() {
    const struct {
      int position, kind;
      Procedure procedure;
    } cases[] = {
        {1, 1, teiko},      {1, 2, kondensa},      {1, 3, koiru},
        {2, 1, tateteiko0}, {2, 2, tatekondensa0}, {2, 3, migitatekoiru0},
        {3, 1, tateteiko},  {3, 2, tatekondensa},  {3, 3, migitatekoiru},
    };
    for (const auto& c : cases) {
      ExerciseState state = loaded();
      state.cursorX = 0;
      Canvas canvas;
      drawElement(canvas, state, c.position, c.kind);
      QCOMPARE(state.cursorX, 1000 * c.position);
      QCOMPARE(describe(canvas.items()), byHand(c.procedure, 1000 * c.position));
    }
    // An unknown kind draws nothing.
    ExerciseState state = loaded();
    Canvas canvas;
    for (int position = 1; position <= 3; ++position)
      for (int kind : {0, 4}) drawElement(canvas, state, position, kind);
    QVERIFY(canvas.items().empty());
  }

  void branchesAloneCarryTheirOwnWires() {
    const Procedure second[] = {tateteiko00, tatekondensa00, migitatekoiru00};
    const Procedure third[] = {tateteiko, tatekondensa, migitatekoiru};
    for (int kind = 1; kind <= 3; ++kind) {
      ExerciseState state = loaded();
      Canvas canvas;
      drawBranchAlone(canvas, state, 2, kind);
      QCOMPARE(state.cursorX, 2000);
      const QStringList drawn = describe(canvas.items());
      QCOMPARE(drawn, byHand(second[kind - 1], 2000));
      // Both wires of the element-2 branch reach back to x = 2000.
      QVERIFY(drawn.first().startsWith("line (2000,1000)-(3000,1000)"));
      QVERIFY(drawn.last().contains("-(2000,2000)"));

      canvas.clearCanvas();
      drawBranchAlone(canvas, state, 3, kind);
      QCOMPARE(state.cursorX, 3000);
      QCOMPARE(describe(canvas.items()), byHand(third[kind - 1], 3000));
    }
  }

  void theSourceFollowsTheCircuitClass() {
    ExerciseState state = loaded();
    state.cursorX = 3000;
    Canvas canvas;
    drawSource(canvas, state, true);
    QCOMPARE(state.cursorX, 1000);
    QCOMPARE(describe(canvas.items()), byHand(dengen, 1000));
    canvas.clearCanvas();
    state.cursorX = 3000;
    drawSource(canvas, state, false);
    QCOMPARE(state.cursorX, 1000);
    QCOMPARE(describe(canvas.items()), byHand(koryudengen, 1000));
  }

  void valueLabelsStandBesideTheirElements() {
    ExerciseState state = loaded();
    state.unitText = "V";  // left over from the last source line
    Canvas canvas;
    printElementValue(canvas, state, 1, 1, "R1", "=");
    QCOMPARE(state.unitText, QString("Ω"));
    printElementValue(canvas, state, 2, 1, "R2", "=");
    printElementValue(canvas, state, 3, 1, "z3", ":");
    printElementValue(canvas, state, 1, 2, "Z1", ":");
    printElementValue(canvas, state, 2, 2, "z2", "=");
    printElementValue(canvas, state, 3, 2, "Z3", ":");
    state.unitText = "V";
    printElementValue(canvas, state, 1, 3, "Z1", ":");
    printElementValue(canvas, state, 2, 3, "Z2", ":");
    printElementValue(canvas, state, 3, 3, "Z3", "=");
    QCOMPARE(state.unitText, QString("V"));  // only a resistor sets the unit
    printElementValue(canvas, state, 2, 0, "z2", ":");
    printSourceVoltage(canvas, state);
    QCOMPARE(state.unitText, QString("V"));
    QCOMPARE(describe(canvas.items()), Expected()
                                           .text(2430, 650, "R1= 50 Ω")
                                           .text(3050, 1200, "R2= 30 Ω")
                                           .text(4050, 1200, "z3: 100 Ω")
                                           .text(2430, 650, "Z1: 4 uF")
                                           .text(3050, 1200, "z2= 7 uF")
                                           .text(4050, 1200, "Z3: 10 uF")
                                           .text(2430, 650, "Z1: 4 mH")
                                           .text(3280, 1200, "Z2: 7 mH")
                                           .text(4350, 1200, "Z3= 10 mH")
                                           .text(1300, 1450, " 50 V")
                                           .entries());
  }

  void arrowFragments() {
    Canvas canvas;
    kairo::currentArrows(canvas);
    QCOMPARE(describe(canvas.items()),
             Expected().text(2000, 500, "I1").then(arrow1()).then(branchArrows()).entries());

    canvas.clearCanvas();
    currentArrow1(canvas);
    branchCurrentArrows(canvas);
    QCOMPARE(describe(canvas.items()), arrow1().then(branchArrows()).entries());
  }

  void totalCurrentReviewFrame() {
    ExerciseState state = loaded();
    state.voltageE = 30;
    Canvas canvas;
    totalCurrentReview(canvas, state, kLightRed);
    const QColor black = Qt::black, red(255, 0, 0);
    QCOMPARE(describe(canvas.items()), Expected()
                                           .text(3100, 500, "I")
                                           .line(3000, 800, 3300, 800, black)
                                           .to(3200, 850, black)
                                           .line(3300, 800, 3200, 750, black)
                                           .line(3000, 1300, 3000, 1000, black)
                                           .to(2950, 1100, black)
                                           .line(3000, 1000, 3050, 1100, black)
                                           .line(3000, 1700, 3000, 2000, black)
                                           .to(2950, 1900, black)
                                           .line(3000, 2000, 3050, 1900, black)
                                           .text(2800, 1400, "E= 30 V")
                                           .line(3800, 1200, 4250, 1200, red)
                                           .to(4250, 1800, red)
                                           .to(3800, 1800, red)
                                           .to(3800, 1200, red)
                                           .entries());
  }
};

#include "fragments_test.moc"
KAIRO_TEST_CASE(FragmentsTest)
