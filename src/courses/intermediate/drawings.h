#pragma once

#include <QString>

namespace kairo {

class Canvas;
struct ExerciseState;

// The whole circuit of the exercise state: the three elements, the source, the value texts
// "<letter>k<separator> value unit" and the source voltage. Each element is drawn as the kind its
// values make it (elementKind), so a drawing shows the circuit the checks compute with.
void drawWholeCircuit(Canvas& canvas, ExerciseState& state, const QString& letter,
                      const QString& separator);

// The two branches alone with their values ("z2"/"z3", "Z2"/"Z3" for a coil).
void drawParallelPart(Canvas& canvas, ExerciseState& state, const QString& separator);

// The review after a right I1 but wrong branch currents: the total current, the three arrows and
// the two branches with "=".
void drawBranchCurrentReview(Canvas& canvas, ExerciseState& state);

// The review after a wrong I1: the source and one combined impedance with its value.
void drawTotalCurrentReview(Canvas& canvas, ExerciseState& state);

}  // namespace kairo
