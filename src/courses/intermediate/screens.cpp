#include "courses/intermediate/course.h"

namespace kairo {

QWidget* createAcScreen(Session& session, ScreenId id) {
  if (QWidget* exercise = createAcExercise(session, id)) return exercise;
  return createAcResult(session, id);
}

}  // namespace kairo
