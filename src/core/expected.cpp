#include "core/expected.h"

namespace kairo {
namespace {

bool computeParallel(ExerciseState& s) {
  s.z2 = {double(s.resistance2), s.reactance2};
  s.z3 = {double(s.resistance3), s.reactance3};
  s.z23Sum = add(s.z2, s.z3);
  s.z23Product = product(s.z2, s.z3);
  const auto parallel = devide(s.z23Sum, s.z23Product);
  if (!parallel) return false;
  s.z23Parallel = *parallel;
  return true;
}

// The current divides between the branches in inverse proportion to their impedances: branch 2
// carries I1 · z3 / (z2 + z3), branch 3 carries I1 · z2 / (z2 + z3).
bool computeCurrents(ExerciseState& s) {
  s.sourceE = {s.voltageE, 0.0};
  const auto current1 = devide(s.zTotal, s.sourceE);
  if (!current1) return false;
  s.current1 = *current1;
  const auto divider2 = devide(s.z23Sum, s.z3);
  const auto divider3 = devide(s.z23Sum, s.z2);
  if (!divider2 || !divider3) return false;
  s.divider2 = *divider2;
  s.current2 = product(s.current1, s.divider2);
  s.divider3 = *divider3;
  s.current3 = product(s.current1, s.divider3);
  return true;
}

bool computeTotal(ExerciseState& s) {
  s.z1 = {double(s.resistance1), s.reactance1};
  if (!computeParallel(s)) return false;
  s.zTotal = add(s.z1, s.z23Parallel);
  return true;
}

Complex expectedValue(const ExerciseState& s, Expect value) {
  switch (value) {
    case Expect::ZTotal:
      return s.zTotal;
    case Expect::Z23Parallel:
      return s.z23Parallel;
    case Expect::Current1:
      return s.current1;
    case Expect::Current2:
      return s.current2;
    case Expect::Current3:
      return s.current3;
  }
  return {};
}

}  // namespace

bool computeExpected(ExerciseState& s, Computation computation) {
  switch (computation) {
    case Computation::Total:
      return computeTotal(s);
    case Computation::Parallel:
      return computeParallel(s);
    case Computation::ParallelWithZ1:
      s.z1 = {double(s.resistance1), s.reactance1};
      return computeParallel(s);
    case Computation::Currents:
      return computeTotal(s) && computeCurrents(s);
  }
  return false;
}

std::optional<ExerciseState> solved(const ExerciseState& state) {
  ExerciseState scratch = state;
  if (!computeExpected(scratch, Computation::Currents)) return std::nullopt;
  return scratch;
}

double expectedPart(const ExerciseState& state, Expect value, Part part) {
  const Complex c = expectedValue(state, value);
  return part == Part::Re ? c.re : c.im;
}

Complex expectedOf(const ExerciseState& state, Expect value) {
  const std::optional<ExerciseState> answers = solved(state);
  return answers ? expectedValue(*answers, value) : Complex{};
}

bool hasAnswer(const ExerciseState& state) {
  return solved(state).has_value();
}

}  // namespace kairo
