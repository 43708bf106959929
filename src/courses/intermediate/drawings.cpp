// What the buttons of the intermediate course draw on the drawing screen.
#include "core/exercise_state.h"
#include "core/expected.h"
#include "core/number.h"
#include "courses/intermediate/intermediate.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"

namespace kairo::intermediate {

namespace {

// A coil's label is written with a capital Z on the branch drawings, the others with a small z.
QString branchLabel(int position, int kind) {
  return (kind == 3 ? QStringLiteral("Z") : QStringLiteral("z")) + QString::number(position);
}

}  // namespace

void drawParallelPart(Canvas& canvas, ExerciseState& state, const QString& separator) {
  for (int k = 2; k <= 3; ++k) {
    const int kind = state.elementKind(k);
    drawBranchAlone(canvas, state, k, kind);
    printElementValue(canvas, state, k, kind, branchLabel(k, kind), separator);
  }
}

void drawBranchCurrentReview(Canvas& canvas, ExerciseState& state) {
  // The whole complex current I1, written like the combined impedance of the other review.
  const Complex i1 = expectedOf(state, Expect::Current1);
  canvas.moveTo(2000, 500);
  canvas.printItems(
      {"I=", shownNumber(i1.re, Pattern::Zero2), "+j(", shownNumber(i1.im, Pattern::Zero2), ")A"});
  currentArrow1(canvas);
  branchCurrentArrows(canvas);
  drawParallelPart(canvas, state, QStringLiteral("="));
}

void drawTotalCurrentReview(Canvas& canvas, ExerciseState& state) {
  gosei(canvas, state);
  totalCurrentReview(canvas, state, kForeground);
  state.unitText = QStringLiteral("Ω");
  const Complex z = expectedOf(state, Expect::ZTotal);
  canvas.moveTo(4300, 1400);
  canvas.printItems({"Z=", shownNumber(z.re, Pattern::Hash2), "+j(",
                     shownNumber(z.im, Pattern::Hash2), ")", state.unitText});
}

void drawArrows(Canvas& canvas, ExerciseState&) {
  currentArrows(canvas);
}

void drawParallelReview(Canvas& canvas, ExerciseState& state) {
  drawParallelPart(canvas, state, QStringLiteral(":"));
}

void drawImpedanceAgain(Canvas& canvas, ExerciseState& state) {
  canvas.clearCanvas();
  drawWholeCircuit(canvas, state, QStringLiteral("z"), QStringLiteral(":"));
}

void drawCurrentsAgain(Canvas& canvas, ExerciseState& state) {
  drawWholeCircuit(canvas, state, QStringLiteral("z"), QStringLiteral("="));
  currentArrows(canvas);
}

}  // namespace kairo::intermediate
