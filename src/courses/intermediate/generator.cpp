#include "courses/intermediate/generator.h"

#include "core/circuit_code.h"
#include "core/expected.h"
#include "core/random.h"
#include "courses/intermediate/drawings.h"
#include "diagram/canvas.h"
#include "ui/code_panel.h"
#include "ui/session.h"

namespace kairo {

AcProblem drawProblem(Random& random) {
  AcProblem problem;
  for (int& kind : problem.kinds) kind = random.pick(3);
  for (int& step : problem.steps) step = random.pick(10);
  problem.voltageStep = random.pick(10);
  return problem;
}

void applyProblem(ExerciseState& state, const AcProblem& problem) {
  for (int k = 1; k <= 3; ++k) {
    const int kind = problem.kinds[k - 1];
    const int step = problem.steps[k - 1];
    state.kind(k) = kind;
    if (kind == 1) {
      state.resistance(k) = 10 * step;
      state.reactance(k) = 0.0;
    } else {
      state.lcValue(k) = step;
      state.resistance(k) = 0;
      state.reactance(k) = kind == 2 ? capacitorReactance(step) : coilReactance(step);
    }
  }
  state.voltageE = 10.0 * problem.voltageStep;
}

bool hasAnswer(const AcProblem& problem) {
  ExerciseState scratch;
  applyProblem(scratch, problem);
  return hasAnswer(scratch);
}

AcProblem generateProblem(Random& random) {
  AcProblem problem = drawProblem(random);
  while (!hasAnswer(problem)) problem = drawProblem(random);
  return problem;
}

QString circuitCode(const AcProblem& problem) {
  return encodeCircuitCode(problem.voltageStep, problem.kinds, problem.steps);
}

void startAcProblem(Session& app) {
  // The problem is settled before anything is shown, so a circuit without an answer (cancelling
  // reactances) is never drawn or written.
  const AcProblem problem = generateProblem(app.random());
  ExerciseState& state = app.state();
  // No window may go on showing, or checking, the earlier problem.
  app.beginProblem(ScreenId::Normali);
  Canvas& canvas = app.canvas();
  canvas.clearCanvas();
  state.missCount = 0;
  state.originX = 1000;
  state.originY = 1000;
  applyProblem(state, problem);
  drawWholeCircuit(canvas, state, QStringLiteral("Z"), QStringLiteral(":"));
  showCircuitCode(app, circuitCode(problem));
}

}  // namespace kairo
