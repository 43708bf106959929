// The intermediate course (NORMAL) as the program sees it.
#include "courses/intermediate/intermediate.h"

namespace kairo::intermediate {
namespace {

using namespace screens;

constexpr ScreenId kWindows[] = {
    Normali,
    Normali2,
    NormaliHei,
    NormalAA,
    NormalAA2,
    NormalAA3,
    NormalAAHei,
    NormaliSeikai,
    NormaliHeiSeikai,
    NormalAAHeiSeikai,
    NormalAASeikai,
    NormaliFuseikai1,
    Normali2Fuseikai1,
    NormaliHeiFuseikai1,
    NormalAAFuseikai1,
    NormalAA2Fuseikai1,
    NormalAA3Fuseikai1,
    NormalAAHeiFuseikai1,
    NormaliFuseikai2,
    NormalAAFuseikai2,
    NormalAAFuseikai3,
    NormalEND,
};

QWidget* createWindow(Session& app, ScreenId id) {
  if (QWidget* exercise = createExercise(id)) return exercise;
  return createResult(app, id);
}

// Every complete code with a capacitor or coil that no course claims by its class character.
bool claimsCircuit(const FinishStep& finish) {
  return !finish.allResistors();
}

}  // namespace

const CourseDefinition& course() {
  static const CourseDefinition definition{
      .key = "normal",
      .title = QT_TRANSLATE_NOOP("Kairo", "中級"),
      .startButton = "Command2",
      .start = startSteps(),
      .firstExercise = Normali,
      .startProblem = startProblem,
      .windows = kWindows,
      .createWindow = createWindow,
      .checks = checks(),
      .routes = routes(),
      .passed = NormalAASeikai,
      .codeClass = QChar(u'2'),
      .claimsCircuit = claimsCircuit,
      .solution = solutionStages,
  };
  return definition;
}

}  // namespace kairo::intermediate
