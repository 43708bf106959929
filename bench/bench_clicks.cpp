// Click-latency benchmark: passes of a deterministic walker through the program's windows, timing
// each click from the press until the event loop is idle and every repaint it caused has been
// painted.
//
//   bench_clicks [--passes N] [--seed N] [--record] [--tsv] [--trace]
//
// The walker knows no window by hand. It reads the courses' own tables (their start buttons,
// answer checks and button routes) and learns what other buttons open by pressing them. At each
// step it takes, of what the visible windows offer, what leads in the fewest clicks to something
// the pass has not done yet (ties drawn with a fixed seed). A pass goes on until it has seen every
// window of the program, pressed every button of every window that is not an exercise, replayed
// the code of a problem of each course and left each course once by a fourth miss; then it
// presses "終了". Prints p50, p99 and max per kind of button (by its face text); with --tsv one
// tab-separated line per kind for the runner; --trace prints every click on stderr. Exits non-zero
// when a window was never reached, a click did not open what the tables say it opens, or a window
// that changed did not paint.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "app/application.h"
#include "core/check.h"
#include "core/number.h"
#include "courses/courses.h"
#include "diagram/canvas.h"
#include "record/record.h"
#include "support.h"
#include "ui/code_panel.h"

namespace {

using kairo::CheckSpec;
using kairo::CourseDefinition;
using kairo::RouteStep;
using kairo::ScreenId;
namespace screens = kairo::screens;
namespace bench = kairo::bench;

// Fixed, so that every run takes the same decisions on the same problems (--seed tries others).
constexpr std::uint32_t kSeed = 1;
// A pass is lost when this many steps in a row did nothing it had still to do (a pass takes
// a few hundred steps), or after this many in all.
constexpr int kStepsWithoutProgress = 300;
constexpr int kStepsPerPass = 3000;
constexpr int kFar = 1 << 20;

QString nameOf(ScreenId id) {
  return kairo::ScreenRegistry::name(id);
}

// The program's own buttons that open a window; no course's tables name them. Leaving a problem
// for the start screen counts as a detour.
struct ProgramButton {
  ScreenId window;
  const char* button;
  ScreenId opens;
  int cost;
};
const ProgramButton kProgramButtons[] = {
    {screens::StartF, "Command1", screens::Setsumei, 1},
    {screens::Setsumei, "Command1", screens::StartF, 1},
    {screens::SetForm, "cmdSolution", screens::Tokikata, 1},
    {screens::SetForm, "Command1", screens::StartF, 2},
    {screens::StartF, "cmdRecord", screens::Kiroku, 1},
    {screens::Kiroku, "cmdClose", screens::StartF, 1},
};
// The start screen's code box, the button that replays its code, and "終了".
constexpr const char* kCodeBox = "passtxt";
constexpr const char* kReplay = "Command5";
constexpr const char* kQuit = "Command6";
// The first exercise's button that poses a new problem.
constexpr const char* kNewProblem = "cmdSuuti";

// What a wrong answer types, unless the box would accept it.
constexpr const char* kWrongAnswers[] = {"9999", "-9999", "0.001"};

// The windows a list of route steps leaves open, in the order it opens them.
std::vector<ScreenId> opensOf(std::span<const RouteStep> steps) {
  std::vector<ScreenId> open;
  for (const RouteStep& step : steps) {
    if (step.op == RouteStep::Op::Open) {
      std::erase(open, step.screen);
      open.push_back(step.screen);
    } else if (step.op == RouteStep::Op::Hide) {
      std::erase(open, step.screen);
    } else if (step.op == RouteStep::Op::ReturnToStart) {
      open = {screens::StartF};
    }
  }
  return open;
}

// The map of windows: which window may open which, and at how many clicks, from the courses'
// tables and the program's buttons.
struct Edge {
  ScreenId from;
  ScreenId to;
  int cost;
};

std::vector<Edge> tableEdges(const kairo::Application& app) {
  std::vector<Edge> edges;
  const auto add = [&edges](ScreenId from, ScreenId to, int cost) {
    if (!from.isNone() && !to.isNone()) edges.push_back({from, to, cost});
  };
  for (const ProgramButton& b : kProgramButtons) add(b.window, b.opens, b.cost);
  for (const CourseDefinition* course : app.courses()) {
    for (ScreenId id : opensOf(course->start)) add(screens::StartF, id, 1);
    for (const CheckSpec& check : course->checks) {
      add(check.screen, check.correct, 1);
      add(check.screen, check.incorrect, 1);
      // Three misses, each notice closed.
      add(check.screen, check.selection, 5);
      add(check.screen, check.selectionOtherwise, 5);
      add(check.screen, check.end, 5);
      if (check.followUp) add(check.screen, screens::StartF, 7);
      // An earned stage opens the worked solution from the drawing screen.
      if (check.unlocks > 0) add(check.screen, screens::Tokikata, 2);
    }
    for (const kairo::Route& route : course->routes)
      for (ScreenId id : opensOf(route.steps)) add(route.window, id, 1);
  }
  return edges;
}

enum class Typed { Right, Wrong, LeadingRight };  // LeadingRight: the first current right

struct Action {
  enum class Kind { Press, StartCourse, Answer, NewProblem, Replay };
  Kind kind = Kind::Press;
  ScreenId window;
  QAbstractButton* button = nullptr;
  Typed typed = Typed::Right;
  const CheckSpec* check = nullptr;
  const CourseDefinition* course = nullptr;  // NewProblem, Replay: whose problem
  // Windows this may open, with the clicks it takes.
  std::vector<std::pair<ScreenId, int>> leadsTo;
  // Windows that must be visible after the click.
  std::vector<ScreenId> opens;
  // A goal of the pass in itself (a button not pressed yet, a code not replayed yet, a course not
  // yet left by a fourth miss).
  bool pending = false;
};

struct Sample {
  QString kind;
  QString where;  // "window/button", for the slowest clicks
  int pass;
  double ms;
  quint64 paints;
};

class Walker {
 public:
  Walker(kairo::Application& app, bench::EventCounter& counter, std::vector<Sample>& samples,
         std::uint32_t seed, bool trace)
      : app_(app),
        counter_(counter),
        samples_(samples),
        trace_(trace),
        rng_(seed),
        edges_(tableEdges(app)) {}

