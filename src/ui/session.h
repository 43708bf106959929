#pragma once

#include <QObject>
#include <QString>
#include <initializer_list>
#include <span>
#include <vector>

#include "core/check.h"
#include "core/exercise_state.h"
#include "core/random.h"
#include "ui/screen_registry.h"

namespace kairo {

class Canvas;

// One run of the drill as the courses see it: the exercise state, the random generator and the
// windows, with the few things every course does to them. The program's top layer derives the
// application from it and supplies the windows.
class Session : public QObject {
  Q_OBJECT

 public:
  explicit Session(ScreenRegistry::Factory factory);
  ~Session() override;

  ExerciseState& state() { return state_; }
  Random& random() { return random_; }
  ScreenRegistry& screens() { return screens_; }

  // Opens a window; an exercise window then shows the current miss count.
  void open(ScreenId id);
  void hide(ScreenId id) { screens_.hide(id); }
  void hide(std::initializer_list<ScreenId> ids) { screens_.hide(ids); }
  // Text of a label, text box, button or frame caption of a window (creating it hidden).
  QString text(ScreenId id, const QString& control);
  void setText(ScreenId id, const QString& control, const QString& text);
  void clear(ScreenId id, std::initializer_list<const char*> controls);
  // Label6 of a window shows missCount-style digits.
  void setMissLabel(ScreenId id, int count);

  // The drawing screen's canvas (creating the drawing screen, hidden, on first use).
  Canvas& canvas();

  // Back to the start screen: open it and hide every other window except Hard (windows never
  // opened are created hidden, as any reference to them does).
  void returnToStart();

  // The answer checks of a course's exercise windows, for beginProblem to empty.
  void addExercises(std::span<const CheckSpec> checks);
  // A new problem begins (a start button, the replay of a full code): every window of both courses
  // but `firstExercise` is hidden and every exercise window emptied, so nothing on screen belongs
  // to the earlier problem. The caller opens `firstExercise`.
  void beginProblem(ScreenId firstExercise);

  // The worked solution shows nothing of the next problem: both stages locked, its window hidden.
  void lockSolution();

  // The state after a check: stored, and the worked solution told when a stage was earned.
  void setState(ExerciseState state);

 signals:
  // A stage of the worked solution was earned, or a new problem locked both.
  void solutionChanged();

 private:
  ExerciseState state_;
  Random random_;
  ScreenRegistry screens_;
  std::vector<std::span<const CheckSpec>> exercises_;
};

}  // namespace kairo
