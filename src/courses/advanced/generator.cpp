// The problem generator of the advanced course, and which codes it replays.
#include "core/ac_problem.h"
#include "core/random.h"
#include "courses/advanced/advanced.h"
#include "courses/advanced/quantities.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"
#include "ui/code_panel.h"
#include "ui/session.h"

namespace kairo::advanced {
namespace {

constexpr QChar kClass = u'3';

bool posed(const AcProblem& problem) {
  ExerciseState scratch;
  applyProblem(scratch, problem);
  return isAdvancedCircuit(scratch) && withinGeneratorLimits(scratch);
}

}  // namespace

void startProblem(Session& app) {
  // The intermediate course's seven draws, all again until the problem is one a student can
  // answer meaningfully: settled before anything is shown.
  AcProblem problem = drawProblem(app.random());
  while (!posed(problem)) problem = drawProblem(app.random());
  ExerciseState& state = app.state();
  app.beginProblem(course());
  Canvas& canvas = app.canvas();
  canvas.clearCanvas();
  state.missCount = 0;
  state.originX = 1000;
  state.originY = 1000;
  applyProblem(state, problem);
  drawWholeCircuit(canvas, state, QStringLiteral("Z"), QStringLiteral(":"));
  showCircuitCode(app, circuitCode(problem, kClass));
}

}  // namespace kairo::advanced