  int failures() const { return failures_; }
  int unpainted() const { return unpainted_; }
  const std::set<ScreenId>& seen() const { return seenEver_; }

  // One pass from the start screen alone until every goal is met and "終了" pressed.
  void pass(int number) {
    pass_ = number;
    seen_.clear();
    pressed_.clear();
    codes_.clear();
    replayed_.clear();
    leftByMiss_.clear();
    posed_ = nullptr;
    stack_.clear();
    app_.returnToStart();  // untimed
    bench::settle(counter_);
    noteVisible({});
    const int failuresBefore = failures_;
    int steps = 0;
    for (int idle = 0;
         steps < kStepsPerPass && idle < kStepsWithoutProgress && failures_ - failuresBefore <= 10;
         ++steps) {
      const std::size_t before = progress();
      if (step()) return;
      idle = progress() == before ? idle + 1 : 0;
    }
    QStringList missing;
    for (ScreenId id : app_.screens().all())
      if (!seen_.contains(id)) missing << nameOf(id);
    fail(QStringLiteral("gave up after %1 steps; never reached this pass: %2")
             .arg(steps)
             .arg(missing.isEmpty() ? QStringLiteral("(none)") : missing.join(' ')));
    if (app_.screens().visibleCount() == 0) app_.start();
  }

 private:
  // ---- One step: the candidates, the best of them, the click ----

  // Grows with everything the pass has done of what it has to do.
  std::size_t progress() const {
    return seen_.size() + std::size_t(pressed_.size()) + replayed_.size() + leftByMiss_.size();
  }

