#pragma once

#include <QString>
#include <array>

namespace kairo {

class Random;
struct ExerciseState;

// One alternating-current problem as the seven random draws give it.
struct AcProblem {
  std::array<int, 3> kinds{};  // 1 resistor, 2 capacitor, 3 coil
  std::array<int, 3> steps{};  // 1..10: resistance in tens of Ω, or µF, or mH
  int voltageStep = 0;         // 1..10: the source voltage in tens of volts

  bool allResistors() const { return kinds[0] == 1 && kinds[1] == 1 && kinds[2] == 1; }
};

// Seven draws, in the order kind 1, kind 2, kind 3, value 1, value 2, value 3, voltage.
AcProblem drawProblem(Random& random);

// Writes the circuit into the state: kinds, resistances (0 for a capacitor or coil), L/C values
// (left as they were for a resistor), reactances and the source voltage.
void applyProblem(ExerciseState& state, const AcProblem& problem);

// True when the problem's impedance and currents are defined: the two branches do not cancel
// each other and the whole circuit does not either.
bool hasAnswer(const AcProblem& problem);

// Draws problems until one has an answer.
AcProblem generateProblem(Random& random);

// The eight-character circuit code: voltage, three kinds, three values, circuit class (`classChar`
// where the course has one of its own).
QString circuitCode(const AcProblem& problem, QChar classChar = QChar());

}  // namespace kairo
