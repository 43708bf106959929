#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <span>

#include "core/solution.h"
#include "courses/beginner/windows.h"
#include "ui/course.h"

namespace kairo {

class Session;
class Canvas;
class Random;
struct ExerciseState;

namespace beginner {

// The course: direct-current circuits of three resistors (EASY).
const CourseDefinition& course();

// ---- Its parts, for the definition ----

// The windows, built hidden from their tables: exercises, then results, selections and end.
QWidget* createExercise(ScreenId id);
QWidget* createResult(Session& app, ScreenId id);
// One answer check per exercise window.
std::span<const CheckSpec> checks();
// What the buttons of the result windows and the course's start-screen button do.
std::span<const Route> routes();
std::span<const RouteStep> startSteps();

// ---- The problem generator of EasyR1's "start" ----

// One value of ten steps of ten (10 .. 100): one draw of the generator.
int drawTens(Random& random);
// Draws resistance 1, 2, 3 and the source voltage, in this order (four draws); reactances 0.
void drawBeginnerValues(ExerciseState& state, Random& random);
// The code panel of a beginner problem, lblE .. lblxx: the source digit, three resistor kinds,
// the three value digits ("a" for 100) and the direct-current class.
QString beginnerCircuitCode(const ExerciseState& state);
// "start" on EasyR1: a new problem drawn, labelled and coded on the drawing screen.
void startProblem(Session& app);

// ---- Drawings ----

// The value labels of the whole circuit: R1, R2, R3 and the source voltage.
void printValueLabels(Canvas& canvas, ExerciseState& state);
// What the result buttons draw.
void drawArrows(Canvas& canvas, ExerciseState& state);
void drawParallelReview(Canvas& canvas, ExerciseState& state);
void drawWholeAgain(Canvas& canvas, ExerciseState& state);
void drawCurrentSplitReview(Canvas& canvas, ExerciseState& state);
void drawTotalCurrentReview(Canvas& canvas, ExerciseState& state);

// ---- The worked solution: every element taken as the resistor it is ----

std::optional<Solution> workedSolution(const ExerciseState& state);
std::optional<SolutionAnswers> finalAnswers(const ExerciseState& state);
QList<SolutionStage> solutionStages(const ExerciseState& state);

}  // namespace beginner
}  // namespace kairo