  // True when the pass is over.
  bool step() {
    const std::set<ScreenId> goals = goalWindows();
    if (goals.empty() && app_.screens().isVisible(screens::StartF)) {
      quit();
      return true;
    }
    // Nothing left to do: back to the start screen.
    const std::map<ScreenId, int> dist =
        distances(goals.empty() ? std::set{screens::StartF} : goals);
    const std::vector<Action> actions = candidates();
    if (actions.empty()) {
      fail(QStringLiteral("nothing to press"));
      app_.returnToStart();
      bench::settle(counter_);
      return false;
    }
    // The nearest; when nothing leads anywhere known, any.
    int best = kFar;
    std::vector<const Action*> choice;
    for (const Action& action : actions) {
      const int score = scoreOf(action, dist);
      if (score < best) {
        best = score;
        choice.clear();
      }
      if (score == best) choice.push_back(&action);
    }
    perform(*choice[rng_() % choice.size()]);
    // A save dialog ("CSV に書き出す") is the system's, not the drill's: cancelled at once.
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<QFileDialog*>(top); dialog && dialog->isVisible())
        dialog->reject();
    return false;
  }

  int scoreOf(const Action& action, const std::map<ScreenId, int>& dist) const {
    if (action.pending) return 0;
    int score = kFar;
    for (const auto& [id, cost] : action.leadsTo)
      if (const auto at = dist.find(id); at != dist.end())
        score = std::min(score, cost + at->second);
    return score;
  }

  // Windows still to see in this pass, windows with a button not pressed yet, the start screen
  // while a course's code waits to be replayed, and a course's end windows until a fourth miss
  // has left it.
  std::set<ScreenId> goalWindows() {
    std::set<ScreenId> goals;
    for (ScreenId id : app_.screens().all()) {
      if (!seen_.contains(id)) {
        goals.insert(id);
      } else if (id != screens::StartF && !app_.checkOf(id)) {
        for (QAbstractButton* button : buttonsOf(id))
          if (!pressed_.contains(key(id, button))) goals.insert(id);
      }
    }
    for (const CourseDefinition* course : app_.courses()) {
      if (codes_.contains(course) && !replayed_.contains(course)) goals.insert(screens::StartF);
      if (!leftByMiss_.contains(course))
        for (const CheckSpec& check : course->checks)
          if (check.followUp && !check.end.isNone()) goals.insert(check.end);
    }
    return goals;
  }

  // Clicks from each window to the nearest goal, over the map of windows and what the walker has
  // learned.
  std::map<ScreenId, int> distances(const std::set<ScreenId>& goals) const {
    std::map<ScreenId, int> dist;
    for (ScreenId id : goals) dist[id] = 0;
    // Few windows: relax until nothing changes.
    for (bool changed = true; changed;) {
      changed = false;
      for (const Edge& e : edges_) {
        const auto to = dist.find(e.to);
        if (to == dist.end()) continue;
        const auto from = dist.find(e.from);
        if (from == dist.end() || to->second + e.cost < from->second) {
          dist[e.from] = to->second + e.cost;
          changed = true;
        }
      }
    }
    return dist;
  }

  std::vector<Action> candidates() {
    std::vector<Action> actions;
    std::vector<ScreenId> visible = visibleWindows();
    // The notice of a wrong answer is closed first, as a student does.
    for (ScreenId id : visible)
      if (isNotice(id))
        for (QAbstractButton* button : buttonsOf(id)) actions.push_back(press(id, button));
    if (!actions.empty()) return actions;
    for (ScreenId id : visible) {
      if (id == screens::StartF)
        startActions(actions);
      else if (!app_.checkOf(id))
        for (QAbstractButton* button : buttonsOf(id)) actions.push_back(press(id, button));
    }
    // Of the exercises, the one opened last is the one the student works on.
    for (auto it = stack_.rbegin(); it != stack_.rend(); ++it) {
      if (const CheckSpec* check = app_.checkOf(*it)) {
        exerciseActions(*check, actions);
        break;
      }
    }
    return actions;
  }

