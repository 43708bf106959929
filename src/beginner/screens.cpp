#include "app/application.h"
#include "beginner/beginner.h"

namespace kairo {

QWidget* createBeginnerScreen(Application& app, ScreenId id) {
  switch (id) {
    case ScreenId::EasyR1:
    case ScreenId::EasyR2:
    case ScreenId::EasyRHei:
    case ScreenId::EasyA:
    case ScreenId::EasyA2:
    case ScreenId::EasyA3:
    case ScreenId::EasyAHei:
      return beginner::createExercise(app, id);
    default:
      return beginner::createResult(app, id);
  }
}

}  // namespace kairo
