#pragma once

// Expected answers of an alternating-current circuit computed with std::complex from the kinds and
// values alone, and a driver for the intermediate course.

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <array>
#include <cmath>
#include <complex>

#include "app/application.h"
#include "diagram/canvas.h"
#include "support/driver.h"

namespace kairo::test {

using Cx = std::complex<double>;

struct AcAnswers {
  Cx parallel, total, i1, i2, i3;
  bool defined = false;  // false when the branches or the whole circuit cancel out
};

// kinds: 1 resistor (value in Ω), 2 capacitor (µF, -100/C), 3 coil (mH, 10 L).
inline AcAnswers answersFor(std::array<int, 3> kinds, std::array<int, 3> values, double volts) {
  std::array<Cx, 3> z;
  for (int k = 0; k < 3; ++k)
    z[k] = kinds[k] == 1 ? Cx(values[k], 0)
                         : Cx(0, kinds[k] == 2 ? -100.0 / values[k] : 10.0 * values[k]);
  AcAnswers a;
  const Cx sum = z[1] + z[2];
  if (std::abs(sum) < 1e-9) return a;
  a.parallel = z[1] * z[2] / sum;
  a.total = z[0] + a.parallel;
  if (std::abs(a.total) < 1e-9) return a;
  a.i1 = volts / a.total;
  // Each branch takes the other branch's share of the total current.
  a.i2 = a.i1 * z[2] / sum;
  a.i3 = a.i1 * z[1] / sum;
  a.defined = true;
  return a;
}

inline AcAnswers answersFor(const ExerciseState& s) {
  std::array<int, 3> values{};
  for (int k = 1; k <= 3; ++k) values[k - 1] = s.kind(k) == 1 ? s.resistance(k) : s.lcValue(k);
  return answersFor({s.kind1, s.kind2, s.kind3}, values, s.voltageE);
}

// Two decimals, a half away from zero, as a student types them.
inline QString typed(double x) {
  return QString::number(std::round(x * 100) / 100, 'f', 2);
}

// A circuit written into the state as a generator would.
inline void setCircuit(ExerciseState& s, std::array<int, 3> kinds, std::array<int, 3> values,
                       int volts) {
  for (int k = 1; k <= 3; ++k) {
    const int kind = kinds[k - 1], value = values[k - 1];
    s.kind(k) = kind;
    s.resistance(k) = kind == 1 ? value : 0;
    if (kind != 1) s.lcValue(k) = value;
    s.reactance(k) = kind == 1 ? 0.0 : kind == 2 ? -100.0 / value : 10.0 * value;
  }
  s.voltageE = volts;
}

// Saves a picture of a window beside the build, for a person to look at.
inline void saveShot(QWidget* widget, const QString& name) {
  const QDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/../shots"));
  dir.mkpath(QStringLiteral("."));
  widget->grab().save(dir.filePath(name + QStringLiteral(".png")));
}

// The intermediate course through its windows: NORMAL, then "start" on Normali.
class AcCourse {
 public:
  AcCourse() {
    app.start();
    d.click(screens::StartF, "Command2");
    d.click(screens::Normali, "cmdSuuti");
  }
  QStringList drawn() { return app.canvas().printedTexts(); }
  void type(ScreenId id, const char* re, const char* im, Cx value) {
    d.type(id, re, typed(value.real()));
    d.type(id, im, typed(value.imag()));
  }
  // The right answers of the circuit in the state: the impedance, or current k (1..3).
  void typeImpedance(ScreenId id) {
    const AcAnswers a = answersFor(app.state());
    type(id, "txtrr", "txtjj", id == screens::NormaliHei ? a.parallel : a.total);
  }
  void typeCurrent(ScreenId id, int k) {
    const AcAnswers a = answersFor(app.state());
    const QByteArray re = "txtArr" + QByteArray::number(k), im = "txtAjj" + QByteArray::number(k);
    type(id, re.constData(), im.constData(), k == 1 ? a.i1 : k == 2 ? a.i2 : a.i3);
  }
  void check(ScreenId id) { d.click(id, "cmdkaitou"); }
  void miss(ScreenId id, const char* box) {
    d.type(id, box, QStringLiteral("9999"));
    check(id);
  }
  QStringList visible() { return d.visibleScreens(); }

  Application app;
  Driver d{app};
};

inline QStringList names(std::initializer_list<ScreenId> ids) {
  QStringList out;
  for (ScreenId id : ids) out << ScreenRegistry::name(id);
  out.sort();
  return out;
}

}  // namespace kairo::test