  bool isNotice(ScreenId id) const {
    for (const CourseDefinition* course : app_.courses())
      for (const CheckSpec& check : course->checks)
        if (check.incorrect == id) return true;
    return false;
  }

  Action press(ScreenId id, QAbstractButton* button) {
    Action a;
    a.window = id;
    a.button = button;
    a.pending = !pressed_.contains(key(id, button));
    const QByteArray name = button->objectName().toUtf8();
    for (const ProgramButton& b : kProgramButtons) {
      if (b.window == id && name == b.button) {
        a.leadsTo.emplace_back(b.opens, b.cost);
        a.opens.push_back(b.opens);
      }
    }
    if (const CourseDefinition* course = app_.courseOf(id)) {
      for (const kairo::Route& route : course->routes) {
        if (route.window != id || name != route.button) continue;
        a.opens = opensOf(route.steps);
        for (ScreenId opened : a.opens) a.leadsTo.emplace_back(opened, 1);
      }
    }
    // What it opened when pressed before, where the tables are silent.
    if (const auto learned = learned_.find(key(id, button)); learned != learned_.end())
      for (ScreenId opened : learned->second)
        if (std::ranges::find(a.leadsTo, opened, &std::pair<ScreenId, int>::first) ==
            a.leadsTo.end())
          a.leadsTo.emplace_back(opened, 1);
    return a;
  }

  void startActions(std::vector<Action>& actions) {
    for (const CourseDefinition* course : app_.courses()) {
      QAbstractButton* button = buttonOf(screens::StartF, course->startButton);
      if (!button) continue;
      Action a = press(screens::StartF, button);
      a.kind = Action::Kind::StartCourse;
      a.pending = false;  // its windows are the goal
      a.opens = opensOf(course->start);
      for (ScreenId id : a.opens) a.leadsTo.emplace_back(id, 1);
      actions.push_back(a);
    }
    for (const ProgramButton& program : kProgramButtons)
      if (program.window == screens::StartF)
        if (QAbstractButton* button = buttonOf(screens::StartF, program.button)) {
          actions.push_back(press(screens::StartF, button));
          actions.back().pending = false;
        }
    if (QAbstractButton* button = buttonOf(screens::StartF, kReplay)) {
      for (const CourseDefinition* course : app_.courses()) {
        if (!codes_.contains(course) || replayed_.contains(course)) continue;
        Action a;
        a.kind = Action::Kind::Replay;
        a.window = screens::StartF;
        a.button = button;
        a.course = course;
        a.pending = true;
        actions.push_back(a);
      }
    }
  }

  void exerciseActions(const CheckSpec& check, std::vector<Action>& actions) {
    const CourseDefinition* course = app_.courseOf(check.screen);
    QAbstractButton* checkButton = buttonOf(check.screen, check.button);
    if (!course || !checkButton) return;
    std::vector<Action> answers;
    for (Typed typed : {Typed::Right, Typed::Wrong, Typed::LeadingRight})
      if (typed != Typed::LeadingRight ||
          (check.firstCurrentBoxes > 0 &&
           std::size_t(check.firstCurrentBoxes) < check.boxes.size()))
        answers.push_back(answer(check, checkButton, typed));
    if (posed_ == course) {
      actions.insert(actions.end(), answers.begin(), answers.end());
      return;
    }
    // No problem of this course on the drawing yet: only a new one helps.
    if (check.screen != course->firstExercise) return;
    QAbstractButton* button = buttonOf(check.screen, kNewProblem);
    if (!button) return;
    Action a;
    a.kind = Action::Kind::NewProblem;
    a.window = check.screen;
    a.button = button;
    a.course = course;
    a.opens = {check.screen};
    for (const Action& then : answers)
      for (const auto& [id, cost] : then.leadsTo) a.leadsTo.emplace_back(id, cost + 1);
    actions.push_back(a);
  }

