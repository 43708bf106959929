// The advanced course (HARD) as the program sees it.
#include "courses/advanced/advanced.h"
#include "courses/advanced/figures.h"
#include "courses/advanced/quantities.h"

namespace kairo::advanced {
namespace {

using namespace screens;

constexpr ScreenId kWindows[] = {
    Hardi,
    Hardi2,
    HardiChoku,
    HardP,
    HardP2,
    HardPS,
    HardAA,
    HardAA2,
    HardAA3,
    HardAAHei,
    HardiSeikai,
    HardiChokuSeikai,
    HardPSeikai,
    HardPSSeikai,
    HardAAHeiSeikai,
    HardAASeikai,
    HardiFuseikai1,
    Hardi2Fuseikai1,
    HardiChokuFuseikai1,
    HardPFuseikai1,
    HardP2Fuseikai1,
    HardPSFuseikai1,
    HardAAFuseikai1,
    HardAA2Fuseikai1,
    HardAA3Fuseikai1,
    HardAAHeiFuseikai1,
    HardiFuseikai2,
    HardPFuseikai2,
    HardAAFuseikai2,
    HardAAFuseikai3,
    HardEND,
};

QWidget* createWindow(Session& app, ScreenId id) {
  if (QWidget* exercise = createExercise(id)) return exercise;
  return createResult(app, id);
}

}  // namespace

const CourseDefinition& course() {
  static const CourseDefinition definition{
      .key = "hard",
      .title = QT_TRANSLATE_NOOP("Kairo", "上級"),
      .startButton = "Command4",
      .start = startSteps(),
      .firstExercise = Hardi,
      .startProblem = startProblem,
      .windows = kWindows,
      .createWindow = createWindow,
      .checks = checks(),
      .routes = routes(),
      .passed = HardAASeikai,
      .codeClass = QChar(u'3'),
      .strictClass = true,
      .refusesCode = refusesCode,
      .solution = solutionStages,
      // The figures stand below the circuit.
      .pictureBox = kFigureBox,
  };
  return definition;
}

}  // namespace kairo::advanced
