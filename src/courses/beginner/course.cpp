// The beginner course (EASY) as the program sees it.
#include "courses/beginner/beginner.h"

namespace kairo::beginner {
namespace {

using namespace screens;

constexpr ScreenId kWindows[] = {
    EasyR1,          EasyR2,
    EasyRHei,        EasyA,
    EasyA2,          EasyA3,
    EasyAHei,        EasyRSeikai,
    EasyRHeiSeikai,  EasyAHeiSeikai,
    EasyASeikai,     EasyRFuseikai1,
    EasyR2Fuseikai1, EasyRHeiFuseikai1,
    EasyAFuseikai1,  EasyA2Fuseikai1,
    EasyA3Fuseikai1, EasyAHeiFuseikai1,
    EasyRFuseikai2,  EasyAFuseikai2,
    EasyAFuseikai3,  EasyREND,
};

QWidget* createWindow(Session& app, ScreenId id) {
  for (const CheckSpec& check : checks())
    if (check.screen == id) return createExercise(id);
  return createResult(app, id);
}

// A complete code of three resistors is a beginner problem.
bool claimsCircuit(const FinishStep& finish) {
  return finish.allResistors();
}

}  // namespace

const CourseDefinition& course() {
  static const CourseDefinition definition{
      .key = "easy",
      .title = QT_TRANSLATE_NOOP("Kairo", "初級"),
      .startButton = "Command3",
      .start = startSteps(),
      .firstExercise = EasyR1,
      .startProblem = startProblem,
      .windows = kWindows,
      .createWindow = createWindow,
      .checks = checks(),
      .routes = routes(),
      .passed = EasyASeikai,
      .codeClass = QChar(u'1'),
      .claimsCircuit = claimsCircuit,
      .solution = solutionStages,
      .directCurrent = true,
  };
  return definition;
}

}  // namespace kairo::beginner