  // An answer and where the check then leads, by the check's table and the misses so far.
  Action answer(const CheckSpec& check, QAbstractButton* button, Typed typed) const {
    Action a;
    a.kind = Action::Kind::Answer;
    a.window = check.screen;
    a.button = button;
    a.check = &check;
    a.typed = typed;
    const auto add = [&a](ScreenId id, int cost) {
      if (!id.isNone()) a.leadsTo.emplace_back(id, cost);
    };
    if (typed == Typed::Right) {
      a.opens = {check.correct};
      add(check.correct, 1);
      if (check.unlocks > 0) add(screens::Tokikata, 2);
      return a;
    }
    const int misses = app_.state().missCount;
    const int after = std::min(misses + 1, kairo::ExerciseState::kMissCountLimit);
    // Each further miss: its notice closed, the check pressed again.
    const auto clicksTo = [after](int miss) { return 1 + 2 * (miss - after); };
    if (!check.followUp) {
      const ScreenId selection = typed == Typed::Wrong && check.firstCurrentBoxes > 0
                                     ? check.selectionOtherwise
                                     : check.selection;
      if (after < 3) add(check.incorrect, 1);
      if (after <= 3) add(selection, clicksTo(3));
      a.opens = {after == 3 && !selection.isNone() ? selection : check.incorrect};
      return a;
    }
    if (after < 3) add(check.incorrect, 1);
    if (after <= 3) {
      add(check.end, clicksTo(3));
      if (check.unlocks > 0) add(screens::Tokikata, clicksTo(3) + 1);
    }
    if (after <= 4) add(screens::StartF, clicksTo(4));
    a.opens = {after < 3 ? check.incorrect : after == 3 ? check.end : screens::StartF};
    // The fourth miss leaves the course: once a pass for each course.
    a.course = app_.courseOf(check.screen);
    a.pending = after == 4 && !leftByMiss_.contains(a.course);
    if (a.opens.front().isNone()) a.opens.clear();
    return a;
  }

  // ---- Doing it ----

  void perform(const Action& a) {
    switch (a.kind) {
      case Action::Kind::Press:
        click(a.window, a.button, a.opens);
        break;
      case Action::Kind::StartCourse:
        posed_ = nullptr;  // the course begins with "start"
        click(a.window, a.button, a.opens);
        break;
      case Action::Kind::Answer:
        type(*a.check, a.typed);
        click(a.window, a.button, a.opens);
        if (a.pending) leftByMiss_.insert(a.course);
        break;
      case Action::Kind::NewProblem:
        newProblem(a);
        break;
      case Action::Kind::Replay:
        replay(a);
        break;
    }
  }

  // "start" until the problem has an answer for every check of the course (a circuit whose
  // reactances cancel has none, and its checks do nothing).
  void newProblem(const Action& a) {
    for (int draw = 0; draw < 20; ++draw) {
      click(a.window, a.button, a.opens);
      if (answersEverything(*a.course)) {
        posed_ = a.course;
        codes_[a.course] = panelCode();
        return;
      }
    }
    fail(nameOf(a.window) + QStringLiteral(": no problem with an answer in 20 draws"));
  }

  bool answersEverything(const CourseDefinition& course) const {
    for (const CheckSpec& check : course.checks) {
      kairo::ExerciseState s = app_.state();
      if (!kairo::computeExpected(s, check.computation)) return false;
    }
    return true;
  }

