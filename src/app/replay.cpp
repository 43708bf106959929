#include "app/replay.h"

#include <QCoreApplication>

#include "app/application.h"
#include "core/circuit_code.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"
#include "ui/code_panel.h"

namespace kairo {
namespace {

void setPanel(Application& app, std::size_t label, const QString& text) {
  app.setText(screens::SetForm, QString::fromUtf8(kCodePanelLabels[label]), text);
}

void showElement(Application& app, Canvas& canvas, const ElementStep& e) {
  ExerciseState& state = app.state();
  drawElement(canvas, state, e.position, e.kind);
  setPanel(app, std::size_t(e.position), e.kindLabel());
  setPanel(app, std::size_t(e.position) + 3, e.valueLabel);
  printElementValue(canvas, state, e.position, e.kind, e.textLabel, e.separator);
}

// The exercise opens on the replayed problem as on a freshly generated one: no answer, no verdict,
// no misses and no other window left over from an earlier question.
void openExercise(Application& app, Canvas& canvas, const CourseDefinition& course) {
  ExerciseState& state = app.state();
  state.cursorX = 1000;
  setPanel(app, 7, course.codeClass);
  app.beginProblem(course);
  app.open(course.firstExercise);
  drawSource(canvas, state, course.directCurrent);
  app.hide(screens::StartF);
}

// The course whose problem a complete code is: the one whose class character it carries where a
// course insists on its own, else the first that takes its circuit.
const CourseDefinition* courseOf(Application& app, const FinishStep& finish) {
  for (const CourseDefinition* course : app.courses())
    if (course->strictClass && finish.classChar == char32_t(course->codeClass.unicode()))
      return course;
  for (const CourseDefinition* course : app.courses())
    if (!course->strictClass && course->claimsCircuit && course->claimsCircuit(finish))
      return course;
  return nullptr;
}

// The course a plan opens and why that course turns the code down, if it does.
const CourseDefinition* courseOf(Application& app, QStringView code, const ReplayPlan& plan,
                                 QString& why) {
  if (plan.steps.size() < 8) return nullptr;
  const CourseDefinition* course = courseOf(app, std::get<FinishStep>(plan.steps[7]));
  if (!course) {
    why = QCoreApplication::translate("Kairo", "この回路コードの問題はありません。");
    return nullptr;
  }
  if (course->refusesCode) {
    ExerciseState replayed = app.state();
    for (const ReplayStep& step : plan.steps) applyStep(replayed, step);
    if (const std::optional<QString> refusal = course->refusesCode(code, replayed)) {
      why = *refusal;
      return nullptr;
    }
  }
  return course;
}

}  // namespace

void replayCode(Application& app) {
  ExerciseState& state = app.state();
  // A code that describes no problem changes nothing: the student can correct it in place, told
  // what is wrong with it.
  const QString code = app.text(screens::StartF, QStringLiteral("passtxt"));
  QString why;
  std::optional<ReplayPlan> plan = decodeCircuitCode(code, state, &why);
  const CourseDefinition* course = plan ? courseOf(app, code, *plan, why) : nullptr;
  app.setText(screens::StartF, QStringLiteral("lblCodeError"), why);
  if (!plan || !why.isEmpty()) return;
  app.lockSolution();

  app.open(screens::SetForm);
  state.unitText = QStringLiteral("Ω");
  Canvas& canvas = app.canvas();
  // A short code leaves the drawing screen up; the next replay must not draw over its picture.
  if (!plan->steps.empty()) canvas.clearCanvas();

  for (const ReplayStep& step : plan->steps) {
    applyStep(state, step);
    if (const auto* source = std::get_if<SourceStep>(&step))
      setPanel(app, 0, source->label);
    else if (const auto* element = std::get_if<ElementStep>(&step))
      showElement(app, canvas, *element);
    else if (course && std::holds_alternative<FinishStep>(step))
      openExercise(app, canvas, *course);
    // The source text follows every character; unitText stays "Ω" for the element texts.
    canvas.moveTo(1300, 1450);
    canvas.printItems({state.voltageE, "V"});
  }
}

}  // namespace kairo
