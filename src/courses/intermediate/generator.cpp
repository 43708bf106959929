// The problem generator of the intermediate course: seven draws, repeated until the circuit has
// an answer, drawn with its values and coded.
#include "core/random.h"
#include "courses/intermediate/intermediate.h"
#include "ui/session.h"

namespace kairo::intermediate {

void startProblem(Session& app) {
  // The problem is settled before anything is shown, so a circuit without an answer (cancelling
  // reactances) is never drawn or written.
  app.poseAcProblem(course(), generateProblem(app.random()), QChar());
}

}  // namespace kairo::intermediate
