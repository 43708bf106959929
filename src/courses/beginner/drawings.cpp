// What the buttons of the beginner course draw on the drawing screen.
#include "core/expected.h"
#include "core/number.h"
#include "courses/beginner/beginner.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"

namespace kairo::beginner {
namespace {

// The whole circuit at the drawing cursor the generation left (no layout field is set here).
void fullCircuit(Canvas& canvas, const ExerciseState& state) {
  canvas.clearCanvas();
  teiko(canvas, state);
  tateteiko0(canvas, state);
  tateteiko(canvas, state);
  dengen(canvas, state);
}

// The two parallel resistors alone, with their wires.
void parallelPart(Canvas& canvas, const ExerciseState& state) {
  tateteiko(canvas, state);
  tateteiko00(canvas, state);
}

void branchLabels(Canvas& canvas, ExerciseState& state) {
  printElementValue(canvas, state, 2, 1, QStringLiteral("R2"), QStringLiteral("="));
  printElementValue(canvas, state, 3, 1, QStringLiteral("R3"), QStringLiteral("="));
}

}  // namespace

void printValueLabels(Canvas& canvas, ExerciseState& state) {
  printElementValue(canvas, state, 1, 1, QStringLiteral("R1"), QStringLiteral("="));
  printElementValue(canvas, state, 2, 1, QStringLiteral("R2"), QStringLiteral("="));
  printElementValue(canvas, state, 3, 1, QStringLiteral("R3"), QStringLiteral("="));
  printSourceVoltage(canvas, state);
}

void drawArrows(Canvas& canvas, ExerciseState&) {
  currentArrows(canvas);
}

void drawParallelReview(Canvas& canvas, ExerciseState& state) {
  parallelPart(canvas, state);
  branchLabels(canvas, state);
}

void drawWholeAgain(Canvas& canvas, ExerciseState& state) {
  fullCircuit(canvas, state);
  printValueLabels(canvas, state);
}

void drawCurrentSplitReview(Canvas& canvas, ExerciseState& state) {
  parallelPart(canvas, state);
  canvas.moveTo(2000, 500);
  canvas.printItems(
      {"I=", shownNumber(expectedOf(state, Expect::Current1).re, Pattern::Zero2), "A"});
  currentArrow1(canvas);
  branchCurrentArrows(canvas);
  branchLabels(canvas, state);
}

void drawTotalCurrentReview(Canvas& canvas, ExerciseState& state) {
  tateteiko(canvas, state);
  totalCurrentReview(canvas, state, kLightRed);
  state.unitText = QStringLiteral("Ω");
  canvas.moveTo(4300, 1400);
  canvas.printItems(
      {"R=", shownNumber(expectedOf(state, Expect::ZTotal).re, Pattern::Hash3), state.unitText});
}

}  // namespace kairo::beginner
