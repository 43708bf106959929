// A deterministic random walk through the real windows of the program: button presses, typed
// answers, circuit codes and closed windows, with the program's invariants checked after every
// step. A failure names the seed, the step and the actions that led there.
//
// Environment (for soak runs and for reproducing a failure):
//   KAIRO_MONKEY_SEEDS       how many seeds (default 20)
//   KAIRO_MONKEY_FIRST_SEED  the first seed (default 1)
//   KAIRO_MONKEY_STEPS       steps per seed (default 5000; 1000 in a sanitizer build)
//   KAIRO_MONKEY_TRACE=1     print every action as it happens
#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <complex>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <numbers>
#include <optional>
#include <random>
#include <set>
#include <vector>

#include "app/application.h"
#include "courses/beginner/windows.h"
#include "courses/intermediate/windows.h"
#include "diagram/canvas.h"
#include "record/record.h"
#include "support/test_main.h"

using namespace kairo;

namespace {

using Cx = std::complex<double>;

constexpr std::size_t kCanvasLimit = 2000;
constexpr int kRecentActions = 40;

int environmentNumber(const char* name, int fallback) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok ? value : fallback;
}

// Under the sanitizers a step costs about three times as much: fewer steps keep the suite short.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kDefaultSteps = 1000;
#else
constexpr int kDefaultSteps = 5000;
#endif

struct Settings {
  int firstSeed = environmentNumber("KAIRO_MONKEY_FIRST_SEED", 1);
  int seeds = environmentNumber("KAIRO_MONKEY_SEEDS", 20);
  int steps = environmentNumber("KAIRO_MONKEY_STEPS", kDefaultSteps);
  bool trace = environmentNumber("KAIRO_MONKEY_TRACE", 0) != 0;
};

// The answers of the circuit in the state, computed here with std::complex: the combined
// impedance z1 + z2·z3/(z2+z3), its parallel part, I1 = E/Z and the branch currents, each branch
// taking the other's share: I2 = I1·z3/(z2+z3), I3 = I1·z2/(z2+z3). Nothing where a divisor is zero
// (or only rounding noise of cancelling reactances: the values of this drill are whole ohms or more
// when they exist).
struct Answers {
  std::optional<Cx> total, parallel, current[3];
  double volts = 0;
};

constexpr double kNoise = 1e-6;

Answers answersOf(const ExerciseState& s) {
  const Cx z1(s.resistance1, s.reactance1);
  const Cx z2(s.resistance2, s.reactance2);
  const Cx z3(s.resistance3, s.reactance3);
  Answers a;
  const Cx sum = z2 + z3;
  if (std::abs(sum) < kNoise) return a;
  a.parallel = z2 * z3 / sum;
  a.total = z1 + *a.parallel;
  if (std::abs(*a.total) < kNoise) return a;
  a.volts = s.voltageE;
  const Cx i1 = Cx(s.voltageE) / *a.total;
  a.current[0] = i1;
  a.current[1] = i1 * z3 / sum;
  a.current[2] = i1 * z2 / sum;
  return a;
}

// The expected number behind an answer box of a window, by the box's name.
// The advanced course's quantities of the same circuit: polar forms (degrees), powers, V23.
std::optional<double> advancedFor(const QString& box, const Answers& a) {
  const auto degrees = [](Cx c) { return std::arg(c) * 180.0 / std::numbers::pi; };
  if (!a.total || !a.current[0]) return std::nullopt;
  const Cx z = *a.total, i1 = *a.current[0];
  const double p = std::norm(i1) * z.real(), s = a.volts * std::abs(i1);
  const std::pair<const char*, double> values[] = {
      {"txtZ", std::abs(z)},
      {"txtTheta", degrees(z)},
      {"txtP", p},
      {"txtQ", std::norm(i1) * z.imag()},
      {"txtS", s},
      {"txtPF", s > 0 ? 100 * p / s : 0},
      {"txtI", std::abs(i1)},
      {"txtV", std::abs(i1 * *a.parallel)},
      {"txtThV", degrees(i1 * *a.parallel)},
  };
  for (const auto& [name, value] : values)
    if (box == QLatin1String(name)) return value;
  for (int k = 1; k <= 3; ++k) {
    if (box == QStringLiteral("txtI%1").arg(k)) return std::abs(*a.current[k - 1]);
    if (box == QStringLiteral("txtTh%1").arg(k)) return degrees(*a.current[k - 1]);
  }
  return std::nullopt;
}

