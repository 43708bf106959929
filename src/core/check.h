#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "core/expected.h"
#include "core/number.h"
#include "core/screen_id.h"

namespace kairo {

// A value of the circuit an answer stands for, read from the state once the check's computation
// has run; and a rule that accepts a typed answer for an expected value.
using Quantity = double (*)(const ExerciseState& state);
using Acceptance = bool (*)(double expected, QStringView typed);

// An answer box (or answer label) and the expected part it stands for: a part of one of the
// circuit's complex values compared by the check's pattern, or a quantity of the course with its
// own rule of acceptance.
struct AnswerField {
  const char* control;
  Expect value = Expect::ZTotal;
  Part part = Part::Re;
  Quantity quantity = nullptr;
  Acceptance accepts = nullptr;
};
constexpr AnswerField quantityField(const char* control, Quantity quantity,
                                    Acceptance accepts = nullptr) {
  return {control, Expect::ZTotal, Part::Re, quantity, accepts};
}

// The value a field stands for, in a state whose expected values are computed.
double expectedField(const ExerciseState& state, const AnswerField& field);

// One answer-check button: which boxes compare with which values and where each outcome leads.
struct CheckSpec {
  ScreenId screen;
  Computation computation;
  Pattern pattern;
  std::span<const AnswerField> boxes;
  ScreenId correct;
  ScreenId incorrect;
  // The button that runs the check.
  const char* button = "cmdkaitou";
  bool followUp = false;
  // The screen has the verdict label lblA ("正解！！" on a correct answer).
  bool hasVerdict = false;
  // First-attempt screens: the third miss opens `selection`; when `firstCurrentBoxes` > 0 it opens
  // `selection` only if those leading boxes (the first current) match, else `selectionOtherwise`.
  ScreenId selection = {};
  int firstCurrentBoxes = 0;
  ScreenId selectionOtherwise = {};
  // Follow-up screens: answer labels written at the third miss (and on a correct answer when
  // `answerOnCorrect`), the end screen and the further screens hidden at the third miss. The
  // fourth miss leaves the course for the start screen.
  std::span<const AnswerField> answers = {};
  Pattern answerPattern = Pattern::Zero2;
  bool answerOnCorrect = false;
  ScreenId end = {};
  std::span<const ScreenId> hideAtThird = {};
  // Answered right, or shown at a follow-up's third miss, this answer earns this stage of the
  // worked solution (1, 2, …; 0 none).
  int unlocks = 0;
};

// What one press of an answer-check button does, decided without any window: the state after the
// press (the expected values computed, the miss count) and the effects on the windows in order.
struct CheckOutcome {
  struct SetText {  // a label of the exercise window
    QString control;
    QString text;
    bool operator==(const SetText&) const = default;
  };
  struct Open {
    ScreenId screen;
    bool operator==(const Open&) const = default;
  };
  struct Hide {
    ScreenId screen;
    bool operator==(const Hide&) const = default;
  };
  struct ReturnToStart {  // the course is abandoned: the start screen alone
    bool operator==(const ReturnToStart&) const = default;
  };
  using Effect = std::variant<SetText, Open, Hide, ReturnToStart>;

  bool correct = false;
  ExerciseState state;
  std::vector<Effect> effects;
};

// Decides one press of `check` with the texts typed into its boxes (in box order) on the state.
// Nothing when the circuit has no answer to check against (no problem yet, cancelling
// reactances): the press then does nothing at all.
std::optional<CheckOutcome> decideCheck(const CheckSpec& check, const QStringList& typed,
                                        const ExerciseState& state);

}  // namespace kairo