  // The code of the last problem of a course, typed into the start screen and run: its first
  // exercise opens on the same problem (or that of the course that claims the circuit).
  void replay(const Action& a) {
    const QString code = codes_.at(a.course);
    auto* box = app_.screens().control<QLineEdit>(screens::StartF, QString::fromUtf8(kCodeBox));
    box->setText(code);
    replayed_.insert(a.course);
    click(a.window, a.button, {});
    box->clear();
    const CourseDefinition* opened = app_.course();
    if (!opened || !app_.screens().isVisible(opened->firstExercise))
      return fail(QStringLiteral("the code %1 of %2 opened no exercise")
                      .arg(code, nameOf(a.course->firstExercise)));
    posed_ = answersEverything(*opened) ? opened : nullptr;
  }

  void quit() {
    QAbstractButton* button = buttonOf(screens::StartF, kQuit);
    if (!button) return fail(QStringLiteral("no 終了 on the start screen"));
    click(screens::StartF, button, {});
    if (app_.screens().visibleCount() != 0) fail(QStringLiteral("windows left visible after 終了"));
    app_.start();  // untimed: the next pass needs the start screen again
    bench::settle(counter_);
  }

  // Types every box of the check: the expected value to two decimals, or a number the box does
  // not accept.
  void type(const CheckSpec& check, Typed typed) {
    kairo::ExerciseState expected = app_.state();
    if (!kairo::computeExpected(expected, check.computation))
      return fail(nameOf(check.screen) + QStringLiteral(": no answer to type"));
    for (std::size_t i = 0; i < check.boxes.size(); ++i) {
      const kairo::AnswerField& box = check.boxes[i];
      const double value = kairo::expectedField(expected, box);
      const bool right = typed == Typed::Right ||
                         (typed == Typed::LeadingRight && int(i) < check.firstCurrentBoxes);
      QString text = kairo::formatNumber(value, kairo::Pattern::Zero2);
      if (!right) {
        for (const char* wrong : kWrongAnswers) {
          text = QString::fromLatin1(wrong);
          if (!(box.accepts ? box.accepts(value, text)
                            : kairo::answerMatches(value, check.pattern, text)))
            break;
        }
      }
      auto* edit = app_.screens().control<QLineEdit>(check.screen, QString::fromUtf8(box.control));
      if (!edit) return fail(nameOf(check.screen) + QStringLiteral(": no box ") + box.control);
      edit->setText(text);
    }
  }

  // Presses a button and times it until everything it caused has been painted; then checks that
  // `opens` are visible and learns what the button opened.
  void click(ScreenId id, QAbstractButton* button, const std::vector<ScreenId>& opens) {
    bench::settle(counter_);
    const std::vector<ScreenId> before = visibleWindows();
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

    const std::vector<ScreenId> shown = noteVisible(opens, before);
    const QString where = nameOf(id) + '/' + button->objectName();
    QString kind = button->text();
    if (kind == QStringLiteral("戻る") && app_.screens().isVisible(screens::StartF))
      kind += QStringLiteral(" (to 表紙)");
    samples_.push_back(
        {kind, where, pass_, double(t1 - t0) / 1e6, counter_.paints() - paintsBefore});
    if (trace_)
      std::fprintf(stderr, "pass %d: %s (%s)%s\n", pass_, qUtf8Printable(where),
                   qUtf8Printable(button->text()),
                   qUtf8Printable(shown.empty() ? QString() : " → " + names(shown).join(' ')));

    pressed_.insert(key(id, button));
    for (ScreenId opened : shown)
      if (opened != id) learned_[key(id, button)].insert(opened);
    for (ScreenId opened : shown) learn(id, opened);
    for (ScreenId expected : opens)
      if (!app_.screens().isVisible(expected))
        fail(where + QStringLiteral(" did not open ") + nameOf(expected));
    if (app_.screens().visibleCount() == 0 && button->objectName() != QLatin1String(kQuit)) {
      fail(where + QStringLiteral(" left no window visible"));
      app_.start();
    }
  }

  // A window opened by a button of another: the map learns it, where the tables are silent.
  void learn(ScreenId from, ScreenId to) {
    if (from == to) return;
    for (const Edge& e : edges_)
      if (e.from == from && e.to == to) return;
    edges_.push_back({from, to, 1});
  }

