#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <span>

#include "core/solution.h"
#include "courses/advanced/windows.h"
#include "ui/course.h"

namespace kairo {

class Session;
class Canvas;
struct ExerciseState;

namespace advanced {

// The course: the circuits of the intermediate course in polar form, with AC power and phasors
// (HARD).
const CourseDefinition& course();

// ---- Its parts, for the definition ----

// The windows, built hidden: exercises from their check rows, then results, selections and end.
QWidget* createExercise(ScreenId id);
QWidget* createResult(Session& app, ScreenId id);
std::span<const CheckSpec> checks();
std::span<const Route> routes();
std::span<const RouteStep> startSteps();

// "start" on Hardi: intermediate draws, repeated until the problem is one of this course.
void startProblem(Session& app);
// Why a code with the course's class character is no problem of the course, for the state the
// code leaves.
std::optional<QString> refusesCode(QStringView code, const ExerciseState& replayed);

// ---- Drawings: the circuit again, with one figure beside it ----

void drawImpedanceFigure(Canvas& canvas, ExerciseState& state);
void drawPowerFigure(Canvas& canvas, ExerciseState& state);
void drawVoltageFigure(Canvas& canvas, ExerciseState& state);
void drawPhasorFigure(Canvas& canvas, ExerciseState& state);

// ---- The worked solution: polar impedance, power, phasor currents ----

QList<SolutionStage> solutionStages(const ExerciseState& state);

}  // namespace advanced
}  // namespace kairo
