// What the advanced course draws: the circuit again with one figure below it.
#include "core/expected.h"
#include "courses/advanced/advanced.h"
#include "courses/advanced/figures.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"

namespace kairo::advanced {
namespace {

using Figure = void (*)(Canvas&, const ExerciseState&);

// Figures never pile up: each one comes with a fresh drawing of the circuit.
void circuitWith(Canvas& canvas, ExerciseState& state, Figure figure) {
  canvas.clearCanvas();
  drawWholeCircuit(canvas, state, QStringLiteral("Z"), QStringLiteral(":"));
  if (const std::optional<ExerciseState> answers = solved(state)) figure(canvas, *answers);
}

}  // namespace

void drawImpedanceFigure(Canvas& canvas, ExerciseState& state) {
  circuitWith(canvas, state, drawImpedanceTriangle);
}
void drawPowerFigure(Canvas& canvas, ExerciseState& state) {
  circuitWith(canvas, state, drawPowerTriangle);
}
void drawVoltageFigure(Canvas& canvas, ExerciseState& state) {
  circuitWith(canvas, state, drawVoltagePhasors);
}
void drawPhasorFigure(Canvas& canvas, ExerciseState& state) {
  circuitWith(canvas, state, drawPhasorDiagram);
}

}  // namespace kairo::advanced
