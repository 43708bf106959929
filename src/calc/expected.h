#pragma once

#include "app/exercise_state.h"

namespace kairo {

// What a check computes before comparing.
enum class Computation {
  Total,           // z1, z2, z3, z23Sum, z23Product, z23Parallel, zTotal
  Parallel,        // z2, z3, z23Sum, z23Product, z23Parallel (z1 and zTotal untouched)
  ParallelWithZ1,  // as Parallel, and z1 built too (zTotal untouched)
  Currents,  // sourceE, current1, divider2, current2, divider3, current3 from the last impedances
};

// Computes into the state. False when the circuit has no defined answer (a zero divisor, as before
// any problem exists or with cancelling reactances); the state may then be partly written.
bool computeExpected(ExerciseState& state, Computation computation);

// True when the circuit of the state has a defined combined impedance and currents.
bool hasAnswer(const ExerciseState& state);

enum class Expect { ZTotal, Z23Parallel, Current1, Current2, Current3 };
enum class Part { Re, Im };

double expectedPart(const ExerciseState& state, Expect value, Part part);

}  // namespace kairo
