#include "app/replay.h"

#include "app/application.h"
#include "core/circuit_code.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"
#include "ui/code_panel.h"

namespace kairo {
namespace {

void setPanel(Application& app, std::size_t label, const QString& text) {
  app.setText(ScreenId::SetForm, QString::fromUtf8(kCodePanelLabels[label]), text);
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
void openExercise(Application& app, Canvas& canvas, const FinishStep& finish) {
  ExerciseState& state = app.state();
  state.cursorX = 1000;
  setPanel(app, 7, finish.classLabel());
  const ScreenId exercise = finish.allResistors() ? ScreenId::EasyR1 : ScreenId::Normali;
  app.beginProblem(exercise);
  app.open(exercise);
  drawSource(canvas, state, finish.allResistors());
  app.hide(ScreenId::StartF);
}

}  // namespace

void replayCode(Application& app) {
  ExerciseState& state = app.state();
  // A code that describes no problem changes nothing: the student can correct it in place, told
  // what is wrong with it.
  QString why;
  const std::optional<ReplayPlan> plan =
      decodeCircuitCode(app.text(ScreenId::StartF, QStringLiteral("passtxt")), state, &why);
  app.setText(ScreenId::StartF, QStringLiteral("lblCodeError"), why);
  if (!plan) return;
  app.lockSolution();

  app.open(ScreenId::SetForm);
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
    else if (const auto* finish = std::get_if<FinishStep>(&step))
      openExercise(app, canvas, *finish);
    // The source text follows every character; unitText stays "Ω" for the element texts.
    canvas.moveTo(1300, 1450);
    canvas.printItems({state.voltageE, "V"});
  }
}

}  // namespace kairo
