// The problem generator of the intermediate course: seven draws, repeated until the circuit has
// an answer, drawn with its values and coded.
#include "core/random.h"
#include "courses/intermediate/intermediate.h"
#include "diagram/canvas.h"
#include "ui/code_panel.h"
#include "ui/session.h"

namespace kairo::intermediate {

void startProblem(Session& app) {
  // The problem is settled before anything is shown, so a circuit without an answer (cancelling
  // reactances) is never drawn or written.
  const AcProblem problem = generateProblem(app.random());
  ExerciseState& state = app.state();
  // No window may go on showing, or checking, the earlier problem.
  app.beginProblem(course());
  Canvas& canvas = app.canvas();
  canvas.clearCanvas();
  state.missCount = 0;
  state.originX = 1000;
  state.originY = 1000;
  applyProblem(state, problem);
  drawWholeCircuit(canvas, state, QStringLiteral("Z"), QStringLiteral(":"));
  showCircuitCode(app, circuitCode(problem));
}

}  // namespace kairo::intermediate
