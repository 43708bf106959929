// "解き方": the worked solution of the problem on the drawing, as far as the student has earned it.
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/application.h"
#include "core/solution.h"
#include "ui/form.h"

namespace kairo {

namespace {

constexpr FontSpec kSolutionFont{Face::Default, 10.5};

// The window shows the stages of the problem in the state, again whenever one is earned.
void showSolution(Application& app, QTextBrowser* view) {
  const ExerciseState& s = app.state();
  const CourseDefinition* course = app.course();
  view->setHtml(course && course->solution ? solutionHtml(course->solution(s), s.solvedStages)
                                           : QString());
}

// Runs a handler on the events of a window it watches; the handler says whether it took the event.
class EventHook : public QObject {
 public:
  EventHook(QWidget* window, std::function<bool(QEvent*)> handler)
      : QObject(window), handler_(std::move(handler)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override { return handler_(event); }

 private:
  std::function<bool(QEvent*)> handler_;
};

}  // namespace

// Escape closes the window, wherever in it the key was pressed (the views leave the key to it).
void hideOnEscape(QWidget* window, std::function<void()> afterwards) {
  new EventHook(window, [window, afterwards = std::move(afterwards)](QEvent* event) {
    if (event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
      return false;
    window->hide();
    if (afterwards) afterwards();
    return true;
  });
}

void onShow(QWidget* window, std::function<void()> shown) {
  new EventHook(window, [shown = std::move(shown)](QEvent* event) {
    if (event->type() == QEvent::Show) shown();
    return false;
  });
}

QWidget* createSolutionWindow(Application& app) {
  auto* window = new QWidget(nullptr, Qt::Window);
  window->setObjectName(QStringLiteral("解き方"));
  window->setWindowTitle(QCoreApplication::translate("Kairo", "解き方"));
  window->setFont(screenFont());
  window->resize(px(8400), px(8400));

  auto* view = new QTextBrowser(window);
  view->setObjectName(QStringLiteral("txtSolution"));
  view->setFont(screenFont(kSolutionFont));
  view->setOpenLinks(false);
  auto* close = new QPushButton(QCoreApplication::translate("Kairo", "閉じる"), window);
  close->setObjectName(QStringLiteral("cmdClose"));
  close->setFont(screenFont());

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(window);
  layout->addWidget(view);
  layout->addLayout(buttons);

  QObject::connect(close, &QPushButton::clicked, window, &QWidget::hide);
  hideOnEscape(window);
  QObject::connect(&app, &Session::solutionChanged, view,
                   [&app, view] { showSolution(app, view); });
  showSolution(app, view);
  return window;
}

}  // namespace kairo