  // Notes what is visible now: seen, and the windows opened last on top (those the click was
  // meant to open, in their order, then any other). Returns the windows that became visible.
  std::vector<ScreenId> noteVisible(const std::vector<ScreenId>& opens,
                                    const std::vector<ScreenId>& before = {}) {
    const std::vector<ScreenId> visible = visibleWindows();
    std::erase_if(stack_, [this](ScreenId id) { return !app_.screens().isVisible(id); });
    std::vector<ScreenId> shown;
    for (ScreenId id : visible) {
      seen_.insert(id);
      seenEver_.insert(id);
      if (!std::ranges::count(before, id)) shown.push_back(id);
    }
    const auto toTop = [this](ScreenId id) {
      std::erase(stack_, id);
      stack_.push_back(id);
    };
    for (ScreenId id : shown)
      if (!std::ranges::count(opens, id)) toTop(id);
    for (ScreenId id : opens)
      if (app_.screens().isVisible(id)) toTop(id);
    return shown;
  }

  // ---- Reading the windows ----

  std::vector<ScreenId> visibleWindows() const {
    std::vector<ScreenId> visible;
    for (ScreenId id : app_.screens().all())
      if (app_.screens().isVisible(id)) visible.push_back(id);
    return visible;
  }

  // The buttons a student can press on a window (of a hidden window: those it would show),
  // in a fixed order.
  std::vector<QAbstractButton*> buttonsOf(ScreenId id) const {
    if (!app_.screens().isCreated(id)) return {};
    QWidget* form = app_.screens().form(id);
    std::vector<QAbstractButton*> buttons;
    for (QAbstractButton* button : form->findChildren<QAbstractButton*>())
      if (button->isVisibleTo(form) && button->isEnabled()) buttons.push_back(button);
    std::ranges::sort(buttons, {}, [](const QAbstractButton* b) { return b->objectName(); });
    return buttons;
  }

  QAbstractButton* buttonOf(ScreenId id, const char* name) const {
    for (QAbstractButton* button : buttonsOf(id))
      if (button->objectName() == QLatin1String(name)) return button;
    return nullptr;
  }

  static QString key(ScreenId id, const QAbstractButton* button) {
    return nameOf(id) + '/' + button->objectName();
  }

  static QStringList names(const std::vector<ScreenId>& ids) {
    QStringList list;
    for (ScreenId id : ids) list << nameOf(id);
    return list;
  }

  // The circuit code shown in the drawing screen's panel.
  QString panelCode() {
    QString code;
    for (const char* label : kairo::kCodePanelLabels)
      code += app_.text(screens::SetForm, QString::fromUtf8(label));
    return code;
  }

  std::size_t canvasItems() {
    return app_.screens().isCreated(screens::SetForm) ? app_.canvas().items().size() : 0;
  }
  QStringList canvasTexts() {
    return app_.screens().isCreated(screens::SetForm) ? app_.canvas().printedTexts()
                                                      : QStringList();
  }

  void fail(const QString& why) {
    std::fprintf(stderr, "pass %d: %s\n", pass_, qUtf8Printable(why));
    ++failures_;
  }

  kairo::Application& app_;
  bench::EventCounter& counter_;
  std::vector<Sample>& samples_;
  const bool trace_;
  std::mt19937 rng_;
  std::vector<Edge> edges_;
  // What each pressed button opened ("window/button").
  std::map<QString, std::set<ScreenId>> learned_;
  std::set<ScreenId> seenEver_;
  // This pass:
  std::set<ScreenId> seen_;
  QSet<QString> pressed_;
  std::map<const CourseDefinition*, QString> codes_;
  std::set<const CourseDefinition*> replayed_;
  std::set<const CourseDefinition*> leftByMiss_;
  const CourseDefinition* posed_ = nullptr;  // the course whose problem is on the drawing
  std::vector<ScreenId> stack_;              // visible windows, the one opened last at the back
  int pass_ = 0;
  int failures_ = 0;
  int unpainted_ = 0;
};

