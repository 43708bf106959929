#pragma once

#include <QString>
#include <QStringView>
#include <optional>

#include "core/complex.h"
#include "core/exercise_state.h"

namespace kairo::advanced {

// The quantities the advanced course asks for, read from a state whose expected values are
// computed (computeExpected with Computation::Currents, or solved()). Angles are in degrees in
// (−180, 180], relative to the source voltage E at 0°.

// An angle in degrees brought into (−180, 180]; −180 reads 180.
double normalizedDegrees(double degrees);
// The magnitude and the angle (degrees) of a complex value; 0∠0 for zero.
double magnitude(Complex z);
double angleDegrees(Complex z);

// Z = R + jX in polar form: |Z| and θ (positive when inductive).
double zMagnitude(const ExerciseState& s);
double zAngle(const ExerciseState& s);
double zReal(const ExerciseState& s);
double zImaginary(const ExerciseState& s);

// Power delivered by the source (E is an RMS value): P = |I1|²R [W], Q = E|I1| sin θ [var],
// S = E|I1| [V·A], and the power factor P/S in percent.
double activePower(const ExerciseState& s);
double reactivePower(const ExerciseState& s);
double apparentPower(const ExerciseState& s);
double powerFactorPercent(const ExerciseState& s);

// The three currents as phasors.
double current1Magnitude(const ExerciseState& s);
double current1Angle(const ExerciseState& s);
double current2Magnitude(const ExerciseState& s);
double current2Angle(const ExerciseState& s);
double current3Magnitude(const ExerciseState& s);
double current3Angle(const ExerciseState& s);
double current1Real(const ExerciseState& s);
double current1Imaginary(const ExerciseState& s);

// V1 = I1·z1 across element 1 and V23 = I1·z2z3/(z2+z3) across the two branches.
Complex voltage1(const ExerciseState& s);
Complex voltage23(const ExerciseState& s);
double v23Magnitude(const ExerciseState& s);
double v23Angle(const ExerciseState& s);

// A circuit of the course: at least one resistor and at least one capacitor or coil, and the
// branches not in resonance (z2 + z3 ≠ 0). Reads the kinds and values of the state.
bool isAdvancedCircuit(const ExerciseState& state);
// The generator's further limits, inclusive: 5 Ω ≤ |Z| ≤ 500 Ω and each current at least 0.1 A.
bool withinGeneratorLimits(const ExerciseState& state);

// Why a code with the course's class character ("3" in eighth place) is no problem of the course,
// for the state the code leaves; nothing when it is one. A code of the course is strictly well
// formed: eight characters, source and values "1"–"9" or "a", kinds "1"–"3", and its circuit one
// the course poses (the generator's limits aside).
std::optional<QString> refusesCode(QStringView code, const ExerciseState& replayed);

}  // namespace kairo::advanced
