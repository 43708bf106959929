// Every control a course's data names exists in the window that holds it: the check rows' boxes,
// answer labels and buttons, the routes' buttons and the start buttons.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/application.h"
#include "support/test_main.h"

using namespace kairo;

class CourseTables : public QObject {
  Q_OBJECT

 private slots:
  void namesExist() {
    Application app;
    QStringList missing;
    const auto need = [&]<class T>(ScreenId id, const char* name, T*) {
      if (!app.screens().form(id)->findChild<T*>(QString::fromUtf8(name)))
        missing << id.name() + '/' + QString::fromUtf8(name);
    };
    for (const CourseDefinition* course : app.courses()) {
      need(screens::StartF, course->startButton, static_cast<QAbstractButton*>(nullptr));
      need(course->firstExercise, "cmdSuuti", static_cast<QAbstractButton*>(nullptr));
      for (const CheckSpec& check : course->checks) {
        need(check.screen, check.button, static_cast<QAbstractButton*>(nullptr));
        need(check.screen, "Label6", static_cast<QLabel*>(nullptr));
        if (check.hasVerdict) need(check.screen, "lblA", static_cast<QLabel*>(nullptr));
        for (const AnswerField& box : check.boxes)
          need(check.screen, box.control, static_cast<QLineEdit*>(nullptr));
        for (const AnswerField& label : check.answers)
          need(check.screen, label.control, static_cast<QLabel*>(nullptr));
        for (ScreenId id :
             {check.correct, check.incorrect, check.selection, check.selectionOtherwise, check.end})
          if (!id.isNone() && !course->owns(id)) missing << id.name() + " (not of its course)";
      }
      for (const Route& route : course->routes)
        if (route.button) need(route.window, route.button, static_cast<QAbstractButton*>(nullptr));
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
  }
};

KAIRO_TEST_CASE(CourseTables)
#include "course_tables.moc"