// ---- Results ----

// The order of the rows: the courses' buttons on the start screen, the course road, then the
// other buttons; kinds not named here last.
QStringList rowOrder(kairo::Application& app) {
  QStringList order;
  for (const CourseDefinition* course : app.courses())
    order << app.text(screens::StartF, QString::fromUtf8(course->startButton));
  order << QStringList{"start",
                       "解答チェック",
                       "NEXT",
                       "戻る",
                       "もう一度やり直す",
                       "どこで間違ったか調べる",
                       "END",
                       "解き方",
                       "閉じる",
                       "コード実行",
                       "説明",
                       "戻る (to 表紙)",
                       "終了"};
  return order;
}

QString ms(double value) {
  return QString::number(value, 'f', 2);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qtApp(argc, argv);
  bench::quietOffscreenNotes();
  const QStringList args = QApplication::arguments();
  const bool tsv = args.contains(QStringLiteral("--tsv"));
  const bool trace = args.contains(QStringLiteral("--trace"));
  // With --record every check is written to a learning record in a folder of its own.
  const bool record = args.contains(QStringLiteral("--record"));
  QTemporaryDir recordFolder;
  const auto option = [&args](const char* name, int fallback) {
    const auto at = args.indexOf(QLatin1String(name));
    return at > 0 && at + 1 < args.size() ? std::max(1, args.at(at + 1).toInt()) : fallback;
  };
  const int passes = option("--passes", 20);
  const auto seed = std::uint32_t(option("--seed", int(kSeed)));

  std::vector<Sample> samples;
  int failures = 0;
  int unpainted = 0;
  QStringList missing;
  qsizetype windows = 0;
  QStringList order;
  {
    kairo::Application app(record ? kairo::Record::open(recordFolder.path())
                                  : kairo::Record::off(QStringLiteral("--record not given")));
    bench::EventCounter counter;
    app.start();
    bench::settle(counter);
    Walker walker(app, counter, samples, seed, trace);
    for (int pass = 1; pass <= passes; ++pass) walker.pass(pass);
    failures = walker.failures();
    unpainted = walker.unpainted();
    for (ScreenId id : app.screens().all())
      if (!walker.seen().contains(id)) missing << nameOf(id);
    windows = qsizetype(app.screens().all().size());
    order = rowOrder(app);
  }

  QMap<QString, std::vector<const Sample*>> byKind;
  for (const Sample& sample : samples) byKind[sample.kind].push_back(&sample);
  QStringList kinds = byKind.keys();
  const auto rank = [&order](const QString& kind) {
    const auto index = order.indexOf(kind);
    return index < 0 ? order.size() : index;
  };
  std::ranges::stable_sort(kinds, {}, rank);

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
  std::ranges::sort(slowest, [](const Sample* a, const Sample* b) { return a->ms > b->ms; });
  slowest.resize(std::min<std::size_t>(slowest.size(), 8));
  for (const Sample* sample : slowest)
    out += (tsv ? "slow\t" : "slow: ") +
           QStringList{ms(sample->ms), sample->where,
                       QStringLiteral("pass ") + QString::number(sample->pass)}
               .join('\t')
               .toUtf8() +
           '\n';
  out += "screens_seen\t" + QByteArray::number(windows - missing.size()) + '\t' +
         QByteArray::number(windows) + '\t' + missing.join(' ').toUtf8() + '\n';
  out += "unpainted\t" + QByteArray::number(unpainted) + '\n';
  out += "failures\t" + QByteArray::number(failures) + '\n';
  out += "hwm_kib\t" + QByteArray::number(bench::statusKib("VmHWM")) + '\n';
  std::fputs(out.constData(), stdout);
  return failures == 0 && unpainted == 0 && missing.isEmpty() ? 0 : 1;
}
