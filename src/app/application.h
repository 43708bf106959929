#pragma once

#include <QObject>
#include <QWidget>

#include "ui/session.h"

namespace kairo {

// The drill as a program: a session whose own windows are the start and explanation screens, the
// drawing screen and the worked solution, besides the windows of the courses. A test builds a
// fresh one.
class Application : public Session {
  Q_OBJECT

 public:
  Application();
  ~Application() override;

  // Creates and shows the start screen.
  void start();

  // "終了": hide every window, then end the program (a program with every window hidden could
  // receive no input and would linger unseen).
  void quit();

 signals:
  // The program should end (main connects it to the event loop).
  void quitRequested();

 private:
  QWidget* createScreen(ScreenId id);
};

// The windows of this layer.
QWidget* createAppScreen(Application& app, ScreenId id);  // StartF, 説明
QWidget* createSetForm(Application& app);                 // SetForm
QWidget* createSolutionWindow(Application& app);          // 解き方

}  // namespace kairo