std::optional<double> expectedFor(ScreenId screen, const QString& box, const Answers& a) {
  if (const std::optional<double> advanced = advancedFor(box, a)) return advanced;
  const bool parallel = screen == screens::EasyRHei || screen == screens::NormaliHei;
  const std::optional<Cx>& z = parallel ? a.parallel : a.total;
  if (box == QLatin1String("txtZR") || box == QLatin1String("txtrr"))
    return z ? std::optional(z->real()) : std::nullopt;
  if (box == QLatin1String("txtjj")) return z ? std::optional(z->imag()) : std::nullopt;
  for (int k = 1; k <= 3; ++k) {
    const std::optional<Cx>& i = a.current[k - 1];
    if (box == QStringLiteral("txtArr%1").arg(k))
      return i ? std::optional(i->real()) : std::nullopt;
    if (box == QStringLiteral("txtAjj%1").arg(k))
      return i ? std::optional(i->imag()) : std::nullopt;
  }
  return std::nullopt;
}

// Where right answers lead from each exercise window.
std::optional<ScreenId> correctScreenOf(ScreenId exercise) {
  using namespace screens;
  static const std::pair<ScreenId, ScreenId> kCorrect[] = {
      {EasyR1, EasyRSeikai},          {EasyR2, EasyRSeikai},           {EasyRHei, EasyRHeiSeikai},
      {EasyA, EasyASeikai},           {EasyA2, EasyASeikai},           {EasyA3, EasyAHeiSeikai},
      {EasyAHei, EasyAHeiSeikai},     {Normali, NormaliSeikai},        {Normali2, NormaliSeikai},
      {NormaliHei, NormaliHeiSeikai}, {NormalAA, NormalAASeikai},      {NormalAA2, NormalAASeikai},
      {NormalAA3, NormalAAHeiSeikai}, {NormalAAHei, NormalAAHeiSeikai}};
  for (const auto& [from, to] : kCorrect)
    if (from == exercise) return to;
  return std::nullopt;
}

bool isBeginner(ScreenId exercise) {
  using namespace screens;
  for (ScreenId id : {EasyR1, EasyR2, EasyRHei, EasyA, EasyA2, EasyA3, EasyAHei})
    if (id == exercise) return true;
  return false;
}

// Two decimals as a student types them: rounded half away from zero, full stop, no "-0.00".
QString twoDecimals(double x) {
  double rounded = std::round(x * 100.0) / 100.0;
  if (rounded == 0.0) rounded = 0.0;
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 2);
  return QString::fromLatin1(buffer, result.ptr - buffer);
}

bool hasNanOrInf(const QString& text) {
  return text.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
         text.contains(QLatin1String("inf"), Qt::CaseInsensitive);
}

bool isCheckButton(const QObject* button) {
  return button->objectName().compare(QLatin1String("cmdkaitou"), Qt::CaseInsensitive) == 0;
}

// A long text is logged by its shape, not in full.
QString shown(const QString& text) {
  if (text.size() <= 40) return QLatin1Char('"') + text + QLatin1Char('"');
  return QStringLiteral("<%1 chars: \"%2…\">").arg(text.size()).arg(text.left(16));
}

template <class T>
std::vector<T*> sortedChildren(QWidget* window) {
  QList<T*> found = window->findChildren<T*>();
  std::vector<T*> children(found.begin(), found.end());
  std::stable_sort(children.begin(), children.end(),
                   [](T* a, T* b) { return a->objectName() < b->objectName(); });
  return children;
}

QString nameOf(ScreenId id) {
  return ScreenRegistry::name(id);
}

