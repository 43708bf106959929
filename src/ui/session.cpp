#include "ui/session.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <utility>

#include "diagram/canvas.h"
#include "diagram/elements.h"
#include "ui/check_step.h"
#include "ui/code_panel.h"
#include "ui/form.h"

namespace kairo {

namespace {

std::vector<ScreenId> everyWindow(std::span<const CourseDefinition* const> courses) {
  std::vector<ScreenId> all(std::begin(kProgramScreens), std::end(kProgramScreens));
  for (const CourseDefinition* course : courses)
    all.insert(all.end(), course->windows.begin(), course->windows.end());
  return all;
}

}  // namespace

Session::Session(std::span<const CourseDefinition* const> courses, ProgramFactory programWindows)
    : courses_(courses),
      programWindows_(std::move(programWindows)),
      screens_([this](ScreenId id) { return createScreen(id); }, everyWindow(courses)) {}

Session::~Session() = default;

const CourseDefinition* Session::courseOf(ScreenId id) const {
  for (const CourseDefinition* course : courses_)
    if (course->owns(id)) return course;
  return nullptr;
}

const CheckSpec* Session::checkOf(ScreenId id) const {
  const CourseDefinition* course = courseOf(id);
  return course ? course->checkOf(id) : nullptr;
}

QWidget* Session::createScreen(ScreenId id) {
  const CourseDefinition* course = courseOf(id);
  if (!course) return programWindows_(id);
  QWidget* form = course->createWindow(*this, id);
  wire(*course, id, form);
  return form;
}

void Session::wire(const CourseDefinition& course, ScreenId id, QWidget* form) {
  if (const CheckSpec* check = course.checkOf(id))
    onClick(form, check->button, [this, check] { runCheck(*this, *check); });
  if (id == course.firstExercise)
    onClick(form, "cmdSuuti", [this, start = course.startProblem] { start(*this); });
  for (const Route& route : course.routes)
    if (route.window == id && route.button)
      onClick(form, route.button, [this, &route] { run(route.steps); });
}

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
  return *screens_.form(screens::SetForm)->findChild<Canvas*>(QStringLiteral("canvas"));
}

void Session::open(ScreenId id) {
  screens_.open(id);
  if (checkOf(id)) setMissLabel(id, state_.missCount);
  if (const CourseDefinition* course = courseOf(id))
    for (const Route& route : course->routes)
      if (route.window == id && !route.button) run(route.steps);
}

void Session::setState(ExerciseState state) {
  const bool earned = state.solvedStages != state_.solvedStages;
  state_ = std::move(state);
  if (earned) emit solutionChanged();
}

void Session::endProblem(ProblemEnd end) {
  if (!problemOpen_) return;
  problemOpen_ = false;
  emit problemEnded(end);
}

void Session::noteCheck(const CheckSpec& check, const CheckOutcome& outcome) {
  emit checked(check.screen.name(), outcome.correct);
  for (const CheckOutcome::Effect& effect : outcome.effects) {
    if (std::holds_alternative<CheckOutcome::ReturnToStart>(effect)) {
      endProblem(ProblemEnd::Failed);
    } else if (const auto* open = std::get_if<CheckOutcome::Open>(&effect)) {
      const ScreenId id = open->screen;
      if (id == check.selection || id == check.selectionOtherwise) helped_ = true;
      if (id == check.end) endProblem(ProblemEnd::Failed);
      if (course_ && id == course_->passed)
        endProblem(helped_ ? ProblemEnd::Helped : ProblemEnd::Passed);
    }
  }
}

void Session::lockSolution() {
  state_.solvedStages = 0;
  if (screens_.isCreated(screens::Tokikata)) screens_.hide(screens::Tokikata);
  emit solutionChanged();
}

void Session::startCourse(const CourseDefinition& course) {
  canvas().setPictureBox(course.pictureBox);
  run(course.start);
  // Nothing an earlier problem left in the course's windows waits behind them.
  for (const CheckSpec& check : course.checks)
    if (screens_.isCreated(check.screen) && !screens_.isVisible(check.screen))
      resetExercise(*this, check);
  showCircuitCode(*this, {});
  lockSolution();
}

void Session::beginProblem(const CourseDefinition& course) {
  endProblem(ProblemEnd::Abandoned);
  course_ = &course;
  problemOpen_ = true;
  helped_ = false;
  emit problemBegun();
  canvas().setPictureBox(course.pictureBox);
  lockSolution();
  // Windows never created show nothing of any problem and stay uncreated.
  for (const CourseDefinition* each : courses_) {
    for (ScreenId id : each->windows)
      if (id != course.firstExercise && screens_.isCreated(id)) screens_.hide(id);
    for (const CheckSpec& check : each->checks)
      if (screens_.isCreated(check.screen)) resetExercise(*this, check);
  }
}

void Session::poseAcProblem(const CourseDefinition& course, const AcProblem& problem,
                            QChar classChar) {
  // No window may go on showing, or checking, the earlier problem.
  beginProblem(course);
  Canvas& drawing = canvas();
  drawing.clearCanvas();
  state_.missCount = 0;
  state_.originX = 1000;
  state_.originY = 1000;
  applyProblem(state_, problem);
  drawWholeCircuit(drawing, state_, QStringLiteral("Z"), QStringLiteral(":"));
  showCircuitCode(*this, circuitCode(problem, classChar));
}

void Session::run(std::span<const RouteStep> steps) {
  using Op = RouteStep::Op;
  for (const RouteStep& step : steps) {
    switch (step.op) {
      case Op::ResetMisses:
        state_.missCount = 0;
        break;
      case Op::Open:
        open(step.screen);
        break;
      case Op::Hide:
        hide(step.screen);
        break;
      case Op::ResetExercise:
        if (const CheckSpec* check = checkOf(step.screen)) resetExercise(*this, *check);
        break;
      case Op::ClearCanvas:
        canvas().clearCanvas();
        break;
      case Op::Draw:
        step.drawing(canvas(), state_);
        break;
      case Op::ReturnToStart:
        returnToStart();
        break;
    }
  }
}

void Session::returnToStart() {
  endProblem(ProblemEnd::Abandoned);
  screens_.open(screens::StartF);
  for (ScreenId id : screens_.all())
    if (id != screens::StartF && screens_.isCreated(id)) screens_.hide(id);
}

}  // namespace kairo
