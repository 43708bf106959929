#include "calc/check.h"

#include <QLineEdit>

#include "app/application.h"

namespace kairo {
namespace {

bool boxesMatch(Application& app, const CheckSpec& check, std::span<const AnswerField> boxes) {
  bool all = true;
  // Every box is read on every press, as the student expects all of them to count.
  for (const AnswerField& box : boxes) {
    const QString typed = app.text(check.screen, QString::fromUtf8(box.control));
    all =
        answerMatches(expectedPart(app.state(), box.value, box.part), check.pattern, typed) && all;
  }
  return all;
}

void showAnswers(Application& app, const CheckSpec& check) {
  for (const AnswerField& label : check.answers)
    app.setText(
        check.screen, QString::fromUtf8(label.control),
        shownNumber(expectedPart(app.state(), label.value, label.part), check.answerPattern));
}

}  // namespace

void runCheck(Application& app, const CheckSpec& check) {
  ExerciseState& state = app.state();
  // A circuit without a defined answer (no problem yet, or cancelling reactances) has nothing to
  // check against: the press is ignored rather than counted.
  ExerciseState computed = state;
  if (!computeExpected(computed, check.computation)) return;
  state = computed;

  if (boxesMatch(app, check, check.boxes)) {
    if (check.answerOnCorrect) showAnswers(app, check);
    if (check.hasVerdict)
      app.setText(check.screen, QStringLiteral("lblA"), QStringLiteral("正解！！"));
    app.hide(check.incorrect);
    app.open(check.correct);
    return;
  }

  if (state.missCount < ExerciseState::kMissCountLimit) ++state.missCount;
  app.setMissLabel(check.screen, state.missCount);
  app.open(check.incorrect);

  if (!check.followUp) {
    if (state.missCount != 3) return;
    const bool firstCurrentRight =
        check.firstCurrentBoxes == 0 ||
        boxesMatch(app, check, check.boxes.first(std::size_t(check.firstCurrentBoxes)));
    app.open(firstCurrentRight ? check.selection : check.selectionOtherwise);
    app.hide(check.incorrect);
    return;
  }
  if (state.missCount == 3) {
    showAnswers(app, check);
    app.open(check.end);
    app.hide(check.incorrect);
    for (ScreenId id : check.hideAtThird) app.hide(id);
  } else if (state.missCount == 4) {
    app.returnToStart();
  }
}

void resetExercise(Application& app, const CheckSpec& check) {
  for (const AnswerField& box : check.boxes)
    app.setText(check.screen, QString::fromUtf8(box.control), QString());
  for (const AnswerField& label : check.answers)
    app.setText(check.screen, QString::fromUtf8(label.control), QString());
  if (check.hasVerdict) app.setText(check.screen, QStringLiteral("lblA"), QString());
  app.setMissLabel(check.screen, 0);
}

}  // namespace kairo
