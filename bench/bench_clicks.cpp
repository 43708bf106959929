// Click-latency benchmark: scripted passes through both courses that reach every window, the
// review drawings included, timing each click from the press until the event loop is idle and
// every repaint it caused has been painted.
//
//   bench_clicks [--passes N] [--tsv]
//
// Prints p50, p99 and max per kind of button (by its face text); with --tsv one tab-separated line
// per kind for the runner. Exits non-zero when the script went off its road or a window that
// changed did not paint.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/application.h"
#include "core/check.h"
#include "core/number.h"
#include "courses/beginner/windows.h"
#include "courses/intermediate/windows.h"
#include "diagram/canvas.h"
#include "support.h"
#include "ui/code_panel.h"

namespace {

using kairo::Computation;
using kairo::Expect;
using kairo::Part;
using kairo::Pattern;
using kairo::ScreenId;
using namespace kairo::screens;
constexpr ScreenId Count{};
namespace bench = kairo::bench;

// ---- What each exercise asks, written out apart from the program's own check tables ----

struct Box {
  const char* control;
  Expect value;
  Part part = Part::Re;
};

struct Exercise {
  ScreenId screen;
  const char* checkButton;
  ScreenId incorrect;
  Computation computation;
  Pattern pattern;
  std::vector<Box> boxes;  // the first current's boxes first
  int firstCurrentBoxes = 0;
};

const std::vector<Exercise>& exercises() {
  static const std::vector<Exercise> table = [] {
    const std::vector<Box> resistance{{"txtZR", Expect::ZTotal}};
    const std::vector<Box> currents{{"txtArr1", Expect::Current1},
                                    {"txtArr2", Expect::Current2},
                                    {"txtArr3", Expect::Current3}};
    const std::vector<Box> impedance{{"txtrr", Expect::ZTotal, Part::Re},
                                     {"txtjj", Expect::ZTotal, Part::Im}};
    const std::vector<Box> complexCurrents{
        {"txtArr1", Expect::Current1, Part::Re}, {"txtAjj1", Expect::Current1, Part::Im},
        {"txtArr2", Expect::Current2, Part::Re}, {"txtAjj2", Expect::Current2, Part::Im},
        {"txtArr3", Expect::Current3, Part::Re}, {"txtAjj3", Expect::Current3, Part::Im}};
    const auto first = [](const std::vector<Box>& boxes, std::size_t n) {
      return std::vector<Box>(boxes.begin(), boxes.begin() + std::ptrdiff_t(n));
    };
    const auto last = [](const std::vector<Box>& boxes, std::size_t n) {
      return std::vector<Box>(boxes.end() - std::ptrdiff_t(n), boxes.end());
    };
    const Computation total = Computation::Total;
    const Computation parallel = Computation::Parallel;
    const Computation flows = Computation::Currents;
    const Pattern dc = Pattern::Hash2;
    const Pattern ac = Pattern::Zero2;
    return std::vector<Exercise>{
        {EasyR1, "cmdKaitou", EasyRFuseikai1, total, dc, resistance},
        {EasyR2, "cmdKaitou", EasyR2Fuseikai1, total, dc, resistance},
        {EasyRHei, "cmdKaitou", EasyRHeiFuseikai1, parallel, dc, {{"txtZR", Expect::Z23Parallel}}},
        {EasyA, "cmdkaitou", EasyAFuseikai1, flows, dc, currents, 1},
        {EasyA2, "cmdkaitou", EasyA2Fuseikai1, flows, dc, currents},
        {EasyA3, "cmdkaitou", EasyA3Fuseikai1, flows, dc, first(currents, 1)},
        {EasyAHei, "cmdkaitou", EasyAHeiFuseikai1, flows, dc, last(currents, 2)},
        {Normali, "cmdkaitou", NormaliFuseikai1, total, ac, impedance},
        {Normali2, "cmdkaitou", Normali2Fuseikai1, total, ac, impedance},
        {NormaliHei,
         "cmdkaitou",
         NormaliHeiFuseikai1,
         parallel,
         ac,
         {{"txtrr", Expect::Z23Parallel, Part::Re}, {"txtjj", Expect::Z23Parallel, Part::Im}}},
        {NormalAA, "cmdkaitou", NormalAAFuseikai1, flows, ac, complexCurrents, 2},
        {NormalAA2, "cmdkaitou", NormalAA2Fuseikai1, flows, ac, complexCurrents},
        {NormalAA3, "cmdkaitou", NormalAA3Fuseikai1, flows, ac, first(complexCurrents, 2)},
        {NormalAAHei, "cmdkaitou", NormalAAHeiFuseikai1, flows, ac, last(complexCurrents, 4)},
    };
  }();
  return table;
}

const Exercise& exercise(ScreenId id) {
  for (const Exercise& e : exercises())
    if (e.screen == id) return e;
  qFatal("no exercise %s", qUtf8Printable(kairo::ScreenRegistry::name(id)));
}

enum class Typed { Right, Wrong, FirstCurrentRight };

// A number no expected answer of either course rounds to.
constexpr const char* kWrong = "99999";

struct Sample {
  QString kind;
  QString where;  // "screen/button", for the slowest clicks
  int pass;
  double ms;
  quint64 paints;
};

// ---- The scripted student ----

class Student {
 public:
  Student(kairo::Application& app, bench::EventCounter& counter, std::vector<Sample>& samples)
      : app_(app), counter_(counter), samples_(samples) {}

