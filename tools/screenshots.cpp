// Writes a PNG of every window of the program, rendered offscreen, into <folder>/ja/ and
// <folder>/en/ (the folder given as the first argument), once in each language:
// <screen name>.png for each window as first shown; the drawing screen with a problem of each
// course and with each review drawing; the worked solution of a problem of each course.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWidget>
#include <functional>

#include "app/application.h"
#include "app/language.h"
#include "core/check.h"
#include "core/expected.h"
#include "core/number.h"
#include "courses/advanced/windows.h"
#include "courses/beginner/windows.h"
#include "courses/intermediate/windows.h"
#include "record/record.h"

namespace {

using kairo::Application;
using kairo::ScreenId;
namespace screens = kairo::screens;

bool save(QWidget* window, const QString& path) {
  window->show();
  QApplication::processEvents();
  const bool ok = window->grab().save(path);
  if (!ok) qWarning("could not write %s", qUtf8Printable(path));
  return ok;
}

void press(Application& app, ScreenId id, const char* button) {
  if (auto* b = app.screens().form(id)->findChild<QAbstractButton*>(QString::fromUtf8(button)))
    b->click();
}

void type(Application& app, ScreenId id, const char* box, const QString& text) {
  if (auto* edit = app.screens().form(id)->findChild<QLineEdit*>(QString::fromUtf8(box)))
    edit->setText(text);
}

void replay(Application& app, const char* code) {
  app.start();
  type(app, screens::StartF, "passtxt", QString::fromLatin1(code));
  press(app, screens::StartF, "Command5");
}

// The right answers of the problem on the drawing, typed into a window's boxes.
void answer(Application& app, ScreenId id, bool impedance, bool firstCurrentRight = true) {
  const kairo::ExerciseState s = *kairo::solved(app.state());
  const auto text = [](double x) { return kairo::formatNumber(x, kairo::Pattern::Zero2); };
  if (impedance) {
    type(app, id, "txtZR", text(s.zTotal.re));
    type(app, id, "txtrr", text(s.zTotal.re));
    type(app, id, "txtjj", text(s.zTotal.im));
    return;
  }
  const kairo::Complex currents[] = {s.current1, s.current2, s.current3};
  for (int k = 0; k < 3; ++k) {
    const QByteArray re = "txtArr" + QByteArray::number(k + 1);
    const QByteArray im = "txtAjj" + QByteArray::number(k + 1);
    const bool spoil = k == 0 ? !firstCurrentRight : k == 1;
    type(app, id, re.constData(), spoil ? QStringLiteral("999") : text(currents[k].re));
    type(app, id, im.constData(), text(currents[k].im));
  }
}

// A course driven from a replayed code up to a review drawing.
struct Road {
  const char* name;
  const char* code;
  std::function<void(Application&)> walk;
};

void toReview(Application& app, bool beginner, bool impedance, bool firstCurrentRight) {
  const ScreenId first = beginner ? screens::EasyR1 : screens::Normali;
  const char* check = beginner ? "cmdKaitou" : "cmdkaitou";
  if (impedance) {
    for (int miss = 0; miss < 3; ++miss) press(app, first, check);
    press(app, beginner ? screens::EasyRFuseikai2 : screens::NormaliFuseikai2, "Command2");
    return;
  }
  answer(app, first, true);
  press(app, first, check);
  press(app, beginner ? screens::EasyRSeikai : screens::NormaliSeikai, "Command1");
  const ScreenId currents = beginner ? screens::EasyA : screens::NormalAA;
  answer(app, currents, false, firstCurrentRight);
  for (int miss = 0; miss < 3; ++miss) press(app, currents, "cmdkaitou");
  const ScreenId selection =
      beginner ? (firstCurrentRight ? screens::EasyAFuseikai2 : screens::EasyAFuseikai3)
               : (firstCurrentRight ? screens::NormalAAFuseikai2 : screens::NormalAAFuseikai3);
  press(app, selection, "Command2");
}

// A month of made-up history, one to six problems a day with the usual mix of outcomes, written
// through the record as the program writes it: a fixture, never the student's own file.
std::unique_ptr<kairo::Record> monthOfHistory(const QString& folder) {
  struct Course {
    const char* key;
    const char* codes[3];
    const char* windows[3];
  };
  const Course courses[] = {
      {"easy", {"51115361", "31111271", "a1116371"}, {"EasyR1", "EasyA", "EasyA2"}},
      {"normal", {"a1235472", "52321832", "71313452"}, {"Normali", "NormalAA", "Normali2"}},
      {"hard", {"a1235473", "a3124353", "51234a53"}, {"Hardi", "HardP", "HardAA"}},
  };
  QDateTime now = QDateTime(QDate::currentDate().addDays(-29), QTime(16, 0));
  kairo::Record::Options options;
  options.clock = [&now] { return now; };
  std::unique_ptr<kairo::Record> record = kairo::Record::open(folder, options);
  unsigned seed = 12345;
  const auto next = [&seed](unsigned n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  for (int day = 0; day < 30; ++day) {
    now = QDateTime(QDate::currentDate().addDays(day - 29), QTime(16, 0));
    const unsigned problems = day % 7 == 3 ? 0 : 1 + next(6);
    for (unsigned k = 0; k < problems; ++k) {
      // Later in the month the harder courses, and fewer misses.
      const Course& c = courses[std::min(2u, unsigned(day / 10) + next(2))];
      record->beginProblem(QString::fromLatin1(c.key), QString::fromLatin1(c.codes[next(3)]));
      const unsigned misses = next(day < 15 ? 6 : 4);
      for (unsigned m = 0; m <= misses; ++m) {
        now = now.addSecs(40);
        record->check(QString::fromLatin1(c.windows[next(3)]), m == misses && misses < 4);
      }
      now = now.addSecs(60);
      using Outcome = kairo::Record::Outcome;
      record->endProblem(misses == 0   ? Outcome::Passed
                         : misses < 3  ? Outcome::Helped
                         : misses == 3 ? Outcome::Abandoned
                                       : Outcome::Failed);
    }
  }
  record->flush();
  // The window reads the record with today's clock.
  options.clock = nullptr;
  record.reset();
  return kairo::Record::open(folder);
}

bool writeScreens(const QString& folder) {
  QDir().mkpath(folder);
  bool ok = true;
  {
    Application app;
    for (ScreenId id : app.screens().all()) {
      QWidget* window = app.screens().form(id);
      ok = save(window, folder + QLatin1Char('/') + kairo::ScreenRegistry::name(id) + ".png") && ok;
      window->hide();
    }
  }
  {
    Application app;
    app.start();
    press(app, screens::StartF, "Command3");
    press(app, screens::EasyR1, "cmdSuuti");
    ok = save(app.screens().form(screens::SetForm), folder + "/SetForm-beginner.png") && ok;
  }
  // 10, 20, 70 Ω at 30 V; 50 V with 1 µF, a coil of 8 mH as element 2 and 3 µF; 50 Ω, 4 µF and
  // 7 mH at 100 V.
  const Road roads[] = {
      {"SetForm-intermediate", "52321832", [](Application&) {}},
      {"SetForm-beginner-parallel-review", "31111271",
       [](Application& app) { toReview(app, true, true, true); }},
      {"SetForm-beginner-current-split-review", "31111271",
       [](Application& app) { toReview(app, true, false, true); }},
      {"SetForm-beginner-total-current-review", "31111271",
       [](Application& app) { toReview(app, true, false, false); }},
      {"SetForm-intermediate-parallel-review", "a1235472",
       [](Application& app) { toReview(app, false, true, true); }},
      {"SetForm-intermediate-branch-current-review", "a1235472",
       [](Application& app) { toReview(app, false, false, true); }},
      {"SetForm-intermediate-total-current-review", "a1235472",
       [](Application& app) { toReview(app, false, false, false); }},
  };
  for (const Road& road : roads) {
    Application app;
    replay(app, road.code);
    road.walk(app);
    ok = save(app.screens().form(screens::SetForm), folder + "/" + road.name + ".png") && ok;
  }
  // The advanced course's figures beside the circuit of a1235473, each as its button draws it.
  {
    const auto answerAll = [](Application& app, ScreenId id) {
      const kairo::CheckSpec* check = app.checkOf(id);
      const kairo::ExerciseState s = *kairo::solved(app.state());
      for (const kairo::AnswerField& box : check->boxes)
        type(app, id, box.control,
             kairo::formatNumber(kairo::expectedField(s, box), kairo::Pattern::Zero2));
      press(app, id, check->button);
    };
    using namespace kairo::screens;
    Application app;
    replay(app, "a1235473");
    answerAll(app, Hardi);
    press(app, HardiSeikai, "Command1");
    ok = save(app.screens().form(SetForm), folder + "/SetForm-advanced-impedance.png") && ok;
    answerAll(app, HardP);
    press(app, HardPSeikai, "Command1");
    ok = save(app.screens().form(SetForm), folder + "/SetForm-advanced-power.png") && ok;
    for (int miss = 0; miss < 3; ++miss) press(app, HardAA, "cmdkaitou");
    press(app, HardAAFuseikai3, "Command2");
    answerAll(app, HardAA3);
    press(app, HardAAHeiSeikai, "Command1");
    ok = save(app.screens().form(SetForm), folder + "/SetForm-advanced-voltages.png") && ok;
    answerAll(app, HardAA2);
    ok = save(app.screens().form(SetForm), folder + "/SetForm-advanced-phasors.png") && ok;
    kairo::ExerciseState s = app.state();
    s.solvedStages = ~0u;
    app.setState(s);
    ok = save(app.screens().form(Tokikata), folder + "/解き方-advanced.png") && ok;
  }
  // The learning record after a month.
  {
    QTemporaryDir history;
    Application app(monthOfHistory(history.path()));
    app.start();
    press(app, screens::StartF, "cmdRecord");
    ok = save(app.screens().form(screens::Kiroku), folder + "/記録-month.png") && ok;
  }
  // The start screen saying why a code was refused.
  {
    Application app;
    replay(app, "5x225532");
    ok = save(app.screens().form(screens::StartF), folder + "/StartF-code-refused.png") && ok;
  }
  // The worked solution with both stages earned.
  for (const auto& [name, code] :
       {std::pair{"解き方-beginner", "51115361"}, std::pair{"解き方-intermediate", "a1235472"}}) {
    Application app;
    replay(app, code);
    kairo::ExerciseState s = app.state();
    s.solvedStages = ~0u;
    app.setState(s);
    ok = save(app.screens().form(screens::Tokikata),
              folder + "/" + QString::fromUtf8(name) + ".png") &&
         ok;
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qtApp(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens");
  bool ok = true;
  for (const QString& code : kairo::languageCodes()) {
    // Every window is built anew for each language: the builder translates as it builds.
    QTranslator* translator = kairo::installTranslation(*kairo::languageOf(code));
    ok = writeScreens(folder + QLatin1Char('/') + code) && ok;
    if (translator) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
  }
  return ok ? 0 : 1;
}
