#include "app/application.h"

#include "courses/courses.h"

namespace kairo {

Application::Application()
    : Session(kairo::courses(), [this](ScreenId id) { return createScreen(id); }) {}

Application::~Application() = default;

QWidget* Application::createScreen(ScreenId id) {
  if (id == screens::SetForm) return createSetForm(*this);
  if (id == screens::Tokikata) return createSolutionWindow(*this);
  return createAppScreen(*this, id);
}

void Application::start() {
  screens().open(screens::StartF);
}

void Application::quit() {
  screens().hideAll();
  if (screens().visibleCount() == 0) emit quitRequested();
}

}  // namespace kairo
