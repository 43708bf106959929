#pragma once

#include <QObject>
#include <QString>
#include <initializer_list>

#include "app/exercise_state.h"
#include "app/random.h"
#include "app/screens.h"

namespace kairo {

class Canvas;

// Owns the exercise state, the random generator and the windows. A test builds a fresh one.
class Application : public QObject {
  Q_OBJECT

 public:
  Application();
  ~Application() override;

  // Creates and shows the start screen.
  void start();

  ExerciseState& state() { return state_; }
  Random& random() { return random_; }
  ScreenRegistry& screens() { return screens_; }

  // Shorthands for the handlers.
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

  // A new problem begins (a start button, the replay of a full code): every window of both courses
  // but `firstExercise` is hidden and every exercise window emptied, so nothing on screen belongs
  // to the earlier problem. The caller opens `firstExercise`.
  void beginProblem(ScreenId firstExercise);

  // "終了": hide every window but Hard, then end the program (a program with every window
  // hidden could receive no input and would linger unseen).
  void quit();

 signals:
  // The program should end (main connects it to the event loop).
  void quitRequested();

 private:
  ExerciseState state_;
  Random random_;
  ScreenRegistry screens_;
};

}  // namespace kairo