// The texts a student might type into an answer box besides the answer itself.
const QStringList& oddAnswers() {
  static const QStringList texts = [] {
    QStringList t = {QString(),
                     QStringLiteral("   "),
                     QStringLiteral("-0"),
                     QStringLiteral("."),
                     QStringLiteral("1e999"),
                     QStringLiteral("-1e999"),
                     QStringLiteral("1e-999"),
                     QStringLiteral("&H7FFF"),
                     QStringLiteral("&HFFFFFFFFFFFFFFFFFFFFFFFF"),
                     QStringLiteral("&O777"),
                     QStringLiteral("&H"),
                     QStringLiteral("１２"),
                     QStringLiteral("1D3"),
                     QStringLiteral("nan"),
                     QStringLiteral("inf"),
                     QStringLiteral("-.5"),
                     QStringLiteral("12,5"),
                     QStringLiteral("1 2.5"),
                     QStringLiteral("+"),
                     QStringLiteral("-"),
                     QStringLiteral("e5"),
                     QStringLiteral("\x01\x02\t\x1b\x7f"
                                    "1"),
                     QStringLiteral("\u00000.5"),
                     QStringLiteral("😀"),
                     QStringLiteral("1😀2"),
                     QString(10000, QLatin1Char('9')),
                     QStringLiteral("0.") + QString(10000, QLatin1Char('1'))};
    return t;
  }();
  return texts;
}

// Circuit codes nobody generates: short, long, hostile.
const QStringList& oddCodes() {
  static const QStringList codes = [] {
    QStringList c = {
        QString(), QStringLiteral("a"), QStringLiteral("3"), QStringLiteral("32"),
        QStringLiteral("321"), QStringLiteral("3213"), QStringLiteral("3213a45"),
        QStringLiteral("3213a4512"), QStringLiteral("0000000"), QStringLiteral("00000000"),
        QStringLiteral("9999999999"), QStringLiteral("2221aaa2"), QStringLiteral("1e999"),
        QStringLiteral("😀😀😀😀😀😀😀😀"), QStringLiteral("３２１３ａ４５１"),
        // The advanced course's class on codes it refuses, and on one it takes.
        QStringLiteral("a1115563"), QStringLiteral("512341a3"), QStringLiteral("a12354733"),
        QStringLiteral("あ1235473"), QStringLiteral("3213A451"), QStringLiteral("3213a4\u00001"),
        QStringLiteral(" 3213a451"), QStringLiteral("51432511"),
        QStringLiteral("52110112"),   // a capacitor of 0 µF
        QStringLiteral("a3330aa2"),   // a coil of 0 mH
        QStringLiteral("512351a2"),   // 1 µF against 10 mH: the branches cancel
        QStringLiteral("512351a2x"),  // the same with a ninth character
        QStringLiteral("a233a222"),   // 10 µF against 2 mH ∥ 2 mH: no impedance at all
        QStringLiteral("a2331aa2"), QStringLiteral("1x1y1z1w"),
        QStringLiteral("3213a451") + QString(200, QLatin1Char('x')),
        QString(10000, QLatin1Char('1'))};
    return c;
  }();
  return codes;
}

// What a press of an answer check must do, decided before the press from the typed texts.
struct Verdict {
  ScreenId correctScreen;
  bool right;
  int missesBefore;
};

class Walker {
 public:
  Walker(std::uint32_t seed, bool trace) : random_(seed), trace_(trace) { restart(); }

  int restarts() const { return restarts_; }
  int checksPressed() const { return checksPressed_; }
  int codesRun() const { return codesRun_; }
  int checksJudged() const { return checksJudged_; }
  std::size_t largestCanvas() const { return largestCanvas_; }
  const std::set<ScreenId>& screensSeen() const { return screensSeen_; }

