// The problem generator of the beginner course: three resistors and a source, drawn, labelled
// and summarised in the code panel.
#include "app/application.h"
#include "app/random.h"
#include "beginner/beginner.h"
#include "diagram/canvas.h"
#include "diagram/code_panel.h"
#include "diagram/elements.h"

namespace kairo::beginner {
namespace {

// A code digit: the value in tens, "a" for the tenth step.
QString valueDigit(int value) {
  return value == 100 ? QStringLiteral("a") : QString::number(value / 10);
}

}  // namespace

int drawTens(Random& random) {
  return 10 * random.pick(10);
}

void drawBeginnerValues(ExerciseState& state, Random& random) {
  for (int k = 1; k <= 3; ++k) {
    state.resistance(k) = drawTens(random);
    state.reactance(k) = 0.0;
  }
  state.voltageE = drawTens(random);
}

std::array<QString, 8> beginnerCodePanel(const ExerciseState& state) {
  const QString resistor = QStringLiteral("1");
  const QString directCurrent = QStringLiteral("1");
  return {valueDigit(int(state.voltageE)),
          resistor,
          resistor,
          resistor,
          valueDigit(state.resistance1),
          valueDigit(state.resistance2),
          valueDigit(state.resistance3),
          directCurrent};
}

void printValueLabels(Canvas& canvas, ExerciseState& state) {
  printElementValue(canvas, state, 1, 1, QStringLiteral("R1"), QStringLiteral("="));
  printElementValue(canvas, state, 2, 1, QStringLiteral("R2"), QStringLiteral("="));
  printElementValue(canvas, state, 3, 1, QStringLiteral("R3"), QStringLiteral("="));
  printSourceVoltage(canvas, state);
}

void startProblem(Application& app) {
  ExerciseState& state = app.state();
  app.clear(ScreenId::EasyR1, {"lblA", "txtZR"});
  // The branch currents of an earlier problem must not be answered against this one.
  app.hide(ScreenId::EasyA);
  Canvas& canvas = app.canvas();
  canvas.clearCanvas();
  state.missCount = 0;
  app.setMissLabel(ScreenId::EasyR1, 0);

  state.branch2X = 2000;
  state.originY = 1000;
  state.originX = 1000;
  state.cursorX = 1000;
  state.branch3X = 3000;
  // The source and resistor 1 both draw at cursorX = 1000; the branches use their own columns.
  teiko(canvas, state);
  tateteiko(canvas, state);
  tateteiko0(canvas, state);
  dengen(canvas, state);

  drawBeginnerValues(state, app.random());
  printValueLabels(canvas, state);  // leaves unitText "V"

  const std::array<QString, 8> panel = beginnerCodePanel(state);
  for (std::size_t i = 0; i < panel.size(); ++i)
    app.setText(ScreenId::SetForm, QString::fromUtf8(kCodePanelLabels[i]), panel[i]);
}

}  // namespace kairo::beginner
