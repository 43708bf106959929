#include "app/application.h"

#include <QCoreApplication>

#include "courses/courses.h"
#include "record/record.h"
#include "ui/code_panel.h"

namespace kairo {

namespace {

Record::Outcome outcomeOf(ProblemEnd end) {
  switch (end) {
    case ProblemEnd::Passed:
      return Record::Outcome::Passed;
    case ProblemEnd::Helped:
      return Record::Outcome::Helped;
    case ProblemEnd::Failed:
      return Record::Outcome::Failed;
    case ProblemEnd::Abandoned:
      break;
  }
  return Record::Outcome::Abandoned;
}

}  // namespace

Application::Application() : Application(nullptr) {}

Application::Application(std::unique_ptr<Record> record)
    : Session(kairo::courses(), [this](ScreenId id) { return createScreen(id); }),
      record_(record ? std::move(record)
                     : Record::off(QCoreApplication::translate(
                           "Kairo", "このプログラムは記録を付けていません。"))) {
  connect(this, &Session::problemBegun, this, [this] {
    record_->beginProblem(QString::fromUtf8(course()->key), QString());
    codeNoted_ = false;
  });
  connect(this, &Session::checked, this, [this](const QString& window, bool correct) {
    // The code is on the panel once the problem is drawn, which is after it began.
    if (!codeNoted_) record_->setCode(shownCircuitCode(*this));
    codeNoted_ = true;
    record_->check(window, correct);
  });
  connect(this, &Session::problemEnded, this,
          [this](ProblemEnd end) { record_->endProblem(outcomeOf(end)); });
}

Application::~Application() = default;

void Application::setRecord(std::unique_ptr<Record> record) {
  record_->endProblem(Record::Outcome::Abandoned);
  record_ = std::move(record);
  if (problemOpen()) {
    record_->beginProblem(QString::fromUtf8(course()->key), QString());
    codeNoted_ = false;
  }
}

QWidget* Application::createScreen(ScreenId id) {
  if (id == screens::SetForm) return createSetForm(*this);
  if (id == screens::Tokikata) return createSolutionWindow(*this);
  if (id == screens::Kiroku) return createRecordWindow(*this);
  return createAppScreen(*this, id);
}

void Application::start() {
  screens().open(screens::StartF);
}

void Application::quit() {
  screens().hideAll();
  if (screens().visibleCount() == 0) emit quitRequested();
}

}  // namespace kairo
