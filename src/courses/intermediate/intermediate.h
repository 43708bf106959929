#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <span>

#include "core/ac_problem.h"
#include "core/solution.h"
#include "courses/intermediate/windows.h"
#include "diagram/elements.h"
#include "ui/course.h"

namespace kairo {

class Session;
class Canvas;
struct ExerciseState;

namespace intermediate {

// The course: alternating-current circuits of resistors, capacitors and coils (NORMAL).
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

// "start" on Normali: a new problem, drawn with its values, and the code panel filled.
void startProblem(Session& app);

// ---- Drawings ----

// The two branches alone with their values ("z2"/"z3", "Z2"/"Z3" for a coil).
void drawParallelPart(Canvas& canvas, ExerciseState& state, const QString& separator);
// The review after a right I1 but wrong branch currents: the total current, the three arrows and
// the two branches with "=".
void drawBranchCurrentReview(Canvas& canvas, ExerciseState& state);
// The review after a wrong I1: the source and one combined impedance with its value.
void drawTotalCurrentReview(Canvas& canvas, ExerciseState& state);
// What the result buttons draw.
void drawArrows(Canvas& canvas, ExerciseState& state);
void drawParallelReview(Canvas& canvas, ExerciseState& state);
void drawImpedanceAgain(Canvas& canvas, ExerciseState& state);
void drawCurrentsAgain(Canvas& canvas, ExerciseState& state);

// ---- The worked solution, in complex numbers ----

std::optional<Solution> workedSolution(const ExerciseState& state);
std::optional<SolutionAnswers> finalAnswers(const ExerciseState& state);
QList<SolutionStage> solutionStages(const ExerciseState& state);

}  // namespace intermediate
}  // namespace kairo
