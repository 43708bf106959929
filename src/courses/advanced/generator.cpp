// The problem generator of the advanced course.
#include "core/ac_problem.h"
#include "core/random.h"
#include "courses/advanced/advanced.h"
#include "courses/advanced/quantities.h"
#include "ui/session.h"

namespace kairo::advanced {
namespace {

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
  app.poseAcProblem(course(), problem, course().codeClass);
}

}  // namespace kairo::advanced
