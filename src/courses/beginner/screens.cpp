#include "courses/beginner/beginner.h"

namespace kairo::beginner {

QWidget* createScreen(Session& session, ScreenId id) {
  return isExercise(id) ? createExercise(session, id) : createResult(session, id);
}

}  // namespace kairo::beginner