  // One random action, then the invariants; the failure text when one broke.
  std::optional<QString> step() {
    closedWindow_ = false;
    const int roll = int(below(100));
    bool acted = false;
    if (roll < 38)
      acted = press();
    else if (roll < 58)
      acted = typeIntoBox();
    else if (roll < 63)
      acted = pressEnter();
    else if (roll < 81)
      acted = answerWindow();
    else if (roll < 96)
      acted = runCode();
    else
      acted = closeWindow();
    if (!acted) press();
    answerExportDialog();
    if (failure_) return failure_;
    // Let pending paints and deferred work run, as the event loop would between two clicks.
    if (++stepsTaken_ % 4 == 0) QCoreApplication::processEvents();

    if (quitRequested_) {
      note(QStringLiteral("(the program ended: quitRequested)"));
      restart();
    } else if (app_->screens().visibleCount() == 0) {
      // Closing the last window ends a Qt program; anything else that leaves the student with no
      // window is a dead end.
      if (!closedWindow_) return QStringLiteral("no window is visible and the program did not end");
      note(QStringLiteral("(the last window was closed: the program ended)"));
      restart();
    }
    return checkInvariants();
  }

  QString recentActions() const {
    QStringList lines;
    for (const QString& line : recent_) lines << QStringLiteral("  ") + line;
    return lines.join(QLatin1Char('\n'));
  }

 private:
  std::uint32_t below(std::uint32_t n) { return random_() % n; }
  bool chance(int percent) { return int(below(100)) < percent; }

  void note(const QString& action) {
    if (trace_) qInfo().noquote() << action;
    recent_.push_back(action);
    if (recent_.size() > std::size_t(kRecentActions)) recent_.pop_front();
  }

  void restart() {
    typed_.clear();
    // Each program keeps its record in the walk's own folder, as the student's program would:
    // a fresh program reads what the one before it wrote.
    app_.reset();
    app_ = std::make_unique<Application>(Record::open(recordDir_.path()));
    quitRequested_ = false;
    QObject::connect(app_.get(), &Application::quitRequested, app_.get(),
                     [this] { quitRequested_ = true; });
    app_->start();
    ++restarts_;
    note(QStringLiteral("(fresh program: StartF)"));
  }

  std::vector<ScreenId> visibleWindows() const {
    std::vector<ScreenId> ids;
    for (ScreenId id : app_->screens().all())
      if (app_->screens().isVisible(id)) ids.push_back(id);
    return ids;
  }

  std::vector<std::pair<ScreenId, QAbstractButton*>> pressableButtons() const {
    std::vector<std::pair<ScreenId, QAbstractButton*>> found;
    for (ScreenId id : visibleWindows())
      for (QAbstractButton* b : sortedChildren<QAbstractButton>(app_->screens().form(id)))
        if (b->isVisible() && b->isEnabled()) found.emplace_back(id, b);
    return found;
  }

  std::vector<std::pair<ScreenId, QLineEdit*>> typableBoxes(
      std::optional<ScreenId> only = {}) const {
    std::vector<std::pair<ScreenId, QLineEdit*>> found;
    for (ScreenId id : visibleWindows()) {
      if (only && id != *only) continue;
      for (QLineEdit* box : sortedChildren<QLineEdit>(app_->screens().form(id)))
        if (box->isVisible() && box->isEnabled() && !box->isReadOnly()) found.emplace_back(id, box);
    }
    return found;
  }

  void click(ScreenId id, QAbstractButton* button) {
    const bool mouse = chance(25);
    note(QStringLiteral("press %1/%2 (%3)%4")
             .arg(nameOf(id), button->objectName(), button->text(),
                  mouse ? QStringLiteral(" with the mouse") : QString()));
    const std::optional<Verdict> verdict =
        isCheckButton(button) ? predictCheck(id) : std::optional<Verdict>();
    if (isCheckButton(button)) ++checksPressed_;
    if (mouse)
      QTest::mouseClick(button, Qt::LeftButton);
    else
      button->click();
    if (verdict) verifyCheck(id, *verdict);
    // "終了" hides every window, whatever was open.
    if (id == screens::StartF && button->objectName() == QLatin1String("Command6"))
      for (ScreenId left : visibleWindows())
        failure_ = QStringLiteral("%1 is still visible after 終了").arg(nameOf(left));
  }

