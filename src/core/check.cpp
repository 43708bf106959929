#include "core/check.h"

#include <QCoreApplication>

namespace kairo {
namespace {

using Effect = CheckOutcome::Effect;

// The leading `count` boxes compared with what they stand for; every box is read on every press,
// as the student expects all of them to count.
bool boxesMatch(const CheckSpec& check, const QStringList& typed, const ExerciseState& state,
                std::size_t count) {
  bool all = true;
  for (std::size_t i = 0; i < count && i < check.boxes.size(); ++i) {
    const AnswerField& box = check.boxes[i];
    const QString text = qsizetype(i) < typed.size() ? typed[qsizetype(i)] : QString();
    const double expected = expectedField(state, box);
    all = (box.accepts ? box.accepts(expected, text)
                       : answerMatches(expected, check.pattern, text)) &&
          all;
  }
  return all;
}

// The student knows the whole answer of the stage now: its worked solution may be shown.
void unlock(const CheckSpec& check, ExerciseState& state) {
  if (check.unlocks > 0) state.solvedStages |= 1u << (check.unlocks - 1);
}

void showAnswers(const CheckSpec& check, const ExerciseState& state, std::vector<Effect>& out) {
  for (const AnswerField& label : check.answers)
    out.push_back(
        CheckOutcome::SetText{QString::fromUtf8(label.control),
                              shownNumber(expectedField(state, label), check.answerPattern)});
}

}  // namespace

double expectedField(const ExerciseState& state, const AnswerField& field) {
  return field.quantity ? field.quantity(state) : expectedPart(state, field.value, field.part);
}

std::optional<CheckOutcome> decideCheck(const CheckSpec& check, const QStringList& typed,
                                        const ExerciseState& state) {
  CheckOutcome outcome;
  outcome.state = state;
  ExerciseState& s = outcome.state;
  if (!computeExpected(s, check.computation)) return std::nullopt;
  std::vector<Effect>& out = outcome.effects;

  if (boxesMatch(check, typed, s, check.boxes.size())) {
    outcome.correct = true;
    unlock(check, s);
    if (check.answerOnCorrect) showAnswers(check, s, out);
    if (check.hasVerdict)
      out.push_back(CheckOutcome::SetText{QStringLiteral("lblA"),
                                          QCoreApplication::translate("Kairo", "正解！！")});
    out.push_back(CheckOutcome::Hide{check.incorrect});
    out.push_back(CheckOutcome::Open{check.correct});
    return outcome;
  }

  if (s.missCount < ExerciseState::kMissCountLimit) ++s.missCount;
  out.push_back(CheckOutcome::SetText{QStringLiteral("Label6"), QString::number(s.missCount)});
  out.push_back(CheckOutcome::Open{check.incorrect});

  if (!check.followUp) {
    if (s.missCount != 3) return outcome;
    const bool firstCurrentRight =
        check.firstCurrentBoxes == 0 ||
        boxesMatch(check, typed, s, std::size_t(check.firstCurrentBoxes));
    out.push_back(
        CheckOutcome::Open{firstCurrentRight ? check.selection : check.selectionOtherwise});
    out.push_back(CheckOutcome::Hide{check.incorrect});
    return outcome;
  }
  if (s.missCount == 3) {
    unlock(check, s);
    showAnswers(check, s, out);
    out.push_back(CheckOutcome::Open{check.end});
    out.push_back(CheckOutcome::Hide{check.incorrect});
    for (ScreenId id : check.hideAtThird) out.push_back(CheckOutcome::Hide{id});
  } else if (s.missCount == 4) {
    out.push_back(CheckOutcome::ReturnToStart{});
  }
  return outcome;
}

}  // namespace kairo
