#include "courses/intermediate/drawings.h"

#include "core/exercise_state.h"
#include "core/expected.h"
#include "core/number.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"

namespace kairo {

namespace {

// A coil's label is written with a capital Z on the branch drawings, the others with a small z.
QString branchLabel(int position, int kind) {
  return (kind == 3 ? QStringLiteral("Z") : QStringLiteral("z")) + QString::number(position);
}

}  // namespace

void drawWholeCircuit(Canvas& canvas, ExerciseState& state, const QString& letter,
                      const QString& separator) {
  for (int k = 1; k <= 3; ++k) {
    state.elementIndex = k;
    drawElement(canvas, state, k, state.elementKind(k));
  }
  drawSource(canvas, state,
             state.elementKind(1) == 1 && state.elementKind(2) == 1 && state.elementKind(3) == 1);
  for (int k = 1; k <= 3; ++k) {
    state.elementIndex = k;
    state.unitText = QStringLiteral("Ω");
    printElementValue(canvas, state, k, state.elementKind(k), letter + QString::number(k),
                      separator);
  }
  printSourceVoltage(canvas, state);
}

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

}  // namespace kairo
