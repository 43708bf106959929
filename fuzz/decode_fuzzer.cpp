// decodeCircuitCode on arbitrary text: never a crash or undefined behaviour, and a plan it accepts
// is one the replay can carry out (one step per character, elements where the kinds are, a
// complete code with a combined impedance and currents, an advanced code only when strict).
#include <QList>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "core/circuit_code.h"
#include "core/exercise_state.h"
#include "core/expected.h"
#include "courses/advanced/quantities.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

// An earlier problem (20 Ω, 3 µF, 40 Ω), so kind digits 4 to 9 and 0 keep real elements.
kairo::ExerciseState earlierProblem() {
  kairo::ExerciseState s;
  s.voltageE = 70;
  s.resistance1 = 20;
  s.lcValue2 = 3;
  s.reactance2 = kairo::capacitorReactance(3);
  s.resistance3 = 40;
  s.kind1 = 1, s.kind2 = 2, s.kind3 = 1;
  return s;
}

void check(const QString& code, kairo::ExerciseState state) {
  const auto plan = kairo::decodeCircuitCode(code, state);
  if (!plan) return;
  const auto length = code.toUcs4().size();
  require(plan->steps.size() == std::size_t(length));
  for (std::size_t i = 0; i < plan->steps.size(); ++i) {
    const kairo::ReplayStep& step = plan->steps[i];
    if (const auto* e = std::get_if<kairo::ElementStep>(&step)) {
      require(e->position == int(i));
      require(e->kind >= 1 && e->kind <= 3);
      require(std::isfinite(e->reactance));
      require(e->valueLabel.size() == 1 && e->textLabel.size() == 2 && e->separator.size() == 1);
    }
    require(std::holds_alternative<kairo::SourceStep>(step) == (i == 0));
    require(std::holds_alternative<kairo::FinishStep>(step) == (i == 7));
    kairo::applyStep(state, step);
  }
  if (length >= 8) {
    require(kairo::computeExpected(state, kairo::Computation::Total));
    require(kairo::computeExpected(state, kairo::Computation::Currents));
    require(state.missCount == 0);
  }
  // A code of the advanced course ("3" in eighth place) opens it only as a strict code of one of
  // its circuits, whose every answer is a finite number.
  const auto finish = length >= 8 ? std::get_if<kairo::FinishStep>(&plan->steps[7]) : nullptr;
  if (finish && finish->classChar == U'3' && !kairo::advanced::refusesCode(code, state)) {
    require(length == 8 && kairo::advanced::isAdvancedCircuit(state));
    namespace a = kairo::advanced;
    for (double x :
         {a::zMagnitude(state), a::zAngle(state), a::activePower(state), a::reactivePower(state),
          a::powerFactorPercent(state), a::current2Angle(state), a::v23Magnitude(state)})
      require(std::isfinite(x));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString code = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
  check(code, kairo::ExerciseState{});
  check(code, earlierProblem());
  return 0;
}