  int failures() const { return failures_; }
  int unpainted() const { return unpainted_; }
  const QSet<ScreenId>& seen() const { return seen_; }

  // Every pass starts from the start screen alone (untimed).
  void beginPass(int pass) {
    pass_ = pass;
    ok_ = true;
    app_.returnToStart();
    bench::settle(counter_);
  }

  // Presses a button and times it until everything it caused has been painted; then checks that
  // `expect` (if any) is visible.
  void click(ScreenId id, const char* name, ScreenId expect, const QString& context = {}) {
    if (!ok_) return;
    auto* button = app_.screens().form(id)->findChild<QAbstractButton*>(QString::fromUtf8(name));
    if (!button || !button->isVisible()) return fail(id, name, "button missing or not visible");

    bench::settle(counter_);
    // Not app.canvas(): that would create the drawing screen outside the timed click.
    const auto itemsBefore = canvasItems();
    const QStringList textsBefore = canvasTexts();
    counter_.reset();
    const quint64 paintsBefore = counter_.paints();

    const qint64 t0 = bench::monotonicNs();
    QTest::mouseClick(button, Qt::LeftButton);
    bench::settle(counter_);
    const qint64 t1 = bench::monotonicNs();

    // Proof of drawing: every window the click showed painted, and so did a changed canvas.
    for (QWidget* window : counter_.shownWindows())
      if (window->isVisible() && !counter_.paintedIn(window)) ++unpainted_;
    const bool canvasChanged = canvasItems() != itemsBefore || canvasTexts() != textsBefore;
    if (canvasChanged && app_.canvas().isVisible() && !counter_.paintedIn(&app_.canvas()))
      ++unpainted_;

    QString kind = button->text();
    if (kind == QStringLiteral("戻る") && expect == StartF) kind += QStringLiteral(" (to 表紙)");
    samples_.push_back({kind, kairo::ScreenRegistry::name(id) + '/' + QString::fromUtf8(name),
                        pass_, double(t1 - t0) / 1e6, counter_.paints() - paintsBefore});
    for (ScreenId id : app_.screens().all())
      if (app_.screens().isVisible(id)) seen_.insert(id);
    if (expect != Count && !app_.screens().isVisible(expect))
      fail(id, name, "did not open " + kairo::ScreenRegistry::name(expect) + ' ' + context);
  }

  // Types the answer boxes (untimed) and presses the check button.
  void answer(ScreenId id, Typed typed, ScreenId expect) {
    if (!ok_) return;
    const Exercise& e = exercise(id);
    kairo::ExerciseState expected = app_.state();
    if (!kairo::computeExpected(expected, e.computation))
      return fail(id, e.checkButton, "no defined answer");
    for (std::size_t i = 0; i < e.boxes.size(); ++i) {
      const Box& box = e.boxes[i];
      const bool right = typed == Typed::Right ||
                         (typed == Typed::FirstCurrentRight && int(i) < e.firstCurrentBoxes);
      const QString text =
          right ? kairo::formatNumber(kairo::expectedPart(expected, box.value, box.part), e.pattern)
                : QString::fromLatin1(kWrong);
      app_.screens().control<QLineEdit>(id, QString::fromUtf8(box.control))->setText(text);
    }
    click(id, e.checkButton, expect);
  }

  // A wrong answer and the incorrect-answer screen's "戻る", twice; then the third miss.
  void threeMisses(ScreenId id, Typed typed, ScreenId thirdOpens) {
    const Exercise& e = exercise(id);
    for (int miss = 1; miss <= 2; ++miss) {
      answer(id, typed, e.incorrect);
      click(e.incorrect, "Command1", id);
    }
    answer(id, typed, thirdOpens);
  }

