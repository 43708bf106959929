#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "app/application.h"
#include "courses/beginner/windows.h"
#include "courses/intermediate/windows.h"

namespace kairo::test {

// Drives the windows the way a student does: by control names, with clicks and typing.
class Driver {
 public:
  explicit Driver(Application& app) : app_(app) {}

  Application& app() { return app_; }
  ExerciseState& state() { return app_.state(); }

  QWidget* form(ScreenId id) { return app_.screens().form(id); }
  template <class T = QWidget>
  T* control(ScreenId id, const char* name) {
    T* widget = form(id)->findChild<T*>(QString::fromUtf8(name));
    if (!widget) qFatal("no control %s on %s", name, qUtf8Printable(ScreenRegistry::name(id)));
    return widget;
  }

  // Presses a button with the mouse (the button must be visible and enabled to react).
  void click(ScreenId id, const char* button) {
    auto* widget = control<QAbstractButton>(id, button);
    if (!widget->isVisible()) {
      QTest::qFail(qUtf8Printable(QStringLiteral("pressed %1 on %2, which is not visible")
                                      .arg(QString::fromUtf8(button), ScreenRegistry::name(id))),
                   __FILE__, __LINE__);
      return;
    }
    QTest::mouseClick(widget, Qt::LeftButton);
  }
  // Replaces a box's text by typing: keys for ASCII, and what is not on the keys (full-width
  // forms, the ideographic space) committed by the input method, as a Japanese student types it.
  void type(ScreenId id, const char* box, const QString& text) {
    QLineEdit* edit = control<QLineEdit>(id, box);
    edit->clear();
    for (QChar c : text) {
      if (c.unicode() < 128) {
        QTest::keyClicks(edit, QString(c));
      } else {
        QInputMethodEvent commit;
        commit.setCommitString(QString(c));
        QCoreApplication::sendEvent(edit, &commit);
      }
    }
  }
  QString text(ScreenId id, const char* name) { return app_.text(id, QString::fromUtf8(name)); }
  bool visible(ScreenId id) { return app_.screens().isVisible(id); }
  bool created(ScreenId id) { return app_.screens().isCreated(id); }
  // The visible windows' names, sorted, for whole-screen assertions.
  QStringList visibleScreens() {
    QStringList names;
    for (ScreenId id : app_.screens().all())
      if (visible(id)) names << ScreenRegistry::name(id);
    names.sort();
    return names;
  }

 private:
  Application& app_;
};

}  // namespace kairo::test

// Data-driven tests take windows as rows.
Q_DECLARE_METATYPE(kairo::ScreenId)
