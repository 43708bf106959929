#pragma once

#include <QString>

#include "core/complex.h"

namespace kairo {

// The one record through which all screens talk: the circuit of the current problem, the drawing
// cursor, the miss counter and the complex results of the last check. Fields are read and written
// directly by name; everything starts at zero or empty.
struct ExerciseState {
  int elementIndex = 0;
  int cursorX = 0;
  int branch2X = 0;
  int branch3X = 0;
  int originX = 0;
  int originY = 0;
  int missCount = 0;
  QString unitText;
  int lcValue1 = 0, lcValue2 = 0, lcValue3 = 0;
  int resistance1 = 0, resistance2 = 0, resistance3 = 0;
  // Held in double: single precision turns exactly-rounded answers into wrong expectations.
  double reactance1 = 0.0, reactance2 = 0.0, reactance3 = 0.0;
  Complex z1, z2, z3;
  Complex z23Product;
  Complex z23Sum;
  Complex zTotal;
  Complex z23Parallel;
  Complex sourceE;
  double voltageE = 0.0;
  Complex divider2, divider3;
  Complex current1, current2, current3;
  // 1 resistor, 2 capacitor, 3 coil; 0 while no intermediate problem has set it.
  int kind1 = 0, kind2 = 0, kind3 = 0;
  // The stages of the problem's worked solution the student has earned (bit s − 1 for stage s):
  // each answered right or shown by a follow-up's third miss. A new problem locks them all again.
  unsigned solvedStages = 0;
  bool stageSolved(int stage) const { return stage > 0 && (solvedStages >> (stage - 1) & 1u); }

  // Element k (1..3) of the per-element fields, for loops over the three positions.
  int& resistance(int k) { return pick(k, resistance1, resistance2, resistance3); }
  int& lcValue(int k) { return pick(k, lcValue1, lcValue2, lcValue3); }
  double& reactance(int k) { return pick(k, reactance1, reactance2, reactance3); }
  int& kind(int k) { return pick(k, kind1, kind2, kind3); }
  int resistance(int k) const { return k == 1 ? resistance1 : k == 2 ? resistance2 : resistance3; }
  int lcValue(int k) const { return k == 1 ? lcValue1 : k == 2 ? lcValue2 : lcValue3; }
  double reactance(int k) const { return k == 1 ? reactance1 : k == 2 ? reactance2 : reactance3; }
  int kind(int k) const { return k == 1 ? kind1 : k == 2 ? kind2 : kind3; }

  // The kind element k has in the circuit the checks compute with, read from its values: a
  // capacitor's reactance is negative, a coil's positive (a coil of 0 mH keeps its kind), anything
  // else is a resistor. The kind fields alone can lag behind: the beginner generator sets none, and
  // a code that keeps an element keeps the values of the earlier problem.
  int elementKind(int k) const {
    const double x = reactance(k);
    if (x < 0) return 2;
    if (x > 0 || (kind(k) == 3 && resistance(k) == 0)) return 3;
    return 1;
  }

  static constexpr int kMissCountLimit = 32767;

 private:
  template <class T>
  static T& pick(int k, T& a, T& b, T& c) {
    return k == 1 ? a : k == 2 ? b : c;
  }
};

// Reactance of a capacitor (µF) or coil (mH) at ω = 10^4 rad/s, in the order of the formulas.
inline double capacitorReactance(int microfarads) {
  return -1.0 / (1e-6 * (microfarads * 10000.0));
}
inline double coilReactance(int millihenries) {
  return 1e-3 * (millihenries * 10000.0);
}

}  // namespace kairo
