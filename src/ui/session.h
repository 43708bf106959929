#pragma once

#include <QObject>
#include <QString>
#include <initializer_list>
#include <span>
#include <vector>

#include "core/ac_problem.h"
#include "core/check.h"
#include "core/exercise_state.h"
#include "core/random.h"
#include "ui/course.h"
#include "ui/screen_registry.h"

namespace kairo {

class Canvas;

// How a problem ended, as the learning record keeps it: passed without a selection screen, passed
// after a retry or review, an end screen or a fourth miss, or left unfinished.
enum class ProblemEnd { Passed, Helped, Failed, Abandoned };

// One run of the drill as the courses see it: the exercise state, the random generator, the
// courses and the windows, with the few things every course does to them. The program's top layer
// derives the application from it and supplies its own windows.
class Session : public QObject {
  Q_OBJECT

 public:
  using ProgramFactory = std::function<QWidget*(ScreenId)>;
  Session(std::span<const CourseDefinition* const> courses, ProgramFactory programWindows);
  ~Session() override;

  ExerciseState& state() { return state_; }
  Random& random() { return random_; }
  ScreenRegistry& screens() { return screens_; }
  const ScreenRegistry& screens() const { return screens_; }
  std::span<const CourseDefinition* const> courses() const { return courses_; }
  // The course of the problem on the drawing (nullptr before the first one).
  const CourseDefinition* course() const { return course_; }
  // The course a window belongs to (nullptr for the program's own windows).
  const CourseDefinition* courseOf(ScreenId id) const;
  // The answer check of an exercise window (nullptr for any other window).
  const CheckSpec* checkOf(ScreenId id) const;

  // Opens a window; an exercise window then shows the current miss count.
  void open(ScreenId id);
  void hide(ScreenId id) { screens_.hide(id); }
  // Text of a label, text box, button or frame caption of a window (creating it hidden).
  QString text(ScreenId id, const QString& control);
  void setText(ScreenId id, const QString& control, const QString& text);
  void clear(ScreenId id, std::initializer_list<const char*> controls);
  // Label6 of a window shows missCount-style digits.
  void setMissLabel(ScreenId id, int count);

  // The drawing screen's canvas (creating the drawing screen, hidden, on first use).
  Canvas& canvas();

  // Back to the start screen: open it and hide every other window.
  void returnToStart();

  // A course's button on the start screen: its own steps, then an empty code panel and a locked
  // worked solution.
  void startCourse(const CourseDefinition& course);
  // A new problem of `course` begins (its "start", the replay of a full code): every course window
  // but the first exercise is hidden and every exercise window emptied, so nothing on screen
  // belongs to the earlier problem. The caller opens the first exercise.
  void beginProblem(const CourseDefinition& course);
  // An alternating-current problem of `course` on the drawing: a new problem begun, the circuit
  // drawn with its values and coded (`classChar` where the course has a class of its own).
  void poseAcProblem(const CourseDefinition& course, const AcProblem& problem, QChar classChar);
  // Runs the steps of a route, in order.
  void run(std::span<const RouteStep> steps);

  // The worked solution shows nothing of the next problem: every stage locked, its window hidden.
  void lockSolution();

  // The state after a check: stored, and the worked solution told when a stage was earned.
  void setState(ExerciseState state);

  // A check of `check` was decided: told to whoever keeps a record, with the end of the problem
  // it brings, before any of its effects (a fourth miss returns to the start screen).
  void noteCheck(const CheckSpec& check, const CheckOutcome& outcome);
  // Whether a problem is under way: begun, and neither passed, failed nor left.
  bool problemOpen() const { return problemOpen_; }

 signals:
  // A stage of the worked solution was earned, or a new problem locked them all.
  void solutionChanged();
  // A problem of course() begins; checked() follows each press of its answer-check buttons, and
  // problemEnded() its end, once.
  void problemBegun();
  void checked(const QString& window, bool correct);
  void problemEnded(ProblemEnd end);

 private:
  QWidget* createScreen(ScreenId id);
  void endProblem(ProblemEnd end);
  // The check, routes and "start" of a course window, connected to its buttons.
  void wire(const CourseDefinition& course, ScreenId id, QWidget* form);

  std::span<const CourseDefinition* const> courses_;
  ProgramFactory programWindows_;
  const CourseDefinition* course_ = nullptr;
  ExerciseState state_;
  bool problemOpen_ = false;
  bool helped_ = false;  // a selection screen was shown during the problem
  Random random_;
  ScreenRegistry screens_;
};

}  // namespace kairo
