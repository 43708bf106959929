#include "ui/session.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <utility>

#include "diagram/canvas.h"
#include "ui/check_step.h"

namespace kairo {

Session::Session(ScreenRegistry::Factory factory) : screens_(std::move(factory)) {}

Session::~Session() = default;

QString Session::text(ScreenId id, const QString& control) {
  QWidget* widget = screens_.control(id, control);
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  qWarning("no control %s on %s", qUtf8Printable(control),
           qUtf8Printable(ScreenRegistry::name(id)));
  return {};
}

void Session::setText(ScreenId id, const QString& control, const QString& text) {
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

void Session::clear(ScreenId id, std::initializer_list<const char*> controls) {
  for (const char* control : controls) setText(id, QString::fromUtf8(control), QString());
}

void Session::setMissLabel(ScreenId id, int count) {
  setText(id, QStringLiteral("Label6"), QString::number(count));
}

Canvas& Session::canvas() {
  return *screens_.form(ScreenId::SetForm)->findChild<Canvas*>(QStringLiteral("canvas"));
}

void Session::open(ScreenId id) {
  screens_.open(id);
  if (isExercise(id)) setMissLabel(id, state_.missCount);
}

void Session::setState(ExerciseState state) {
  const bool earned = state.impedanceSolved != state_.impedanceSolved ||
                      state.currentsSolved != state_.currentsSolved;
  state_ = std::move(state);
  if (earned) emit solutionChanged();
}

void Session::beginProblem(ScreenId firstExercise) {
  state_.course = firstExercise == ScreenId::EasyR1 ? Course::Beginner : Course::Intermediate;
  lockSolution();
  // Windows never created show nothing of any problem and stay uncreated.
  for (int i = 0; i < kScreenCount; ++i) {
    const auto id = static_cast<ScreenId>(i);
    if (isCourseScreen(id) && id != firstExercise && screens_.isCreated(id)) screens_.hide(id);
  }
  for (const std::span<const CheckSpec> course : exercises_)
    for (const CheckSpec& check : course)
      if (screens_.isCreated(check.screen)) resetExercise(*this, check);
}

void Session::lockSolution() {
  state_.impedanceSolved = state_.currentsSolved = false;
  if (screens_.isCreated(ScreenId::Tokikata)) screens_.hide(ScreenId::Tokikata);
  emit solutionChanged();
}

void Session::addExercises(std::span<const CheckSpec> checks) {
  exercises_.push_back(checks);
}

void Session::returnToStart() {
  screens_.open(ScreenId::StartF);
  for (int i = 0; i < kScreenCount; ++i) {
    const auto id = static_cast<ScreenId>(i);
    if (id != ScreenId::StartF && id != ScreenId::Hard) screens_.hide(id);
  }
}

}  // namespace kairo