  // Judges the answer boxes of an exercise window the way the check must, when every box holds
  // either the answer or a near miss and no value sits on a rounding tie; nothing otherwise.
  std::optional<Verdict> predictCheck(ScreenId screen) {
    const std::optional<ScreenId> correct = correctScreenOf(screen);
    if (!correct) return std::nullopt;
    const ExerciseState& s = app_->state();
    // Every check works on the circuit as it stands.
    const Answers a = answersOf(s);
    bool right = true;
    for (QLineEdit* box : app_->screens().form(screen)->findChildren<QLineEdit*>()) {
      const std::optional<double> expected = expectedFor(screen, box->objectName(), a);
      if (!expected) return std::nullopt;
      const double hundredths = std::abs(*expected * 100.0);
      if (std::abs(hundredths - std::floor(hundredths) - 0.5) < 1e-6) return std::nullopt;
      // "#.##" shows a value that rounds to zero as a lone full stop: no number to type.
      if (isBeginner(screen) && std::round(hundredths) == 0.0) return std::nullopt;
      const QString text = box->text();
      if (text == twoDecimals(*expected)) continue;
      if (text != twoDecimals(*expected + 0.01) && text != twoDecimals(*expected - 0.01))
        return std::nullopt;
      right = false;
    }
    return Verdict{*correct, right, s.missCount};
  }

  void verifyCheck(ScreenId screen, const Verdict& verdict) {
    ++checksJudged_;
    const int misses = app_->state().missCount;
    if (verdict.right) {
      if (!app_->screens().isVisible(verdict.correctScreen))
        failure_ = QStringLiteral("right answers on %1 did not open %2")
                       .arg(nameOf(screen), nameOf(verdict.correctScreen));
      else if (misses != verdict.missesBefore)
        failure_ = QStringLiteral("right answers on %1 changed missCount from %2 to %3")
                       .arg(nameOf(screen))
                       .arg(verdict.missesBefore)
                       .arg(misses);
      return;
    }
    const int expected = std::min(verdict.missesBefore + 1, int(ExerciseState::kMissCountLimit));
    if (misses != expected)
      failure_ = QStringLiteral("a wrong answer on %1 left missCount at %2 (was %3)")
                     .arg(nameOf(screen))
                     .arg(misses)
                     .arg(verdict.missesBefore);
    else if (app_->text(screen, QStringLiteral("Label6")) != QString::number(misses))
      failure_ = QStringLiteral("a wrong answer on %1: Label6 shows %2, missCount is %3")
                     .arg(nameOf(screen), shown(app_->text(screen, QStringLiteral("Label6"))))
                     .arg(misses);
  }

  bool press() {
    const auto buttons = pressableButtons();
    if (buttons.empty()) return false;
    auto chosen = buttons[below(std::uint32_t(buttons.size()))];
    // A new problem or the way back to the start leaves everything behind: deep in a course a
    // student seldom does that, and a walk that often does never reaches the deep windows.
    if (abandons(chosen) && deepInACourse() && chance(75))
      chosen = buttons[below(std::uint32_t(buttons.size()))];
    click(chosen.first, chosen.second);
    return true;
  }

  static bool abandons(const std::pair<ScreenId, QAbstractButton*>& button) {
    const QString name = button.second->objectName();
    return name == QLatin1String("cmdSuuti") ||
           (button.first == screens::SetForm && name == QLatin1String("Command1"));
  }

  bool deepInACourse() const {
    for (ScreenId id : visibleWindows())
      if (const CourseDefinition* course = app_->courseOf(id);
          course && id != course->firstExercise)
        return true;
    return false;
  }

  // Types like a student (key by key) when the text is short plain text, else pastes it.
  void type(QLineEdit* box, const QString& text) {
    box->clear();
    const bool plain = text.size() <= 12 && std::all_of(text.begin(), text.end(), [](QChar c) {
                         return c.unicode() >= 0x20 && c.unicode() < 0x7f;
                       });
    if (plain)
      QTest::keyClicks(box, text);
    else
      box->insert(text);
    typed_[box] = box->text();
  }

