#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "core/exercise_state.h"

namespace kairo {

// One step of a worked solution, each line in plain text with Unicode subscripts and superscripts
// (Z₂, 10⁻⁶).
struct SolutionStep {
  QString title;        // what the step finds, and why when that needs saying
  QString formula;      // in symbols
  QString substituted;  // with the problem's numbers
  QString result;       // the value found, with its unit
};

struct SolutionStage {
  QString heading;
  QString lead;  // the sentences before the first step
  QList<SolutionStep> steps;
};

// A final answer as the answer boxes take it: formatNumber's two decimals without a trailing full
// stop ("0.71", "70", "-38.89"). `im` stays empty in the beginner course.
struct FinalAnswer {
  Complex value;  // unrounded, as the checks compute it
  QString re;
  QString im;
};

struct SolutionAnswers {
  FinalAnswer total;  // R or Z
  FinalAnswer current1, current2, current3;
};

struct Solution {
  Course course = Course::Beginner;
  SolutionStage impedance;
  SolutionStage currents;
  SolutionAnswers answers;  // the texts the result lines show
};

// The worked solution of the circuit in the state; nothing when the circuit has no answer. In the
// beginner course every element is taken as the resistor it is.
std::optional<Solution> workedSolution(const ExerciseState& state, Course course);

// Only the final answers of the worked solution, without its text.
std::optional<SolutionAnswers> finalAnswers(const ExerciseState& state, Course course);

// The selected stages as rich text for a read-only view: paragraphs, <b>, <sub> and <sup>, no
// font settings. Empty when the circuit has no answer or no stage is selected.
QString solutionHtml(const Solution& solution, bool impedanceStage, bool currentStage);
QString solutionHtml(const ExerciseState& state, Course course, bool impedanceStage,
                     bool currentStage);

}  // namespace kairo
