// The problem generator of the beginner course: three resistors and a source, drawn, labelled
// and summarised in the code panel.
#include "core/circuit_code.h"
#include "core/random.h"
#include "courses/beginner/beginner.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"
#include "ui/code_panel.h"
#include "ui/session.h"

namespace kairo::beginner {

int drawTens(Random& random) {
  return 10 * random.pick(10);
}

void drawBeginnerValues(ExerciseState& state, Random& random) {
  for (int k = 1; k <= 3; ++k) {
    state.resistance(k) = drawTens(random);
    state.reactance(k) = 0.0;
  }
  state.voltageE = drawTens(random);
}

QString beginnerCircuitCode(const ExerciseState& state) {
  return encodeCircuitCode(
      int(state.voltageE) / 10, {1, 1, 1},
      {state.resistance1 / 10, state.resistance2 / 10, state.resistance3 / 10});
}

void startProblem(Session& app) {
  ExerciseState& state = app.state();
  // No window may go on showing, or checking, the earlier problem.
  app.beginProblem(course());
  Canvas& canvas = app.canvas();
  canvas.clearCanvas();
  state.missCount = 0;

  state.branch2X = 2000;
  state.originY = 1000;
  state.originX = 1000;
  state.cursorX = 1000;
  state.branch3X = 3000;
  // The source and resistor 1 both draw at cursorX = 1000; the branches use their own columns.
  teiko(canvas, state);
  tateteiko(canvas, state);
  tateteiko0(canvas, state);
  dengen(canvas, state);

  drawBeginnerValues(state, app.random());
  printValueLabels(canvas, state);  // leaves unitText "V"

  showCircuitCode(app, beginnerCircuitCode(state));
}

}  // namespace kairo::beginner