  QString answerText(ScreenId screen, const QString& box) {
    const std::optional<double> expected = expectedFor(screen, box, answersOf(app_->state()));
    const int roll = int(below(100));
    if (expected && roll < 45) return twoDecimals(*expected);
    if (expected && roll < 55) return twoDecimals(*expected + 0.01);
    if (expected && roll < 65) return twoDecimals(*expected - 0.01);
    return oddAnswers()[below(std::uint32_t(oddAnswers().size()))];
  }

  bool typeIntoBox() {
    const auto boxes = typableBoxes();
    if (boxes.empty()) return false;
    const auto& [id, box] = boxes[below(std::uint32_t(boxes.size()))];
    const QString text = box->objectName() == QLatin1String("passtxt")
                             ? codeText()
                             : answerText(id, box->objectName());
    note(QStringLiteral("type %1 into %2/%3").arg(shown(text), nameOf(id), box->objectName()));
    type(box, text);
    return true;
  }

  bool pressEnter() {
    const auto boxes = typableBoxes();
    if (boxes.empty()) return false;
    const auto& [id, box] = boxes[below(std::uint32_t(boxes.size()))];
    note(QStringLiteral("Enter in %1/%2").arg(nameOf(id), box->objectName()));
    const bool code = box->objectName() == QLatin1String("passtxt");
    const std::optional<Verdict> verdict = code ? std::optional<Verdict>() : predictCheck(id);
    if (code)
      ++codesRun_;
    else
      ++checksPressed_;
    QTest::keyClick(box, Qt::Key_Return);
    if (verdict) verifyCheck(id, *verdict);
    return true;
  }

  // Fills every box of one exercise window (mostly with right answers) and presses its check.
  bool answerWindow() {
    std::vector<std::pair<ScreenId, QAbstractButton*>> checks;
    for (const auto& [id, button] : pressableButtons())
      if (isCheckButton(button)) checks.emplace_back(id, button);
    if (checks.empty()) return false;
    const auto& [id, check] = checks[below(std::uint32_t(checks.size()))];
    const bool allRight = chance(60);
    for (const auto& [screen, box] : typableBoxes(id)) {
      const std::optional<double> expected =
          expectedFor(screen, box->objectName(), answersOf(app_->state()));
      const QString text =
          allRight && expected ? twoDecimals(*expected) : answerText(screen, box->objectName());
      note(QStringLiteral("type %1 into %2/%3").arg(shown(text), nameOf(id), box->objectName()));
      type(box, text);
    }
    click(id, check);
    return true;
  }

  // A circuit code as the generators write it.
  QString generatedCode() {
    static const char kSteps[] = "123456789a";
    QString code;
    code += QLatin1Char(kSteps[below(10)]);
    const bool beginner = chance(30);
    bool allResistors = true;
    for (int k = 0; k < 3; ++k) {
      const int kind = beginner ? 1 : 1 + int(below(3));
      allResistors = allResistors && kind == 1;
      code += QChar(u'0' + kind);
    }
    for (int k = 0; k < 3; ++k) code += QLatin1Char(kSteps[below(10)]);
    // The advanced course's class where a capacitor or coil is in it, a third of the time.
    code += allResistors ? QLatin1Char('1') : chance(35) ? QLatin1Char('3') : QLatin1Char('2');
    return code;
  }

  QString codeText() {
    if (chance(55)) return generatedCode();
    if (chance(15)) {
      static const char kAlphabet[] = "0123456789aA -.x";
      QString code;
      const int length = int(below(13));
      for (int i = 0; i < length; ++i) code += QLatin1Char(kAlphabet[below(sizeof kAlphabet - 1)]);
      return code;
    }
    return oddCodes()[below(std::uint32_t(oddCodes().size()))];
  }