  // "start" until the problem has a defined answer for every question of the course (a circuit
  // whose reactances cancel has none, and its checks do nothing).
  // With `alternating`, also until an element is not a resistor: an all-resistor code replays on
  // the beginner screen.
  void newProblem(ScreenId first, bool alternating = false) {
    for (int attempt = 0; attempt < 20 && ok_; ++attempt) {
      click(first, "cmdSuuti", first);
      kairo::ExerciseState s = app_.state();
      const bool resistorsOnly = s.kind1 == 1 && s.kind2 == 1 && s.kind3 == 1;
      if (kairo::computeExpected(s, Computation::Total) &&
          kairo::computeExpected(s, Computation::Currents) && !(alternating && resistorsOnly))
        return;
    }
    fail(first, "cmdSuuti", "no problem with an answer in 20 draws");
  }

  // The circuit code shown in the drawing screen's panel.
  QString panelCode() {
    QString code;
    for (const char* label : kairo::kCodePanelLabels)
      code += app_.text(SetForm, QString::fromUtf8(label));
    return code;
  }

  void typeCode(const QString& code) {
    app_.screens().control<QLineEdit>(StartF, QStringLiteral("passtxt"))->setText(code);
  }

  // After "終了" nothing is visible; the next pass needs the start screen again (untimed).
  void restart() {
    if (app_.screens().visibleCount() != 0)
      return fail(StartF, "Command6", "windows left visible after 終了");
    app_.start();
    bench::settle(counter_);
  }

 private:
  std::size_t canvasItems() {
    return app_.screens().isCreated(SetForm) ? app_.canvas().items().size() : 0;
  }
  QStringList canvasTexts() {
    return app_.screens().isCreated(SetForm) ? app_.canvas().printedTexts() : QStringList();
  }

  void fail(ScreenId id, const char* button, const QString& why) {
    std::fprintf(stderr, "pass %d: %s/%s: %s\n", pass_,
                 qUtf8Printable(kairo::ScreenRegistry::name(id)), button, qUtf8Printable(why));
    ok_ = false;
    ++failures_;
  }

