#include "app/application.h"

#include "courses/beginner/beginner.h"
#include "courses/intermediate/checks.h"
#include "courses/intermediate/course.h"

namespace kairo {

Application::Application() : Session([this](ScreenId id) { return createScreen(id); }) {
  addExercises(beginner::checks());
  addExercises(acChecks());
}

Application::~Application() = default;

QWidget* Application::createScreen(ScreenId id) {
  switch (id) {
    case ScreenId::StartF:
    case ScreenId::Setsumei:
    case ScreenId::Hard:
      return createAppScreen(*this, id);
    case ScreenId::SetForm:
      return createSetForm(*this);
    case ScreenId::Tokikata:
      return createSolutionWindow(*this);
    default:
      break;
  }
  if (id < ScreenId::Normali) return beginner::createScreen(*this, id);
  return createAcScreen(*this, id);
}

void Application::start() {
  screens().open(ScreenId::StartF);
}

void Application::quit() {
  screens().hideAllButHard();
  if (screens().visibleCount() == 0) emit quitRequested();
}

}  // namespace kairo
