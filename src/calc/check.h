#pragma once

#include <span>

#include "app/screens.h"
#include "calc/expected.h"
#include "calc/number.h"

namespace kairo {

class Application;
struct ExerciseState;

// An answer box (or answer label) and the expected part it stands for.
struct AnswerField {
  const char* control;
  Expect value;
  Part part = Part::Re;
};

// One answer-check button: which boxes compare with which values and where each outcome leads.
struct CheckSpec {
  ScreenId screen;
  Computation computation;
  Pattern pattern;
  std::span<const AnswerField> boxes;
  ScreenId correct;
  ScreenId incorrect;
  bool followUp = false;
  // The screen has the verdict label lblA ("正解！！" on a correct answer).
  bool hasVerdict = false;
  // First-attempt screens: the third miss opens `selection`; when `firstCurrentBoxes` > 0 it opens
  // `selection` only if those leading boxes (the first current) match, else `selectionOtherwise`.
  ScreenId selection = ScreenId::Count;
  int firstCurrentBoxes = 0;
  ScreenId selectionOtherwise = ScreenId::Count;
  // Follow-up screens: answer labels written at the third miss (and on a correct answer when
  // `answerOnCorrect`), the end screen and the further screens hidden at the third miss. The
  // fourth miss leaves the course for the start screen.
  std::span<const AnswerField> answers = {};
  Pattern answerPattern = Pattern::Zero2;
  bool answerOnCorrect = false;
  ScreenId end = ScreenId::Count;
  std::span<const ScreenId> hideAtThird = {};
};

// Runs one press of the answer-check button described by `check`.
void runCheck(Application& app, const CheckSpec& check);

// Empties what an exercise window shows of an earlier attempt: its answer boxes, verdict, answer
// labels, and the miss label ("0").
void resetExercise(Application& app, const CheckSpec& check);

}  // namespace kairo