  bool runCode() {
    if (!app_->screens().isVisible(screens::StartF)) return false;
    QWidget* start = app_->screens().form(screens::StartF);
    auto* box = start->findChild<QLineEdit*>(QStringLiteral("passtxt"));
    auto* run = start->findChild<QAbstractButton*>(QStringLiteral("Command5"));
    if (!box || !run) return false;
    // Sometimes the code already in the box runs again.
    if (chance(85)) {
      const QString code = codeText();
      note(QStringLiteral("type %1 into StartF/passtxt").arg(shown(code)));
      type(box, code);
    }
    ++codesRun_;
    click(screens::StartF, run);
    return true;
  }

  // "CSV に書き出す" asks where to write: the walk answers at once, with a file or a cancel.
  void answerExportDialog() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QFileDialog*>(top);
      if (!dialog || !dialog->isVisible()) continue;
      if (chance(50)) {
        // A new name each time: a file that exists would ask, modally, whether to replace it.
        const QString name = QStringLiteral("export-%1.csv").arg(++exports_);
        note(QStringLiteral("export the record to ") + name);
        dialog->selectFile(recordDir_.filePath(name));
        static_cast<QDialog*>(dialog)->accept();
      } else {
        note(QStringLiteral("cancel the export"));
        static_cast<QDialog*>(dialog)->reject();
      }
    }
  }

  bool closeWindow() {
    const auto windows = visibleWindows();
    if (windows.empty()) return false;
    const ScreenId id = windows[below(std::uint32_t(windows.size()))];
    note(QStringLiteral("close %1 (title bar)").arg(nameOf(id)));
    app_->screens().form(id)->close();
    closedWindow_ = true;
    return true;
  }

  std::optional<QString> checkInvariants() {
    Application& app = *app_;
    ScreenRegistry& screens = app.screens();
    for (ScreenId id : visibleWindows()) screensSeen_.insert(id);

    // Nothing a student does turns the record off.
    if (!app.record().isOn())
      return QStringLiteral("the record is off: %1").arg(app.record().offReason());

    const int misses = app.state().missCount;
    if (misses < 0 || misses > ExerciseState::kMissCountLimit)
      return QStringLiteral("missCount is %1").arg(misses);

    // Only windows that exist are looked at: creating one here would change the program.
    for (ScreenId id : screens.all()) {
      if (!screens.isCreated(id)) continue;
      QWidget* window = screens.form(id);
      for (QLabel* label : window->findChildren<QLabel*>())
        if (hasNanOrInf(label->text()))
          return QStringLiteral("%1/%2 shows %3")
              .arg(nameOf(id), label->objectName(), shown(label->text()));
      for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        const auto typed = typed_.find(box);
        if (typed != typed_.end() && typed->second == box->text()) continue;
        if (hasNanOrInf(box->text()))
          return QStringLiteral("the program wrote %1 into %2/%3")
              .arg(shown(box->text()), nameOf(id), box->objectName());
      }
      // The miss label of a visible exercise window holds the count as digits.
      if (!window->isVisible()) continue;
      const auto buttons = window->findChildren<QAbstractButton*>();
      if (std::none_of(buttons.begin(), buttons.end(), isCheckButton)) continue;
      if (auto* miss = window->findChild<QLabel*>(QStringLiteral("Label6"))) {
        const QString text = miss->text();
        const bool digits =
            std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (!digits || text.size() > 5 || text.toInt() > ExerciseState::kMissCountLimit)
          return QStringLiteral("%1/Label6 shows %2").arg(nameOf(id), shown(text));
      }
    }

    if (screens.isCreated(screens::SetForm)) {
      const Canvas& canvas = app.canvas();
      largestCanvas_ = std::max(largestCanvas_, canvas.items().size());
      if (canvas.items().size() >= kCanvasLimit)
        return QStringLiteral("the drawing holds %1 items").arg(canvas.items().size());
      for (const QString& text : canvas.printedTexts())
        if (hasNanOrInf(text)) return QStringLiteral("the drawing shows %1").arg(shown(text));
      for (const Canvas::Item& item : canvas.items()) {
        bool finite = true;
        if (const auto* line = std::get_if<Canvas::Line>(&item))
          finite = std::isfinite(line->from.x()) && std::isfinite(line->from.y()) &&
                   std::isfinite(line->to.x()) && std::isfinite(line->to.y());
        else if (const auto* text = std::get_if<Canvas::Text>(&item))
          finite = std::isfinite(text->at.x()) && std::isfinite(text->at.y());
        if (!finite) return QStringLiteral("the drawing holds a point that is not finite");
      }
    }
    return std::nullopt;
  }

  std::mt19937 random_;
  bool trace_;
  QTemporaryDir recordDir_;  // outlives every program of the walk
  int exports_ = 0;
  std::unique_ptr<Application> app_;
  bool quitRequested_ = false;
  bool closedWindow_ = false;
  std::optional<QString> failure_;
  int stepsTaken_ = 0;
  // What the walk typed into each box: boxes are checked only for texts the program wrote.
  std::map<const QLineEdit*, QString> typed_;
  std::deque<QString> recent_;
  int restarts_ = -1;  // the first program is no restart
  int checksPressed_ = 0;
  int codesRun_ = 0;
  int checksJudged_ = 0;
  std::size_t largestCanvas_ = 0;
  std::set<ScreenId> screensSeen_;
};

}  // namespace

