#include "app/screens.h"

#include "intermediate/course.h"

namespace kairo {

QWidget* createIntermediateScreen(Application& app, ScreenId id) {
  if (QWidget* exercise = createAcExercise(app, id)) return exercise;
  return createAcResult(app, id);
}

}  // namespace kairo
