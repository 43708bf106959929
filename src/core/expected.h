#pragma once

#include <optional>

#include "core/exercise_state.h"

namespace kairo {

// What a check computes before comparing. Every computation starts from the circuit as it stands
// (kinds, values, voltage), never from values an earlier check left behind.
enum class Computation {
  Total,           // z1, z2, z3, z23Sum, z23Product, z23Parallel, zTotal
  Parallel,        // z2, z3, z23Sum, z23Product, z23Parallel (z1 and zTotal untouched)
  ParallelWithZ1,  // as Parallel, and z1 built too (zTotal untouched)
  Currents,        // as Total, then sourceE, divider2, divider3, current1, current2, current3
};

// Computes into the state. False when the circuit has no defined answer (a zero divisor, as before
// any problem exists or with cancelling reactances); the state may then be partly written.
bool computeExpected(ExerciseState& state, Computation computation);

// The state with every expected value of its circuit computed; nothing when the circuit has no
// combined impedance or no currents.
std::optional<ExerciseState> solved(const ExerciseState& state);

// True when the circuit of the state has a defined combined impedance and currents.
bool hasAnswer(const ExerciseState& state);

enum class Expect { ZTotal, Z23Parallel, Current1, Current2, Current3 };
enum class Part { Re, Im };

double expectedPart(const ExerciseState& state, Expect value, Part part);

// One expected value of the circuit of the state, worked out afresh (zero when the circuit has no
// answer), for the review drawings that print it.
Complex expectedOf(const ExerciseState& state, Expect value);

}  // namespace kairo
