#pragma once

#include <QObject>
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/session.h"

namespace kairo {

class Record;

// The drill as a program: a session whose own windows are the start and explanation screens, the
// drawing screen and the worked solution, besides the windows of the courses. A test builds a
// fresh one.
class Application : public Session {
  Q_OBJECT

 public:
  // Every problem is kept in `record`; with none, the record is off (a test's program keeps none
  // unless it asks).
  Application();
  explicit Application(std::unique_ptr<Record> record);
  ~Application() override;

  Record& record() { return *record_; }
  // A record opened later, off the start-up path: problems from now on are kept in it.
  void setRecord(std::unique_ptr<Record> record);

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

  std::unique_ptr<Record> record_;
  bool codeNoted_ = false;  // the open problem's code went to the record
};

// The windows of this layer.
QWidget* createAppScreen(Application& app, ScreenId id);  // StartF, 説明
QWidget* createSetForm(Application& app);                 // SetForm
QWidget* createSolutionWindow(Application& app);          // 解き方
QWidget* createRecordWindow(Application& app);            // 記録

// Escape anywhere in `window` hides it, then runs `afterwards` (when given).
void hideOnEscape(QWidget* window, std::function<void()> afterwards = {});
// `shown` runs each time `window` is shown.
void onShow(QWidget* window, std::function<void()> shown);

}  // namespace kairo
