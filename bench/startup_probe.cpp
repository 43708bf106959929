// Start-up probe: starts exactly as the program's main does and reports the moment the start
// screen has been painted once, then ends. With --all-windows it goes on instead: it draws a
// problem, opens every window of the program once, lets each paint, and reports the peak resident
// memory (--mappings adds the largest resident mappings on stderr).
#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "app/application.h"
#include "support.h"

namespace {

using kairo::ScreenId;
namespace screens = kairo::screens;
namespace bench = kairo::bench;

void press(kairo::Application& app, ScreenId id, const char* button) {
  app.screens().form(id)->findChild<QAbstractButton*>(QString::fromUtf8(button))->click();
}

void openEveryWindow(kairo::Application& app, bool listMappings) {
  bench::EventCounter counter;
  // A problem of the first course on the drawing screen, so its canvas holds a circuit like in
  // use.
  const kairo::CourseDefinition& course = *app.courses().front();
  press(app, screens::StartF, course.startButton);
  press(app, course.firstExercise, "cmdSuuti");
  bench::settle(counter);
  // Each window opened and painted once, then put away again as the courses do; the start and
  // drawing screens stay up.
  for (ScreenId id : app.screens().all()) {
    app.open(id);
    bench::settle(counter);
    if (id != screens::StartF && id != screens::SetForm) app.hide(id);
  }
  bench::settle(counter);
  qint64 unpainted = 0;
  qint64 backingBytes = 0;  // what the windows' backing stores hold at 4 bytes a pixel
  for (ScreenId id : app.screens().all()) {
    const QWidget* window = app.screens().form(id);
    const double ratio = window->devicePixelRatioF();
    backingBytes += qint64(window->width() * ratio) * qint64(window->height() * ratio) * 4;
    if (!counter.paintedIn(window)) {
      ++unpainted;
      std::fprintf(stderr, "not painted: %s\n", qUtf8Printable(kairo::ScreenRegistry::name(id)));
    }
  }
  if (listMappings)
    for (const auto& [name, kib] : bench::residentMappings(15))
      std::fprintf(stderr, "%8lld KiB  %s\n", static_cast<long long>(kib), qUtf8Printable(name));
  const qint64 hwm = bench::statusKib("VmHWM");
  const qint64 rss = bench::statusKib("VmRSS");
  const qint64 anon = bench::statusKib("RssAnon");
  const qint64 file = bench::statusKib("RssFile");
  bench::report({{"windows", qint64(app.screens().all().size())},
                 {"unpainted", unpainted},
                 {"hwm_kib", hwm},
                 {"rss_kib", rss},
                 {"rss_anon_kib", anon},
                 {"rss_file_kib", file},
                 {"backing_kib", backingBytes / 1024}});
  bench::quickExit();
}

}  // namespace

int main(int argc, char** argv) {
  const qint64 mainNs = bench::monotonicNs();
  // As the program's main (its option parsing aside, which does nothing without options).
  QApplication::setApplicationName(QStringLiteral("kairo-drill"));
  QApplication::setApplicationVersion(QStringLiteral(KAIRO_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("kairo-drill"));
  QApplication qtApp(argc, argv);
  bench::quietOffscreenNotes();
  const qint64 qtNs = bench::monotonicNs();
  const QStringList args = QApplication::arguments();
  const bool allWindows = args.contains(QStringLiteral("--all-windows"));
  const bool listMappings = args.contains(QStringLiteral("--mappings"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
  kairo::Application app;
  QObject::connect(&app, &kairo::Application::quitRequested, &qtApp, &QApplication::quit,
                   Qt::QueuedConnection);
  app.start();
  const qint64 builtNs = bench::monotonicNs();

  QWidget* startScreen = app.screens().form(screens::StartF);
  if (allWindows) {
    bench::afterFirstPaint(startScreen,
                           [&app, listMappings] { openEveryWindow(app, listMappings); });
  } else {
    bench::afterFirstPaint(startScreen, [=] {
      bench::report({{"paint_ns", bench::monotonicNs()},
                     {"main_ns", mainNs},
                     {"qt_ns", qtNs},
                     {"built_ns", builtNs},
                     {"hwm_kib", bench::statusKib("VmHWM")}});
      bench::quickExit();
    });
  }
  return qtApp.exec();
}
