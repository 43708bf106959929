#pragma once

#include <QString>
#include <QStringList>

#include "app/application.h"
#include "diagram/canvas.h"
#include "diagram/drawing_list.h"
#include "support/driver.h"

namespace kairo::test::easy {

// A beginner problem and its answers as exact fractions, worked out apart from the program.
struct Fraction {
  long long num, den;
};

struct Problem {
  int r1, r2, r3, e;
  bool operator==(const Problem&) const = default;

  // R = R1 + R2·R3 / (R2 + R3); I1 = E / R; each branch takes the other's share of I1:
  // I2 = I1 · R3 / (R2 + R3), I3 = I1 · R2 / (R2 + R3).
  Fraction total() const { return {1LL * r1 * (r2 + r3) + 1LL * r2 * r3, r2 + r3}; }
  Fraction parallel() const { return {1LL * r2 * r3, r2 + r3}; }
  Fraction current(int k) const {
    return {1LL * e * (k == 1 ? r2 + r3 : k == 2 ? r3 : r2), total().num};
  }
};

// The positive value to two decimals, as a student types it ("25.56", "0.71").
inline QString typed(Fraction f) {
  const long long hundredths = (200 * f.num + f.den) / (2 * f.den);
  return QStringLiteral("%1.%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QChar('0'));
}

// Window names, sorted as Driver::visibleScreens() lists them.
inline QStringList names(std::initializer_list<ScreenId> screens) {
  QStringList out;
  for (ScreenId id : screens) out << ScreenRegistry::name(id);
  out.sort();
  return out;
}

// The drawing without its texts, sorted: the same strokes drawn in another order compare equal.
inline QStringList strokes(const Canvas& canvas) {
  QStringList out;
  for (const auto& item : canvas.items())
    if (!std::holds_alternative<Canvas::Text>(item)) out << describe(item);
  out.sort();
  return out;
}

// A course driven from the start screen: EASY, then "start" for a new problem.
class EasyCourse : public Driver {
 public:
  using Driver::Driver;

  Problem begin() {
    app().start();
    click(screens::StartF, "Command3");
    click(screens::EasyR1, "cmdSuuti");
    const ExerciseState& s = state();
    return {s.resistance1, s.resistance2, s.resistance3, int(s.voltageE)};
  }
  // The generated problem replaced by a known one.
  void begin(const Problem& p) {
    begin();
    ExerciseState& s = state();
    s.resistance1 = p.r1;
    s.resistance2 = p.r2;
    s.resistance3 = p.r3;
    s.voltageE = p.e;
  }
  void answer(ScreenId screen, std::initializer_list<std::pair<const char*, QString>> boxes) {
    for (const auto& [box, text] : boxes) type(screen, box, text);
    const bool resistance =
        screen == screens::EasyR1 || screen == screens::EasyR2 || screen == screens::EasyRHei;
    click(screen, resistance ? "cmdKaitou" : "cmdkaitou");
  }
  void resistance(ScreenId screen, const QString& r) { answer(screen, {{"txtZR", r}}); }
  void currents(ScreenId screen, const QString& i1, const QString& i2, const QString& i3) {
    answer(screen, {{"txtArr1", i1}, {"txtArr2", i2}, {"txtArr3", i3}});
  }
};

}  // namespace kairo::test::easy

// Data-driven tests take problems as rows.
Q_DECLARE_METATYPE(kairo::test::easy::Problem)