class Monkey : public QObject {
  Q_OBJECT

 public:
  Monkey() {
    // Qt Test's five-minute watchdog can miss the end of one seed on a busy machine and then counts
    // all seeds as one function: the walk gets the time its steps need, unless the caller chose.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
      qputenv("QTEST_FUNCTION_TIMEOUT",
              QByteArray::number(std::max(300'000LL, 20LL * settings_.seeds * settings_.steps)));
  }

 private slots:
  void walk_data() {
    QTest::addColumn<int>("seed");
    for (int seed = settings_.firstSeed; seed < settings_.firstSeed + settings_.seeds; ++seed)
      QTest::addRow("seed %d", seed) << seed;
  }

  // Every seed walks its own road; whatever the road, the invariants hold after every step.
  void walk() {
    QFETCH(int, seed);
    QElapsedTimer clock;
    clock.start();
    Walker walker(std::uint32_t(seed), settings_.trace);
    for (int step = 1; step <= settings_.steps; ++step) {
      if (const std::optional<QString> failure = walker.step())
        QFAIL(qPrintable(
            QStringLiteral("seed %1, step %2: %3\nthe last actions:\n%4\nagain: "
                           "KAIRO_MONKEY_FIRST_SEED=%1 KAIRO_MONKEY_SEEDS=1 "
                           "KAIRO_MONKEY_STEPS=%2 KAIRO_MONKEY_TRACE=1 tests_monkey monkey")
                .arg(seed)
                .arg(step)
                .arg(*failure, walker.recentActions())));
    }
    seen_.insert(walker.screensSeen().begin(), walker.screensSeen().end());
    ++walkedSeeds_;
    qInfo(
        "seed %d: %d steps in %lld ms, %d restarts, %d checks (%d judged), %d codes, "
        "%zu windows seen, largest drawing %zu items",
        seed, settings_.steps, clock.elapsed(), walker.restarts(), walker.checksPressed(),
        walker.checksJudged(), walker.codesRun(), walker.screensSeen().size(),
        walker.largestCanvas());
  }

  // A walk that never leaves the start screen proves nothing: the seeds together must reach
  // almost every window.
  void cleanupTestCase() {
    if (settings_.steps < 1000 || walkedSeeds_ < 5) return;
    QStringList missing;
    const Application every;
    for (ScreenId id : every.screens().all())
      if (!seen_.count(id)) missing << nameOf(id);
    qInfo("windows never reached: %s", qPrintable(missing.join(QLatin1Char(' '))));
    QVERIFY2(missing.size() <= 4, qPrintable(missing.join(QLatin1Char(' '))));
  }

 private:
  const Settings settings_;
  std::set<ScreenId> seen_;
  int walkedSeeds_ = 0;
};

KAIRO_TEST_CASE(Monkey)
#include "monkey.moc"
