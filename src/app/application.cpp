#include "app/application.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "beginner/beginner.h"
#include "calc/check.h"
#include "diagram/canvas.h"
#include "intermediate/checks.h"

namespace kairo {

Application::Application() : screens_(*this) {}

Application::~Application() = default;

void Application::start() {
  screens_.open(ScreenId::StartF);
}

QString Application::text(ScreenId id, const QString& control) {
  QWidget* widget = screens_.control(id, control);
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  qWarning("no control %s on %s", qUtf8Printable(control),
           qUtf8Printable(ScreenRegistry::name(id)));
  return {};
}

void Application::setText(ScreenId id, const QString& control, const QString& text) {
  QWidget* widget = screens_.control(id, control);
  if (auto* label = qobject_cast<QLabel*>(widget))
    label->setText(text);
  else if (auto* box = qobject_cast<QLineEdit*>(widget))
    box->setText(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(widget))
    button->setText(text);
  else if (auto* frame = qobject_cast<QGroupBox*>(widget))
    frame->setTitle(text);
  else
    qWarning("no control %s on %s", qUtf8Printable(control),
             qUtf8Printable(ScreenRegistry::name(id)));
}

void Application::clear(ScreenId id, std::initializer_list<const char*> controls) {
  for (const char* control : controls) setText(id, QString::fromUtf8(control), QString());
}

void Application::setMissLabel(ScreenId id, int count) {
  setText(id, QStringLiteral("Label6"), QString::number(count));
}

Canvas& Application::canvas() {
  return *screens_.form(ScreenId::SetForm)->findChild<Canvas*>(QStringLiteral("canvas"));
}

void Application::open(ScreenId id) {
  screens_.open(id);
  if (isExercise(id)) setMissLabel(id, state_.missCount);
}

void Application::beginProblem(ScreenId firstExercise) {
  // Windows never created show nothing of any problem and stay uncreated.
  for (int i = 0; i < kScreenCount; ++i) {
    const auto id = static_cast<ScreenId>(i);
    if (isCourseScreen(id) && id != firstExercise && screens_.isCreated(id)) screens_.hide(id);
  }
  for (const auto& course : {beginner::checks(), acChecks()})
    for (const CheckSpec& check : course)
      if (screens_.isCreated(check.screen)) resetExercise(*this, check);
}

void Application::returnToStart() {
  screens_.open(ScreenId::StartF);
  for (int i = 0; i < kScreenCount; ++i) {
    const auto id = static_cast<ScreenId>(i);
    if (id != ScreenId::StartF && id != ScreenId::Hard) screens_.hide(id);
  }
}

void Application::quit() {
  screens_.hideAllButHard();
  if (screens_.visibleCount() == 0) emit quitRequested();
}

}  // namespace kairo