  kairo::Application& app_;
  bench::EventCounter& counter_;
  std::vector<Sample>& samples_;
  QSet<ScreenId> seen_;
  int pass_ = 0;
  bool ok_ = true;
  int failures_ = 0;
  int unpainted_ = 0;
};

// ---- The roads through the courses ----

void beginnerRoads(Student& s) {
  // The straight road.
  s.click(StartF, "Command3", EasyR1);
  s.newProblem(EasyR1);
  s.answer(EasyR1, Typed::Right, EasyRSeikai);
  s.click(EasyRSeikai, "Command1", EasyA);
  s.answer(EasyA, Typed::Right, EasyASeikai);
  s.click(EasyASeikai, "Command1", StartF);

  // Third miss → selection → retry; currents: I1 right → review of the split, a fourth miss on
  // the first attempt first.
  s.click(StartF, "Command3", EasyR1);
  s.newProblem(EasyR1);
  s.threeMisses(EasyR1, Typed::Wrong, EasyRFuseikai2);
  s.click(EasyRFuseikai2, "Command1", EasyR2);
  s.answer(EasyR2, Typed::Wrong, EasyR2Fuseikai1);
  s.click(EasyR2Fuseikai1, "Command1", EasyR2);
  s.answer(EasyR2, Typed::Right, EasyRSeikai);
  s.click(EasyRSeikai, "Command1", EasyA);
  s.threeMisses(EasyA, Typed::FirstCurrentRight, EasyAFuseikai2);
  s.answer(EasyA, Typed::FirstCurrentRight, EasyAFuseikai1);
  s.click(EasyAFuseikai1, "Command1", EasyA);
  s.click(EasyAFuseikai2, "Command2", EasyAHei);
  s.answer(EasyAHei, Typed::Wrong, EasyAHeiFuseikai1);
  s.click(EasyAHeiFuseikai1, "Command1", EasyAHei);
  s.answer(EasyAHei, Typed::Right, EasyAHeiSeikai);
  s.click(EasyAHeiSeikai, "Command1", EasyA2);
  s.answer(EasyA2, Typed::Wrong, EasyA2Fuseikai1);
  s.click(EasyA2Fuseikai1, "Command1", EasyA2);
  s.answer(EasyA2, Typed::Right, EasyASeikai);
  s.click(EasyASeikai, "Command1", StartF);

  // Third miss → review of the parallel part → correct → NEXT; currents: I1 wrong → review of the
  // total current; third miss on a follow-up → end screen → END.
  s.click(StartF, "Command3", EasyR1);
  s.newProblem(EasyR1);
  s.threeMisses(EasyR1, Typed::Wrong, EasyRFuseikai2);
  s.click(EasyRFuseikai2, "Command2", EasyRHei);
  s.answer(EasyRHei, Typed::Wrong, EasyRHeiFuseikai1);
  s.click(EasyRHeiFuseikai1, "Command1", EasyRHei);
  s.answer(EasyRHei, Typed::Right, EasyRHeiSeikai);
  s.click(EasyRHeiSeikai, "Command1", EasyR2);
  s.answer(EasyR2, Typed::Right, EasyRSeikai);
  s.click(EasyRSeikai, "Command1", EasyA);
  s.threeMisses(EasyA, Typed::Wrong, EasyAFuseikai3);
  s.click(EasyAFuseikai3, "Command2", EasyA3);
  s.answer(EasyA3, Typed::Wrong, EasyA3Fuseikai1);
  s.click(EasyA3Fuseikai1, "Command1", EasyA3);
  s.answer(EasyA3, Typed::Right, EasyAHeiSeikai);
  s.click(EasyAHeiSeikai, "Command1", EasyA2);
  s.threeMisses(EasyA2, Typed::Wrong, EasyREND);
  s.click(EasyREND, "Command1", StartF);

  // The retries of both current selections, and fourth misses on follow-ups.
  s.click(StartF, "Command3", EasyR1);
  s.newProblem(EasyR1);
  s.answer(EasyR1, Typed::Right, EasyRSeikai);
  s.click(EasyRSeikai, "Command1", EasyA);
  s.threeMisses(EasyA, Typed::Wrong, EasyAFuseikai3);
  s.click(EasyAFuseikai3, "Command1", EasyA2);
  s.answer(EasyA2, Typed::Right, EasyASeikai);
  s.click(EasyASeikai, "Command1", StartF);

  s.click(StartF, "Command3", EasyR1);
  s.newProblem(EasyR1);
  s.answer(EasyR1, Typed::Right, EasyRSeikai);
  s.click(EasyRSeikai, "Command1", EasyA);
  s.threeMisses(EasyA, Typed::FirstCurrentRight, EasyAFuseikai2);
  s.click(EasyAFuseikai2, "Command1", EasyA2);
  s.threeMisses(EasyA2, Typed::Wrong, EasyREND);
  s.answer(EasyA2, Typed::Wrong, StartF);

  s.click(StartF, "Command3", EasyR1);
  s.newProblem(EasyR1);
  s.threeMisses(EasyR1, Typed::Wrong, EasyRFuseikai2);
  s.click(EasyRFuseikai2, "Command1", EasyR2);
  s.threeMisses(EasyR2, Typed::Wrong, EasyREND);
  s.answer(EasyR2, Typed::Wrong, StartF);
}

void intermediateRoads(Student& s) {
  s.click(StartF, "Command2", Normali);
  s.newProblem(Normali);
  s.answer(Normali, Typed::Right, NormaliSeikai);
  s.click(NormaliSeikai, "Command1", NormalAA);
  s.answer(NormalAA, Typed::Right, NormalAASeikai);
  s.click(NormalAASeikai, "Command1", StartF);

  s.click(StartF, "Command2", Normali);
  s.newProblem(Normali);
  s.threeMisses(Normali, Typed::Wrong, NormaliFuseikai2);
  s.click(NormaliFuseikai2, "Command1", Normali2);
  s.answer(Normali2, Typed::Wrong, Normali2Fuseikai1);
  s.click(Normali2Fuseikai1, "Command1", Normali2);
  s.answer(Normali2, Typed::Right, NormaliSeikai);
  s.click(NormaliSeikai, "Command1", NormalAA);
  s.threeMisses(NormalAA, Typed::FirstCurrentRight, NormalAAFuseikai2);
  s.answer(NormalAA, Typed::FirstCurrentRight, NormalAAFuseikai1);
  s.click(NormalAAFuseikai1, "Command1", NormalAA);
  s.click(NormalAAFuseikai2, "Command2", NormalAAHei);
  s.answer(NormalAAHei, Typed::Wrong, NormalAAHeiFuseikai1);
  s.click(NormalAAHeiFuseikai1, "Command1", NormalAAHei);
  s.answer(NormalAAHei, Typed::Right, NormalAAHeiSeikai);
  s.click(NormalAAHeiSeikai, "Command1", NormalAA2);
  s.answer(NormalAA2, Typed::Wrong, NormalAA2Fuseikai1);
  s.click(NormalAA2Fuseikai1, "Command1", NormalAA2);
  s.answer(NormalAA2, Typed::Right, NormalAASeikai);
  s.click(NormalAASeikai, "Command1", StartF);

  s.click(StartF, "Command2", Normali);
  s.newProblem(Normali);
  s.threeMisses(Normali, Typed::Wrong, NormaliFuseikai2);
  s.click(NormaliFuseikai2, "Command2", NormaliHei);
  s.answer(NormaliHei, Typed::Wrong, NormaliHeiFuseikai1);
  s.click(NormaliHeiFuseikai1, "Command1", NormaliHei);
  s.answer(NormaliHei, Typed::Right, NormaliHeiSeikai);
  s.click(NormaliHeiSeikai, "Command1", Normali2);
  s.answer(Normali2, Typed::Right, NormaliSeikai);
  s.click(NormaliSeikai, "Command1", NormalAA);
  s.threeMisses(NormalAA, Typed::Wrong, NormalAAFuseikai3);
  s.click(NormalAAFuseikai3, "Command2", NormalAA3);
  s.answer(NormalAA3, Typed::Wrong, NormalAA3Fuseikai1);
  s.click(NormalAA3Fuseikai1, "Command1", NormalAA3);
  s.answer(NormalAA3, Typed::Right, NormalAAHeiSeikai);
  s.click(NormalAAHeiSeikai, "Command1", NormalAA2);
  s.threeMisses(NormalAA2, Typed::Wrong, NormalEND);
  s.click(NormalEND, "Command1", StartF);

  s.click(StartF, "Command2", Normali);
  s.newProblem(Normali);
  s.answer(Normali, Typed::Right, NormaliSeikai);
  s.click(NormaliSeikai, "Command1", NormalAA);
  s.threeMisses(NormalAA, Typed::Wrong, NormalAAFuseikai3);
  s.click(NormalAAFuseikai3, "Command1", NormalAA2);
  s.answer(NormalAA2, Typed::Right, NormalAASeikai);
  s.click(NormalAASeikai, "Command1", StartF);

  s.click(StartF, "Command2", Normali);
  s.newProblem(Normali);
  s.answer(Normali, Typed::Right, NormaliSeikai);
  s.click(NormaliSeikai, "Command1", NormalAA);
  s.threeMisses(NormalAA, Typed::FirstCurrentRight, NormalAAFuseikai2);
  s.click(NormalAAFuseikai2, "Command1", NormalAA2);
  s.threeMisses(NormalAA2, Typed::Wrong, NormalEND);
  s.answer(NormalAA2, Typed::Wrong, StartF);

  s.click(StartF, "Command2", Normali);
  s.newProblem(Normali);
  s.threeMisses(Normali, Typed::Wrong, NormaliFuseikai2);
  s.click(NormaliFuseikai2, "Command1", Normali2);
  s.threeMisses(Normali2, Typed::Wrong, NormalEND);
  s.answer(Normali2, Typed::Wrong, StartF);
}

// The start screen's other buttons, the drawing screen's "戻る" and the replay of both courses.
void startScreenRoads(Student& s) {
  s.click(StartF, "Command1", Setsumei);
  s.click(Setsumei, "Command1", StartF);

  s.click(StartF, "Command3", EasyR1);
  s.newProblem(EasyR1);
  const QString easyCode = s.panelCode();
  s.click(SetForm, "Command1", StartF);
  s.typeCode(easyCode);
  s.click(StartF, "Command5", EasyR1, easyCode);
  s.answer(EasyR1, Typed::Right, EasyRSeikai);
  s.click(EasyRSeikai, "Command1", EasyA);
  s.answer(EasyA, Typed::Right, EasyASeikai);
  s.click(EasyASeikai, "Command1", StartF);

  s.click(StartF, "Command2", Normali);
  s.newProblem(Normali, true);
  const QString normalCode = s.panelCode();
  s.click(SetForm, "Command1", StartF);
  s.typeCode(normalCode);
  s.click(StartF, "Command5", Normali, normalCode);
  s.answer(Normali, Typed::Right, NormaliSeikai);
  s.click(NormaliSeikai, "Command1", NormalAA);
  s.answer(NormalAA, Typed::Right, NormalAASeikai);
  s.click(NormalAASeikai, "Command1", StartF);
  s.typeCode(QString());

  s.click(StartF, "Command6", Count);
  s.restart();
}

// ---- Results ----

// The order of the rows: the course road first, then the start screen's other buttons.
int rowOrder(const QString& kind) {
  static const QStringList order{"EASY",
                                 "NORMAL",
                                 "start",
                                 "解答チェック",
                                 "NEXT",
                                 "戻る",
                                 "もう一度やり直す",
                                 "どこで間違ったか調べる",
                                 "END",
                                 "コード実行",
                                 "説明",
                                 "HARD",
                                 "戻る (to 表紙)",
                                 "終了"};
  const auto index = order.indexOf(kind);
  return index < 0 ? int(order.size()) : int(index);
}

QString ms(double value) {
  return QString::number(value, 'f', 2);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qtApp(argc, argv);
  const QStringList args = QApplication::arguments();
  const bool tsv = args.contains(QStringLiteral("--tsv"));
  int passes = 20;
  if (const auto at = args.indexOf(QStringLiteral("--passes")); at > 0 && at + 1 < args.size())
    passes = std::max(1, args.at(at + 1).toInt());

  std::vector<Sample> samples;
  int failures = 0;
  int unpainted = 0;
  QSet<ScreenId> seen;
  {
    kairo::Application app;
    bench::EventCounter counter;
    app.start();
    bench::settle(counter);
    Student student(app, counter, samples);
    for (int pass = 1; pass <= passes; ++pass) {
      for (auto* roads : {beginnerRoads, intermediateRoads, startScreenRoads}) {
        student.beginPass(pass);
        roads(student);
      }
    }
    failures = student.failures();
    unpainted = student.unpainted();
    seen = student.seen();
  }

  QMap<QString, std::vector<const Sample*>> byKind;
  for (const Sample& sample : samples) byKind[sample.kind].push_back(&sample);
  QStringList kinds = byKind.keys();
  std::stable_sort(kinds.begin(), kinds.end(),
                   [](const QString& a, const QString& b) { return rowOrder(a) < rowOrder(b); });

  QStringList missing;
  const kairo::Application every;
  for (ScreenId id : every.screens().all())
    if (!seen.contains(id)) missing << kairo::ScreenRegistry::name(id);

  QByteArray out;
  if (!tsv) {
    out += "Clicks over " + QByteArray::number(passes) +
           " passes (ms, from the press until every repaint is done)\n";
    out += "button\tclicks\tp50\tp99\tmax\tpaints/click\n";
  }
  for (const QString& kind : kinds) {
    std::vector<double> times;
    double paints = 0;
    for (const Sample* sample : byKind[kind]) {
      times.push_back(sample->ms);
      paints += double(sample->paints);
    }
    const QStringList fields{kind,
                             QString::number(times.size()),
                             ms(bench::percentile(times, 50)),
                             ms(bench::percentile(times, 99)),
                             ms(bench::percentile(times, 100)),
                             QString::number(paints / double(times.size()), 'f', 1)};
    out +=
        (tsv ? QStringLiteral("kind\t") : QString()).toUtf8() + fields.join('\t').toUtf8() + '\n';
  }

  std::vector<const Sample*> slowest;
  for (const Sample& sample : samples) slowest.push_back(&sample);
  std::sort(slowest.begin(), slowest.end(),
            [](const Sample* a, const Sample* b) { return a->ms > b->ms; });
  slowest.resize(std::min<std::size_t>(slowest.size(), 8));
  for (const Sample* sample : slowest)
    out += (tsv ? "slow\t" : "slow: ") +
           QStringList{ms(sample->ms), sample->where,
                       QStringLiteral("pass ") + QString::number(sample->pass)}
               .join('\t')
               .toUtf8() +
           '\n';
  const qsizetype windows = qsizetype(every.screens().all().size());
  out += "screens_seen\t" + QByteArray::number(windows - missing.size()) + '\t' +
         QByteArray::number(windows) + '\t' + missing.join(' ').toUtf8() + '\n';
  out += "unpainted\t" + QByteArray::number(unpainted) + '\n';
  out += "failures\t" + QByteArray::number(failures) + '\n';
  out += "hwm_kib\t" + QByteArray::number(bench::statusKib("VmHWM")) + '\n';
  std::fputs(out.constData(), stdout);
  return failures == 0 && unpainted == 0 && missing.isEmpty() ? 0 : 1;
}
