#pragma once

#include <QRectF>
#include <QString>
#include <QStringView>
#include <QWidget>
#include <optional>
#include <span>

#include "core/check.h"
#include "core/circuit_code.h"
#include "core/solution.h"
#include "diagram/canvas.h"

namespace kairo {

class Session;

// A picture a button puts on the drawing screen.
using Drawing = void (*)(Canvas& canvas, ExerciseState& state);

// One effect of a button, in order. An exercise opened shows the miss count of that moment, so a
// route resets the count before it opens the next exercise.
struct RouteStep {
  enum class Op {
    ResetMisses,    // missCount = 0
    Open,           // the window, shown and raised
    Hide,           // the window
    ResetExercise,  // the exercise's boxes, answer labels and verdict emptied, its miss label "0"
    ClearCanvas,    // the drawing screen emptied
    Draw,           // `drawing` added to the drawing screen
    ReturnToStart,  // the start screen alone
  };
  Op op;
  ScreenId screen = {};
  Drawing drawing = nullptr;
};

namespace route {
inline constexpr RouteStep resetMisses{RouteStep::Op::ResetMisses};
inline constexpr RouteStep clearCanvas{RouteStep::Op::ClearCanvas};
inline constexpr RouteStep toStart{RouteStep::Op::ReturnToStart};
constexpr RouteStep open(ScreenId id) {
  return {RouteStep::Op::Open, id};
}
constexpr RouteStep hide(ScreenId id) {
  return {RouteStep::Op::Hide, id};
}
constexpr RouteStep reset(ScreenId id) {
  return {RouteStep::Op::ResetExercise, id};
}
constexpr RouteStep draw(Drawing drawing) {
  return {RouteStep::Op::Draw, {}, drawing};
}
}  // namespace route

// What a button of a course window does; with no button, what the window does as it opens.
struct Route {
  ScreenId window;
  const char* button;
  std::span<const RouteStep> steps;
};

// A course as data: everything the program needs to know of it. The program reads the list of
// courses (courses/courses.h) and names no window or check of one course.
struct CourseDefinition {
  const char* key;          // "easy", "normal", "hard"
  const char* title;        // as the learning record names it: "初級", "中級", "上級"
  const char* startButton;  // its button on the start screen
  // What that button does (the code panel is emptied and the worked solution locked after it).
  std::span<const RouteStep> start;
  ScreenId firstExercise;  // the exercise whose "start" (cmdSuuti) poses a new problem
  void (*startProblem)(Session& session);
  // Every window of the course, built hidden on first use from its layout table; the program
  // wires the check buttons and the routes.
  std::span<const ScreenId> windows;
  QWidget* (*createWindow)(Session& session, ScreenId id);
  std::span<const CheckSpec> checks;
  std::span<const Route> routes;
  // The window a check opens when the course is passed.
  ScreenId passed;
  // Replay: the class character its codes carry. A course whose codes must carry it (`strictClass`)
  // claims every complete code with that character; the others claim by the circuit.
  QChar codeClass;
  bool strictClass = false;
  bool (*claimsCircuit)(const FinishStep& finish) = nullptr;
  // Why a claimed code is no problem of this course, with the state the code leaves; nothing when
  // it is one.
  std::optional<QString> (*refusesCode)(QStringView code, const ExerciseState& replayed) = nullptr;
  // The stages of its worked solution for the circuit of the state (empty when it has no answer).
  QList<SolutionStage> (*solution)(const ExerciseState& state) = nullptr;
  // Whether the source is drawn as a direct-current source.
  bool directCurrent = false;
  // What the drawing screen fits to its size: the circuit, its reviews and whatever else the
  // course draws (twips).
  QRectF pictureBox = Canvas::kPictureBox;

  const CheckSpec* checkOf(ScreenId id) const {
    for (const CheckSpec& check : checks)
      if (check.screen == id) return &check;
    return nullptr;
  }
  bool owns(ScreenId id) const {
    for (ScreenId window : windows)
      if (window == id) return true;
    return false;
  }
};

}  // namespace kairo
