#include "calc/check.h"

#include <QLineEdit>

#include "app/application.h"

namespace kairo {
namespace {

bool boxesMatch(Application& app, const CheckSpec& spec, std::span<const AnswerField> boxes) {
  bool all = true;
  // Every box is read on every press, as the student expects all of them to count.
  for (const AnswerField& box : boxes) {
    const QString typed = app.text(spec.screen, QString::fromUtf8(box.control));
    all = answerMatches(expectedPart(app.state(), box.value, box.part), spec.pattern, typed) && all;
  }
  return all;
}

void showAnswers(Application& app, const CheckSpec& spec) {
  for (const AnswerField& label : spec.answers)
    app.setText(
        spec.screen, QString::fromUtf8(label.control),
        formatNumber(expectedPart(app.state(), label.value, label.part), spec.answerPattern));
}

}  // namespace

void runCheck(Application& app, const CheckSpec& spec) {
  ExerciseState& state = app.state();
  // A circuit without a defined answer (no problem yet, or cancelling reactances) has nothing to
  // check against: the press is ignored rather than counted.
  ExerciseState computed = state;
  if (!computeExpected(computed, spec.computation)) return;
  state = computed;

  if (boxesMatch(app, spec, spec.boxes)) {
    if (spec.answerOnCorrect) showAnswers(app, spec);
    if (spec.hasVerdict)
      app.setText(spec.screen, QStringLiteral("lblA"), QStringLiteral("正解！！"));
    app.hide(spec.incorrect);
    app.open(spec.correct);
    return;
  }

  if (state.missCount < ExerciseState::kMissCountLimit) ++state.missCount;
  app.setMissLabel(spec.screen, state.missCount);
  app.open(spec.incorrect);

  if (!spec.followUp) {
    if (state.missCount != 3) return;
    const bool firstCurrentRight =
        spec.firstCurrentBoxes == 0 ||
        boxesMatch(app, spec, spec.boxes.first(std::size_t(spec.firstCurrentBoxes)));
    app.open(firstCurrentRight ? spec.selection : spec.selectionOtherwise);
    app.hide(spec.incorrect);
    return;
  }
  if (state.missCount == 3) {
    showAnswers(app, spec);
    app.open(spec.end);
    app.hide(spec.incorrect);
    for (ScreenId id : spec.hideAtThird) app.hide(id);
  } else if (state.missCount == 4) {
    app.open(ScreenId::StartF);
    for (ScreenId id : spec.hideAtFourth) app.hide(id);
  }
}

}  // namespace kairo
