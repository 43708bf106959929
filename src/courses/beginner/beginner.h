#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <span>

#include "core/screen_id.h"

namespace kairo {

class Session;
class Canvas;
class Random;
struct CheckSpec;
struct ExerciseState;

namespace beginner {

// The windows of the course (Easy*).
QWidget* createScreen(Session& app, ScreenId id);
// The seven exercise windows (EasyR1 .. EasyA並) with their buttons wired.
QWidget* createExercise(Session& app, ScreenId id);
// The correct, incorrect, selection and end windows of the course with their buttons wired.
QWidget* createResult(Session& app, ScreenId id);

// The answer check of an exercise window.
const CheckSpec& checkOf(ScreenId exercise);
// Empties what an exercise window shows of an earlier attempt: its answer boxes, verdict, answer
// labels, and the miss label ("0").
void resetExercise(Session& app, ScreenId exercise);
// Every answer check of the course, one per exercise screen.
std::span<const CheckSpec> checks();

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

// The value labels of the whole circuit: R1, R2, R3 and the source voltage.
void printValueLabels(Canvas& canvas, ExerciseState& state);

}  // namespace beginner
}  // namespace kairo
