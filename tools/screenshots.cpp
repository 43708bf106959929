// Writes a PNG of every window of the program, rendered offscreen, into the folder given as the
// first argument: <screen name>.png for each window as first shown, plus the drawing screen with a
// generated problem of each course.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include "app/application.h"

namespace {

bool save(QWidget* window, const QString& path) {
  window->show();
  QApplication::processEvents();
  const bool ok = window->grab().save(path);
  if (!ok) qWarning("could not write %s", qUtf8Printable(path));
  return ok;
}

void press(kairo::Application& app, kairo::ScreenId id, const char* button) {
  if (auto* b = app.screens().form(id)->findChild<QAbstractButton*>(QString::fromUtf8(button)))
    b->click();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qtApp(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens");
  QDir().mkpath(folder);
  bool ok = true;
  {
    kairo::Application app;
    for (int i = 0; i < kairo::kScreenCount; ++i) {
      const auto id = static_cast<kairo::ScreenId>(i);
      QWidget* window = app.screens().form(id);
      ok = save(window, folder + QLatin1Char('/') + kairo::ScreenRegistry::name(id) + ".png") && ok;
      window->hide();
    }
  }
  {
    kairo::Application app;
    app.start();
    press(app, kairo::ScreenId::StartF, "Command3");
    press(app, kairo::ScreenId::EasyR1, "cmdSuuti");
    ok = save(app.screens().form(kairo::ScreenId::SetForm), folder + "/SetForm-beginner.png") && ok;
  }
  {
    kairo::Application app;
    app.start();
    press(app, kairo::ScreenId::StartF, "Command2");
    for (int i = 0; i < 3; ++i) press(app, kairo::ScreenId::Normali, "cmdSuuti");
    ok = save(app.screens().form(kairo::ScreenId::SetForm), folder + "/SetForm-intermediate.png") &&
         ok;
  }
  return ok ? 0 : 1;
}
