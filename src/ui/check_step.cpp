#include "ui/check_step.h"

#include "ui/session.h"

namespace kairo {

void runCheck(Session& session, const CheckSpec& check) {
  QStringList typed;
  for (const AnswerField& box : check.boxes)
    typed << session.text(check.screen, QString::fromUtf8(box.control));
  std::optional<CheckOutcome> outcome = decideCheck(check, typed, session.state());
  if (!outcome) return;
  session.noteCheck(check, *outcome);
  session.setState(std::move(outcome->state));
  for (const CheckOutcome::Effect& effect : outcome->effects) {
    if (const auto* text = std::get_if<CheckOutcome::SetText>(&effect))
      session.setText(check.screen, text->control, text->text);
    else if (const auto* open = std::get_if<CheckOutcome::Open>(&effect))
      session.open(open->screen);
    else if (const auto* hide = std::get_if<CheckOutcome::Hide>(&effect))
      session.hide(hide->screen);
    else
      session.returnToStart();
  }
}

void resetExercise(Session& session, const CheckSpec& check) {
  for (const AnswerField& box : check.boxes)
    session.setText(check.screen, QString::fromUtf8(box.control), QString());
  for (const AnswerField& label : check.answers)
    session.setText(check.screen, QString::fromUtf8(label.control), QString());
  if (check.hasVerdict) session.setText(check.screen, QStringLiteral("lblA"), QString());
  session.setMissLabel(check.screen, 0);
}

}  // namespace kairo
