#include "core/ac_problem.h"

#include "core/circuit_code.h"
#include "core/expected.h"
#include "core/random.h"

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

QString circuitCode(const AcProblem& problem, QChar classChar) {
  return encodeCircuitCode(problem.voltageStep, problem.kinds, problem.steps, classChar);
}

}  // namespace kairo
